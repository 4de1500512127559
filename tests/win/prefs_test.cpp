// The preferences sheet: its pages and controls, what OK, Restore Defaults and Cancel store, the
// one display-change message after a matte change, and the pictures of the Support and About
// pages.
#include "prefs/preferences_sheet.h"

#include <cstring>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "actions/dispatch.h"
#include "app/main_window.h"
#include "disc_fixture.h"
#include "resource.h"
#include "win/handles.h"

namespace lumora::testing {
namespace {

using Lines = std::vector<std::string>;

constexpr int kApplyButton = 0x3021;  // the sheet's Apply button, which must not be there

// ---------------------------------------------------------------------------------------------
// Driving a modal sheet: a thread timer fires inside the sheet's own message loop, finds the
// sheet among this thread's windows and hands it to the test's actions.

BOOL CALLBACK FindSheet(HWND window, LPARAM found) {
    char className[16] = {};
    char title[64] = {};
    ::GetClassNameA(window, className, sizeof className);
    ::GetWindowTextA(window, title, sizeof title);
    if (std::string(className) == "#32770" && std::string(title) == "Preferences" &&
        ::IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

class SheetDriver {
  public:
    using Actions = std::function<void(HWND sheet)>;

    // Calls `open`, which runs a sheet modally; `actions` run once the sheet shows and must
    // close it (a Cancel follows them in case they did not). True when the actions ran.
    static bool Run(const std::function<void()>& open, Actions actions) {
        actions_ = std::move(actions);
        ran_ = false;
        const UINT_PTR timer = ::SetTimer(nullptr, 0, 10, OnTimer);
        open();
        ::KillTimer(nullptr, timer);
        return ran_;
    }

  private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR timer, DWORD) {
        HWND sheet = nullptr;
        ::EnumThreadWindows(::GetCurrentThreadId(), FindSheet, reinterpret_cast<LPARAM>(&sheet));
        if (!sheet || ran_) {
            return;
        }
        ::KillTimer(nullptr, timer);
        ran_ = true;
        actions_(sheet);
        if (::IsWindow(sheet)) {
            ::PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        }
    }

    static inline Actions actions_;
    static inline bool ran_ = false;
};

HWND CurrentPage(HWND sheet) {
    return reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

void Click(HWND sheet, int control) {
    ::SendMessageA(::GetDlgItem(CurrentPage(sheet), control), BM_CLICK, 0, 0);
}

bool Checked(HWND sheet, int box) {
    return ::IsDlgButtonChecked(CurrentPage(sheet), box) == BST_CHECKED;
}

HWND StartScreenBox(HWND sheet) {
    return ::GetDlgItem(CurrentPage(sheet), IDC_START_SCREEN);
}

void Choose(HWND sheet, int entry) {
    ::SendMessageA(StartScreenBox(sheet), CB_SETCURSEL, entry, 0);
}

LRESULT Selection(HWND sheet) {
    return ::SendMessageA(StartScreenBox(sheet), CB_GETCURSEL, 0, 0);
}

std::string WindowText(HWND window) {
    char text[128] = {};
    ::GetWindowTextA(window, text, sizeof text);
    return text;
}

// ---------------------------------------------------------------------------------------------
// A stand-in main window: the sheet's owner.

LRESULT CALLBACK StandInProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcA(window, message, wParam, lParam);
}

constexpr char kStandInClass[] = "LumoraPrefsTestMain";

class PrefsTest : public DiscFixture {
  protected:
    void SetUp() override {
        DiscFixture::SetUp();
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = StandInProc;
        windowClass.hInstance = ::GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kStandInClass;
        ::RegisterClassA(&windowClass);
        main_ = ::CreateWindowExA(0, kStandInClass, "Main", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                  nullptr, nullptr, windowClass.hInstance, nullptr);
        ASSERT_TRUE(main_);
        App().mainWindow = main_;
        matteChanges_ = 0;
    }

    void TearDown() override {
        ::DestroyWindow(main_);
        App() = AppState{};
        ::UnregisterClassA(kStandInClass, ::GetModuleHandleA(nullptr));
        DiscFixture::TearDown();
    }

    // Opens the sheet on `page`, runs the actions inside it and, after it has closed, counts
    // whether it tells its owner to lay itself out for a new matte.
    void RunSheet(SheetDriver::Actions actions,
                  CPreferencesSheet::Page page = CPreferencesSheet::kOptionsPage) {
        CPreferencesSheet sheet(main_, page);
        EXPECT_TRUE(SheetDriver::Run([&] { sheet.DoModal(); }, std::move(actions)))
            << "the sheet never showed";
        matteChanges_ += sheet.matteChanged() ? 1 : 0;
    }

    int matteChanges_ = 0;

    static void PressOk(HWND sheet) { ::SendMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0); }
    static void PressCancel(HWND sheet) { ::SendMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0); }

