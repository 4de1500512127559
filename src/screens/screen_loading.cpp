// Loading a screen into the screen window, and its region array.
#include "config/private_profile_reader.h"
#include "config/program_model_context.h"
#include "config/settings.h"
#include "resource.h"
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
    screenName_ = name;
    // A screen that fails to load must not keep the previous screen's title.
    description_.clear();
    // One section read for the screen and one per region.
    std::optional<ScreenModel> screen =
        LoadScreenModel(PrivateProfileReader(), name, ProgramModelContext());
    if (!screen || !BuildRegions(screen->regions)) {
        return FALSE;
    }
    // The background makes its own palette; the canvas borrows it.
    if (!background_.Load(screen->background) || !canvas_.CopyFrom(background_)) {
        ReleaseScreen();
        return FALSE;
    }
    description_ = screen->description;

    RECT placed{0, 0, background_.width(), background_.height()};
    if (Settings().blackMat) {
        ::OffsetRect(&placed, (::GetSystemMetrics(SM_CXSCREEN) - background_.width()) >> 1,
                     (::GetSystemMetrics(SM_CYSCREEN) - background_.height()) >> 1);
    }
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

BOOL CScreenWindow::BuildRegions(const std::vector<RegionSpec>& specs) {
    if (specs.empty()) {
        return FALSE;
    }
    regions_.clear();
    regions_.reserve(specs.size());
    // A region whose keys are missing or broken still takes its slot.
    for (const RegionSpec& spec : specs) {
        regions_.push_back(BuildRegion(spec));
    }
    return TRUE;
}

void CScreenWindow::FreeRegions() {
    regions_.clear();
}

const CRegion* CScreenWindow::region(int index) const {
    return IsRegion(index) ? &regions_[static_cast<size_t>(index)] : nullptr;
}

CRegion* CScreenWindow::region(int index) {
    return IsRegion(index) ? &regions_[static_cast<size_t>(index)] : nullptr;
}

int CScreenWindow::HitTest(POINT point) const {
    // The first region in list order wins where shapes overlap.
    for (int i = 0; i < regionCount(); ++i) {
        const UniqueRgn& shape = regions_[static_cast<size_t>(i)].shape;
        if (shape && ::PtInRegion(shape.get(), point.x, point.y)) {
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
    *record = CRegion{};
    *record = LoadRegionRecord(screenName_, name);
}

BOOL CScreenWindow::DestroyWindow() {
    if (!exists()) {
        return FALSE;
    }
    FillBackground();
    return ::DestroyWindow(hwnd());
}

}  // namespace lumora
