#include "page_screen.h"

#include "imaging/double_size.h"
#include "imaging/pixel_scale.h"
#include "polygon_mask.h"
#include "screens/region_hit.h"

namespace lumora::disc {

bool PagePicture::EnsureTwin() {
    if (twin || image.empty()) {
        return true;
    }
    DibImage doubled;
    if (!DoubleImage(image, doubled)) {
        return false;
    }
    twin = std::move(doubled);
    return true;
}

std::unique_ptr<PageScreen> PageScreen::Load(const PageDisc& disc, const std::string& name) {
    if (!disc.ini) {
        return nullptr;
    }
    std::optional<ScreenSection> section = LoadScreenSection(*disc.ini, name, disc.context);
    if (!section) {
        return nullptr;
    }
    auto screen = std::make_unique<PageScreen>(disc);
    // The background is its own picture, not one of the regions' shared ones.
    screen->background_ = std::make_shared<PagePicture>();
    const PageFile* file = disc.files.Find(section->background);
    if (!file || !screen->background_->image.LoadBytes(file->bytes.data(), file->bytes.size())) {
        return nullptr;
    }
    screen->name_ = name;
    screen->description_ = std::move(section->description);
    screen->backgroundPath_ = std::move(section->background);
    screen->regionNames_ = std::move(section->regionNames);
    return screen;
}

const PageRegion* PageScreen::region(int index) const {
    return index >= 0 && index < regionCount() ? &regions_[static_cast<size_t>(index)] : nullptr;
}

int PageScreen::HitTest(int x, int y) const {
    return FirstRegionHit(regionCount(), [&](int i) {
        const std::vector<Point>& shape = regions_[static_cast<size_t>(i)].described.shape;
        return !shape.empty() && PolygonCovers(shape, x, y);
    });
}

std::shared_ptr<PagePicture> PageScreen::Picture(const std::optional<std::string>& path) {
    if (!path) {
        return nullptr;
    }
    const PageFile* file = disc_.files.Find(*path);
    if (auto found = pictures_.find(file); file && found != pictures_.end()) {
        return found->second.second;
    }
    auto picture = std::make_shared<PagePicture>();
    // A file that is missing or refused gives an empty picture of its own each time.
    if (file && picture->image.LoadBytes(file->bytes.data(), file->bytes.size())) {
        if (lookForDoubleSizes_) {
            LoadTwin(*picture, *path);
        }
        pictures_.emplace(file, std::make_pair(*path, picture));
    }
    return picture;
}

void PageScreen::LoadTwin(PagePicture& picture, const std::string& path) const {
    picture.twin.reset();
    picture.authorsTwin = false;
    const PageFile* file = disc_.files.Find(DoubleSizePath(path));
    DibImage twin;
    if (file && !picture.image.empty() && twin.LoadBytes(file->bytes.data(), file->bytes.size()) &&
        CheckDoubleSize(picture.image, twin) == DoubleSizeFault::kNone) {
        picture.twin = std::move(twin);
        picture.authorsTwin = true;
    }
}

void PageScreen::ReadRegions() {
    regions_.clear();
    for (const std::string& regionName : regionNames_) {
        // A region whose keys are missing or broken still takes its slot.
        PageRegion region{LoadRegionSpec(*disc_.ini, name_, regionName, disc_.context), nullptr,
                          nullptr};
        region.highlight = Picture(region.described.highlight.path);
        region.balloon = Picture(region.described.balloon.path);
        regions_.push_back(std::move(region));
    }
}

std::vector<HoverRegionFacts> PageScreen::RegionFacts() const {
    std::vector<HoverRegionFacts> facts;
    for (const PageRegion& r : regions_) {
        facts.push_back({!r.described.shape.empty(), r.highlight != nullptr, r.balloon != nullptr});
    }
    return facts;
}

bool PageScreen::AnyAuthorsDoubleSize() const {
    bool any = background_->authorsTwin;
    for (const PageRegion& r : regions_) {
        any = any || (r.highlight && r.highlight->authorsTwin) ||
              (r.balloon && r.balloon->authorsTwin);
    }
    return any;
}

int PageScreen::BuildCanvas(int artScale) {
    if (artScale == 2) {
        // Pictures without an author's 2x picture are doubled, once, for the 2x canvas.
        bool doubled = background_->EnsureTwin();
        for (const PageRegion& r : regions_) {
            for (PagePicture* p : {r.highlight.get(), r.balloon.get()}) {
                doubled = doubled && (!p || p->EnsureTwin());
            }
        }
        artScale = doubled ? 2 : 1;
    }
    if (!canvas_.CopyFrom(background_->Art(artScale))) {
        canvas_.Free();
    }
    return artScale;
}

SessionCommands PageScreen::Carry(const SessionCommand& command, ScreenSession& session) {
    switch (command.action) {
        case SessionAction::kReadRegions:
            ReadRegions();
            session.RegionsRead(RegionFacts());
            break;
        case SessionAction::kLookForDoubleSizes:
            lookForDoubleSizes_ = true;
            LoadTwin(*background_, backgroundPath_);
            for (auto& [file, picture] : pictures_) {
                LoadTwin(*picture.second, picture.first);
            }
            break;
        case SessionAction::kBuildCanvas:
            session.CanvasBuilt(BuildCanvas(command.artScale));
            break;
        case SessionAction::kDoubleRegionPictures:
            if (const PageRegion* r = region(command.region)) {
                for (PagePicture* p : {r->highlight.get(), r->balloon.get()}) {
                    if (p) {
                        p->EnsureTwin();
                    }
                }
            }
            break;
        default:
            // Regions are read again only after a setup, which the page never runs.
            break;
    }
    return {};
}

void PageScreen::Carry(const HoverCommand& command, int artScale) {
    const PageRegion* r = region(command.region);
    const bool highlight = command.action == HoverAction::kPlaceHighlight ||
                           command.action == HoverAction::kRestoreHighlight;
    const PagePicture* picture = !r ? nullptr : highlight ? r->highlight.get() : r->balloon.get();
    if (!picture) {
        return;
    }
    const RegionPicture& where = highlight ? r->described.highlight : r->described.balloon;
    const DibImage& drawn = picture->Art(artScale);
    const int x = ToWindowCoordinate(where.position.x, artScale);
    const int y = ToWindowCoordinate(where.position.y, artScale);
    if (command.action == HoverAction::kPlaceHighlight ||
        command.action == HoverAction::kPlaceBalloon) {
        canvas_.Compose(drawn, x, y, where.transparency);
    } else {
        const PixelRect area = PlacedRect(x, y, drawn.width(), drawn.height());
        canvas_.Compose(background_->Art(artScale), 0, 0, -1, &area);
    }
}

}  // namespace lumora::disc
