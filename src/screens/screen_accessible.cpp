#include "screens/screen_accessible.h"

#include "imaging/pixel_scale.h"
#include "resource.h"
#include "screens/screen_window.h"
#include "win/messages.h"
#include "win/resource_string.h"

namespace lumora {

// The core speaks the accessibility interface's numbers.
static_assert(kChildSelf == CHILDID_SELF);
static_assert(static_cast<long>(ReaderRole::kClient) == ROLE_SYSTEM_CLIENT &&
              static_cast<long>(ReaderRole::kStaticText) == ROLE_SYSTEM_STATICTEXT &&
              static_cast<long>(ReaderRole::kPushButton) == ROLE_SYSTEM_PUSHBUTTON &&
              static_cast<long>(ReaderRole::kButtonMenu) == ROLE_SYSTEM_BUTTONMENU);
static_assert(kReaderFocused == STATE_SYSTEM_FOCUSED &&
              kReaderHotTracked == STATE_SYSTEM_HOTTRACKED &&
              kReaderFocusable == STATE_SYSTEM_FOCUSABLE);
static_assert(static_cast<long>(ReaderNavigation::kUp) == NAVDIR_UP &&
              static_cast<long>(ReaderNavigation::kRight) == NAVDIR_RIGHT &&
              static_cast<long>(ReaderNavigation::kNext) == NAVDIR_NEXT &&
              static_cast<long>(ReaderNavigation::kPrevious) == NAVDIR_PREVIOUS &&
              static_cast<long>(ReaderNavigation::kFirstChild) == NAVDIR_FIRSTCHILD &&
              static_cast<long>(ReaderNavigation::kLastChild) == NAVDIR_LASTCHILD);
static_assert(static_cast<DWORD>(ReaderEvent::kFocus) == EVENT_OBJECT_FOCUS &&
              static_cast<DWORD>(ReaderEvent::kReorder) == EVENT_OBJECT_REORDER &&
              static_cast<DWORD>(ReaderEvent::kStateChange) == EVENT_OBJECT_STATECHANGE &&
              static_cast<DWORD>(ReaderEvent::kNameChange) == EVENT_OBJECT_NAMECHANGE);

namespace {

// Clears an out parameter; false when there is none.
template <typename T>
bool Clear(T* out) {
    if (!out) {
        return false;
    }
    *out = T{};
    return true;
}

bool Clear(VARIANT* out) {
    if (!out) {
        return false;
    }
    SetEmptyVariant(out);
    return true;
}

class ScreenAccessible : public AccessibleObject {
  public:
    ScreenAccessible(CScreenWindow& window, Liveness shown) : window_(window), shown_(shown) {}

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;

  private:
    // One object of the screen, as a call about it finds it.
    struct Target {
        CScreenWindow& window;
        const AccessibleScreen& screen;
        long child;                // kChildSelf for the screen itself
        int region;                // -1 for the screen itself
        const ReaderFacts* facts;  // null for the screen itself
    };

    // The answer of `answer` while the screen this object was made for is shown;
    // CO_E_OBJNOTCONNECTED afterwards.
    template <typename Answer>
    HRESULT Connected(Answer answer) const {
        if (!shown_.alive() || !window_.exists()) {
            return CO_E_OBJNOTCONNECTED;
        }
        return answer(window_, window_.Readers());
    }
    // The answer of `answer` for the object that `child` names; E_INVALIDARG when it names none.
    template <typename Answer>
    HRESULT About(const VARIANT& child, Answer answer) const {
        return Connected([&](CScreenWindow& window, const AccessibleScreen& screen) {
            long number = 0;
            if (!ChildOfVariant(child, &number) ||
                (number != kChildSelf && !screen.IsChild(number))) {
                return E_INVALIDARG;
            }
            const int region = screen.RegionOf(number);
            const CRegion* found = window.region(region);
            return answer(Target{window, screen, number, region, found ? &found->reader : nullptr});
        });
    }
    bool WindowFocused() const { return ::GetFocus() == window_.hwnd(); }

