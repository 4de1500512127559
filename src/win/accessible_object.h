// What every accessible object of the program shares: reference counting, IUnknown, an IDispatch
// without type information (readers call IAccessible's methods directly), the members that a
// window of pictures has no use for, and the calls into oleacc and oleaut32, which are loaded
// from the system folder when a reader first asks, never imported.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <memory>
#include <string>
#include <utility>

#include "win/handles.h"

namespace lumora {

// IAccessible's interface id, spelled out: in a static MinGW link the one of the import
// libraries is not the interface's, and every reader's request would fail.
extern const GUID kIidAccessible;

class AccessibleObject : public IAccessible {
  public:
    AccessibleObject(const AccessibleObject&) = delete;
    AccessibleObject& operator=(const AccessibleObject&) = delete;

    // IUnknown: IAccessible, IDispatch and IUnknown are the one object.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IDispatch: no type information, no names.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argumentError) override;

    // No values, help, shortcuts or selections: "not supported".
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

    // Made with one reference, which the caller owns.
    template <typename Object, typename... Args>
    static UniqueCom<IAccessible> Make(Args&&... args) {
        return UniqueCom<IAccessible>(
            std::make_unique<Object>(std::forward<Args>(args)...).release());
    }

    virtual ~AccessibleObject() = default;

  protected:
    AccessibleObject() = default;

  private:
    LONG references_ = 1;
};

// The child number a VARIANT carries; false for any other VARIANT.
bool ChildOfVariant(const VARIANT& variant, long* child);
// A VARIANT that names a child (or CHILDID_SELF).
void SetChildVariant(VARIANT* variant, long child);
void SetEmptyVariant(VARIANT* variant);
// A BSTR of ANSI text; E_OUTOFMEMORY when none can be made.
HRESULT AllocateText(const std::string& text, BSTR* result);

// The answer to WM_GETOBJECT that hands the object to a reader (in this process or another);
// 0 when oleacc cannot be loaded, so that the window's default answer stands.
LRESULT AnswerGetObject(IAccessible* object, WPARAM wParam);
// The system's object of the window itself (frame, title, the client area as a whole), the
// parent of a client area's object; null when oleacc cannot make it.
UniqueCom<IDispatch> WindowObject(HWND window);

}  // namespace lumora
