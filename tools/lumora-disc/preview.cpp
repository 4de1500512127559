#include "preview.h"

#include <algorithm>
#include <fstream>

#include "check_context.h"
#include "check_pictures.h"
#include "config/ini_document.h"
#include "config/string_table.h"
#include "disc_files.h"
#include "page_data.h"
#include "resource.h"
#include "screens/screen_model.h"

namespace lumora::disc {

namespace {

std::string Key(unsigned id) {
    return CheckContext::Text(id);
}

// The three-by-five dots of each digit, a row of three bits each.
constexpr uint16_t kDigits[10] = {0x7B6F, 0x2C97, 0x73E7, 0x73CF, 0x5BC9,
                                  0x79CF, 0x79EF, 0x7249, 0x7BEF, 0x7BCF};

void Line(RgbImage& image, Point a, Point b, Rgb color) {
    const int64_t dx = std::abs(int64_t{b.x} - a.x);
    const int64_t dy = std::abs(int64_t{b.y} - a.y);
    const int64_t steps = std::min<int64_t>(std::max(dx, dy), 20000);
    for (int64_t i = 0; i <= steps; ++i) {
        const double t = steps == 0 ? 0.0 : static_cast<double>(i) / steps;
        const double x = a.x + t * (static_cast<double>(b.x) - a.x);
        const double y = a.y + t * (static_cast<double>(b.y) - a.y);
        if (x > -1 && y > -1 && x < image.width && y < image.height) {
            image.Set(static_cast<int>(x), static_cast<int>(y), color);
        }
    }
}

void Number(RgbImage& image, int x, int y, int number, Rgb ink, Rgb paper) {
    const std::string text = std::to_string(number);
    const int scale = 2;
    const int width = static_cast<int>(text.size()) * 4 * scale + scale;
    for (int row = -scale; row < 5 * scale + scale; ++row) {
        for (int column = -scale; column < width; ++column) {
            image.Set(x + column, y + row, paper);
        }
    }
    for (size_t i = 0; i < text.size(); ++i) {
        const uint16_t glyph = kDigits[text[i] - '0'];
        for (int row = 0; row < 5; ++row) {
            for (int column = 0; column < 3; ++column) {
                if (glyph & (1u << (14 - (row * 3 + column)))) {
                    for (int s = 0; s < scale * scale; ++s) {
                        image.Set(x + static_cast<int>(i) * 4 * scale + column * scale + s % scale,
                                  y + row * scale + s / scale, ink);
                    }
                }
            }
        }
    }
}

// Why a screen of ScreenNames is not shown when its section is not all there, as lumora.exe reads
// it.
std::string MissingScreenPart(const IniDocument& ini, const std::string& name) {
    const std::string section = Key(IDS_SECTION_SCREEN) + name;
    const IniSection* found = ini.FindSection(section);
    if (!found) {
        return "it has no section [" + section + "]";
    }
    return "its section has no " + Key(CheckContext::List(*found, IDS_KEY_REGION_NAMES)
                                           ? IDS_KEY_BITMAP
                                           : IDS_KEY_REGION_NAMES);
}

bool Save(const std::filesystem::path& out, const std::string& name, const RgbImage& image,
          std::string& problem) {
    if (!WritePng((out / name).string(), image)) {
        problem = "cannot write " + (out / name).string();
        return false;
    }
    return true;
}

// The screen as shown, with its regions' outlines, and under the pointer on each region: its
// highlight, then with its balloon, composed as the screen window composes them.
std::optional<std::string> WriteScreenPictures(const DiscFiles& files, const ScreenModel& model,
                                               const DibImage& background,
                                               const std::filesystem::path& out,
                                               const std::string& stem) {
    std::string problem;
    const RgbImage plain = ToRgb(background, background);
    RgbImage outlined = plain;
    for (size_t r = 0; r < model.regions.size(); ++r) {
        DrawOutline(outlined, model.regions[r].shape, static_cast<int>(r + 1));
    }
    if (!Save(out, stem + ".png", plain, problem) ||
        !Save(out, stem + "-regions.png", outlined, problem)) {
        return problem;
    }
    for (size_t r = 0; r < model.regions.size(); ++r) {
        const RegionSpec& region = model.regions[r];
        DibImage canvas;
        canvas.CopyFrom(background);
        const std::string regionStem = stem + "-region" + std::to_string(r + 1);
        for (const RegionPicture* picture : {&region.highlight, &region.balloon}) {
            const auto loaded =
                picture->path ? LoadPictureQuietly(files, *picture->path) : std::nullopt;
            if (!loaded) {
                continue;
            }
            canvas.Compose(*loaded, picture->position.x, picture->position.y,
                           picture->transparency);
            const std::string name =
                regionStem + (picture == &region.highlight ? "-highlight.png" : ".png");
            if (!Save(out, name, ToRgb(canvas, background), problem)) {
                return problem;
            }
        }
    }
    return std::nullopt;
}

}  // namespace

void DrawOutline(RgbImage& image, const std::vector<Point>& shape, int number) {
    if (shape.empty()) {
        return;
    }
    const Rgb outline{255, 255, 0};
    for (size_t i = 0; i < shape.size(); ++i) {
        Line(image, shape[i], shape[(i + 1) % shape.size()], outline);
    }
    int64_t sx = 0, sy = 0;
    for (const Point& p : shape) {
        sx += p.x;
        sy += p.y;
    }
    const int64_t n = static_cast<int64_t>(shape.size());
    const int cx = static_cast<int>(std::clamp<int64_t>(sx / n, 0, image.width - 1));
    const int cy = static_cast<int>(std::clamp<int64_t>(sy / n, 0, image.height - 1));
    Number(image, cx - 4, cy - 5, number, {0, 0, 0}, outline);
}

std::optional<RgbImage> StartScreenPicture(const std::filesystem::path& folder) {
    const DiscFiles files(folder);
    const auto path = files.Find(DiscFiles::Root() + BuiltInText(IDS_INI_FILE_NAME));
    const auto ini = path ? IniDocument::FromFile(path->string()) : std::nullopt;
    const IniSection* config = ini ? ini->FindSection(Key(IDS_SECTION_CONFIG)) : nullptr;
    const auto startup = config ? CheckContext::Value(*config, IDS_KEY_STARTUP) : std::nullopt;
    const auto names = config ? CheckContext::List(*config, IDS_KEY_SCREEN_NAMES) : std::nullopt;
    if (!startup || !names || std::find(names->begin(), names->end(), *startup) == names->end()) {
        return std::nullopt;
    }
    Diagnostics ignored;
    CheckContext context(*ini, files, ignored);
    context.install = CheckContext::List(*config, IDS_KEY_INSTALL);
    const auto model = LoadScreenModel(*ini, *startup, context.model());
    const auto background = model ? LoadPictureQuietly(files, model->background) : std::nullopt;
    if (!background) {
        return std::nullopt;
    }
    return ToRgb(*background, *background);
}

std::vector<std::filesystem::path> PageModules(const std::filesystem::path& kitFolder) {
    const char kModule[] = "lumora_page.wasm";
    return {kitFolder / kModule, kitFolder.parent_path() / "wasm" / kModule};
}

std::optional<std::string> WritePreview(const std::filesystem::path& folder,
                                        const std::filesystem::path& out, int codePage,
                                        const std::string& module,
                                        std::vector<std::string>* notes) {
    const DiscFiles files(folder, codePage);
    std::string problem;
    const auto ini = ReadDiscIni(files, problem);
    if (!ini) {
        return problem;
    }
    Diagnostics ignored;
    CheckContext context(*ini, files, ignored);
    const IniSection* config = ini->FindSection(Key(IDS_SECTION_CONFIG));
    if (!config) {
        return "no [" + Key(IDS_SECTION_CONFIG) + "] section";
    }
    context.install = CheckContext::List(*config, IDS_KEY_INSTALL);
    const StringList names =
        CheckContext::List(*config, IDS_KEY_SCREEN_NAMES).value_or(StringList{});
    std::error_code error;
    std::filesystem::create_directories(out, error);

    PageData page;
    page.module = module;
    page.codePage = codePage;
    int shown = 0;
    for (const std::string& name : names) {
        const std::string notShown = "The screen '" + name + "' is not shown: ";
        const auto model = LoadScreenModel(*ini, name, context.model());
        if (!model) {
            page.notes.push_back(
                CodePageToUtf8(notShown + MissingScreenPart(*ini, name) + ".", codePage));
            continue;  // Lumora never shows it
        }
        if (const auto size = OversizedPicture(files, model->background)) {
            page.notes.push_back(
                CodePageToUtf8(notShown + "its picture is " + std::to_string(size->width) + "x" +
                                   std::to_string(size->height) + TooLargeText() + ".",
                               codePage));
            continue;
        }
        std::string why;
        const auto background = LoadPictureQuietly(files, model->background, &why);
        if (!background) {
            page.notes.push_back(CodePageToUtf8(notShown + why + ".", codePage));
            continue;
        }
        if (const auto failed = WriteScreenPictures(files, *model, *background, out,
                                                    "screen" + std::to_string(++shown))) {
            return failed;
        }
    }
    if (notes) {
        *notes = page.notes;
    }
    if (shown == 0) {
        return page.notes.empty() ? "the disc has no screen that Lumora shows" : page.notes.front();
    }
    const auto iniPath = files.Find(DiscFiles::Root() + BuiltInText(IDS_INI_FILE_NAME));
    page.ini = iniPath ? ReadBytes(*iniPath).value_or(std::string()) : std::string();
    page.files = PageFilesOf(context, *config);
    const std::optional<std::string> html = PreviewPage(page);
    if (!html) {
        return "the disc's pictures and sounds are too large for one page";
    }
    std::ofstream written(out / "index.html", std::ios::binary);
    written << *html;
    if (!written) {
        return "cannot write " + (out / "index.html").string();
    }
    return std::nullopt;
}

}  // namespace lumora::disc