    CScreenWindow& window_;  // only touched while shown_ says it lives
    Liveness shown_;
};

HRESULT ScreenAccessible::get_accParent(IDispatch** parent) {
    if (!Clear(parent)) {
        return E_POINTER;
    }
    return Connected([&](CScreenWindow& window, const AccessibleScreen&) {
        *parent = WindowObject(window.hwnd()).release();
        return *parent ? S_OK : S_FALSE;
    });
}

HRESULT ScreenAccessible::get_accChildCount(long* count) {
    if (!Clear(count)) {
        return E_POINTER;
    }
    return Connected([&](CScreenWindow&, const AccessibleScreen& screen) {
        *count = screen.childCount();
        return S_OK;
    });
}

HRESULT ScreenAccessible::get_accChild(VARIANT child, IDispatch** object) {
    if (!Clear(object)) {
        return E_POINTER;
    }
    // The regions are simple elements: no object of their own.
    return About(child, [](const Target& t) { return t.facts ? S_FALSE : E_INVALIDARG; });
}

HRESULT ScreenAccessible::get_accName(VARIANT child, BSTR* name) {
    if (!Clear(name)) {
        return E_POINTER;
    }
    return About(child, [&](const Target& t) {
        return AllocateText(
            t.facts ? t.facts->name
                    : ScreenSpokenName(t.window.description(), ResourceString(IDS_APP_TITLE)),
            name);
    });
}

HRESULT ScreenAccessible::get_accDescription(VARIANT child, BSTR* description) {
    if (!Clear(description)) {
        return E_POINTER;
    }
    return About(child, [&](const Target& t) {
        return t.facts ? AllocateText(t.facts->description, description) : S_FALSE;
    });
}

HRESULT ScreenAccessible::get_accRole(VARIANT child, VARIANT* role) {
    if (!Clear(role)) {
        return E_POINTER;
    }
    return About(child, [&](const Target& t) {
        SetChildVariant(role, static_cast<long>(t.facts ? t.facts->role : ReaderRole::kClient));
        return S_OK;
    });
}

HRESULT ScreenAccessible::get_accState(VARIANT child, VARIANT* state) {
    if (!Clear(state)) {
        return E_POINTER;
    }
    return About(child, [&](const Target& t) {
        SetChildVariant(state, static_cast<long>(t.screen.StateOf(t.child, WindowFocused())));
        return S_OK;
    });
}

HRESULT ScreenAccessible::get_accFocus(VARIANT* child) {
    if (!Clear(child)) {
        return E_POINTER;
    }
    return Connected([&](CScreenWindow&, const AccessibleScreen& screen) {
        const long focused = screen.FocusedChild(WindowFocused());
        if (focused == kNoChild) {
            return S_FALSE;
        }
        SetChildVariant(child, focused);
        return S_OK;
    });
}

HRESULT ScreenAccessible::get_accDefaultAction(VARIANT child, BSTR* action) {
    if (!Clear(action)) {
        return E_POINTER;
    }
    return About(child, [&](const Target& t) {
        return t.facts ? AllocateText(ResourceString(IDS_READER_PRESS), action) : S_FALSE;
    });
}

HRESULT ScreenAccessible::accSelect(long flags, VARIANT child) {
    return About(child, [&](const Target& t) {
        // Nothing here is selected; only the focus moves.
        if ((flags & SELFLAG_TAKEFOCUS) == 0) {
            return DISP_E_MEMBERNOTFOUND;
        }
        // The window first: the system tells of its focus, then the region's is told.
        if (!WindowFocused()) {
            ::SetFocus(t.window.hwnd());
        }
        if (t.facts) {
            t.window.FocusRegion(t.region);
        }
        return S_OK;
    });
}

HRESULT ScreenAccessible::accLocation(long* left, long* top, long* width, long* height,
                                      VARIANT child) {
    if (!Clear(left) || !Clear(top) || !Clear(width) || !Clear(height)) {
        return E_POINTER;
    }
    return About(child, [&](const Target& t) {
        RECT client{};
        ::GetClientRect(t.window.hwnd(), &client);
        // Shapes are in picture pixels; the window shows each as a block at its scale.
        const PixelRect place =
            t.facts ? ScaleRect(t.facts->bounds, t.window.scale())
                    : PixelRect{client.left, client.top, client.right, client.bottom};
        POINT origin{0, 0};
        ::ClientToScreen(t.window.hwnd(), &origin);
        *left = place.left + origin.x;
        *top = place.top + origin.y;
        *width = place.width();
        *height = place.height();
        return S_OK;
    });
}

HRESULT ScreenAccessible::accNavigate(long direction, VARIANT start, VARIANT* end) {
    if (!Clear(end)) {
        return E_POINTER;
    }
    return About(start, [&](const Target& t) {
        const long reached = t.screen.Navigate(t.child, static_cast<ReaderNavigation>(direction));
        if (reached == kNoChild) {
            return S_FALSE;
        }
        SetChildVariant(end, reached);
        return S_OK;
    });
}

HRESULT ScreenAccessible::accHitTest(long x, long y, VARIANT* child) {
    if (!Clear(child)) {
        return E_POINTER;
    }
    return Connected([&](CScreenWindow& window, const AccessibleScreen& screen) {
        POINT point{x, y};
        ::ScreenToClient(window.hwnd(), &point);
        RECT client{};
        ::GetClientRect(window.hwnd(), &client);
        if (!::PtInRect(&client, point)) {
            return S_FALSE;
        }
        // The mouse's own hit test: the first region listed whose shape holds the point.
        SetChildVariant(child, screen.ChildOf(window.HitTest(point)));
        return S_OK;
    });
}

HRESULT ScreenAccessible::accDoDefaultAction(VARIANT child) {
    return About(child, [](const Target& t) {
        if (!t.facts) {
            return DISP_E_MEMBERNOTFOUND;
        }
        return ::PostMessageA(t.window.hwnd(), kPressRegionMessage, static_cast<WPARAM>(t.region),
                              0)
                   ? S_OK
                   : E_FAIL;
    });
}

}  // namespace

UniqueCom<IAccessible> MakeScreenAccessible(CScreenWindow& window) {
    return AccessibleObject::Make<ScreenAccessible>(window, window.WatchShown());
}

// The screen window's side.

AccessibleScreen CScreenWindow::Readers() {
    Carry(::GetParent(hwnd()), session_.RegionsNeeded());
    return AccessibleScreen(session_.hover());
}

Liveness CScreenWindow::WatchShown() const {
    return shown_ ? shown_->Watch() : Liveness();
}

void CScreenWindow::FocusRegion(int index) {
    if (shown_) {
        Carry(Hover().FocusRegion(index));
    }
}

LRESULT CScreenWindow::OnGetObject(UINT message, WPARAM wParam, LPARAM lParam) {
    // The object id is 32 bits, whether the system widened it with or without its sign.
    if (static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT) || !shown_) {
        return Default(message, wParam, lParam);
    }
    if (!accessible_) {
        accessible_ = MakeScreenAccessible(*this);
    }
    const LRESULT answer = AnswerGetObject(accessible_.get(), wParam);
    return answer != 0 ? answer : Default(message, wParam, lParam);
}

void CScreenWindow::Announce() {
    if (!exists() || !shown_) {
        return;
    }
    const AccessibleScreen screen(session_.hover());
    const ReaderNotices notices = screen.Changes(told_, ::GetFocus() == hwnd());
    // Told before telling: a reader's hook may call back and change the focus again.
    told_ = screen.Mark();
    Tell(notices);
}

void CScreenWindow::Tell(const ReaderNotices& notices) {
    const HWND window = hwnd();
    for (const ReaderNotice& notice : notices) {
        ::NotifyWinEvent(static_cast<DWORD>(notice.event), window, OBJID_CLIENT, notice.child);
    }
}

}  // namespace lumora
