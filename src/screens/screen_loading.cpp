// Loading a screen into the screen window, and its region array.
#include <utility>

#include "config/private_profile_reader.h"
#include "config/program_model_context.h"
#include "imaging/pixel_scale.h"
#include "resource.h"
#include "screens/screen_place.h"
#include "screens/screen_window.h"
#include "win/resource_string.h"

namespace lumora {

CScreenWindow::CScreenWindow()
    : hotCursor_(::LoadCursorA(ProgramInstance(), MAKEINTRESOURCEA(IDC_HOT_HAND))) {}

BOOL CScreenWindow::LoadScreen(HWND parent, const std::string& name) {
    const std::string className = ResourceString(IDS_MAIN_WINDOW_CLASS);
    if (className.empty() || !parent) {
        return FALSE;
    }
    // The previous screen went with its window; a screen that fails to load leaves none.
    shown_ = std::make_unique<ShownScreen>();
    shown_->name = name;
    std::optional<ScreenSection> screen =
        LoadScreenSection(PrivateProfileReader(), name, ProgramModelContext());
    if (!screen) {
        ReleaseScreen();
        return FALSE;
    }
    shown_->regionNames = std::move(screen->regionNames);
    // At an even scale the regions' 2x pictures decide the canvas, so they are read first.
    if (scale_ % 2 == 0) {
        ReadRegions();
    }
    // The background makes its own palette; the canvas borrows it.
    CDib& background = shown_->background;
    if (!background.Load(screen->background)) {
        ReleaseScreen();
        return FALSE;
    }
    shown_->backgroundPath = screen->background;
    LookForDoubleSizes();
    if (!BuildCanvas()) {
        ReleaseScreen();
        return FALSE;
    }
    shown_->description = screen->description;

    const RECT placed = ScreenWindowPlace(background.width(), background.height(), scale_);
    if (!CreateEx(0, className.c_str(), nullptr, WS_CHILD | WS_VISIBLE, placed.left, placed.top,
                  placed.right - placed.left, placed.bottom - placed.top, parent,
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(kChildId)))) {
        // No window, so no WM_DESTROY: let go of the screen here, or its picture would still
        // decide the layout.
        ReleaseScreen();
        return FALSE;
    }
    return TRUE;
}

void CScreenWindow::ReadRegions() {
    if (!shown_ || shown_->regionsRead) {
        return;
    }
    shown_->regionsRead = true;
    std::vector<CRegion>& regions = shown_->regions;
    regions.reserve(shown_->regionNames.size());
    // A region whose keys are missing or broken still takes its slot.
    for (const std::string& regionName : shown_->regionNames) {
        regions.push_back(LoadRegionRecord(shown_->name, regionName, shown_->pictures));
    }
    // The screen starts with nothing hovered or pressed, so that a pointer resting over a
    // region highlights it at its first move.
    shown_->hover.ShowScreen(RegionFacts());
}

void CScreenWindow::ReleaseScreen() {
    shown_.reset();
}

const CDib& CScreenWindow::background() const {
    static const CDib none;
    return shown_ ? shown_->background : none;
}

const CDib& CScreenWindow::canvas() const {
    static const CDib none;
    return shown_ ? shown_->canvas : none;
}

const std::string& CScreenWindow::description() const {
    static const std::string none;
    return shown_ ? shown_->description : none;
}

const std::string& CScreenWindow::screenName() const {
    static const std::string none;
    return shown_ ? shown_->name : none;
}

int CScreenWindow::regionCount() {
    ReadRegions();
    return LoadedRegionCount();
}

CRegion* CScreenWindow::region(int index) {
    ReadRegions();
    return LoadedRegion(index);
}

const CRegion* CScreenWindow::LoadedRegion(int index) const {
    return index >= 0 && index < LoadedRegionCount() ? &shown_->regions[static_cast<size_t>(index)]
                                                     : nullptr;
}

CRegion* CScreenWindow::LoadedRegion(int index) {
    return const_cast<CRegion*>(std::as_const(*this).LoadedRegion(index));
}

int CScreenWindow::HitTest(POINT point) {
    // The shapes stay in picture pixels; the whole block of a picture pixel hits as it does.
    const int x = ToPictureCoordinate(point.x, scale_);
    const int y = ToPictureCoordinate(point.y, scale_);
    // The first region in list order wins where shapes overlap.
    for (int i = 0; i < regionCount(); ++i) {
        const UniqueRgn& shape = shown_->regions[static_cast<size_t>(i)].shape;
        if (shape && ::PtInRegion(shape.get(), x, y)) {
            return i;
        }
    }
    return -1;
}

void CScreenWindow::ReloadRegion(int index) {
    CRegion* record = region(index);
    if (!record || !record->name) {
        return;
    }
    const std::string name = *record->name;
    // What the region shows was placed from its old pictures and comes off with them; the new
    // ones go where the hover machine still has them shown.
    const bool highlightShown = shown_->hover.highlightRegion() == index;
    const bool balloonShown = shown_->hover.balloonRegion() == index;
    if (balloonShown && record->balloon) {
        RestorePicture(*record->balloon, record->balloonPos);
    }
    if (highlightShown && record->highlight) {
        RestorePicture(*record->highlight, record->highlightPos);
    }
    *record = CRegion{};
    *record = LoadRegionRecord(shown_->name, name, shown_->pictures);
    // On a canvas of 2x pictures the region's new pictures are drawn at 2x too; a new 2x
    // sibling may turn the canvas into one.
    if (ArtScaleFor(scale_) != shown_->artScale) {
        BuildCanvas();
    } else if (shown_->artScale == 2) {
        for (const CDib* picture : {record->highlight.get(), record->balloon.get()}) {
            if (picture && !picture->empty()) {
                picture->EnsureDoubleSize();
            }
        }
    }
    if (highlightShown && record->highlight) {
        PlacePicture(*record->highlight, record->highlightPos, record->highlightTransparency);
    }
    if (balloonShown && record->balloon) {
        PlacePicture(*record->balloon, record->balloonPos, record->balloonTransparency);
    }
    DrawCanvasChanges();
    // The hover machine decides with what the region has now.
    shown_->hover.UpdateRegion(index, RegionFacts()[static_cast<size_t>(index)]);
}

BOOL CScreenWindow::DestroyWindow() {
    if (!exists()) {
        return FALSE;
    }
    FillBackground();
    return ::DestroyWindow(hwnd());
}

}  // namespace lumora
