// The screen as screen readers get it: the object that AccessibleObjectFromWindow hands out for
// the screen window, every method of it, its references, the events that Tab, hover and screen
// changes raise, and its answers once its screen is gone.
#include "screens/screen_accessible.h"

#include <oleacc.h>

#include <string>
#include <tuple>
#include <vector>

#include "app/main_window.h"
#include "disc_fixture.h"
#include "exception_watch.h"
#include "win/messages.h"

namespace lumora::testing {
namespace {

VARIANT Child(long child) {
    VARIANT v;
    SetChildVariant(&v, child);
    return v;
}

bool Same(const RECT& a, const RECT& b) {
    return ::EqualRect(&a, &b) != FALSE;
}

std::string Text(BSTR text) {
    if (!text) {
        return "(null)";
    }
    char ansi[1024] = {};
    ::WideCharToMultiByte(CP_ACP, 0, text, -1, ansi, sizeof ansi, nullptr, nullptr);
    ::SysFreeString(text);
    return ansi;
}

// An event a reader hears: (event, window, object, child).
using Heard = std::tuple<DWORD, HWND, LONG, LONG>;

std::vector<Heard>& HeardEvents() {
    static std::vector<Heard> heard;
    return heard;
}

void CALLBACK Listen(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD,
                     DWORD) {
    HeardEvents().emplace_back(event, window, object, child);
}

void PumpMessages() {
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
}

// The screen "Main" (Description "Welcome", a 200 x 100 picture) with five regions: Next (a
// Label, a screen change), Tools (a menu), Plain (no action), Hidden (no shape) and Setup (a
// program waited for). A second screen "Second" with one region.
class ScreenAccessibleTest : public DiscFixture {
  protected:
    void SetUp() override {
        DiscFixture::SetUp();
        ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        SolidPicture("main.bmp", 200, 100, 5);
        SolidPicture("second.bmp", 120, 80, 2);
        WriteIni(
            "[Config]\nScreenNames=Main|Second\nStartup=Main\n"
            "[Screen Main]\nBitmap=%r\\main.bmp\nDescription=Welcome\n"
            "RegionNames=Next|Tools|Plain|Hidden|Setup\n"
            "[Main-Region Next]\nLabel=Next page\nShape=10,10|60,10|60,40|10,40\n"
            "LaunchFunc=DispatchScreen\nLaunchData=Second\n"
            "[Main-Region Tools]\nShape=40,20|90,20|90,50\nLaunchFunc=DispatchMenu\n"
            "LaunchData=Tools\n"
            "[Main-Region Plain]\nShape=100,60|150,60|150,90|100,90\n"
            "[Main-Region Hidden]\nLaunchFunc=DispatchExit\n"
            "[Main-Region Setup]\nShape=160,10|190,10|190,30|160,30\n"
            "LaunchFunc=DispatchProgramAndWait\nLaunchData=%r\\setup.exe\n"
            "[Screen Second]\nBitmap=%r\\second.bmp\nDescription=Second page\nRegionNames=Back\n"
            "[Second-Region Back]\nShape=0,0|20,0|20,20\nLaunchFunc=DispatchPreviousScreen\n");
        main_ = std::make_unique<CMainWindow>();
        ASSERT_TRUE(StartMainWindow(*main_));
        ::ShowWindow(main_->hwnd(), SW_SHOW);
        ::SetForegroundWindow(main_->hwnd());
        ::SetFocus(screen().hwnd());
        PumpMessages();
    }

    void TearDown() override {
        if (hook_) {
            ::UnhookWinEvent(hook_);
        }
        EndMainWindow(*main_);
        main_.reset();
        ::CoUninitialize();
        DiscFixture::TearDown();
    }

    CScreenWindow& screen() { return main_->screenWindow(); }

    // The screen window's object, as a reader gets it.
    UniqueCom<IAccessible> Object() {
        void* object = nullptr;
        EXPECT_EQ(
            ::AccessibleObjectFromWindow(screen().hwnd(), OBJID_CLIENT, kIidAccessible, &object),
            S_OK);
        return UniqueCom<IAccessible>(static_cast<IAccessible*>(object));
    }