    std::string IniBytes() const { return IniTestFolder::ReadFile(folder() + "Lumora.ini"); }
    Lines IniLines() const { return IniTestFolder::Lines(IniBytes()); }

    HWND main_ = nullptr;
};

// ---------------------------------------------------------------------------------------------
// The sheet and its pages

TEST_F(PrefsTest, ThreeTabsInOrderOkCancelAndHelpButNoApply) {
    WriteIni("[Config]\nStartScreens=Main\n");
    ::SetCapture(main_);  // as the screen window holds the mouse when a region is clicked
    RunSheet([&](HWND sheet) {
        EXPECT_EQ(::GetCapture(), nullptr) << "the mouse is free for the sheet";
        EXPECT_EQ(::GetParent(sheet), main_) << "owned by the main window";
        EXPECT_FALSE(::IsWindowEnabled(main_)) << "modal: the main window is disabled";
        HWND tabs = reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
        ASSERT_TRUE(tabs);
        ASSERT_EQ(::SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 3);
        Lines names;
        for (int i = 0; i < 3; ++i) {
            char text[32] = {};
            TCITEMA item{};
            item.mask = TCIF_TEXT;
            item.pszText = text;
            item.cchTextMax = sizeof text;
            ::SendMessageA(tabs, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
            names.push_back(text);
        }
        EXPECT_EQ(names, (Lines{"Options", "Support", "About"}));
        EXPECT_EQ(::SendMessageA(tabs, TCM_GETCURSEL, 0, 0), 0) << "opens on Options";

        for (int button : {IDOK, IDCANCEL, IDHELP}) {
            EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(sheet, button))) << button;
        }
        HWND apply = ::GetDlgItem(sheet, kApplyButton);
        EXPECT_FALSE(apply && ::IsWindowVisible(apply)) << "no Apply button";

        // Help is there on Options and Support only.
        const bool helpEnabled[] = {true, true, false};
        for (int page = 0; page < 3; ++page) {
            ::SendMessageA(sheet, PSM_SETCURSEL, page, 0);
            EXPECT_EQ(::IsWindowEnabled(::GetDlgItem(sheet, IDHELP)) != FALSE, helpEnabled[page])
                << "page " << page;
        }
        PressCancel(sheet);
    });
    EXPECT_TRUE(::IsWindowEnabled(main_));
}

TEST_F(PrefsTest, TheOptionsPageShowsTheSettings) {
    WriteIni(
        "[Config]\nBlackMat=1\nBalloonHelp=0\nUseSound=3\nStartScreens=Main|Tools|Extras\n"
        "Startup=tools\n");
    RunSheet([&](HWND sheet) {
        EXPECT_TRUE(Checked(sheet, IDC_APPLY_MATTE));
        EXPECT_FALSE(Checked(sheet, IDC_USE_BALLOONS));
        EXPECT_TRUE(Checked(sheet, IDC_USE_SOUND));
        HWND box = StartScreenBox(sheet);
        EXPECT_TRUE(::IsWindowEnabled(box));
        ASSERT_EQ(::SendMessageA(box, CB_GETCOUNT, 0, 0), 3);
        char text[32] = {};
        ::SendMessageA(box, CB_GETLBTEXT, 2, reinterpret_cast<LPARAM>(text));
        EXPECT_STREQ(text, "Extras") << "in list order, not sorted";
        EXPECT_EQ(Selection(sheet), 1) << "the stored name in any letter case";
        PressCancel(sheet);
    });
}

TEST_F(PrefsTest, AStoredNameSelectsTheFirstEntryThatBeginsWithIt) {
    WriteIni("[Config]\nStartScreens=Main Tour|Main\nStartup=Main\n");
    RunSheet([&](HWND sheet) {
        EXPECT_EQ(Selection(sheet), 0);
        PressOk(sheet);
    });
    EXPECT_EQ(Settings().startup, "Main Tour");
    EXPECT_EQ(ReadSetting("Config", "Startup"), "Main Tour");
}

