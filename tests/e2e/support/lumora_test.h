// The fixture of the end-to-end tests: each test gets a fresh disc folder with lumora.exe, the
// winmm stand-in, the standard pictures and an INI file it may change, starts the program the
// way a user would, acts with the real mouse and observes pixels, windows, files and sounds.
#pragma once

#include <gtest/gtest.h>
#include <sys/types.h>

#include <string>
#include <vector>

#include "e2e_environment.h"
#include "ini_text.h"
#include "test_disc.h"
#include "wait.h"

namespace e2e {

struct SoundCall {
    std::string function;
    unsigned flags = 0;
    std::string library;  // the file of the winmm that played it
    std::string name;     // as passed
    std::string file;     // the name without its folder
};

class LumoraTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    Probe& probe() { return *Env().probe; }
    const Metrics& metrics() { return Env().metrics; }
    std::string Path(const std::string& file) const { return folder_ + "/" + file; }

    // Writes the INI file, parks the pointer, starts lumora.exe and waits for its window, for it
    // to be idle and, when `firstPaint` is inside the screen, for that pixel of the screen.
    ::testing::AssertionResult Start(Point firstPaint = disc::kMainPlain,
                                     Paint paint = disc::kMainPaint);
    // As Start, for the lumora.exe at `program` (a Windows path such as "R:\\lumora.exe") started
    // in the Linux folder `directory`, with the INI file that is there.
    ::testing::AssertionResult StartFrom(const std::string& program, const std::string& directory,
                                         Point firstPaint = disc::kMainPlain,
                                         Paint paint = disc::kMainPaint);
    // Starts another lumora.exe from the same folder; its PID.
    pid_t StartAnother();
    // Waits for the program to end by itself; its exit code, or -1.
    int WaitForExit(int timeoutMs = 10000);
    // True once the main window is gone (after the program has been ended).
    bool WaitUntilGone();

    // Another program's window at `where` (the probe's), closed when the test ends.
    Hwnd Cover(const Rect& where);

    // The screen window (the main window's child) as it is now.
    Hwnd ScreenWindow() { return probe().Child(main_); }
    // True while the screen in the screen window is the one shown at the first call: the probe
    // holds that screen's object for readers, which a screen read again (a reload, another
    // screen) disconnects. The window itself is kept across screens.
    bool SameScreenShown(Hwnd screen) {
        const std::string count = probe().Ask("reader " + std::to_string(screen) + " count");
        return !count.empty() && count.find_first_not_of("0123456789") == std::string::npos;
    }
    // A point of the current screen's picture on the display.
    Point OnScreen(Point picture);
    Rgb PixelAt(Point picture);
    ::testing::AssertionResult WaitForPixel(Point picture, Paint paint, int timeoutMs = 3000);
    void MoveTo(Point picture) { MovePointer(OnScreen(picture)); }
    // Starts with balloons at once and hovers region A until its highlight and balloon show.
    ::testing::AssertionResult StartHoveringA();
    void ClickAt(Point picture) { Click(OnScreen(picture)); }

    std::vector<SoundCall> Sounds() const;
    int CountSounds(const std::string& fileName) const;
    ::testing::AssertionResult WaitForSounds(const std::string& fileName, int count,
                                             int timeoutMs = 3000);
    // Clicks the sound-only region and waits for its sound: every input before it has been
    // handled once this returns.
    ::testing::AssertionResult Settle();

    IniText ini_ = disc::StandardIni();
    // NAME=value entries for lumora.exe's environment beside the fixture's own (WINEDEBUG=...).
    std::vector<std::string> environment_;
    Hwnd main_ = 0;
    pid_t pid_ = -1;

  private:
    pid_t Launch(const std::string& program, const std::string& directory);

    std::string folder_;
    int syncClicks_ = 0;
    std::vector<Hwnd> covers_;
};

}  // namespace e2e