    // Hears the events of this process from now on.
    void ListenToEvents() {
        HeardEvents().clear();
        hook_ = ::SetWinEventHook(EVENT_OBJECT_REORDER, EVENT_OBJECT_NAMECHANGE, nullptr, Listen,
                                  ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
        ASSERT_NE(hook_, nullptr);
    }

    // The children whose focus was heard since the last call.
    std::vector<LONG> FocusHeard() {
        std::vector<LONG> children;
        for (const Heard& h : HeardOfScreen(EVENT_OBJECT_FOCUS)) {
            children.push_back(std::get<3>(h));
        }
        return children;
    }

    // The events heard of the screen window's client object since the last call.
    std::vector<Heard> HeardOfScreen(DWORD event) {
        PumpMessages();
        std::vector<Heard> heard;
        for (const Heard& h : HeardEvents()) {
            if (std::get<0>(h) == event && std::get<2>(h) == OBJID_CLIENT &&
                std::get<1>(h) == screen().hwnd()) {
                heard.push_back(h);
            }
        }
        HeardEvents().clear();
        return heard;
    }

    static std::string Name(IAccessible* object, long child) {
        BSTR name = nullptr;
        const HRESULT result = object->get_accName(Child(child), &name);
        return result == S_OK ? Text(name) : "error " + std::to_string(result);
    }

    static long Number(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*),
                       IAccessible* object, long child) {
        VARIANT value;
        if ((object->*get)(Child(child), &value) != S_OK || value.vt != VT_I4) {
            return -1;
        }
        return value.lVal;
    }

    static RECT Location(IAccessible* object, long child) {
        long x = 0, y = 0, w = 0, h = 0;
        EXPECT_EQ(object->accLocation(&x, &y, &w, &h, Child(child)), S_OK);
        return RECT{x, y, x + w, y + h};
    }

    POINT ClientOrigin() {
        POINT origin{0, 0};
        ::ClientToScreen(screen().hwnd(), &origin);
        return origin;
    }

