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
    // The window while the screen this object was made for is shown; null afterwards.
    CScreenWindow* Window() const {
        return shown_.alive() && window_.exists() ? &window_ : nullptr;
    }
    // Whether `variant` names the screen itself or one of its children: the child's region,
    // -1 for the screen itself.
    static bool Names(const AccessibleScreen& screen, const VARIANT& variant, long* child,
                      int* region);
    bool WindowFocused() const { return ::GetFocus() == window_.hwnd(); }
    // What a reader is told of a region: null for no region (the screen itself).
    static const ReaderFacts* Facts(CScreenWindow& window, int region) {
        const CRegion* found = window.region(region);
        return found ? &found->reader : nullptr;
    }

    CScreenWindow& window_;  // only touched while shown_ says it lives
    Liveness shown_;
};

bool ScreenAccessible::Names(const AccessibleScreen& screen, const VARIANT& variant, long* child,
                             int* region) {
    if (!ChildOfVariant(variant, child) || (*child != kChildSelf && !screen.IsChild(*child))) {
        return false;
    }
    *region = screen.RegionOf(*child);
    return true;
}

HRESULT ScreenAccessible::get_accParent(IDispatch** parent) {
    if (!parent) {
        return E_POINTER;
    }
    *parent = nullptr;
    CScreenWindow* window = Window();
    if (!window) {
        return CO_E_OBJNOTCONNECTED;
    }
    *parent = WindowObject(window->hwnd()).release();
    return *parent ? S_OK : S_FALSE;
}

HRESULT ScreenAccessible::get_accChildCount(long* count) {
    if (!count) {
        return E_POINTER;
    }
    *count = 0;
    CScreenWindow* window = Window();
    if (!window) {
        return CO_E_OBJNOTCONNECTED;
    }
    *count = window->Readers().childCount();
    return S_OK;
}

HRESULT ScreenAccessible::get_accChild(VARIANT child, IDispatch** object) {
    if (!object) {
        return E_POINTER;
    }
    *object = nullptr;
    CScreenWindow* window = Window();
    if (!window) {
        return CO_E_OBJNOTCONNECTED;
    }
    long number = 0;
    // The regions are simple elements: no object of their own.
    return ChildOfVariant(child, &number) && window->Readers().IsChild(number) ? S_FALSE
                                                                               : E_INVALIDARG;
}

HRESULT ScreenAccessible::get_accName(VARIANT child, BSTR* name) {
    if (!name) {
        return E_POINTER;
    }
    *name = nullptr;
    CScreenWindow* window = Window();
    if (!window) {
        return CO_E_OBJNOTCONNECTED;
    }
    long number = 0;
    int region = -1;
    if (!Names(window->Readers(), child, &number, &region)) {
        return E_INVALIDARG;
    }
    const ReaderFacts* facts = Facts(*window, region);
    return AllocateText(
        facts ? facts->name
              : ScreenSpokenName(window->description(), ResourceString(IDS_APP_TITLE)),
        name);
}

HRESULT ScreenAccessible::get_accDescription(VARIANT child, BSTR* description) {
    if (!description) {
        return E_POINTER;
    }
    *description = nullptr;
    CScreenWindow* window = Window();
    if (!window) {
        return CO_E_OBJNOTCONNECTED;
    }
    long number = 0;
    int region = -1;
    if (!Names(window->Readers(), child, &number, &region)) {
        return E_INVALIDARG;
    }
    const ReaderFacts* facts = Facts(*window, region);
    return facts ? AllocateText(facts->description, description) : S_FALSE;
}

HRESULT ScreenAccessible::get_accRole(VARIANT child, VARIANT* role) {
    if (!role) {
        return E_POINTER;
    }
    SetEmptyVariant(role);
    CScreenWindow* window = Window();
    if (!window) {
        return CO_E_OBJNOTCONNECTED;
    }
    long number = 0;
    int region = -1;
    if (!Names(window->Readers(), child, &number, &region)) {
        return E_INVALIDARG;
    }
    const ReaderFacts* facts = Facts(*window, region);
    SetChildVariant(role, static_cast<long>(facts ? facts->role : ReaderRole::kClient));
    return S_OK;
}

HRESULT ScreenAccessible::get_accState(VARIANT child, VARIANT* state) {
    if (!state) {
        return E_POINTER;
    }
    SetEmptyVariant(state);
    CScreenWindow* window = Window();
    if (!window) {
        return CO_E_OBJNOTCONNECTED;
    }
    const AccessibleScreen screen = window->Readers();
    long number = 0;
    int region = -1;
    if (!Names(screen, child, &number, &region)) {
        return E_INVALIDARG;
    }
    SetChildVariant(state, static_cast<long>(screen.StateOf(number, WindowFocused())));
    return S_OK;
}