TEST_F(PrefsTest, WithoutStartScreensTheBoxIsDisabledAndStartupKept) {
    WriteIni("[Config]\nStartup=Main\nUseSound=1\n");
    RunSheet([&](HWND sheet) {
        HWND box = StartScreenBox(sheet);
        EXPECT_FALSE(::IsWindowEnabled(box));
        EXPECT_EQ(::SendMessageA(box, CB_GETCOUNT, 0, 0), 0);
        Click(sheet, IDC_RESTORE_DEFAULTS);
        PressOk(sheet);
    });
    EXPECT_EQ(ReadSetting("Config", "Startup"), "Main");
    EXPECT_EQ(ReadSetting("Config", "BlackMat"), "1");
}

TEST_F(PrefsTest, WithoutAStoredStartScreenOnlyAChoiceCreatesOne) {
    WriteIni("[Config]\nStartScreens=Main|Tools\n");
    RunSheet([&](HWND sheet) {
        EXPECT_EQ(Selection(sheet), CB_ERR) << "nothing selected";
        PressOk(sheet);
    });
    EXPECT_FALSE(Settings().startup);
    EXPECT_FALSE(ReadSetting("Config", "Startup"));

    RunSheet([&](HWND sheet) {
        Choose(sheet, 1);
        PressOk(sheet);
    });
    EXPECT_EQ(Settings().startup, "Tools");
    EXPECT_EQ(ReadSetting("Config", "Startup"), "Tools");
}

TEST_F(PrefsTest, AnEmptyEntryLeavesStartupAlone) {
    WriteIni("[Config]\nStartScreens=|Main\nStartup=Main\n");
    RunSheet([&](HWND sheet) {
        Choose(sheet, 0);
        PressOk(sheet);
    });
    EXPECT_EQ(ReadSetting("Config", "Startup"), "Main");
}

// ---------------------------------------------------------------------------------------------
// What OK, Restore Defaults and Cancel store

TEST_F(PrefsTest, OkWritesTheFourSwitchesAndStartupAndKeepsEveryOtherLine) {
    WriteIni(
        "; The test disc\n"
        "[Config]\n"
        "ScreenNames=Main|Tools\n"
        "StartScreens=Main|Tools\n"
        "Startup=Main\n"
        "BalloonHelp=7\n"
        "UseAnim=-2\n"
        "; the sound stays off until asked\n"
        "UseSound=0\n"
        "BalloonDelay=0250\n"
        "StartSound=%r\\start.wav\n"
        "[Screen Main]\n"
        "Bitmap=%r\\main.bmp\n");
    RunSheet([&](HWND sheet) {
        Click(sheet, IDC_USE_SOUND);
        Choose(sheet, 1);
        PressOk(sheet);
    });
    EXPECT_EQ(IniLines(),
              (Lines{"; The test disc", "[Config]", "ScreenNames=Main|Tools",
                     "StartScreens=Main|Tools", "Startup=Tools", "BalloonHelp=1", "UseAnim=1",
                     "; the sound stays off until asked", "UseSound=1", "BalloonDelay=0250",
                     "StartSound=%r\\start.wav", "BlackMat=0", "[Screen Main]",
                     "Bitmap=%r\\main.bmp", "[Setup]", "Application=", "ExitDuringSetup=0"}));
    EXPECT_EQ(Settings().useSound, 1);
    EXPECT_EQ(Settings().balloonHelp, 1);
    EXPECT_EQ(matteChanges_, 0) << "the matte did not change";
}

TEST_F(PrefsTest, RestoreDefaultsThenCancelChangesNothing) {
    WriteIni("[Config]\nStartScreens=Main|Tools\nStartup=Tools\nBlackMat=0\nUseSound=0\n");
    const std::string before = IniBytes();
    RunSheet([&](HWND sheet) {
        Click(sheet, IDC_RESTORE_DEFAULTS);
        EXPECT_TRUE(Checked(sheet, IDC_APPLY_MATTE));
        EXPECT_TRUE(Checked(sheet, IDC_USE_BALLOONS));
        EXPECT_TRUE(Checked(sheet, IDC_USE_SOUND));
        EXPECT_EQ(Selection(sheet), 0);
        PressCancel(sheet);
    });
    EXPECT_EQ(IniBytes(), before);
    EXPECT_EQ(Settings().blackMat + Settings().balloonHelp + Settings().useSound, 0);
    EXPECT_EQ(Settings().startup, "Tools");
    EXPECT_EQ(matteChanges_, 0);
}

