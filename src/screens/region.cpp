#include "screens/region.h"

#include <vector>

#include "actions/launch_data_registry.h"
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
std::shared_ptr<const CDib> LoadPicture(const RegionPicture& picture, PictureCache& pictures,
                                        bool withDoubleSizes) {
    return picture.path ? pictures.Get(*picture.path, withDoubleSizes) : nullptr;
}

// The record of a region as its section describes it.
CRegion BuildRegion(const RegionSpec& described, PictureCache& pictures, bool withDoubleSizes) {
    CRegion region;
    region.name = described.name;
    region.shape = MakeShape(described.shape);
    region.balloon = LoadPicture(described.balloon, pictures, withDoubleSizes);
    region.balloonPos = described.balloon.position;
    region.balloonTransparency = described.balloon.transparency;
    region.highlight = LoadPicture(described.highlight, pictures, withDoubleSizes);
    region.highlightPos = described.highlight.position;
    region.highlightTransparency = described.highlight.transparency;
    region.sound = described.sound;
    region.action = described.action;
    if (!region.action.launchData && region.action.registry) {
        // Only a region without launch data asks where the application's setup recorded it.
        region.action.launchData = ResolveLaunchData(*region.action.registry);
    }
    region.reader = DescribeForReaders(described, region.action.launchData);
    return region;
}

}  // namespace

CRegion LoadRegionRecord(const IniReader& ini, const std::string& screenName,
                         const std::string& regionName, PictureCache& pictures,
                         bool withDoubleSizes) {
    return BuildRegion(LoadRegionSpec(ini, screenName, regionName, ProgramModelContext()), pictures,
                       withDoubleSizes);
}

}  // namespace lumora