    std::unique_ptr<CMainWindow> main_;
    HWINEVENTHOOK hook_ = nullptr;
};

TEST_F(ScreenAccessibleTest, EveryRegionWithAShapeIsANamedObjectWithRoleStateDescriptionAndPlace) {
    UniqueCom<IAccessible> object = Object();
    ASSERT_TRUE(object);
    IAccessible* a = object.get();
    EXPECT_EQ(Name(a, CHILDID_SELF), "Welcome");
    EXPECT_EQ(Number(&IAccessible::get_accRole, a, CHILDID_SELF), ROLE_SYSTEM_CLIENT);
    long count = 0;
    EXPECT_EQ(a->get_accChildCount(&count), S_OK);
    EXPECT_EQ(count, 4) << "Hidden has no shape";

    struct Expected {
        const char* name;
        long role;
        std::string description;
        RECT bounds;  // picture pixels
    };
    const Expected expected[] = {
        {"Next page", ROLE_SYSTEM_PUSHBUTTON, "Shows the screen Second", {10, 10, 60, 40}},
        {"Tools", ROLE_SYSTEM_BUTTONMENU, "Opens the menu Tools", {40, 20, 90, 50}},
        {"Plain", ROLE_SYSTEM_STATICTEXT, "Does nothing", {100, 60, 150, 90}},
        {"Setup",
         ROLE_SYSTEM_PUSHBUTTON,
         "Starts " + folder() + "setup.exe and waits for it",
         {160, 10, 190, 30}}};
    const POINT origin = ClientOrigin();
    for (long child = 1; child <= 4; ++child) {
        const Expected& e = expected[child - 1];
        EXPECT_EQ(Name(a, child), e.name) << child;
        EXPECT_EQ(Number(&IAccessible::get_accRole, a, child), e.role) << child;
        EXPECT_EQ(Number(&IAccessible::get_accState, a, child), STATE_SYSTEM_FOCUSABLE) << child;
        BSTR text = nullptr;
        EXPECT_EQ(a->get_accDescription(Child(child), &text), S_OK);
        EXPECT_EQ(Text(text), e.description) << child;
        EXPECT_EQ(a->get_accDefaultAction(Child(child), &text), S_OK);
        EXPECT_EQ(Text(text), "Press");
        RECT place = e.bounds;
        ::OffsetRect(&place, origin.x, origin.y);
        EXPECT_TRUE(Same(place, Location(a, child))) << child;
        IDispatch* element = reinterpret_cast<IDispatch*>(1);
        EXPECT_EQ(a->get_accChild(Child(child), &element), S_FALSE) << "a simple element";
        EXPECT_EQ(element, nullptr);
    }
    RECT client{};
    ::GetClientRect(screen().hwnd(), &client);
    ::OffsetRect(&client, origin.x, origin.y);
    EXPECT_TRUE(Same(client, Location(a, CHILDID_SELF)));
    BSTR none = reinterpret_cast<BSTR>(1);
    EXPECT_EQ(a->get_accDescription(Child(CHILDID_SELF), &none), S_FALSE);
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(a->get_accDefaultAction(Child(CHILDID_SELF), &none), S_FALSE);

    // Numbers that name nothing, and what a screen of pictures does not have.
    VARIANT text;
    text.vt = VT_BSTR;
    text.bstrVal = nullptr;
    for (const VARIANT& wrong : {Child(5), Child(-1), text}) {
        BSTR name = nullptr;
        EXPECT_EQ(a->get_accName(wrong, &name), E_INVALIDARG);
        long x = 0, y = 0, w = 0, h = 0;
        EXPECT_EQ(a->accLocation(&x, &y, &w, &h, wrong), E_INVALIDARG);
        EXPECT_EQ(a->accDoDefaultAction(wrong), E_INVALIDARG);
    }
    EXPECT_EQ(a->get_accValue(Child(1), &none), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(a->get_accHelp(Child(1), &none), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(a->get_accKeyboardShortcut(Child(1), &none), DISP_E_MEMBERNOTFOUND);
    long topic = 7;
    EXPECT_EQ(a->get_accHelpTopic(&none, Child(1), &topic), DISP_E_MEMBERNOTFOUND);
    VARIANT selection;
    EXPECT_EQ(a->get_accSelection(&selection), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(selection.vt, VT_EMPTY);
    EXPECT_EQ(a->put_accName(Child(1), nullptr), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(a->get_accName(Child(1), nullptr), E_POINTER);

    // The window's own object is the parent.
    IDispatch* parent = nullptr;
    EXPECT_EQ(a->get_accParent(&parent), S_OK);
    ASSERT_NE(parent, nullptr);
    UniqueCom<IDispatch> owned(parent);
    // No type information: readers call the methods themselves.
    UINT typeInfo = 7;
    EXPECT_EQ(a->GetTypeInfoCount(&typeInfo), S_OK);
    EXPECT_EQ(typeInfo, 0u);
    ITypeInfo* info = reinterpret_cast<ITypeInfo*>(1);
    EXPECT_EQ(a->GetTypeInfo(0, 0, &info), E_NOTIMPL);
    EXPECT_EQ(info, nullptr);
    const GUID nothing{};
    EXPECT_EQ(a->GetIDsOfNames(nothing, nullptr, 0, 0, nullptr), E_NOTIMPL);
    EXPECT_EQ(a->Invoke(0, nothing, 0, 0, nullptr, nullptr, nullptr, nullptr), E_NOTIMPL);
    EXPECT_EQ(a->put_accValue(Child(1), nullptr), DISP_E_MEMBERNOTFOUND);
}

TEST_F(ScreenAccessibleTest, PlacesFollowTheScale) {
    screen().SetScale(2);
    screen().PlaceInParent();
    ASSERT_EQ(screen().scale(), 2);
    UniqueCom<IAccessible> object = Object();
    const POINT origin = ClientOrigin();
    RECT tools{80, 40, 180, 100};
    ::OffsetRect(&tools, origin.x, origin.y);
    EXPECT_TRUE(Same(tools, Location(object.get(), 2)));
}

TEST_F(ScreenAccessibleTest, HitTestAnswersAsTheMouseDoes) {
    UniqueCom<IAccessible> object = Object();
    const POINT origin = ClientOrigin();
    struct {
        POINT at;  // client coordinates
        long child;
    } const cases[] = {{{35, 25}, 1},             // Next's centre
                       {{50, 25}, 1},             // where Next and Tools overlap, Next is first
                       {{80, 40}, 2},             // inside Tools only
                       {{125, 75}, 3},            // Plain
                       {{175, 20}, 4},            // Setup, the fifth region
                       {{5, 95}, CHILDID_SELF}};  // the picture outside every region
    for (const auto& c : cases) {
        VARIANT hit;
        EXPECT_EQ(object.get()->accHitTest(origin.x + c.at.x, origin.y + c.at.y, &hit), S_OK);
        EXPECT_EQ(hit.vt, VT_I4);
        EXPECT_EQ(hit.lVal, c.child) << c.at.x << "," << c.at.y;
        EXPECT_EQ(screen().HitTest(c.at) == -1, c.child == CHILDID_SELF);
    }
    VARIANT outside;
    EXPECT_EQ(object.get()->accHitTest(origin.x - 5, origin.y + 10, &outside), S_FALSE);
    EXPECT_EQ(outside.vt, VT_EMPTY);
}

TEST_F(ScreenAccessibleTest, TheDefaultActionRunsTheRegionAsEnterDoes) {
    UniqueCom<IAccessible> object = Object();
    EXPECT_EQ(object.get()->accDoDefaultAction(Child(CHILDID_SELF)), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(object.get()->accDoDefaultAction(Child(1)), S_OK);
    // The call returns at once; the region runs when the window takes its message.
    EXPECT_EQ(main_->currentScreen(), "Main");
    PumpMessages();
    EXPECT_EQ(main_->currentScreen(), "Second");
    // The old screen's object is disconnected; the new screen's is there.
    long count = 0;
    EXPECT_EQ(object.get()->get_accChildCount(&count), CO_E_OBJNOTCONNECTED);
    UniqueCom<IAccessible> second = Object();
    EXPECT_EQ(Name(second.get(), CHILDID_SELF), "Second page");
    EXPECT_EQ(second.get()->accDoDefaultAction(Child(1)), S_OK);
    PumpMessages();
    EXPECT_EQ(main_->currentScreen(), "Main");
}

TEST_F(ScreenAccessibleTest, TabSelectionAndHoverRaiseFocusAndStateEvents) {
    ListenToEvents();
    UniqueCom<IAccessible> object = Object();
    IAccessible* a = object.get();
    const HWND window = screen().hwnd();
    ASSERT_EQ(::GetFocus(), window);
    ::SendMessageA(window, WM_KEYDOWN, VK_TAB, 0);
    EXPECT_EQ(FocusHeard(), (std::vector<LONG>{1}));
    EXPECT_EQ(Number(&IAccessible::get_accState, a, 1),
              STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED | STATE_SYSTEM_HOTTRACKED);
    VARIANT focus;
    EXPECT_EQ(a->get_accFocus(&focus), S_OK);
    EXPECT_EQ(focus.lVal, 1);
    ::SendMessageA(window, WM_KEYDOWN, VK_TAB, 0);
    EXPECT_EQ(FocusHeard(), (std::vector<LONG>{2}));
    ::SendMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(FocusHeard(), (std::vector<LONG>{CHILDID_SELF})) << "no region has it";
    EXPECT_EQ(a->get_accFocus(&focus), S_OK);
    EXPECT_EQ(focus.lVal, CHILDID_SELF);
    EXPECT_EQ(Number(&IAccessible::get_accState, a, CHILDID_SELF),
              STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED);

    // A reader moves the focus itself, and walks the Tab order.
    EXPECT_EQ(a->accSelect(SELFLAG_TAKEFOCUS, Child(4)), S_OK);
    EXPECT_EQ(FocusHeard(), (std::vector<LONG>{4}));
    EXPECT_EQ(a->accSelect(SELFLAG_TAKESELECTION, Child(3)), DISP_E_MEMBERNOTFOUND);
    VARIANT next;
    EXPECT_EQ(a->accNavigate(NAVDIR_PREVIOUS, Child(4), &next), S_OK);
    EXPECT_EQ(next.lVal, 3);
    EXPECT_EQ(a->accNavigate(NAVDIR_NEXT, Child(4), &next), S_FALSE);
    EXPECT_EQ(next.vt, VT_EMPTY);
    EXPECT_EQ(a->accNavigate(NAVDIR_FIRSTCHILD, Child(CHILDID_SELF), &next), S_OK);
    EXPECT_EQ(next.lVal, 1);
    ::SendMessageA(window, WM_KEYDOWN, VK_TAB, 0);
    EXPECT_EQ(FocusHeard(), (std::vector<LONG>{1})) << "Tab goes round to the first";

    // The hover: the state of the region left and of the one reached.
    HeardOfScreen(EVENT_OBJECT_STATECHANGE);
    ::SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(125, 75));
    const std::vector<Heard> states = HeardOfScreen(EVENT_OBJECT_STATECHANGE);
    ASSERT_EQ(states.size(), 2u);
    EXPECT_EQ(std::get<3>(states[0]), 1);
    EXPECT_EQ(std::get<3>(states[1]), 3);
    EXPECT_EQ(Number(&IAccessible::get_accState, a, 3),
              STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_HOTTRACKED);
}

TEST_F(ScreenAccessibleTest, AnotherScreenTellsOfItsNameAndChildren) {
    ListenToEvents();
    main_->ShowScreen("Second");
    EXPECT_EQ(HeardOfScreen(EVENT_OBJECT_NAMECHANGE).size(), 1u);
    main_->ShowScreen("Main");
    EXPECT_EQ(HeardOfScreen(EVENT_OBJECT_REORDER).size(), 1u);
}

TEST_F(ScreenAccessibleTest, ReferencesAreCountedAndEveryInterfaceIsTheOneObject) {
    UniqueCom<IAccessible> object = MakeScreenAccessible(screen());
    IAccessible* a = object.get();
    EXPECT_EQ(a->AddRef(), 2u);
    void* found = nullptr;
    const GUID dispatch = {0x00020400, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
    const GUID unknown = {0, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
    for (const GUID* id : {&kIidAccessible, &dispatch, &unknown}) {
        EXPECT_EQ(a->QueryInterface(*id, &found), S_OK);
        EXPECT_EQ(found, static_cast<void*>(a));
        EXPECT_EQ(a->Release(), 2u);
    }
    const GUID other = {0x12345678, 1, 2, {3, 4, 5, 6, 7, 8, 9, 10}};
    EXPECT_EQ(a->QueryInterface(other, &found), E_NOINTERFACE);
    EXPECT_EQ(found, nullptr);
    EXPECT_EQ(a->QueryInterface(unknown, nullptr), E_POINTER);
    EXPECT_EQ(a->Release(), 1u);
    EXPECT_EQ(Name(a, 1), "Next page") << "made directly, it works as the one a reader gets";

    // A reader's requests hand out the window's one object and give their references back.
    UniqueCom<IAccessible> first = Object();
    UniqueCom<IAccessible> second = Object();
    EXPECT_EQ(first.get(), second.get());
    const ULONG held = first.get()->AddRef() - 1;
    first.get()->Release();
    second.reset();
    EXPECT_EQ(first.get()->AddRef(), held);
    first.get()->Release();
}

TEST_F(ScreenAccessibleTest, AfterItsScreenIsGoneEveryMethodAnswersNotConnected) {
    ExceptionWatch exceptions;
    UniqueCom<IAccessible> onScreenChange = Object();
    main_->ShowScreen("Second");
    UniqueCom<IAccessible> onWindowGone = Object();
    ::DestroyWindow(main_->hwnd());
    for (IAccessible* a : {onScreenChange.get(), onWindowGone.get()}) {
        const VARIANT self = Child(CHILDID_SELF);
        const VARIANT first = Child(1);
        BSTR text = nullptr;
        VARIANT value;
        long number = 0;
        IDispatch* dispatch = nullptr;
        EXPECT_EQ(a->get_accParent(&dispatch), CO_E_OBJNOTCONNECTED);
        EXPECT_EQ(dispatch, nullptr);
        EXPECT_EQ(a->get_accChildCount(&number), CO_E_OBJNOTCONNECTED);
        EXPECT_EQ(a->get_accChild(first, &dispatch), CO_E_OBJNOTCONNECTED);
        EXPECT_EQ(a->get_accName(self, &text), CO_E_OBJNOTCONNECTED);
        EXPECT_EQ(a->get_accDescription(first, &text), CO_E_OBJNOTCONNECTED);
        EXPECT_EQ(a->get_accRole(first, &value), CO_E_OBJNOTCONNECTED);
        EXPECT_EQ(a->get_accState(first, &value), CO_E_OBJNOTCONNECTED);
        EXPECT_EQ(a->get_accFocus(&value), CO_E_OBJNOTCONNECTED);
        EXPECT_EQ(a->get_accDefaultAction(first, &text), CO_E_OBJNOTCONNECTED);
        EXPECT_EQ(a->accSelect(SELFLAG_TAKEFOCUS, first), CO_E_OBJNOTCONNECTED);
        long x = 0, y = 0, w = 0, h = 0;
        EXPECT_EQ(a->accLocation(&x, &y, &w, &h, first), CO_E_OBJNOTCONNECTED);
        EXPECT_EQ(a->accNavigate(NAVDIR_NEXT, first, &value), CO_E_OBJNOTCONNECTED);
        EXPECT_EQ(a->accHitTest(10, 10, &value), CO_E_OBJNOTCONNECTED);
        EXPECT_EQ(a->accDoDefaultAction(first), CO_E_OBJNOTCONNECTED);
        EXPECT_EQ(text, nullptr);
    }
    PumpMessages();
    EXPECT_EQ(exceptions.count(), 0);
}

}  // namespace
}  // namespace lumora::testing
