#include "check_regions.h"

#include "check_pictures.h"
#include "polygon_mask.h"
#include "resource.h"
#include "screens/accessible_screen.h"
#include "screens/screen_model.h"
#include "wave_file.h"

namespace lumora::disc {

namespace {

std::string Key(unsigned id) {
    return CheckContext::Text(id);
}

void CheckShape(const CheckContext& context, const IniSection& section, const RegionSpec& region,
                const std::string& what, const DibImage* screen) {
    const int line = CheckContext::LineOf(section, IDS_KEY_SHAPE);
    if (region.shape.empty()) {
        const auto points = CheckContext::List(section, IDS_KEY_SHAPE);
        if (!points) {
            context.out().Error(line, what + " has no Shape, so it is never clickable");
        } else {
            context.out().Error(line, what + ": Shape has " + std::to_string(points->size()) +
                                          " point" + (points->size() == 1 ? "" : "s") +
                                          "; a region needs at least three, so it is never "
                                          "clickable");
        }
        return;
    }
    if (!screen) {
        return;
    }
    for (const Point& p : region.shape) {
        if (p.x < 0 || p.y < 0 || p.x > screen->width() || p.y > screen->height()) {
            context.out().Warning(line, what + ": Shape point " + std::to_string(p.x) + "," +
                                            std::to_string(p.y) + " lies outside the " +
                                            std::to_string(screen->width()) + "x" +
                                            std::to_string(screen->height()) + " screen");
            return;
        }
    }
}

// A screen reader speaks a clickable region by its spoken name: one without a word ("R1") tells
// a blind user nothing.
void CheckSpokenName(const CheckContext& context, const IniSection& section,
                     const RegionSpec& region, const std::string& what) {
    const std::string& spoken = SpokenName(region);
    if (region.shape.empty() || HasWord(spoken)) {
        return;
    }
    context.out().Warning(CheckContext::LineOf(section, IDS_KEY_LABEL),
                          what + " is spoken by screen readers as " + Quoted(spoken) +
                              ", which holds no word; give it a " + Key(IDS_KEY_LABEL) +
                              " that says what it does");
}

void CheckPicture(const CheckContext& context, const IniSection& section,
                  const RegionPicture& picture, unsigned keyId, const std::string& what,
                  const DibImage* screen) {
    if (!picture.path) {
        return;
    }
    const PictureUse use{what + " " + Key(keyId), CheckContext::LineOf(section, keyId)};
    const auto image = LoadPicture(context, use, *picture.path);
    if (image) {
        CheckOverlay(context, use, *image, screen, picture.position, picture.transparency);
    }
}

}  // namespace

void CheckSound(const CheckContext& context, const std::string& expanded, int line,
                const std::string& what) {
    const DiscFiles& files = context.files();
    const std::string path = context.FromDisc(expanded, line, what);
    if (!files.OnDisc(path)) {
        return;
    }
    const DiscEntry found = context.Look(path, line, what, "sound");
    if (found.IsFault()) {
        return;
    }
    if (!found.IsFile()) {
        context.out().Error(line, what + ": sound " + Quoted(files.Shown(path)) + " is missing");
    } else if (auto problem = WaveProblem(found.source.string())) {
        context.out().Error(
            line, what + ": sound " + Quoted(files.Shown(path)) + " is not a PCM WAV: " + *problem);
    }
}

ActionTargets CheckScreen(const CheckContext& context, const std::string& name) {
    ActionTargets targets;
    const IniSection* section = context.Use(Key(IDS_SECTION_SCREEN) + name);
    if (!section) {
        return targets;
    }
    const std::string what = "screen " + Quoted(name);
    context.Reads(*section, SectionKind::kScreen, what);
    const auto regionNames = CheckContext::List(*section, IDS_KEY_REGION_NAMES);
    if (!regionNames) {
        context.out().Error(section->entries.line(),
                            what + " has no RegionNames, so Lumora never shows it");
    }
    std::optional<DibImage> screen;
    const auto bitmap = CheckContext::Value(*section, IDS_KEY_BITMAP);
    if (!bitmap) {
        context.out().Error(section->entries.line(),
                            what + " has no Bitmap, so Lumora never shows it");
    } else {
        screen =
            LoadPicture(context, {what + " Bitmap", CheckContext::LineOf(*section, IDS_KEY_BITMAP)},
                        context.Expanded(*bitmap));
    }
    if (!regionNames) {
        return targets;
    }
    const DibImage* background = screen ? &*screen : nullptr;
    const int listLine = CheckContext::LineOf(*section, IDS_KEY_REGION_NAMES);
    std::optional<PolygonMask> earlier;
    if (background) {
        earlier.emplace(background->width(), background->height());
    }
    std::vector<std::string> earlierNames;
    for (const std::string& regionName : *regionNames) {
        const std::string sectionName = name + Key(IDS_SECTION_REGION) + regionName;
        const IniSection* regionSection = context.Use(sectionName);
        const std::string regionWhat = "region " + Quoted(regionName) + " of " + what;
        if (!regionSection) {
            context.out().Error(listLine, regionWhat + " has no section [" + sectionName + "]");
            continue;
        }
        context.Reads(*regionSection, SectionKind::kRegion, regionWhat);
        const RegionSpec region = LoadRegionSpec(context.ini(), name, regionName, context.model());
        CheckShape(context, *regionSection, region, regionWhat, background);
        CheckSpokenName(context, *regionSection, region, regionWhat);
        if (earlier && !region.shape.empty()) {
            PolygonMask mask(background->width(), background->height());
            mask.Fill(region.shape);
            if (!mask.Empty() && mask.Within(*earlier)) {
                std::string names;
                for (const std::string& n : earlierNames) {
                    names += (names.empty() ? "" : ", ") + n;
                }
                context.out().Warning(CheckContext::LineOf(*regionSection, IDS_KEY_SHAPE),
                                      regionWhat +
                                          " is hidden entirely by the regions listed "
                                          "before it (" +
                                          names + "), so it is never clickable");
            }
            earlier->Add(mask);
            earlierNames.push_back(regionName);
        }
        CheckPicture(context, *regionSection, region.highlight, IDS_KEY_HIGHLIGHT_BITMAP,
                     regionWhat, background);
        CheckPicture(context, *regionSection, region.balloon, IDS_KEY_BALLOON_BITMAP, regionWhat,
                     background);
        if (region.sound) {
            CheckSound(context, *region.sound, CheckContext::LineOf(*regionSection, IDS_KEY_SOUND),
                       regionWhat);
        }
        CheckAction(context, ActionSite{regionWhat, *regionSection}, region.action, background,
                    targets);
    }
    return targets;
}

}  // namespace lumora::disc