TEST_F(PrefsTest, RestoreDefaultsThenOkStoresEverythingOnAndTheFirstStartScreen) {
    WriteIni("[Config]\nStartScreens=Main|Tools\nStartup=Tools\n");
    RunSheet([&](HWND sheet) {
        Click(sheet, IDC_RESTORE_DEFAULTS);
        PressOk(sheet);
    });
    for (const char* key : {"BlackMat", "BalloonHelp", "UseSound"}) {
        EXPECT_EQ(ReadSetting("Config", key), "1") << key;
    }
    EXPECT_EQ(ReadSetting("Config", "Startup"), "Main");
    EXPECT_EQ(matteChanges_, 1) << "the matte was switched on";
}

TEST_F(PrefsTest, AMatteChangeIsToldToTheSheetsOwnerOnce) {
    WriteIni("[Config]\nBlackMat=1\n");
    RunSheet([&](HWND sheet) {
        Click(sheet, IDC_APPLY_MATTE);
        PressOk(sheet);
    });
    EXPECT_EQ(matteChanges_, 1);
    EXPECT_EQ(ReadSetting("Config", "BlackMat"), "0");
    EXPECT_FALSE(Settings().matteChanged);
    // OK again without a change tells nothing; Cancel after a click neither.
    RunSheet(PressOk);
    RunSheet([&](HWND sheet) {
        Click(sheet, IDC_APPLY_MATTE);
        PressCancel(sheet);
    });
    EXPECT_EQ(matteChanges_, 1);
    EXPECT_EQ(ReadSetting("Config", "BlackMat"), "0");
}

TEST_F(PrefsTest, OkFromAnotherPageStillAppliesTheOptionsPageOnceShown) {
    WriteIni("[Config]\nUseSound=0\n");
    RunSheet([&](HWND sheet) {
        Click(sheet, IDC_USE_SOUND);
        ::SendMessageA(sheet, PSM_SETCURSEL, CPreferencesSheet::kAboutPage, 0);
        PressOk(sheet);
    });
    EXPECT_EQ(ReadSetting("Config", "UseSound"), "1");
}

TEST_F(PrefsTest, OkOnASheetOpenedOnAboutWritesNothing) {
    WriteIni("[Config]\nUseSound=1\n");
    const std::string before = IniBytes();
    RunSheet(
        [&](HWND sheet) {
            EXPECT_EQ(WindowText(CurrentPage(sheet)), "About");
            PressOk(sheet);
        },
        CPreferencesSheet::kAboutPage);
    EXPECT_EQ(IniBytes(), before) << "the Options page was never shown, so it has nothing to apply";
}

// ---------------------------------------------------------------------------------------------
// The disc's own texts on the Support and About pages

// The texts of the page's visible controls, in the order they were made.
Lines PageTexts(HWND page) {
    Lines texts;
    for (HWND child = ::GetWindow(page, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (::IsWindowVisible(child)) {
            texts.push_back(WindowText(child));
        }
    }
    return texts;
}

// Controls of the page that stick out of its client area or that '&' would underline.
int BadlyPlaced(HWND page) {
    RECT client{};
    ::GetClientRect(page, &client);
    int bad = 0;
    for (HWND child = ::GetWindow(page, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        RECT r{};
        ::GetWindowRect(child, &r);
        ::MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&r), 2);
        const LONG style = ::GetWindowLongA(child, GWL_STYLE);
        if (r.left < client.left || r.top < client.top || r.right > client.right ||
            r.bottom > client.bottom || r.right <= r.left || !(style & SS_NOPREFIX)) {
            ++bad;
        }
    }
    return bad;
}

