#include "screens/region.h"

#include <vector>

#include "actions/setup_offer.h"
#include "config/ini_store.h"
#include "config/settings.h"
#include "resource.h"

namespace lumora {
namespace {

// A path value, expanded right after it is read.
std::optional<std::string> ReadPath(const SectionReader& section, unsigned keyId) {
    std::optional<std::string> value = section.Read(keyId);
    if (value) {
        ExpandPathMacros(*value);
    }
    return value;
}

UniqueRgn ReadShape(const SectionReader& section) {
    std::optional<StringList> elements = section.ReadList(IDS_KEY_SHAPE);
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
std::unique_ptr<CDib> ReadPicture(const SectionReader& section, unsigned keyId) {
    std::optional<std::string> path = ReadPath(section, keyId);
    if (!path) {
        return nullptr;
    }
    auto picture = std::make_unique<CDib>();
    picture->Load(*path);
    return picture;
}

Point ReadPoint(const SectionReader& section, unsigned keyId) {
    std::optional<std::string> value = section.Read(keyId);
    return value ? ParsePoint(*value) : Point{};
}

int ReadTransparency(const SectionReader& section, unsigned keyId) {
    int value = section.ReadInt(keyId);
    return value == kSettingAbsent ? -1 : value;
}

bool ReadPositiveFlag(const SectionReader& section, unsigned keyId) {
    return section.ReadInt(keyId) > 0;
}

}  // namespace

CRegion LoadRegionRecord(const std::string& screenName, const std::string& regionName) {
    const std::string sectionName = SectionName(screenName, IDS_SECTION_REGION, regionName);
    // One read of the section serves all its keys: a screen of many regions loads quickly.
    const SectionReader section(sectionName);
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
    region.launchScreenReq = section.ReadList(IDS_KEY_LAUNCH_SCREEN_REQ);
    region.launchReq = section.ReadList(IDS_KEY_LAUNCH_REQ);
    region.launchOnReq = ReadPositiveFlag(section, IDS_KEY_LAUNCH_ON_REQ);
    region.launchLong = ReadPositiveFlag(section, IDS_KEY_LAUNCH_LONG);
    region.launchFunc = section.Read(IDS_KEY_LAUNCH_FUNC);
    region.launchData = ReadPath(section, IDS_KEY_LAUNCH_DATA);
    if (!region.launchData) {
        // Only a region without launch data asks where the application's setup recorded it.
        region.launchData = ResolveLaunchData(sectionName);
    }
    region.setupReq = section.ReadList(IDS_KEY_SETUP_REQ);
    region.setupFunc = section.Read(IDS_KEY_SETUP_FUNC);
    region.setupData = ReadPath(section, IDS_KEY_SETUP_DATA);
    region.setupDesc = section.Read(IDS_KEY_SETUP_DESC);
    int exitDuringSetup = section.ReadInt(IDS_KEY_EXIT_DURING_SETUP);
    region.exitDuringSetup = exitDuringSetup != 0 && exitDuringSetup != kSettingAbsent;
    region.splash = section.ReadList(IDS_KEY_SPLASH);
    if (region.splash) {
        ExpandPathMacros(region.splash->front());
    }
    region.launchDir = ReadPath(section, IDS_KEY_LAUNCH_DIR);
    return region;
}

}  // namespace lumora
