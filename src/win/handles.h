// Move-only owners of Win32 handles, each keyed on the function that closes it.
#pragma once

#include <windows.h>

#include <utility>

namespace lumora {

// Owns one handle of type H and closes it with Close when it goes out of scope. Move-only.
template <typename H, auto Close, H Invalid = H{}>
class UniqueAny {
  public:
    UniqueAny() = default;
    explicit UniqueAny(H handle) : handle_(handle) {}
    UniqueAny(const UniqueAny&) = delete;
    UniqueAny& operator=(const UniqueAny&) = delete;
    UniqueAny(UniqueAny&& other) noexcept : handle_(other.release()) {}
    UniqueAny& operator=(UniqueAny&& other) noexcept {
        if (this != &other) {
            reset(other.release());
        }
        return *this;
    }
    ~UniqueAny() { reset(); }

    H get() const { return handle_; }
    explicit operator bool() const { return handle_ != Invalid; }

    H release() { return std::exchange(handle_, Invalid); }
    void reset(H handle = Invalid) {
        H old = std::exchange(handle_, handle);
        if (old != Invalid) {
            Close(old);
        }
    }

  private:
    H handle_ = Invalid;
};

namespace detail {
inline void CloseKernelHandle(HANDLE h) {
    ::CloseHandle(h);
}
inline void CloseRegistryKey(HKEY h) {
    ::RegCloseKey(h);
}
template <typename T>
inline void DeleteGdiObject(T h) {
    ::DeleteObject(h);
}
inline void DeleteDeviceContext(HDC h) {
    ::DeleteDC(h);
}
inline void DestroyMenuHandle(HMENU h) {
    ::DestroyMenu(h);
}
inline void DestroyCursorHandle(HCURSOR h) {
    ::DestroyCursor(h);
}
inline void UnloadLibrary(HMODULE h) {
    ::FreeLibrary(h);
}
inline void Unhook(HHOOK h) {
    ::UnhookWindowsHookEx(h);
}
template <typename T>
inline void ReleaseComObject(T* object) {
    object->Release();
}
}  // namespace detail

using UniqueHandle = UniqueAny<HANDLE, detail::CloseKernelHandle>;
using UniqueHkey = UniqueAny<HKEY, detail::CloseRegistryKey>;
using UniqueBrush = UniqueAny<HBRUSH, detail::DeleteGdiObject<HBRUSH>>;
using UniquePalette = UniqueAny<HPALETTE, detail::DeleteGdiObject<HPALETTE>>;
using UniqueRgn = UniqueAny<HRGN, detail::DeleteGdiObject<HRGN>>;
using UniqueBitmap = UniqueAny<HBITMAP, detail::DeleteGdiObject<HBITMAP>>;
using UniqueMemoryDc = UniqueAny<HDC, detail::DeleteDeviceContext>;
using UniqueMenu = UniqueAny<HMENU, detail::DestroyMenuHandle>;
using UniqueLibrary = UniqueAny<HMODULE, detail::UnloadLibrary>;
using UniqueHook = UniqueAny<HHOOK, detail::Unhook>;
// One reference to a COM object, released when it goes.
template <typename T>
using UniqueCom = UniqueAny<T*, detail::ReleaseComObject<T>>;

// A window's client-area device context, released with the window it came from.
class ClientDc {
  public:
    explicit ClientDc(HWND window) : window_(window), dc_(::GetDC(window)) {}
    ClientDc(const ClientDc&) = delete;
    ClientDc& operator=(const ClientDc&) = delete;
    ~ClientDc() {
        if (dc_) {
            ::ReleaseDC(window_, dc_);
        }
    }
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

  private:
    HWND window_;
    HDC dc_;
};

// BeginPaint/EndPaint for one WM_PAINT.
class PaintScope {
  public:
    explicit PaintScope(HWND window) : window_(window) { dc_ = ::BeginPaint(window, &paint_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    ~PaintScope() { ::EndPaint(window_, &paint_); }
    HDC get() const { return dc_; }
    const RECT& area() const { return paint_.rcPaint; }

  private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// Selects a GDI object into a device context and puts the previous one back.
class SelectScope {
  public:
    SelectScope(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
    SelectScope(const SelectScope&) = delete;
    SelectScope& operator=(const SelectScope&) = delete;
    ~SelectScope() {
        if (previous_ && previous_ != HGDI_ERROR) {
            ::SelectObject(dc_, previous_);
        }
    }

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Selects a palette (never in the background) and puts the previous one back.
class PaletteScope {
  public:
    PaletteScope(HDC dc, HPALETTE palette, BOOL forceBackground = FALSE)
        : dc_(dc), previous_(palette ? ::SelectPalette(dc, palette, forceBackground) : nullptr) {}
    PaletteScope(const PaletteScope&) = delete;
    PaletteScope& operator=(const PaletteScope&) = delete;
    ~PaletteScope() {
        if (previous_) {
            ::SelectPalette(dc_, previous_, FALSE);
        }
    }

  private:
    HDC dc_;
    HPALETTE previous_;
};

}  // namespace lumora
