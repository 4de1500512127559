// A disc folder for Win32 tests: a temporary program folder with a Lumora.ini and pictures,
// made the INI location of the store, with the settings loaded from it.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "app/app_state.h"
#include "config/ini_store.h"
#include "config/settings.h"
#include "support/bmp_writer.h"
#include "win/resource_string.h"

namespace lumora::test {

// The palette every test picture shares: 0 black, 1 red, 2 green, 3 blue, 4 white, 5 grey.
inline const std::vector<Rgb>& TestPalette() {
    static const std::vector<Rgb> palette = {{0, 0, 0},   {255, 0, 0},     {0, 255, 0},
                                             {0, 0, 255}, {255, 255, 255}, {128, 128, 128}};
    return palette;
}

class DiscFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        char temp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "lumora-test-" + std::to_string(::GetCurrentProcessId()) +
                  "-" + std::to_string(counter_++) + "\\";
        ::CreateDirectoryA(folder_.c_str(), nullptr);
        SetIniLocation(folder_, ResourceString(300));
    }

    void TearDown() override {
        FreeProgramSettings();
        ClearIniLocation();
        WIN32_FIND_DATAA found;
        HANDLE search = ::FindFirstFileA((folder_ + "*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                ::DeleteFileA((folder_ + found.cFileName).c_str());
            } while (::FindNextFileA(search, &found));
            ::FindClose(search);
        }
        ::RemoveDirectoryA(folder_.c_str());
    }

    // Writes Lumora.ini and loads the settings from it.
    void WriteIni(const std::string& text) {
        std::ofstream(folder_ + "Lumora.ini", std::ios::binary) << text;
        LoadProgramSettings();
    }

    // A solid 8-bit picture of one palette index.
    std::string SolidPicture(const std::string& name, int width, int height, uint8_t index) {
        std::string path = folder_ + name;
        WriteBitmap8(path, width, height, TestPalette(), [index](int, int) { return index; });
        return path;
    }

    const std::string& folder() const { return folder_; }

  private:
    std::string folder_;
    static inline int counter_ = 0;
};

}  // namespace lumora::test
