// The screen model loader on INI files made of screen and region sections with the keys it
// reads, broken values and stray lines, read through the portable parser. The screen loads only
// with "RegionNames" and "Bitmap"; it has one region per listed name, in order, each read from
// its own section; a shape is the listed points, or none below three; paths are expanded once
// and other texts never; registry keys count only without "LaunchData"; every text fits a read;
// and loading twice gives the same model.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "config/ini_document.h"
#include "config/string_table.h"
#include "fuzz/fuzz_check.h"
#include "resource.h"
#include "screens/screen_model.h"

namespace {

using lumora::IniDocument;
using lumora::kMaxValueLength;
using lumora::Point;
using lumora::RegionPicture;
using lumora::RegionSpec;
using lumora::ScreenModel;
using lumora::SectionEntries;
using lumora::StringList;

const char* const kNames[] = {"Main", "main", "A", "b", "Exit", "", "a b", "A|B"};

const unsigned kRegionKeys[] = {IDS_KEY_SHAPE,
                                IDS_KEY_BALLOON_BITMAP,
                                IDS_KEY_BALLOON_POSITION,
                                IDS_KEY_BALLOON_TRANSPARENCY,
                                IDS_KEY_SOUND,
                                IDS_KEY_LAUNCH_REQ,
                                IDS_KEY_LAUNCH_FUNC,
                                IDS_KEY_LAUNCH_DATA,
                                IDS_KEY_SETUP_REQ,
                                IDS_KEY_SETUP_FUNC,
                                IDS_KEY_SETUP_DATA,
                                IDS_KEY_SETUP_DESC,
                                IDS_KEY_SPLASH,
                                IDS_KEY_LAUNCH_DIR,
                                IDS_KEY_LAUNCH_SCREEN_REQ,
                                IDS_KEY_HIGHLIGHT_BITMAP,
                                IDS_KEY_HIGHLIGHT_POSITION,
                                IDS_KEY_HIGHLIGHT_TRANSPARENCY,
                                IDS_KEY_REGISTRY_KEY,
                                IDS_KEY_REGISTRY_DATA,
                                IDS_KEY_REGISTRY_SUBTRACT,
                                IDS_KEY_REGISTRY_APPEND,
                                IDS_KEY_EXIT_DURING_SETUP,
                                IDS_KEY_LAUNCH_ON_REQ,
                                IDS_KEY_LAUNCH_LONG};
const unsigned kScreenKeys[] = {IDS_KEY_REGION_NAMES, IDS_KEY_BITMAP, IDS_KEY_DESCRIPTION};

std::string Text(unsigned id) {
    return lumora::BuiltInText(id);
}

std::string Name(FuzzedDataProvider& provider) {
    const size_t pick = provider.ConsumeIntegralInRange<size_t>(0, std::size(kNames));
    return pick < std::size(kNames) ? kNames[pick] : provider.ConsumeRandomLengthString(8);
}

std::string Number(FuzzedDataProvider& provider) {
    switch (provider.ConsumeIntegralInRange(0, 3)) {
        case 0:
            return std::to_string(provider.ConsumeIntegral<int>());
        case 1:
            return std::to_string(provider.ConsumeIntegralInRange(-3, 700));
        case 2:
            return "99999999999";
        default:
            return provider.ConsumeRandomLengthString(4);
    }
}

std::string Value(FuzzedDataProvider& provider, unsigned key) {
    std::string value;
    const int count = provider.ConsumeIntegralInRange(0, 7);
    switch (key) {
        case IDS_KEY_SHAPE:
        case IDS_KEY_REGION_NAMES:
            for (int i = 0; i < count; ++i) {
                value += i ? "|" : "";
                value += key == IDS_KEY_SHAPE ? Number(provider) + "," + Number(provider)
                                              : Name(provider);
            }
            return value;
        case IDS_KEY_BALLOON_POSITION:
        case IDS_KEY_HIGHLIGHT_POSITION:
            return Number(provider) + (provider.ConsumeBool() ? "," + Number(provider) : "");
        case IDS_KEY_BALLOON_TRANSPARENCY:
        case IDS_KEY_HIGHLIGHT_TRANSPARENCY:
        case IDS_KEY_REGISTRY_SUBTRACT:
        case IDS_KEY_EXIT_DURING_SETUP:
        case IDS_KEY_LAUNCH_ON_REQ:
        case IDS_KEY_LAUNCH_LONG:
            return Number(provider);
        default:
            return (provider.ConsumeBool() ? "%r\\" : "") + provider.ConsumeRandomLengthString(12);
    }
}

// An INI file of the screen's sections, its regions' sections, and stray lines.
std::string IniText(FuzzedDataProvider& provider, const std::string& screen) {
    const char* const kLineEnds[] = {"\n", "\r\n", "\r"};
    std::string text;
    for (int line = 0; line < 80 && provider.remaining_bytes() > 0; ++line) {
        switch (provider.ConsumeIntegralInRange(0, 9)) {
            case 0:
                text += "[" + Text(IDS_SECTION_SCREEN) +
                        (provider.ConsumeBool() ? screen : Name(provider)) + "]";
                break;
            case 1:
                text += "[ " + (provider.ConsumeBool() ? screen : Name(provider)) +
                        Text(IDS_SECTION_REGION) + Name(provider) + "]";
                break;
            case 2: {
                const unsigned key = kScreenKeys[provider.ConsumeIntegralInRange<size_t>(0, 2)];
                text += Text(key) + "=" + Value(provider, key);
                break;
            }
            case 3:
                text += provider.ConsumeRandomLengthString(40);
                break;
            default: {
                const unsigned key = kRegionKeys[provider.ConsumeIntegralInRange<size_t>(
                    0, std::size(kRegionKeys) - 1)];
                text += Text(key) + " = " + Value(provider, key);
            }
        }
        text += kLineEnds[provider.ConsumeIntegralInRange(0, 2)];
    }
    return text;
}

// Expanded paths are marked, so that one expansion shows as one pair of brackets.
std::optional<std::string> Marked(std::optional<std::string> value) {
    return value ? std::optional<std::string>("<" + *value + ">") : std::nullopt;
}

bool SamePicture(const RegionPicture& a, const RegionPicture& b) {
    return a.path == b.path && a.position == b.position && a.transparency == b.transparency;
}

bool SameAction(const lumora::ActionRecord& a, const lumora::ActionRecord& b) {
    const bool registry = a.registry.has_value() == b.registry.has_value() &&
                          (!a.registry || (a.registry->key == b.registry->key &&
                                           a.registry->data == b.registry->data &&
                                           a.registry->subtract == b.registry->subtract &&
                                           a.registry->append == b.registry->append));
    return a.splash == b.splash && a.launchScreenReq == b.launchScreenReq &&
           a.launchReq == b.launchReq && a.setupReq == b.setupReq && a.launchDir == b.launchDir &&
           a.launchFunc == b.launchFunc && a.launchData == b.launchData && registry &&
           a.setupFunc == b.setupFunc && a.setupData == b.setupData && a.setupDesc == b.setupDesc &&
           a.launchOnReq == b.launchOnReq && a.launchLong == b.launchLong &&
           a.exitDuringSetup == b.exitDuringSetup;
}

bool SameRegion(const RegionSpec& a, const RegionSpec& b) {
    return a.name == b.name && a.section == b.section && a.shape == b.shape &&
           SamePicture(a.balloon, b.balloon) && SamePicture(a.highlight, b.highlight) &&
           a.sound == b.sound && SameAction(a.action, b.action);
}

bool SameScreen(const ScreenModel& a, const ScreenModel& b) {
    return a.name == b.name && a.description == b.description && a.background == b.background &&
           std::equal(a.regions.begin(), a.regions.end(), b.regions.begin(), b.regions.end(),
                      SameRegion);
}

void CheckPicture(const RegionPicture& picture, const SectionEntries& keys, unsigned path,
                  unsigned position, unsigned transparency) {
    FUZZ_CHECK(picture.path == Marked(keys.Find(Text(path))));
    const std::optional<std::string> at = keys.Find(Text(position));
    FUZZ_CHECK(picture.position == (at ? lumora::ParsePoint(*at) : Point{}));
    const int key = keys.FindInt(Text(transparency));
    FUZZ_CHECK(picture.transparency == (key == lumora::kSettingAbsent ? -1 : key));
}

void CheckRegion(const RegionSpec& region, const IniDocument& ini, const std::string& screen,
                 const std::string& name) {
    FUZZ_CHECK(region.name == name);
    FUZZ_CHECK(region.section == screen + "-Region " + name);
    const SectionEntries keys = ini.Section(region.section);
    auto text = [&](unsigned id) { return keys.Find(Text(id)); };

    // The shape: every listed point, or none with fewer than three; never more than a read holds.
    const std::optional<StringList> points = keys.FindList(Text(IDS_KEY_SHAPE));
    FUZZ_CHECK(region.shape.empty() || region.shape.size() >= 3);
    FUZZ_CHECK(region.shape.size() <= kMaxValueLength / 2 + 1);
    if (!points || points->size() < 3) {
        FUZZ_CHECK(region.shape.empty());
    } else {
        FUZZ_CHECK(region.shape.size() == points->size());
        for (size_t i = 0; i < points->size(); ++i) {
            FUZZ_CHECK(region.shape[i] == lumora::ParsePoint((*points)[i]));
        }
    }

    CheckPicture(region.balloon, keys, IDS_KEY_BALLOON_BITMAP, IDS_KEY_BALLOON_POSITION,
                 IDS_KEY_BALLOON_TRANSPARENCY);
    CheckPicture(region.highlight, keys, IDS_KEY_HIGHLIGHT_BITMAP, IDS_KEY_HIGHLIGHT_POSITION,
                 IDS_KEY_HIGHLIGHT_TRANSPARENCY);
    FUZZ_CHECK(region.sound == Marked(text(IDS_KEY_SOUND)));
    FUZZ_CHECK(region.action.launchDir == Marked(text(IDS_KEY_LAUNCH_DIR)));
    FUZZ_CHECK(region.action.launchData == Marked(text(IDS_KEY_LAUNCH_DATA)));
    FUZZ_CHECK(region.action.setupData == Marked(text(IDS_KEY_SETUP_DATA)));
    FUZZ_CHECK(region.action.launchFunc == text(IDS_KEY_LAUNCH_FUNC));
    FUZZ_CHECK(region.action.setupFunc == text(IDS_KEY_SETUP_FUNC));
    FUZZ_CHECK(region.action.setupDesc == text(IDS_KEY_SETUP_DESC));
    FUZZ_CHECK(region.action.launchReq == keys.FindList(Text(IDS_KEY_LAUNCH_REQ)));
    FUZZ_CHECK(region.action.setupReq == keys.FindList(Text(IDS_KEY_SETUP_REQ)));
    FUZZ_CHECK(region.action.launchScreenReq == keys.FindList(Text(IDS_KEY_LAUNCH_SCREEN_REQ)));
    std::optional<StringList> splash = keys.FindList(Text(IDS_KEY_SPLASH));
    if (splash) {
        splash->front() = "<" + splash->front() + ">";
    }
    FUZZ_CHECK(region.action.splash == splash);

    // The registry keys count only for a region without launch data.
    const std::optional<std::string> registryKey = text(IDS_KEY_REGISTRY_KEY);
    FUZZ_CHECK(region.action.registry.has_value() == (registryKey && !region.action.launchData));
    if (region.action.registry) {
        FUZZ_CHECK(region.action.registry->key == *registryKey);
        FUZZ_CHECK(region.action.registry->data == text(IDS_KEY_REGISTRY_DATA));
        FUZZ_CHECK(region.action.registry->subtract ==
                   keys.FindInt(Text(IDS_KEY_REGISTRY_SUBTRACT)));
        FUZZ_CHECK(region.action.registry->append == text(IDS_KEY_REGISTRY_APPEND));
    }

    FUZZ_CHECK(region.action.launchOnReq == (keys.FindInt(Text(IDS_KEY_LAUNCH_ON_REQ)) > 0));
    FUZZ_CHECK(region.action.launchLong == (keys.FindInt(Text(IDS_KEY_LAUNCH_LONG)) > 0));
    // Any number but 0, the integer reader's "absent" number included.
    const std::optional<std::string> exit = text(IDS_KEY_EXIT_DURING_SETUP);
    FUZZ_CHECK(region.action.exitDuringSetup == (exit && lumora::ParseDecimal(*exit) != 0));

    // Lengths: what a read gives, plus the two marks of an expansion.
    for (const std::optional<std::string>* value :
         {&region.sound, &region.action.launchDir, &region.action.launchData,
          &region.action.setupData, &region.balloon.path, &region.highlight.path}) {
        FUZZ_CHECK(!*value || (*value)->size() <= kMaxValueLength + 2);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 8192) {
        return 0;
    }
    FuzzedDataProvider provider(data, size);
    const std::string screen = Name(provider);
    const unsigned id = provider.ConsumeIntegral<uint16_t>();
    const IniDocument ini(IniText(provider, screen));

    // The loader's names come from the string table: an id it has gives a text, others none.
    const std::vector<unsigned> ids = lumora::BuiltInTextIds();
    FUZZ_CHECK(Text(id).empty() || std::find(ids.begin(), ids.end(), id) != ids.end());

    int expansions = 0;
    const lumora::ModelContext context{lumora::BuiltInText, [&](std::string& path) {
                                           ++expansions;
                                           path = "<" + path + ">";
                                       }};
    const std::optional<ScreenModel> model = lumora::LoadScreenModel(ini, screen, context);
    const SectionEntries keys = ini.Section(Text(IDS_SECTION_SCREEN) + screen);
    const std::optional<StringList> names = keys.FindList(Text(IDS_KEY_REGION_NAMES));
    const std::optional<std::string> bitmap = keys.Find(Text(IDS_KEY_BITMAP));
    FUZZ_CHECK(model.has_value() == (names && bitmap));
    if (!model) {
        FUZZ_CHECK(expansions <= 1);  // at most the picture was read
        return 0;
    }
    FUZZ_CHECK(model->name == screen);
    FUZZ_CHECK(model->description == keys.Find(Text(IDS_KEY_DESCRIPTION)).value_or(""));
    FUZZ_CHECK(model->background == "<" + *bitmap + ">");
    FUZZ_CHECK(model->regions.size() == names->size());
    FUZZ_CHECK(model->regions.size() <= kMaxValueLength / 2 + 1);
    for (size_t i = 0; i < names->size(); ++i) {
        CheckRegion(model->regions[i], ini, screen, (*names)[i]);
        FUZZ_CHECK(SameRegion(model->regions[i],
                              lumora::LoadRegionSpec(ini, screen, (*names)[i], context)));
    }
    const std::optional<ScreenModel> again = lumora::LoadScreenModel(ini, screen, context);
    FUZZ_CHECK(again && SameScreen(*model, *again));
    return 0;
}
