// A disc folder for Win32 tests: a temporary program folder with a Lumora.ini and pictures,
// made the INI location of the store, with the settings loaded from it.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/main_window.h"
#include "config/settings.h"
#include "resource.h"
#include "win/app_state.h"
#include "win/resource_string.h"
#include "ini_test_folder.h"
#include "support/bmp_writer.h"

namespace lumora::testing {

// The palette every test picture shares: 0 black, 1 red, 2 green, 3 blue, 4 white, 5 grey.
inline const std::vector<Rgb>& TestPalette() {
    static const std::vector<Rgb> palette = {{0, 0, 0},   {255, 0, 0},     {0, 255, 0},
                                             {0, 0, 255}, {255, 255, 255}, {128, 128, 128}};
    return palette;
}

class DiscFixture : public ::testing::Test {
  protected:
    void SetUp() override { disc_ = std::make_unique<IniTestFolder>(); }
    void TearDown() override {
        FreeProgramSettings();
        disc_.reset();
    }

    // Writes Lumora.ini and loads the settings from it.
    void WriteIni(const std::string& text) {
        disc_->WriteIni(text);
        LoadProgramSettings();
    }

    std::string ReadIni() const { return disc_->ReadIni(); }

    // A solid 8-bit picture of one palette index.
    std::string SolidPicture(const std::string& name, int width, int height, uint8_t index) {
        std::string path = disc_->AddFile(name);
        WriteBitmap8(path, width, height, TestPalette(), [index](int, int) { return index; });
        return path;
    }

    const std::string& folder() const { return disc_->directory(); }

    // Makes `main` the program's main window, as start-up does; false when it cannot be created.
    static bool StartMainWindow(CMainWindow& main) {
        App().dispatchMessageId =
            ::RegisterWindowMessageA(ResourceString(IDS_DISPATCH_MESSAGE).c_str());
        if (!main.Create()) {
            return false;
        }
        App().mainWindow = main.hwnd();
        return true;
    }

    // Ends the main window and forgets the program's state, so the next test starts afresh.
    static void EndMainWindow(CMainWindow& main) {
        if (main.exists()) {
            ::DestroyWindow(main.hwnd());
        }
        App() = AppState{};
        ::UnregisterClassA(ResourceString(IDS_MAIN_WINDOW_CLASS).c_str(),
                           ::GetModuleHandleA(nullptr));
        // The main window's end posts the end of the message loop; tests have none.
        MSG quit;
        ::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }

  private:
    std::unique_ptr<IniTestFolder> disc_;
};

}  // namespace lumora::testing