TEST_F(PrefsTest, ThePublisherSectionGivesTheSupportAndAboutPagesTheDiscsTexts) {
    WriteIni(
        "[Config]\nStartScreens=Main\n"
        "[publisher]\n"
        "Product=Atlas & Maps 3\n"
        "COMPANY=Atlas Ltd.\n"
        "Telephone=\"(555) 010-1000\"\n"
        "Web=www.example.com\n"
        "Hours=\n"
        "Address=1 Map Row\n"
        "Copyright=(c) 2026 Atlas Ltd.\n");
    RunSheet([&](HWND sheet) {
        ::SendMessageA(sheet, PSM_SETCURSEL, CPreferencesSheet::kSupportPage, 0);
        HWND support = CurrentPage(sheet);
        EXPECT_EQ(PageTexts(support),
                  (Lines{"Customer Service", "Product", "Atlas & Maps 3", "Publisher", "Atlas Ltd.",
                         "Telephone", "(555) 010-1000", "Web", "www.example.com"}))
            << "an empty Hours is left out";
        EXPECT_EQ(BadlyPlaced(support), 0);
        EXPECT_EQ(WindowText(::GetDlgItem(support, IDC_INFO_FIRST + 2)), "Atlas & Maps 3")
            << "the controls are numbered in line order";

        ::SendMessageA(sheet, PSM_SETCURSEL, CPreferencesSheet::kAboutPage, 0);
        HWND about = CurrentPage(sheet);
        EXPECT_EQ(PageTexts(about),
                  (Lines{"Atlas & Maps 3", "Atlas Ltd.", "1 Map Row", "Telephone", "(555) 010-1000",
                         "Web", "www.example.com", "(c) 2026 Atlas Ltd."}));
        EXPECT_EQ(BadlyPlaced(about), 0);
        PressCancel(sheet);
    });
    EXPECT_FALSE(CSupportPage().hasPicture()) << "no picture is loaded when the texts show";
    EXPECT_FALSE(CAboutPage().hasPicture());
}

TEST_F(PrefsTest, WithoutThePublisherSectionThePagesShowTheirPictures) {
    WriteIni("[Config]\nStartScreens=Main\n[Publisher]\nProduct=\n");
    RunSheet([&](HWND sheet) {
        for (UINT page : {CPreferencesSheet::kSupportPage, CPreferencesSheet::kAboutPage}) {
            ::SendMessageA(sheet, PSM_SETCURSEL, page, 0);
            EXPECT_EQ(PageTexts(CurrentPage(sheet)), Lines{}) << "page " << page;
        }
        PressCancel(sheet);
    });
    EXPECT_TRUE(CSupportPage().hasPicture());
    EXPECT_TRUE(CAboutPage().hasPicture());
}

// ---------------------------------------------------------------------------------------------
// The actions that open the sheet

class PrefsActionTest : public DiscFixture {
  protected:
    void SetUp() override {
        DiscFixture::SetUp();
        SolidPicture("one.bmp", 200, 100, 1);
        WriteIni("[Config]\nScreenNames=One\nStartup=One\n[Screen One]\nBitmap=%r\\one.bmp\n");
        ASSERT_TRUE(StartMainWindow(main_));
    }

    void TearDown() override {
        EndMainWindow(main_);
        DiscFixture::TearDown();
    }

    // The page that `action` opens the sheet on, with the sheet's parent.
    std::pair<std::string, HWND> OpenedPage(LRESULT(WINAPI* action)(int, const char*)) {
        std::pair<std::string, HWND> seen;
        EXPECT_TRUE(
            SheetDriver::Run([&] { EXPECT_EQ(action(0, nullptr), 0); },
                             [&](HWND sheet) {
                                 seen = {WindowText(CurrentPage(sheet)), ::GetParent(sheet)};
                                 ::SendMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
                             }));
        return seen;
    }

    CMainWindow main_;
};

TEST_F(PrefsActionTest, PreferencesOpensOnOptionsAndAboutOnAbout) {
    EXPECT_EQ(OpenedPage(DispatchPreferences),
              std::make_pair(std::string("Options"), main_.hwnd()));
    EXPECT_EQ(OpenedPage(DispatchAbout), std::make_pair(std::string("About"), main_.hwnd()));
    EXPECT_TRUE(main_.exists());
    EXPECT_TRUE(::IsWindowEnabled(main_.hwnd())) << "enabled again once the sheet has closed";
}

// ---------------------------------------------------------------------------------------------
// Resources: the Options template and the two pictures

