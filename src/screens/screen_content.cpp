#include "screens/screen_content.h"

#include "config/program_model_context.h"
#include "imaging/pixel_scale.h"
#include "imaging/rect_conversion.h"
#include "screens/region_hit.h"
#include "screens/screen_model.h"

namespace lumora {

std::unique_ptr<ScreenContent> ScreenContent::Load(const std::string& name, ScreenStore& store) {
    store.CheckIniFile();
    std::optional<ScreenSection> section =
        LoadScreenSection(store.ini(), name, ProgramModelContext());
    if (!section) {
        return nullptr;
    }
    auto content = std::make_unique<ScreenContent>();
    content->description_ = std::move(section->description);
    content->regionNames_ = std::move(section->regionNames);
    // The background makes its own palette; the canvas borrows it.
    content->background_ = store.pictures().Get(section->background, false);
    if (content->background_->empty()) {
        return nullptr;
    }
    content->store_ = &store;
    content->name_ = name;
    return content;
}

const CDib& ScreenContent::background() const {
    static const CDib none;
    return background_ ? *background_ : none;
}

void ScreenContent::ReadRegions() {
    regions_.clear();
    regions_.reserve(regionNames_.size());
    // A region whose keys are missing or broken still takes its slot.
    for (const std::string& regionName : regionNames_) {
        regions_.push_back(LoadRegionRecord(store_->ini(), name_, regionName, store_->pictures(),
                                            lookForDoubleSizes_));
    }
}

const CRegion* ScreenContent::region(int index) const {
    return index >= 0 && index < regionCount() ? &regions_[static_cast<size_t>(index)] : nullptr;
}

CRegion* ScreenContent::region(int index) {
    return index >= 0 && index < regionCount() ? &regions_[static_cast<size_t>(index)] : nullptr;
}

std::vector<HoverRegionFacts> ScreenContent::RegionFacts() const {
    std::vector<HoverRegionFacts> facts;
    facts.reserve(regions_.size());
    for (const CRegion& r : regions_) {
        facts.push_back(HoverRegionFacts{static_cast<bool>(r.shape), r.highlight != nullptr,
                                         r.balloon != nullptr});
    }
    return facts;
}

int ScreenContent::HitTest(int x, int y) const {
    return FirstRegionHit(regionCount(), [&](int i) {
        const UniqueRgn& shape = regions_[static_cast<size_t>(i)].shape;
        return shape && ::PtInRegion(shape.get(), x, y);
    });
}

LaunchTarget ScreenContent::TargetOf(int index) {
    LaunchTarget target;
    const CRegion* found = region(index);
    if (!found || !found->name) {
        return target;
    }
    target.entry = LaunchEntry{found->action, found->discDrive};
    target.alive = Watch();
    target.storeDiscDrive = [this, index](int drive) {
        if (CRegion* stored = region(index)) {
            stored->discDrive = drive;
        }
    };
    return target;
}

void ScreenContent::RereadRegion(int index) {
    CRegion* record = region(index);
    if (!record || !record->name) {
        return;
    }
    const std::string name = *record->name;
    // Its launch data afresh from the registry, and what the setup changed on disc: the store
    // reads a changed INI file or picture anew.
    *record = CRegion{};
    store_->CheckIniFile();
    *record = LoadRegionRecord(store_->ini(), name_, name, store_->pictures(), lookForDoubleSizes_);
}

std::vector<ActionRecord> ScreenContent::RegionActions() const {
    std::vector<ActionRecord> actions;
    actions.reserve(regions_.size());
    for (const CRegion& r : regions_) {
        actions.push_back(r.action);
    }
    return actions;
}

void ScreenContent::LookForDoubleSizes() {
    // For what is held now; what is read later brings its own.
    lookForDoubleSizes_ = true;
    PictureCache& pictures = store_->pictures();
    pictures.LookForDoubleSize(background_.get());
    for (const CRegion& r : regions_) {
        pictures.LookForDoubleSize(r.highlight.get());
        pictures.LookForDoubleSize(r.balloon.get());
    }
}

bool ScreenContent::AnyAuthorsDoubleSize() const {
    auto authors = [](const std::shared_ptr<const CDib>& p) {
        return p && p->hasAuthorsDoubleSize();
    };
    bool any = background_->hasAuthorsDoubleSize();
    for (const CRegion& r : regions_) {
        any = any || authors(r.highlight) || authors(r.balloon);
    }
    return any;
}

int ScreenContent::BuildCanvas(int artScale) {
    if (artScale == 2) {
        // Pictures without an author's 2x picture are doubled, once, for the 2x canvas.
        bool doubled = background_->EnsureDoubleSize() != FALSE;
        for (const CRegion& r : regions_) {
            for (const CDib* p : {r.highlight.get(), r.balloon.get()}) {
                doubled = doubled && (!p || p->empty() || p->EnsureDoubleSize());
            }
        }
        artScale = doubled ? 2 : 1;
    }
    if (!canvas_.CopyFrom(Art(*background_, artScale))) {
        canvas_.Free();
    }
    return artScale;
}

void ScreenContent::DoubleRegionPictures(int index) {
    if (const CRegion* r = region(index)) {
        for (const CDib* picture : {r->highlight.get(), r->balloon.get()}) {
            if (picture && !picture->empty()) {
                picture->EnsureDoubleSize();
            }
        }
    }
}

SessionCommands ScreenContent::Carry(const SessionCommand& command, ScreenSession& session) {
    switch (command.action) {
        case SessionAction::kReadRegions:
            ReadRegions();
            return session.RegionsRead(RegionFacts());
        case SessionAction::kLookForDoubleSizes:
            LookForDoubleSizes();
            break;
        case SessionAction::kBuildCanvas:
            session.CanvasBuilt(BuildCanvas(command.artScale));
            break;
        case SessionAction::kDoubleRegionPictures:
            DoubleRegionPictures(command.region);
            break;
        case SessionAction::kReadRegion:
            if (region(command.region)) {
                RereadRegion(command.region);
                return session.RegionReread(command.region,
                                            RegionFacts()[static_cast<size_t>(command.region)],
                                            AnyAuthorsDoubleSize());
            }
            break;
        default:
            break;
    }
    return {};
}

void ScreenContent::Carry(const HoverCommand& command, int artScale) {
    const CRegion* r = region(command.region);
    if (!r) {
        return;
    }
    const bool highlight = command.action == HoverAction::kPlaceHighlight ||
                           command.action == HoverAction::kRestoreHighlight;
    const std::shared_ptr<const CDib>& picture = highlight ? r->highlight : r->balloon;
    if (!picture) {
        return;
    }
    const Point position = highlight ? r->highlightPos : r->balloonPos;
    if (command.action == HoverAction::kPlaceHighlight ||
        command.action == HoverAction::kPlaceBalloon) {
        Place(*picture, position, highlight ? r->highlightTransparency : r->balloonTransparency,
              artScale);
    } else {
        Restore(*picture, position, artScale);
    }
}

const CDib& ScreenContent::Art(const CDib& picture, int artScale) const {
    const CDib* twin = picture.doubleSize();
    return artScale == 2 && twin ? *twin : picture;
}

void ScreenContent::Place(const CDib& picture, Point position, int transparency, int artScale) {
    canvas_.Compose(Art(picture, artScale), ToWindowCoordinate(position.x, artScale),
                    ToWindowCoordinate(position.y, artScale), transparency);
}

void ScreenContent::Restore(const CDib& picture, Point position, int artScale) {
    const CDib& drawn = Art(picture, artScale);
    const RECT area =
        ToRect(PlacedRect(ToWindowCoordinate(position.x, artScale),
                          ToWindowCoordinate(position.y, artScale), drawn.width(), drawn.height()));
    canvas_.Compose(Art(*background_, artScale), 0, 0, -1, &area);
}

}  // namespace lumora
