#include "screens/screen_model.h"

#include "resource.h"

namespace lumora {
namespace {

// One section's keys, named by string-table id.
class KeyReader {
  public:
    KeyReader(SectionEntries entries, const ModelContext& context)
        : entries_(std::move(entries)), context_(context) {}

    std::optional<std::string> Text(unsigned id) const { return entries_.Find(Key(id)); }
    int Int(unsigned id) const { return entries_.FindInt(Key(id)); }
    std::optional<StringList> List(unsigned id) const { return entries_.FindList(Key(id)); }

    // A path value, expanded right after it is read.
    std::optional<std::string> Path(unsigned id) const {
        std::optional<std::string> value = Text(id);
        if (value) {
            context_.expandPath(*value);
        }
        return value;
    }

    Point PointOrOrigin(unsigned id) const {
        std::optional<std::string> value = Text(id);
        return value ? ParsePoint(*value) : Point{};
    }

  private:
    std::string Key(unsigned id) const { return context_.text(id); }

    SectionEntries entries_;
    const ModelContext& context_;
};

std::vector<Point> ReadShape(const KeyReader& keys) {
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

RegionPicture ReadPicture(const KeyReader& keys, unsigned bitmapId, unsigned positionId,
                          unsigned transparencyId) {
    RegionPicture picture;
    picture.path = keys.Path(bitmapId);
    picture.position = keys.PointOrOrigin(positionId);
    const int transparency = keys.Int(transparencyId);
    picture.transparency = transparency == kSettingAbsent ? -1 : transparency;
    return picture;
}

std::optional<RegistrySource> ReadRegistrySource(const KeyReader& keys) {
    std::optional<std::string> key = keys.Text(IDS_KEY_REGISTRY_KEY);
    if (!key) {
        return std::nullopt;
    }
    RegistrySource source;
    source.key = std::move(*key);
    source.data = keys.Text(IDS_KEY_REGISTRY_DATA);
    source.subtract = keys.Int(IDS_KEY_REGISTRY_SUBTRACT);
    source.append = keys.Text(IDS_KEY_REGISTRY_APPEND);
    return source;
}

}  // namespace

RegionSpec LoadRegionSpec(const IniReader& ini, const std::string& screenName,
                          const std::string& regionName, const ModelContext& context) {
    RegionSpec region;
    region.name = regionName;
    region.section = screenName + context.text(IDS_SECTION_REGION) + regionName;
    // One read of the section serves all its keys: a screen of many regions loads quickly.
    const KeyReader keys(ini.Section(region.section), context);
    region.shape = ReadShape(keys);
    region.balloon = ReadPicture(keys, IDS_KEY_BALLOON_BITMAP, IDS_KEY_BALLOON_POSITION,
                                 IDS_KEY_BALLOON_TRANSPARENCY);
    region.highlight = ReadPicture(keys, IDS_KEY_HIGHLIGHT_BITMAP, IDS_KEY_HIGHLIGHT_POSITION,
                                   IDS_KEY_HIGHLIGHT_TRANSPARENCY);
    region.sound = keys.Path(IDS_KEY_SOUND);
    region.launchScreenReq = keys.List(IDS_KEY_LAUNCH_SCREEN_REQ);
    region.launchReq = keys.List(IDS_KEY_LAUNCH_REQ);
    region.launchOnReq = keys.Int(IDS_KEY_LAUNCH_ON_REQ) > 0;
    region.launchLong = keys.Int(IDS_KEY_LAUNCH_LONG) > 0;
    region.launchFunc = keys.Text(IDS_KEY_LAUNCH_FUNC);
    region.launchData = keys.Path(IDS_KEY_LAUNCH_DATA);
    if (!region.launchData) {
        // The registry keys count only for a region without launch data.
        region.registry = ReadRegistrySource(keys);
    }
    region.setupReq = keys.List(IDS_KEY_SETUP_REQ);
    region.setupFunc = keys.Text(IDS_KEY_SETUP_FUNC);
    region.setupData = keys.Path(IDS_KEY_SETUP_DATA);
    region.setupDesc = keys.Text(IDS_KEY_SETUP_DESC);
    const int exitDuringSetup = keys.Int(IDS_KEY_EXIT_DURING_SETUP);
    region.exitDuringSetup = exitDuringSetup != 0 && exitDuringSetup != kSettingAbsent;
    region.splash = keys.List(IDS_KEY_SPLASH);
    if (region.splash) {
        context.expandPath(region.splash->front());
    }
    region.launchDir = keys.Path(IDS_KEY_LAUNCH_DIR);
    return region;
}

std::optional<ScreenSection> LoadScreenSection(const IniReader& ini, const std::string& screenName,
                                               const ModelContext& context) {
    const KeyReader keys(ini.Section(context.text(IDS_SECTION_SCREEN) + screenName), context);
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