HRESULT ScreenAccessible::get_accFocus(VARIANT* child) {
    if (!child) {
        return E_POINTER;
    }
    SetEmptyVariant(child);
    CScreenWindow* window = Window();
    if (!window) {
        return CO_E_OBJNOTCONNECTED;
    }
    const long focused = window->Readers().FocusedChild(WindowFocused());
    if (focused == kNoChild) {
        return S_FALSE;
    }
    SetChildVariant(child, focused);
    return S_OK;
}

HRESULT ScreenAccessible::get_accDefaultAction(VARIANT child, BSTR* action) {
    if (!action) {
        return E_POINTER;
    }
    *action = nullptr;
    CScreenWindow* window = Window();
    if (!window) {
        return CO_E_OBJNOTCONNECTED;
    }
    long number = 0;
    int region = -1;
    if (!Names(window->Readers(), child, &number, &region)) {
        return E_INVALIDARG;
    }
    return region == -1 ? S_FALSE : AllocateText(ResourceString(IDS_READER_PRESS), action);
}

HRESULT ScreenAccessible::accSelect(long flags, VARIANT child) {
    CScreenWindow* window = Window();
    if (!window) {
        return CO_E_OBJNOTCONNECTED;
    }
    long number = 0;
    int region = -1;
    if (!Names(window->Readers(), child, &number, &region)) {
        return E_INVALIDARG;
    }
    // Nothing here is selected; only the focus moves.
    if ((flags & SELFLAG_TAKEFOCUS) == 0) {
        return DISP_E_MEMBERNOTFOUND;
    }
    // The window first: the system tells of its focus, then the region's is told.
    if (!WindowFocused()) {
        ::SetFocus(window->hwnd());
    }
    if (region != -1) {
        window->FocusRegion(region);
    }
    return S_OK;
}

HRESULT ScreenAccessible::accLocation(long* left, long* top, long* width, long* height,
                                      VARIANT child) {
    if (!left || !top || !width || !height) {
        return E_POINTER;
    }
    *left = *top = *width = *height = 0;
    CScreenWindow* window = Window();
    if (!window) {
        return CO_E_OBJNOTCONNECTED;
    }
    long number = 0;
    int region = -1;
    if (!Names(window->Readers(), child, &number, &region)) {
        return E_INVALIDARG;
    }
    RECT client{};
    ::GetClientRect(window->hwnd(), &client);
    PixelRect place{client.left, client.top, client.right, client.bottom};
    if (const ReaderFacts* facts = Facts(*window, region)) {
        // Shapes are in picture pixels; the window shows each as a block at its scale.
        place = ScaleRect(facts->bounds, window->scale());
    }
    POINT origin{0, 0};
    ::ClientToScreen(window->hwnd(), &origin);
    *left = place.left + origin.x;
    *top = place.top + origin.y;
    *width = place.width();
    *height = place.height();
    return S_OK;
}

HRESULT ScreenAccessible::accNavigate(long direction, VARIANT start, VARIANT* end) {
    if (!end) {
        return E_POINTER;
    }
    SetEmptyVariant(end);
    CScreenWindow* window = Window();
    if (!window) {
        return CO_E_OBJNOTCONNECTED;
    }
    const AccessibleScreen screen = window->Readers();
    long number = 0;
    int region = -1;
    if (!Names(screen, start, &number, &region)) {
        return E_INVALIDARG;
    }
    const long reached = screen.Navigate(number, static_cast<ReaderNavigation>(direction));
    if (reached == kNoChild) {
        return S_FALSE;
    }
    SetChildVariant(end, reached);
    return S_OK;
}

HRESULT ScreenAccessible::accHitTest(long x, long y, VARIANT* child) {
    if (!child) {
        return E_POINTER;
    }
    SetEmptyVariant(child);
    CScreenWindow* window = Window();
    if (!window) {
        return CO_E_OBJNOTCONNECTED;
    }
    POINT point{x, y};
    ::ScreenToClient(window->hwnd(), &point);
    RECT client{};
    ::GetClientRect(window->hwnd(), &client);
    if (!::PtInRect(&client, point)) {
        return S_FALSE;
    }
    // The mouse's own hit test: the first region listed whose shape holds the point.
    SetChildVariant(child, window->Readers().ChildOf(window->HitTest(point)));
    return S_OK;
}

HRESULT ScreenAccessible::accDoDefaultAction(VARIANT child) {
    CScreenWindow* window = Window();
    if (!window) {
        return CO_E_OBJNOTCONNECTED;
    }
    long number = 0;
    int region = -1;
    if (!Names(window->Readers(), child, &number, &region)) {
        return E_INVALIDARG;
    }
    if (region == -1) {
        return DISP_E_MEMBERNOTFOUND;
    }
    return ::PostMessageA(window->hwnd(), kPressRegionMessage, static_cast<WPARAM>(region), 0)
               ? S_OK
               : E_FAIL;
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
