#include "screens/screen_model.h"

#include "resource.h"

namespace lumora {
namespace {

std::vector<Point> ReadShape(const SectionKeys& keys) {
    std::optional<StringList> elements = keys.List(IDS_KEY_SHAPE);
    std::vector<Point> shape;
    if (!elements || elements->size() < 3) {
        return shape;
    }
    for (const std::string& element : *elements) {
        shape.push_back(ParsePoint(element));
    }
    return shape;
}

RegionPicture ReadPicture(const SectionKeys& keys, unsigned bitmapId, unsigned positionId,
                          unsigned transparencyId) {
    RegionPicture picture;
    picture.path = keys.Path(bitmapId);
    picture.position = keys.PointOrOrigin(positionId);
    const int transparency = keys.Int(transparencyId);
    picture.transparency = transparency == kSettingAbsent ? -1 : transparency;
    return picture;
}

}  // namespace

RegionSpec LoadRegionSpec(const IniReader& ini, const std::string& screenName,
                          const std::string& regionName, const ModelContext& context) {
    RegionSpec region;
    region.name = regionName;
    region.section = screenName + context.text(IDS_SECTION_REGION) + regionName;
    // One read of the section serves all its keys: a screen of many regions loads quickly.
    const SectionKeys keys(ini.Section(region.section), context);
    region.shape = ReadShape(keys);
    region.balloon = ReadPicture(keys, IDS_KEY_BALLOON_BITMAP, IDS_KEY_BALLOON_POSITION,
                                 IDS_KEY_BALLOON_TRANSPARENCY);
    region.highlight = ReadPicture(keys, IDS_KEY_HIGHLIGHT_BITMAP, IDS_KEY_HIGHLIGHT_POSITION,
                                   IDS_KEY_HIGHLIGHT_TRANSPARENCY);
    region.sound = keys.Path(IDS_KEY_SOUND);
    region.label = keys.Text(IDS_KEY_LABEL);
    region.action = ReadActionRecord(keys);
    return region;
}

KeyReads RegionSectionKeys() {
    KeyReads keys = {
        {IDS_KEY_SHAPE, KeyKind::kPointList},
        {IDS_KEY_BALLOON_BITMAP, KeyKind::kPath},
        {IDS_KEY_BALLOON_POSITION, KeyKind::kPoint},
        {IDS_KEY_BALLOON_TRANSPARENCY, KeyKind::kInteger},
        {IDS_KEY_HIGHLIGHT_BITMAP, KeyKind::kPath},
        {IDS_KEY_HIGHLIGHT_POSITION, KeyKind::kPoint},
        {IDS_KEY_HIGHLIGHT_TRANSPARENCY, KeyKind::kInteger},
        {IDS_KEY_SOUND, KeyKind::kPath},
        {IDS_KEY_LABEL, KeyKind::kText},
    };
    const KeyReads action = ActionRecordKeys();
    keys.insert(keys.end(), action.begin(), action.end());
    return keys;
}

const std::string& SpokenName(const RegionSpec& region) {
    return region.label ? *region.label : region.name;
}

std::optional<ScreenSection> LoadScreenSection(const IniReader& ini, const std::string& screenName,
                                               const ModelContext& context) {
    const SectionKeys keys(ini.Section(context.text(IDS_SECTION_SCREEN) + screenName), context);
    std::optional<StringList> regionNames = keys.List(IDS_KEY_REGION_NAMES);
    std::optional<std::string> background = keys.Path(IDS_KEY_BITMAP);
    if (!regionNames || regionNames->empty() || !background) {
        return std::nullopt;
    }
    ScreenSection screen;
    screen.name = screenName;
    screen.description = keys.Text(IDS_KEY_DESCRIPTION).value_or(std::string());
    screen.background = std::move(*background);
    screen.regionNames = std::move(*regionNames);
    return screen;
}

KeyReads ScreenSectionKeys() {
    return {
        {IDS_KEY_REGION_NAMES, KeyKind::kList},
        {IDS_KEY_BITMAP, KeyKind::kPath},
        {IDS_KEY_DESCRIPTION, KeyKind::kText},
    };
}

std::optional<ScreenModel> LoadScreenModel(const IniReader& ini, const std::string& screenName,
                                           const ModelContext& context) {
    std::optional<ScreenSection> section = LoadScreenSection(ini, screenName, context);
    if (!section) {
        return std::nullopt;
    }
    ScreenModel screen;
    screen.name = std::move(section->name);
    screen.description = std::move(section->description);
    screen.background = std::move(section->background);
    screen.regions.reserve(section->regionNames.size());
    for (const std::string& regionName : section->regionNames) {
        screen.regions.push_back(LoadRegionSpec(ini, screenName, regionName, context));
    }
    return screen;
}

}  // namespace lumora
