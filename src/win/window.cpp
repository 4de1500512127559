#include "win/window.h"

#include "win/common_controls.h"
#include "win/dialog_colors.h"

namespace lumora {

HINSTANCE ProgramInstance() {
    return ::GetModuleHandleA(nullptr);
}

Window::~Window() {
    // The derived part is gone: the messages of the destruction go to DefWindowProc.
    DestroyWithoutHandlers();
}

void Window::DestroyWithoutHandlers() {
    if (exists()) {
        ::SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        HWND window = hwnd_;
        hwnd_ = nullptr;
        ::DestroyWindow(window);
    }
}

bool Window::CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, int x,
                      int y, int width, int height, HWND parent, HMENU menuOrId) {
    HWND created = ::CreateWindowExA(exStyle, className, title, style, x, y, width, height, parent,
                                     menuOrId, ProgramInstance(), this);
    return created != nullptr;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return Default(message, wParam, lParam);
}

LRESULT CALLBACK Window::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* self = nullptr;
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        self = static_cast<Window*>(create->lpCreateParams);
        if (self) {
            self->hwnd_ = hwnd;
            ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
    } else {
        self = reinterpret_cast<Window*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    }
    if (!self) {
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    }
    LRESULT result = self->HandleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    return result;
}

ModelessDialog::~ModelessDialog() {
    if (exists()) {
        // The derived part is gone: the dialog manager handles the messages of the destruction.
        ::SetWindowLongPtrA(hwnd_, DWLP_USER, 0);
        ::DestroyWindow(hwnd_);
    }
}

void ModelessDialog::Destroy() {
    if (exists()) {
        ::DestroyWindow(hwnd_);
    }
}

bool ModelessDialog::Create(int templateId, HWND parent) {
    CommonControls();
    HWND created = ::CreateDialogParamA(ProgramInstance(), MAKEINTRESOURCEA(templateId), parent,
                                        DialogProc, reinterpret_cast<LPARAM>(this));
    return created != nullptr;
}

INT_PTR CALLBACK ModelessDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    ModelessDialog* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<ModelessDialog*>(lParam);
        if (self) {
            self->hwnd_ = hwnd;
            ::SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
        }
    } else {
        self = reinterpret_cast<ModelessDialog*>(::GetWindowLongPtrA(hwnd, DWLP_USER));
    }
    if (!self) {
        return FALSE;
    }
    INT_PTR handled = self->HandleMessage(message, wParam, lParam);
    if (!handled && (message == WM_CTLCOLORDLG || message == WM_CTLCOLORSTATIC)) {
        return reinterpret_cast<INT_PTR>(DialogColorBrush(reinterpret_cast<HDC>(wParam)));
    }
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(hwnd, DWLP_USER, 0);
        self->hwnd_ = nullptr;
    }
    return handled;
}

void MoveWindowTo(HWND window, const RECT& rect) {
    RECT now{};
    if (::GetWindowRect(window, &now)) {
        const bool child = (::GetWindowLongA(window, GWL_STYLE) & WS_CHILD) != 0;
        ::MapWindowPoints(nullptr, child ? ::GetParent(window) : nullptr,
                          reinterpret_cast<POINT*>(&now), 2);
        if (::EqualRect(&now, &rect)) {
            return;
        }
    }
    ::MoveWindow(window, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
}

void SetWindowTextIfChanged(HWND window, const std::string& text) {
    std::string now(static_cast<size_t>(::GetWindowTextLengthA(window)) + 1, '\0');
    now.resize(
        static_cast<size_t>(::GetWindowTextA(window, now.data(), static_cast<int>(now.size()))));
    if (now != text) {
        ::SetWindowTextA(window, text.c_str());
    }
}

}  // namespace lumora
