#include "win/accessible_object.h"

#include <vector>

#include "win/system_library.h"

namespace lumora {

const GUID kIidAccessible = {
    0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

namespace {

// Spelled out too, so that nothing of MinGW's uuid library is linked.
const GUID kIidUnknown = {0, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const GUID kIidDispatch = {0x00020400, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

// COM must be set up on the thread that hands objects out, so that a reader in another process
// reaches them through this thread's messages, one call at a time. Once: the window thread is
// the program's only one.
void EnsureApartment() {
    static const bool done = [] {
        using Initialize = HRESULT(WINAPI*)(void*, DWORD);
        if (const auto initialize = SystemFunction<Initialize>("ole32.dll", "CoInitializeEx")) {
            // Already set up differently (a test, a host): the objects work in that one.
            initialize(nullptr, COINIT_APARTMENTTHREADED);
        }
        return true;
    }();
    (void)done;
}

}  // namespace

HRESULT AccessibleObject::QueryInterface(REFIID id, void** object) {
    if (!object) {
        return E_POINTER;
    }
    if (IsEqualGUID(id, kIidAccessible) || IsEqualGUID(id, kIidDispatch) ||
        IsEqualGUID(id, kIidUnknown)) {
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG AccessibleObject::AddRef() {
    return static_cast<ULONG>(::InterlockedIncrement(&references_));
}

ULONG AccessibleObject::Release() {
    const LONG left = ::InterlockedDecrement(&references_);
    if (left == 0) {
        // The last reference: the object was made by Make and owns itself since.
        std::unique_ptr<AccessibleObject> last(this);
    }
    return static_cast<ULONG>(left);
}

HRESULT AccessibleObject::GetTypeInfoCount(UINT* count) {
    if (!count) {
        return E_POINTER;
    }
    *count = 0;
    return S_OK;
}

HRESULT AccessibleObject::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info) {
        *info = nullptr;
    }
    return E_NOTIMPL;
}

HRESULT AccessibleObject::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return E_NOTIMPL;
}

HRESULT AccessibleObject::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                 UINT*) {
    return E_NOTIMPL;
}

namespace {

HRESULT NoText(BSTR* text) {
    if (!text) {
        return E_POINTER;
    }
    *text = nullptr;
    return DISP_E_MEMBERNOTFOUND;
}

}  // namespace

HRESULT AccessibleObject::get_accValue(VARIANT, BSTR* value) {
    return NoText(value);
}

HRESULT AccessibleObject::get_accHelp(VARIANT, BSTR* help) {
    return NoText(help);
}

HRESULT AccessibleObject::get_accHelpTopic(BSTR* file, VARIANT, long* topic) {
    if (topic) {
        *topic = 0;
    }
    return NoText(file);
}

HRESULT AccessibleObject::get_accKeyboardShortcut(VARIANT, BSTR* shortcut) {
    return NoText(shortcut);
}

HRESULT AccessibleObject::get_accSelection(VARIANT* children) {
    if (!children) {
        return E_POINTER;
    }
    SetEmptyVariant(children);
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT AccessibleObject::put_accName(VARIANT, BSTR) {
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT AccessibleObject::put_accValue(VARIANT, BSTR) {
    return DISP_E_MEMBERNOTFOUND;
}

bool ChildOfVariant(const VARIANT& variant, long* child) {
    if (variant.vt != VT_I4) {
        return false;
    }
    *child = variant.lVal;
    return true;
}

void SetChildVariant(VARIANT* variant, long child) {
    variant->vt = VT_I4;
    variant->lVal = child;
}

void SetEmptyVariant(VARIANT* variant) {
    variant->vt = VT_EMPTY;
}

HRESULT AllocateText(const std::string& text, BSTR* result) {
    if (!result) {
        return E_POINTER;
    }
    *result = nullptr;
    using Allocate = BSTR(WINAPI*)(const OLECHAR*, UINT);
    static const auto allocate = SystemFunction<Allocate>("oleaut32.dll", "SysAllocStringLen");
    if (!allocate) {
        return E_OUTOFMEMORY;
    }
    // The program's texts are in the ANSI code page, as the INI file is read. A vector, not a
    // wide string: the library's wide strings would bring its exception runtime into the file.
    const int length =
        ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::vector<OLECHAR> wide(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
    if (length > 0) {
        ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                              length);
    }
    *result = allocate(wide.data(), static_cast<UINT>(wide.size() - 1));
    return *result ? S_OK : E_OUTOFMEMORY;
}

LRESULT AnswerGetObject(IAccessible* object, WPARAM wParam) {
    using FromObject = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
    static const auto fromObject = SystemFunction<FromObject>("oleacc.dll", "LresultFromObject");
    if (!fromObject || !object) {
        return 0;
    }
    EnsureApartment();
    return fromObject(kIidAccessible, wParam, object);
}

UniqueCom<IDispatch> WindowObject(HWND window) {
    using Create = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
    static const auto create = SystemFunction<Create>("oleacc.dll", "CreateStdAccessibleObject");
    void* made = nullptr;
    if (!create || FAILED(create(window, OBJID_WINDOW, kIidAccessible, &made)) || !made) {
        return UniqueCom<IDispatch>();
    }
    return UniqueCom<IDispatch>(static_cast<IAccessible*>(made));
}

}  // namespace lumora
