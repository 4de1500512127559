#include "screens/region.h"

#include <vector>

#include "actions/setup_offer.h"
#include "config/ini_store.h"
#include "config/settings.h"
#include "resource.h"

namespace lumora {
namespace {

// A path value, expanded right after it is read.
std::optional<std::string> ReadPath(const std::string& section, unsigned keyId) {
    std::optional<std::string> value = ReadSetting(section, keyId);
    if (value) {
        ExpandPathMacros(*value);
    }
    return value;
}

UniqueRgn ReadShape(const std::string& section) {
    std::optional<StringList> elements = ReadListSetting(section, IDS_KEY_SHAPE);
    if (!elements || elements->size() < 3) {
        return UniqueRgn();
    }
    std::vector<POINT> points;
    points.reserve(elements->size());
    for (const std::string& element : *elements) {
        Point p = ParsePoint(element);
        points.push_back(POINT{p.x, p.y});
    }
    return UniqueRgn(::CreatePolygonRgn(points.data(), static_cast<int>(points.size()), ALTERNATE));
}

// A picture key: the bitmap object exists whenever the key does, loaded or empty.
std::unique_ptr<CDib> ReadPicture(const std::string& section, unsigned keyId) {
    std::optional<std::string> path = ReadPath(section, keyId);
    if (!path) {
        return nullptr;
    }
    auto picture = std::make_unique<CDib>();
    picture->Load(*path);
    return picture;
}

Point ReadPoint(const std::string& section, unsigned keyId) {
    std::optional<std::string> value = ReadSetting(section, keyId);
    return value ? ParsePoint(*value) : Point{};
}

int ReadTransparency(const std::string& section, unsigned keyId) {
    int value = ReadIntSetting(section, keyId);
    return value == kSettingAbsent ? -1 : value;
}

bool ReadPositiveFlag(const std::string& section, unsigned keyId) {
    return ReadIntSetting(section, keyId) > 0;
}

}  // namespace

CRegion LoadRegionRecord(const std::string& screenName, const std::string& regionName) {
    const std::string section = SectionName(screenName, IDS_SECTION_REGION, regionName);
    CRegion region;
    region.name = regionName;
    region.shape = ReadShape(section);
    region.balloon = ReadPicture(section, IDS_KEY_BALLOON_BITMAP);
    region.balloonPos = ReadPoint(section, IDS_KEY_BALLOON_POSITION);
    region.balloonTransparency = ReadTransparency(section, IDS_KEY_BALLOON_TRANSPARENCY);
    region.highlight = ReadPicture(section, IDS_KEY_HIGHLIGHT_BITMAP);
    region.highlightPos = ReadPoint(section, IDS_KEY_HIGHLIGHT_POSITION);
    region.highlightTransparency = ReadTransparency(section, IDS_KEY_HIGHLIGHT_TRANSPARENCY);
    region.sound = ReadPath(section, IDS_KEY_SOUND);
    region.launchScreenReq = ReadListSetting(section, IDS_KEY_LAUNCH_SCREEN_REQ);
    region.launchReq = ReadListSetting(section, IDS_KEY_LAUNCH_REQ);
    region.launchOnReq = ReadPositiveFlag(section, IDS_KEY_LAUNCH_ON_REQ);
    region.launchLong = ReadPositiveFlag(section, IDS_KEY_LAUNCH_LONG);
    region.launchFunc = ReadSetting(section, IDS_KEY_LAUNCH_FUNC);
    region.launchData = ReadPath(section, IDS_KEY_LAUNCH_DATA);
    if (!region.launchData) {
        // Only a region without launch data asks where the application's setup recorded it.
        region.launchData = ResolveLaunchData(section);
    }
    region.setupReq = ReadListSetting(section, IDS_KEY_SETUP_REQ);
    region.setupFunc = ReadSetting(section, IDS_KEY_SETUP_FUNC);
    region.setupData = ReadPath(section, IDS_KEY_SETUP_DATA);
    region.setupDesc = ReadSetting(section, IDS_KEY_SETUP_DESC);
    int exitDuringSetup = ReadIntSetting(section, IDS_KEY_EXIT_DURING_SETUP);
    region.exitDuringSetup = exitDuringSetup != 0 && exitDuringSetup != kSettingAbsent;
    region.splash = ReadListSetting(section, IDS_KEY_SPLASH);
    if (region.splash) {
        ExpandPathMacros(region.splash->front());
    }
    region.launchDir = ReadPath(section, IDS_KEY_LAUNCH_DIR);
    return region;
}

}  // namespace lumora