// Reads a DIALOG (not DIALOGEX) template.
class TemplateReader {
  public:
    explicit TemplateReader(int id) {
        HMODULE module = ::GetModuleHandleA(nullptr);
        HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5));
        if (found) {
            at_ = static_cast<const BYTE*>(::LockResource(::LoadResource(module, found)));
            end_ = at_ + ::SizeofResource(module, found);
        }
    }
    bool ok() const { return at_ && at_ <= end_; }
    DWORD Dword() { return Take<DWORD>(); }
    WORD Word() { return Take<WORD>(); }
    short Short() { return static_cast<short>(Take<WORD>()); }
    // A string or an ordinal (0xFFFF then the number, written as "#n").
    std::string NameOrOrdinal() {
        WORD first = Word();
        if (first == 0xFFFF) {
            return "#" + std::to_string(Word());
        }
        std::string text;
        for (WORD c = first; c != 0 && ok(); c = Word()) {
            text += static_cast<char>(c);
        }
        return text;
    }
    void AlignToDword(const BYTE* start) {
        while ((at_ - start) % 4 != 0) {
            ++at_;
        }
    }
    const BYTE* position() const { return at_; }

  private:
    template <typename T>
    T Take() {
        T value{};
        if (at_ && at_ + sizeof(T) <= end_) {
            std::memcpy(&value, at_, sizeof(T));
        }
        at_ += sizeof(T);
        return value;
    }
    const BYTE* at_ = nullptr;
    const BYTE* end_ = nullptr;
};

struct TemplateItem {
    DWORD style;
    short x, y, cx, cy;
    int id;
    std::string kind;  // "#128" button, "#130" static, "#133" combo box
    std::string text;
};

TEST(PrefsResources, TheOptionsTemplateHasItsNineControlsInTabOrder) {
    TemplateReader reader(IDD_OPTIONS_PAGE);
    ASSERT_TRUE(reader.ok());
    const BYTE* start = reader.position();
    const DWORD style = reader.Dword();
    EXPECT_EQ(style, static_cast<DWORD>(WS_CHILD | WS_DISABLED | WS_CAPTION | DS_SETFONT));
    reader.Dword();
    const WORD count = reader.Word();
    const short frame[4] = {reader.Short(), reader.Short(), reader.Short(), reader.Short()};
    EXPECT_EQ(frame[2], 252);
    EXPECT_EQ(frame[3], 143);
    EXPECT_EQ(reader.NameOrOrdinal(), "") << "no menu";
    EXPECT_EQ(reader.NameOrOrdinal(), "") << "the standard class";
    EXPECT_EQ(reader.NameOrOrdinal(), "Options");
    EXPECT_EQ(reader.Word(), 8);
    EXPECT_EQ(reader.NameOrOrdinal(), "MS Sans Serif");
    ASSERT_EQ(count, 9);

    std::vector<TemplateItem> items;
    for (int i = 0; i < count; ++i) {
        reader.AlignToDword(start);
        TemplateItem item{};
        item.style = reader.Dword();
        reader.Dword();
        item.x = reader.Short();
        item.y = reader.Short();
        item.cx = reader.Short();
        item.cy = reader.Short();
        item.id = static_cast<short>(reader.Word());
        item.kind = reader.NameOrOrdinal();
        item.text = reader.NameOrOrdinal();
        reader.Word();  // no creation data
        items.push_back(item);
    }
    ASSERT_TRUE(reader.ok());

    const std::string button = "#128", label = "#130", combo = "#133";
    const struct {
        int id;
        std::string kind;
        DWORD type;  // low style bits that say which kind of button or box
        bool tabStop;
        std::string text;
        short x, y, cx, cy;
    } expected[] = {
        {1004, combo, CBS_DROPDOWNLIST, true, "", 137, 40, 96, 62},
        {-1, label, SS_LEFT, false, "Start with...", 137, 28, 83, 8},
        {-1, button, BS_GROUPBOX, false, "Start Screen", 128, 7, 113, 87},
        {1005, button, BS_AUTOCHECKBOX, true, "Apply Matte", 15, 23, 76, 10},
        {1006, button, BS_AUTOCHECKBOX, true, "Use Balloons", 15, 48, 76, 10},
        {1007, button, BS_AUTOCHECKBOX, true, "Use Sound", 15, 73, 76, 10},
        {-1, button, BS_GROUPBOX, false, "General", 7, 7, 113, 87},
        {1008, button, BS_PUSHBUTTON, true, "Restore Defaults", 23, 113, 75, 14},
        {-1, button, BS_GROUPBOX, false, "Misc", 7, 97, 238, 39},
    };
    for (int i = 0; i < count; ++i) {
        SCOPED_TRACE("control " + std::to_string(i) + " " + expected[i].text);
        const TemplateItem& item = items[i];
        EXPECT_EQ(item.id, expected[i].id);
        EXPECT_EQ(item.kind, expected[i].kind);
        EXPECT_EQ(item.text, expected[i].text);
        EXPECT_EQ(item.style & 0xF, expected[i].type);
        EXPECT_EQ((item.style & WS_TABSTOP) != 0, expected[i].tabStop);
        EXPECT_EQ(item.style & (WS_CHILD | WS_VISIBLE), static_cast<DWORD>(WS_CHILD | WS_VISIBLE));
        EXPECT_EQ(item.x, expected[i].x);
        EXPECT_EQ(item.y, expected[i].y);
        EXPECT_EQ(item.cx, expected[i].cx);
        EXPECT_EQ(item.cy, expected[i].cy);
    }
    EXPECT_EQ(items[0].style & (WS_VSCROLL | CBS_SORT), static_cast<DWORD>(WS_VSCROLL))
        << "a scroll bar, not sorted";
}

