#include "preview.h"

#include <algorithm>
#include <fstream>

#include "actions/action_table.h"
#include "actions/click_plan.h"
#include "actions/splash_time.h"
#include "check_context.h"
#include "check_pictures.h"
#include "config/ini_document.h"
#include "config/string_table.h"
#include "disc_files.h"
#include "menus/menu_model.h"
#include "resource.h"
#include "screens/balloon_delay.h"
#include "screens/screen_model.h"

namespace lumora::disc {

namespace {

std::string Key(unsigned id) {
    return CheckContext::Text(id);
}

// The disc's root as the page shows it: the drive letter a disc usually has.
std::string ForPage(const std::string& text) {
    std::string out = text;
    const std::string root = DiscFiles::Root();
    for (size_t at = out.find(root); at != std::string::npos; at = out.find(root, at)) {
        out.replace(at, root.size(), "D:\\");
    }
    return out;
}

std::string ListText(const StringList& list) {
    std::string out;
    for (const std::string& element : list) {
        out += (out.empty() ? "" : "|") + element;
    }
    return out;
}

// What a click on the region does, one line each: the action in the words of the table of
// actions, the items of a menu it opens, then the checks and the splash on the way.
std::vector<std::string> Describe(const CheckContext& context, const ActionRecord& action,
                                  bool hasSound) {
    auto shown = [](const std::optional<std::string>& text) {
        return text ? std::optional<std::string>(ForPage(*text)) : std::nullopt;
    };
    std::vector<std::string> lines;
    if (!action.launchFunc) {
        lines.push_back(hasSound ? "No action: a click only plays the region's sound."
                                 : "No action: a click does nothing.");
        return lines;
    }
    lines.push_back(DescribeAction(action, shown(action.launchData)) + ".");
    const ActionInfo* info = FindAction(*action.launchFunc);
    if (info && info->code == ActionCode::kMenu && action.launchData) {
        // Each item in one line: a menu that opens another is not followed.
        const std::optional<MenuSpec> menu =
            LoadMenuSpec(context.ini(), *action.launchData, context.model());
        for (const MenuItem& item : menu ? menu->items : std::vector<MenuItem>()) {
            lines.push_back(item.IsSeparator()
                                ? "  ----"
                                : "  " + *item.description + ": " +
                                      DescribeAction(item.action, shown(item.action.launchData)) +
                                      ".");
        }
    }
    if (action.launchDir) {
        lines.push_back("Working folder: " + ForPage(*action.launchDir));
    }
    if (NeedsDisc(action.launchReq)) {
        const StringList& disc = *action.launchReq;
        lines.push_back("Needs the disc labelled " + disc[0] + " (" + disc[1] + ").");
    }
    if (action.launchScreenReq) {
        lines.push_back("Needs the display " + ListText(*action.launchScreenReq) + ".");
    }
    if (action.setupFunc) {
        lines.push_back("When it is not installed, offers its setup: " + *action.setupFunc + " " +
                        shown(action.setupData).value_or("") + ".");
    }
    if (const std::optional<SplashShow> splash = PlannedSplash(action.splash)) {
        lines.push_back("Shows " + ForPage(splash->picture) + " for " +
                        std::to_string(splash->seconds) + " s first.");
    }
    return lines;
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

std::optional<std::string> WritePreview(const std::filesystem::path& folder,
                                        const std::filesystem::path& out, int codePage,
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

    PreviewDisc disc;
    disc.codePage = codePage;
    if (const int delay = config->entries.FindInt(Key(IDS_KEY_BALLOON_DELAY));
        delay != kSettingAbsent) {
        disc.balloonDelay = BalloonDelayMs(delay);
    }
    struct Loaded {
        ScreenModel model;
        DibImage background;
    };
    std::vector<Loaded> loaded;
    for (const std::string& name : names) {
        const std::string notShown = "The screen '" + name + "' is not shown: ";
        auto model = LoadScreenModel(*ini, name, context.model());
        if (!model) {
            disc.notes.push_back(notShown + MissingScreenPart(*ini, name) + ".");
            continue;  // Lumora never shows it
        }
        if (const auto size = OversizedPicture(files, model->background)) {
            disc.notes.push_back(notShown + "its picture is " + std::to_string(size->width) + "x" +
                                 std::to_string(size->height) + TooLargeText() + ".");
            continue;
        }
        std::string why;
        auto background = LoadPictureQuietly(files, model->background, &why);
        if (!background) {
            disc.notes.push_back(notShown + why + ".");
            continue;
        }
        loaded.push_back({std::move(*model), std::move(*background)});
    }
    if (notes) {
        *notes = disc.notes;
    }
    const auto startup = CheckContext::Value(*config, IDS_KEY_STARTUP);
    for (size_t s = 0; s < loaded.size(); ++s) {
        const ScreenModel& model = loaded[s].model;
        const DibImage& background = loaded[s].background;
        if (startup && model.name == *startup) {
            disc.start = static_cast<int>(s);
        }
        PreviewScreen screen;
        screen.name = model.name;
        screen.description = model.description;
        screen.width = background.width();
        screen.height = background.height();
        const std::string stem = "screen" + std::to_string(s + 1);
        screen.plain = stem + ".png";
        screen.outlined = stem + "-regions.png";
        const RgbImage plain = ToRgb(background, background);
        RgbImage outlined = plain;
        for (size_t r = 0; r < model.regions.size(); ++r) {
            DrawOutline(outlined, model.regions[r].shape, static_cast<int>(r + 1));
        }
        if (!Save(out, screen.plain, plain, problem) ||
            !Save(out, screen.outlined, outlined, problem)) {
            return problem;
        }
        for (size_t r = 0; r < model.regions.size(); ++r) {
            const RegionSpec& described = model.regions[r];
            PreviewRegion region;
            region.name = described.name;
            region.shape = described.shape;
            region.function = described.action.launchFunc.value_or("");
            // The canvas as the screen window composes it: highlight, then balloon.
            DibImage canvas;
            canvas.CopyFrom(background);
            const std::string regionStem = stem + "-region" + std::to_string(r + 1);
            const auto highlight = described.highlight.path
                                       ? LoadPictureQuietly(files, *described.highlight.path)
                                       : std::nullopt;
            if (highlight) {
                canvas.Compose(*highlight, described.highlight.position.x,
                               described.highlight.position.y, described.highlight.transparency);
                region.hover = regionStem + "-highlight.png";
                if (!Save(out, region.hover, ToRgb(canvas, background), problem)) {
                    return problem;
                }
            }
            const auto balloon = described.balloon.path
                                     ? LoadPictureQuietly(files, *described.balloon.path)
                                     : std::nullopt;
            if (balloon) {
                canvas.Compose(*balloon, described.balloon.position.x, described.balloon.position.y,
                               described.balloon.transparency);
                region.balloon = regionStem + ".png";
                if (!Save(out, region.balloon, ToRgb(canvas, background), problem)) {
                    return problem;
                }
            }
            region.panel = Describe(context, described.action, described.sound.has_value());
            const ActionInfo* action = FindAction(region.function);
            if (action && action->code == ActionCode::kScreen && described.action.launchData) {
                for (size_t t = 0; t < loaded.size(); ++t) {
                    if (loaded[t].model.name == *described.action.launchData) {
                        region.screenTarget = static_cast<int>(t);
                    }
                }
            }
            screen.regions.push_back(std::move(region));
        }
        disc.screens.push_back(std::move(screen));
    }
    if (disc.screens.empty()) {
        return "the disc has no screen that Lumora shows";
    }
    std::ofstream page(out / "index.html", std::ios::binary);
    page << PreviewPage(disc);
    if (!page) {
        return "cannot write " + (out / "index.html").string();
    }
    return std::nullopt;
}

}  // namespace lumora::disc
