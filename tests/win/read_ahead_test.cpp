// Screens read ahead in idle time: shown without opening a file, read again when their files
// changed on disc, kept when their files are gone; and the pictures kept within their budget.
#include <windows.h>

#include <chrono>
#include <vector>

#include "actions/dispatch.h"
#include "disc_fixture.h"
#include "imaging/cdib.h"
#include "screens/picture_cache.h"
#include "win/handles.h"

namespace lumora::testing {
namespace {

// Files opened with no sharing at all: while they are held, any other open of them fails, so a
// screen shown meanwhile shows only what was read before.
class FileLocks {
  public:
    explicit FileLocks(const std::vector<std::string>& paths) {
        for (const std::string& path : paths) {
            HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
            EXPECT_NE(file, INVALID_HANDLE_VALUE) << path;
            if (file != INVALID_HANDLE_VALUE) {
                locks_.emplace_back(file);
            }
        }
    }

  private:
    std::vector<UniqueHandle> locks_;
};

class ReadAheadTest : public DiscFixture {
  protected:
    void SetUp() override {
        DiscFixture::SetUp();
        SolidPicture("one.bmp", 320, 200, 1);
        SolidPicture("two.bmp", 400, 300, 2);
        SolidPicture("three.bmp", 200, 100, 3);
        SolidPicture("light.bmp", 40, 20, 4);
        SolidPicture("balloon.bmp", 60, 10, 5);
        // One leads to Two by a region and to Three by a menu's item; Two goes back.
        WriteIni(
            "[Config]\nScreenNames=One|Two|Three\nStartup=One\n"
            "[Screen One]\nBitmap=%r\\one.bmp\nRegionNames=Next|Menu\n"
            "[One-Region Next]\nShape=0,0|50,0|50,50\nHighlightBitmap=%r\\light.bmp\n"
            "LaunchFunc=DispatchScreen\nLaunchData=Two\n"
            "[One-Region Menu]\nShape=60,0|90,0|90,50\nLaunchFunc=DispatchMenu\nLaunchData=Go\n"
            "[Menu Go]\nMenuItems=Far\n"
            "[Go-MenuItem Far]\nDescription=Far\nLaunchFunc=DispatchScreen\nLaunchData=Three\n"
            "[Screen Two]\nBitmap=%r\\two.bmp\nRegionNames=Back\nDescription=Second\n"
            "[Two-Region Back]\nShape=0,0|50,0|50,50\nBalloonBitmap=%r\\balloon.bmp\n"
            "HighlightBitmap=%r\\light.bmp\nLaunchFunc=DispatchPreviousScreen\n"
            "[Screen Three]\nBitmap=%r\\three.bmp\nRegionNames=A\n");
        main_ = std::make_unique<CMainWindow>();
        ASSERT_TRUE(StartMainWindow(*main_));
    }

    void TearDown() override {
        EndMainWindow(*main_);
        main_.reset();
        DiscFixture::TearDown();
    }

    CScreenWindow& screen() { return main_->screenWindow(); }

    // Runs the message loop until the shown screen is painted, its regions read and the screens
    // it leads to read ahead; false after five seconds.
    bool ReadAhead() {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (std::chrono::steady_clock::now() < deadline) {
            MSG message;
            while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
                ::DispatchMessageA(&message);
            }
            const ScreenSession& session = screen().session();
            if (session.regionsRead() && !session.preloadPending()) {
                return true;
            }
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        }
        return false;
    }

    std::vector<std::string> DiscFiles() const {
        std::vector<std::string> files{folder() + ResourceString(IDS_INI_FILE_NAME)};
        for (const char* name : {"one.bmp", "two.bmp", "three.bmp", "light.bmp", "balloon.bmp"}) {
            files.push_back(folder() + name);
        }
        return files;
    }

