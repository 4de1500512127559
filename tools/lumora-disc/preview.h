// `lumora-disc preview`: every screen and every region's hover state as PNG pictures, composed
// by the core as lumora.exe composes them, and a page that shows the disc in a browser.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "config/code_page.h"
#include "config/value_parse.h"
#include "rgb_image.h"

namespace lumora::disc {

struct PreviewRegion {
    std::string name;
    std::vector<Point> shape;  // empty: never hit, no area on the page
    std::string hover;         // picture under the pointer (highlight), empty when it has none
    std::string balloon;       // picture after the balloon delay, empty when it has none
    std::string function;      // "LaunchFunc" as written
    int screenTarget = -1;     // DispatchScreen: index of the screen it shows, -1 for none
    std::vector<std::string> panel;  // what a click does, one line each
};

struct PreviewScreen {
    std::string name;
    std::string description;
    int width = 0;
    int height = 0;
    std::string plain;     // the screen as shown with nothing under the pointer
    std::string outlined;  // with every region's outline and number
    std::vector<PreviewRegion> regions;
};

struct PreviewDisc {
    std::vector<PreviewScreen> screens;
    int start = 0;                    // index of the Startup screen
    unsigned balloonDelay = 500;      // milliseconds, as lumora.exe waits them
    std::vector<std::string> notes;   // what the preview leaves out, and why
    int codePage = kDefaultCodePage;  // of the texts from Lumora.ini: the page is UTF-8
};

// Reads the disc, with Lumora.ini in the ANSI code page given, and writes the pictures and the
// page into out; an error when it cannot. A screen of ScreenNames that is not drawn (its section
// or picture missing, refused, larger than any display, or named by a path that depends on the
// current folder) is left out, with a note on the page that says why; notes, when given, gets the
// page's notes too.
std::optional<std::string> WritePreview(const std::filesystem::path& folder,
                                        const std::filesystem::path& out,
                                        int codePage = kDefaultCodePage,
                                        std::vector<std::string>* notes = nullptr);

// The start screen as lumora.exe first paints it (its picture, nothing under the pointer); nothing
// when Lumora starts on no screen.
std::optional<RgbImage> StartScreenPicture(const std::filesystem::path& folder);

// The page (index.html) for the disc.
std::string PreviewPage(const PreviewDisc& disc);

// Draws the region's outline and its number onto a picture.
void DrawOutline(RgbImage& image, const std::vector<Point>& shape, int number);

}  // namespace lumora::disc
