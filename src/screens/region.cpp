#include "screens/region.h"

#include <vector>

#include "actions/setup_offer.h"
#include "config/private_profile_reader.h"
#include "config/program_model_context.h"

namespace lumora {
namespace {

UniqueRgn MakeShape(const std::vector<Point>& outline) {
    if (outline.size() < 3) {
        return UniqueRgn();
    }
    std::vector<POINT> points;
    points.reserve(outline.size());
    for (const Point& p : outline) {
        points.push_back(POINT{p.x, p.y});
    }
    return UniqueRgn(::CreatePolygonRgn(points.data(), static_cast<int>(points.size()), ALTERNATE));
}

// The bitmap object exists whenever the key does, loaded or empty.
std::unique_ptr<CDib> LoadPicture(const RegionPicture& picture) {
    if (!picture.path) {
        return nullptr;
    }
    auto bitmap = std::make_unique<CDib>();
    bitmap->Load(*picture.path);
    return bitmap;
}

}  // namespace

CRegion BuildRegion(const RegionSpec& spec) {
    CRegion region;
    region.name = spec.name;
    region.shape = MakeShape(spec.shape);
    region.balloon = LoadPicture(spec.balloon);
    region.balloonPos = spec.balloon.position;
    region.balloonTransparency = spec.balloon.transparency;
    region.highlight = LoadPicture(spec.highlight);
    region.highlightPos = spec.highlight.position;
    region.highlightTransparency = spec.highlight.transparency;
    region.sound = spec.sound;
    region.launchScreenReq = spec.launchScreenReq;
    region.launchReq = spec.launchReq;
    region.launchOnReq = spec.launchOnReq;
    region.launchLong = spec.launchLong;
    region.launchFunc = spec.launchFunc;
    region.launchData = spec.launchData;
    if (!region.launchData) {
        // Only a region without launch data asks where the application's setup recorded it.
        region.launchData = ResolveLaunchData(spec.section);
    }
    region.registry = spec.registry;
    region.setupReq = spec.setupReq;
    region.setupFunc = spec.setupFunc;
    region.setupData = spec.setupData;
    region.setupDesc = spec.setupDesc;
    region.exitDuringSetup = spec.exitDuringSetup;
    region.splash = spec.splash;
    region.launchDir = spec.launchDir;
    return region;
}

CRegion LoadRegionRecord(const std::string& screenName, const std::string& regionName) {
    return BuildRegion(
        LoadRegionSpec(PrivateProfileReader(), screenName, regionName, ProgramModelContext()));
}

}  // namespace lumora