    std::unique_ptr<CMainWindow> main_;
};

TEST_F(ReadAheadTest, AScreenReadAheadIsShownWithoutOpeningAFile) {
    ASSERT_TRUE(ReadAhead());
    {
        const FileLocks locked(DiscFiles());
        CDib probe;
        ASSERT_FALSE(probe.Load(folder() + "two.bmp")) << "the lock does not keep files shut";
        // Two, by a region of One.
        DispatchScreen(0, "Two");
        ASSERT_TRUE(screen().exists());
        EXPECT_EQ(main_->currentScreen(), "Two");
        EXPECT_EQ(screen().description(), "Second");
        EXPECT_EQ(screen().background().width(), 400);
        ASSERT_EQ(screen().regionCount(), 1);
        const CRegion& back = *screen().region(0);
        EXPECT_EQ(back.action.launchFunc, "DispatchPreviousScreen");
        ASSERT_TRUE(back.balloon);
        EXPECT_EQ(back.balloon->width(), 60);
        // A picture that two screens name is one picture.
        ASSERT_TRUE(back.highlight);
        EXPECT_EQ(back.highlight->width(), 40);
    }
    ASSERT_TRUE(ReadAhead());
    {
        // One, the previous screen, which Two's region goes back to.
        const FileLocks locked(DiscFiles());
        DispatchPreviousScreen(0, nullptr);
        ASSERT_TRUE(screen().exists());
        EXPECT_EQ(main_->currentScreen(), "One");
        EXPECT_EQ(screen().background().width(), 320);
        EXPECT_EQ(screen().regionCount(), 2);
    }
    ASSERT_TRUE(ReadAhead());
    {
        // Three, by the item of the menu that a region of One opens.
        const FileLocks locked(DiscFiles());
        DispatchScreen(0, "Three");
        ASSERT_TRUE(screen().exists());
        EXPECT_EQ(screen().background().width(), 200);
    }
}

TEST_F(ReadAheadTest, FilesChangedOnDiscAreReadAgainAndFilesGoneStayShown) {
    ASSERT_TRUE(ReadAhead());
    // The author changed Two's picture and title; Three's picture went with the disc.
    SolidPicture("two.bmp", 410, 300, 3);
    ::DeleteFileA((folder() + "three.bmp").c_str());
    std::string ini = ReadIni();
    ini.replace(ini.find("Description=Second"), 18, "Description=Changed");
    WriteIni(ini);
    DispatchScreen(0, "Two");
    ASSERT_TRUE(screen().exists());
    EXPECT_EQ(screen().background().width(), 410);
    EXPECT_EQ(screen().description(), "Changed");
    DispatchScreen(0, "Three");
    ASSERT_TRUE(screen().exists()) << "what was read is shown rather than nothing";
    EXPECT_EQ(screen().background().width(), 200);
}

TEST_F(ReadAheadTest, APictureSharedByScreensKeepsItsPaletteWhenTheFirstGoes) {
    // Two's region shows One's highlight picture; One's screen and its regions are gone.
    ASSERT_TRUE(ReadAhead());
    const CDib* light = screen().region(0)->highlight.get();
    DispatchScreen(0, "Two");
    ASSERT_TRUE(screen().exists());
    ASSERT_EQ(screen().region(0)->highlight.get(), light);
    ASSERT_EQ(::GetObjectType(light->palette()), static_cast<DWORD>(OBJ_PAL));
    PALETTEENTRY white{};
    ASSERT_EQ(::GetPaletteEntries(light->palette(), 4, 1, &white), 1u);
    EXPECT_EQ(white.peRed, 255);
    // The canvas borrows the background's palette; the application has its own copy.
    EXPECT_EQ(screen().canvas().palette(), screen().background().palette());
    EXPECT_NE(App().appPalette, screen().background().palette());
    EXPECT_EQ(::GetObjectType(App().appPalette), static_cast<DWORD>(OBJ_PAL));
}

TEST_F(ReadAheadTest, ThePictureCacheLetsTheOldestGoOverItsBudgetButNotThoseInUse) {
    // Each picture is a little over 64 KB: a budget of 200 KB holds three.
    for (const char* name : {"a.bmp", "b.bmp", "c.bmp", "d.bmp"}) {
        SolidPicture(name, 256, 256, 1);
    }
    PictureCache cache(200 * 1024);
    std::shared_ptr<const CDib> a = cache.Get(folder() + "a.bmp", false);
    const CDib* b = cache.Get(folder() + "b.bmp", false).get();
    cache.Get(folder() + "c.bmp", false);
    EXPECT_TRUE(cache.Trim());
    // A path in other letters names the same file.
    EXPECT_EQ(cache.Get(folder() + "B.BMP", false).get(), b);
    cache.Get(folder() + "d.bmp", false);
    EXPECT_TRUE(cache.Trim());
    // a is the oldest, but it is in use: c goes.
    EXPECT_EQ(cache.heldBytes(), 3 * a->image().blockSize());
    EXPECT_EQ(cache.Get(folder() + "a.bmp", false), a);
    EXPECT_EQ(cache.Get(folder() + "b.bmp", false).get(), b);
    // A file changed on disc is read anew; whoever holds the old picture keeps it whole.
    const HPALETTE palette = a->palette();
    SolidPicture("a.bmp", 128, 128, 2);
    const std::shared_ptr<const CDib> changed = cache.Get(folder() + "a.bmp", false);
    EXPECT_NE(changed, a);
    EXPECT_EQ(changed->width(), 128);
    EXPECT_EQ(a->width(), 256);
    EXPECT_EQ(::GetObjectType(palette), static_cast<DWORD>(OBJ_PAL));
    // What is in use may fill the budget: then nothing more is read ahead.
    PictureCache small(1);
    const std::shared_ptr<const CDib> held = small.Get(folder() + "b.bmp", false);
    small.Get(folder() + "c.bmp", false);
    EXPECT_FALSE(small.Trim());
    EXPECT_EQ(small.heldBytes(), held->image().blockSize());
}

}  // namespace
}  // namespace lumora::testing
