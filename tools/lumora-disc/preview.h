// `lumora-disc preview`: every screen and every region's hover state as PNG pictures, composed
// by the core as lumora.exe composes them, and a page that runs the disc in a browser on the
// same core.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "config/code_page.h"
#include "config/value_parse.h"
#include "rgb_image.h"

namespace lumora::disc {

// What the page embeds: it runs the disc on the core compiled to WebAssembly, from the file
// system, with nothing else to fetch.
struct PageData {
    std::string module;  // lumora_page.wasm
    std::string ini;     // Lumora.ini as written
    int codePage = kDefaultCodePage;
    // The files Lumora.ini names that the page shows or plays: the name below the disc's root
    // as Lumora.ini writes it, and the bytes.
    std::vector<std::pair<std::string, std::string>> files;
    std::vector<std::string> notes;  // what the preview leaves out, and why (UTF-8)
};

// The page's module beside the kit: in the kit's own folder, else in the build beside it
// (build/native -> build/wasm).
std::vector<std::filesystem::path> PageModules(const std::filesystem::path& kitFolder);

// Reads the disc, with Lumora.ini in the ANSI code page given, and writes the pictures and the
// page into out; an error when it cannot. A screen of ScreenNames that is not drawn (its section
// or picture missing, refused, larger than any display, or named by a path that depends on the
// current folder) is left out, with a note on the page that says why; notes, when given, gets the
// page's notes too (UTF-8). module: the bytes of lumora_page.wasm, which the page runs the disc on.
std::optional<std::string> WritePreview(const std::filesystem::path& folder,
                                        const std::filesystem::path& out,
                                        int codePage = kDefaultCodePage,
                                        const std::string& module = std::string(),
                                        std::vector<std::string>* notes = nullptr);

// The start screen as lumora.exe first paints it (its picture, nothing under the pointer); nothing
// when Lumora starts on no screen.
std::optional<RgbImage> StartScreenPicture(const std::filesystem::path& folder);

// The page (index.html) for the disc; nothing when what it carries is too large to pack (2 GB).
std::optional<std::string> PreviewPage(const PageData& data);

// Draws the region's outline and its number onto a picture.
void DrawOutline(RgbImage& image, const std::vector<Point>& shape, int number);

}  // namespace lumora::disc