TEST(PrefsResources, TheInformationPagesAreEmptyFramesOfTheSameSize) {
    for (auto [id, caption] : {std::pair{IDD_SUPPORT_PAGE, "Support"}, {IDD_ABOUT_PAGE, "About"}}) {
        SCOPED_TRACE(caption);
        TemplateReader reader(id);
        ASSERT_TRUE(reader.ok());
        EXPECT_EQ(reader.Dword(),
                  static_cast<DWORD>(WS_CHILD | WS_DISABLED | WS_CAPTION | DS_SETFONT));
        reader.Dword();
        EXPECT_EQ(reader.Word(), 0) << "no controls";
        reader.Short();
        reader.Short();
        EXPECT_EQ(reader.Short(), 252);
        EXPECT_EQ(reader.Short(), 143);
        reader.NameOrOrdinal();
        reader.NameOrOrdinal();
        EXPECT_EQ(reader.NameOrOrdinal(), caption);
        EXPECT_EQ(reader.Word(), 8);
        EXPECT_EQ(reader.NameOrOrdinal(), "MS Sans Serif");
    }
}

// The colours of a 4-bit picture, in the order Windows uses.
const RGBQUAD kVga[16] = {
    {0, 0, 0, 0},       {0, 0, 128, 0},   {0, 128, 0, 0},   {0, 128, 128, 0},
    {128, 0, 0, 0},     {128, 0, 128, 0}, {128, 128, 0, 0}, {192, 192, 192, 0},
    {128, 128, 128, 0}, {0, 0, 255, 0},   {0, 255, 0, 0},   {0, 255, 255, 0},
    {255, 0, 0, 0},     {255, 0, 255, 0}, {255, 255, 0, 0}, {255, 255, 255, 0}};

// A bitmap resource: the packed DIB the program was built with.
struct PackedDib {
    const BITMAPINFOHEADER* header = nullptr;
    DWORD size = 0;

    explicit PackedDib(int id) {
        HMODULE module = ::GetModuleHandleA(nullptr);
        HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2));
        if (found) {
            header =
                static_cast<const BITMAPINFOHEADER*>(::LockResource(::LoadResource(module, found)));
            size = ::SizeofResource(module, found);
        }
    }
    const RGBQUAD* palette() const { return reinterpret_cast<const RGBQUAD*>(header + 1); }
    // The colour of pixel (x, y), top-down, as a COLORREF.
    COLORREF Pixel(int x, int y) const {
        const int stride = ((header->biWidth * 4 + 31) / 32) * 4;
        const BYTE* bits = reinterpret_cast<const BYTE*>(palette() + 16);
        const BYTE pair = bits[(header->biHeight - 1 - y) * stride + x / 2];
        const RGBQUAD& c = palette()[x % 2 ? pair & 0xF : pair >> 4];
        return RGB(c.rgbRed, c.rgbGreen, c.rgbBlue);
    }
};

TEST(PrefsResources, ThePicturesAre358By210FourBitUncompressedWithTheVgaPalette) {
    for (int id : {IDB_SUPPORT, IDB_ABOUT}) {
        SCOPED_TRACE("bitmap " + std::to_string(id));
        PackedDib dib(id);
        ASSERT_TRUE(dib.header);
        ASSERT_GE(dib.size, sizeof(BITMAPINFOHEADER) + sizeof kVga);
        EXPECT_EQ(dib.header->biSize, 40u);
        EXPECT_EQ(dib.header->biWidth, 358);
        EXPECT_EQ(dib.header->biHeight, 210) << "bottom-up";
        EXPECT_EQ(dib.header->biBitCount, 4);
        EXPECT_EQ(dib.header->biCompression, static_cast<DWORD>(BI_RGB));
        EXPECT_TRUE(dib.header->biClrUsed == 0 || dib.header->biClrUsed == 16);
        EXPECT_EQ(std::memcmp(dib.palette(), kVga, sizeof kVga), 0);
        EXPECT_EQ(dib.size, 40 + sizeof kVga + 180 * 210) << "rows of 180 bytes, nothing more";
        EXPECT_EQ(dib.Pixel(0, 0), RGB(192, 192, 192)) << "light grey background";
        EXPECT_EQ(dib.Pixel(357, 209), RGB(192, 192, 192));
    }
}

// ---------------------------------------------------------------------------------------------
// Painting the pictures

// A 32-bit top-down drawing surface filled with one colour.
class Surface {
  public:
    Surface(int width, int height, COLORREF fill) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        bitmap_.reset(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        bits_ = static_cast<const DWORD*>(bits);
        dc_.reset(::CreateCompatibleDC(nullptr));
        select_.emplace(dc_.get(), bitmap_.get());
        UniqueBrush brush(::CreateSolidBrush(fill));
        RECT all{0, 0, width, height};
        ::FillRect(dc_.get(), &all, brush.get());
    }
    bool ok() const { return bits_ && dc_; }
    HDC dc() const { return dc_.get(); }
    COLORREF Pixel(int x, int y) const {
        ::GdiFlush();
        const DWORD bgr = bits_[y * width_ + x];
        return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
    }
    int width() const { return width_; }
    int height() const { return height_; }

  private:
    int width_, height_;
    const DWORD* bits_ = nullptr;
    UniqueBitmap bitmap_;
    UniqueMemoryDc dc_;
    std::optional<SelectScope> select_;
};

constexpr COLORREF kMarker = RGB(1, 2, 3);

// Counts the picture's pixels that are not where a picture placed at (left, top) puts them.
int Misplaced(const Surface& surface, const PackedDib& dib, int left, int top) {
    int wrong = 0;
    for (int y = 0; y < 210; ++y) {
        for (int x = 0; x < 358; ++x) {
            const int sx = left + x, sy = top + y;
            if (sx >= 0 && sy >= 0 && sx < surface.width() && sy < surface.height() &&
                surface.Pixel(sx, sy) != dib.Pixel(x, y)) {
                ++wrong;
            }
        }
    }
    return wrong;
}

TEST(PrefsPictures, EachPageDrawsItsPictureCentredHalvingDownward) {
    CSupportPage support;
    CAboutPage about;
    ASSERT_TRUE(support.hasPicture());
    ASSERT_TRUE(about.hasPicture());
    const PicturePage* pages[] = {&support, &about};
    const int ids[] = {IDB_SUPPORT, IDB_ABOUT};
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE("bitmap " + std::to_string(ids[i]));
        PackedDib dib(ids[i]);
        ASSERT_TRUE(dib.header);

        // A larger page: 401 - 358 = 43 leaves 21 on the left; 301 - 210 = 91 leaves 45 on top.
        Surface large(411, 311, kMarker);
        ASSERT_TRUE(large.ok());
        pages[i]->Paint(large.dc(), RECT{10, 10, 411, 311});
        EXPECT_EQ(Misplaced(large, dib, 31, 55), 0);
        EXPECT_EQ(large.Pixel(30, 100), kMarker) << "nothing left of the picture";
        EXPECT_EQ(large.Pixel(31 + 358, 100), kMarker) << "nothing right of it";
        EXPECT_EQ(large.Pixel(100, 54), kMarker) << "nothing above it";
        EXPECT_EQ(large.Pixel(100, 55 + 210), kMarker) << "nothing below it";

        // A smaller page: 357 - 358 = -1 halves to -1, so one column and one row are cut at
        // the left and the top.
        Surface small(357, 209, kMarker);
        ASSERT_TRUE(small.ok());
        pages[i]->Paint(small.dc(), RECT{0, 0, 357, 209});
        EXPECT_EQ(Misplaced(small, dib, -1, -1), 0);
    }
}

}  // namespace
}  // namespace lumora::testing
