#include "screens/accessible_screen.h"

#include <algorithm>

#include "actions/action_table.h"

namespace lumora {

ReaderFacts DescribeForReaders(const RegionSpec& region,
                               const std::optional<std::string>& launchData) {
    ReaderFacts facts;
    facts.name = SpokenName(region);
    facts.description = DescribeAction(region.action, launchData);
    facts.role = RoleOf(region.action);
    facts.bounds = ShapeBounds(region.shape);
    return facts;
}

ReaderRole RoleOf(const ActionRecord& action) {
    const ActionInfo* found = action.launchFunc ? FindAction(*action.launchFunc) : nullptr;
    if (!found) {
        return ReaderRole::kStaticText;
    }
    return found->code == ActionCode::kMenu ? ReaderRole::kButtonMenu : ReaderRole::kPushButton;
}

PixelRect ShapeBounds(const std::vector<Point>& shape) {
    // Fewer than three points make no shape.
    if (shape.size() < 3) {
        return PixelRect{};
    }
    PixelRect bounds{shape.front().x, shape.front().y, shape.front().x, shape.front().y};
    for (const Point& p : shape) {
        bounds.left = std::min(bounds.left, p.x);
        bounds.top = std::min(bounds.top, p.y);
        bounds.right = std::max(bounds.right, p.x);
        bounds.bottom = std::max(bounds.bottom, p.y);
    }
    return bounds;
}

bool HasWord(std::string_view text) {
    int run = 0;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        const bool letter =
            byte >= 0x80 || (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z');
        run = letter ? run + 1 : 0;
        if (run == 2) {
            return true;
        }
    }
    return false;
}

const std::string& ScreenSpokenName(const std::string& description,
                                    const std::string& programTitle) {
    return description.empty() ? programTitle : description;
}

int AccessibleScreen::RegionOf(long child) const {
    return IsChild(child) ? hover_.focusableRegions()[static_cast<size_t>(child - 1)] : -1;
}

long AccessibleScreen::ChildOf(int region) const {
    const std::vector<int>& regions = hover_.focusableRegions();
    const auto at = std::lower_bound(regions.begin(), regions.end(), region);
    return at != regions.end() && *at == region ? static_cast<long>(at - regions.begin()) + 1
                                                : kChildSelf;
}

unsigned AccessibleScreen::StateOf(long child, bool windowFocused) const {
    unsigned state = kReaderFocusable;
    if (child == FocusedChild(windowFocused)) {
        state |= kReaderFocused;
    }
    const int region = RegionOf(child);
    if (region != -1 && region == hover_.hoverRegion()) {
        state |= kReaderHotTracked;
    }
    return state;
}

long AccessibleScreen::FocusedChild(bool windowFocused) const {
    return windowFocused ? ChildOf(hover_.focusRegion()) : kNoChild;
}

long AccessibleScreen::Navigate(long from, ReaderNavigation direction) const {
    const bool backward =
        direction == ReaderNavigation::kPrevious || direction == ReaderNavigation::kLastChild;
    if (from == kChildSelf) {
        if (direction != ReaderNavigation::kFirstChild &&
            direction != ReaderNavigation::kLastChild) {
            return kNoChild;
        }
        const int region = hover_.NextFocusable(-1, backward);
        return region == -1 ? kNoChild : ChildOf(region);
    }
    const int region = RegionOf(from);
    if (region == -1 ||
        (direction != ReaderNavigation::kNext && direction != ReaderNavigation::kPrevious)) {
        return kNoChild;
    }
    // Tab goes round from the last region to the first; a reader's walk ends there.
    const int next = hover_.NextFocusable(region, backward);
    const bool wrapped = backward ? next >= region : next <= region;
    return wrapped ? kNoChild : ChildOf(next);
}

ReaderNotices AccessibleScreen::Changes(const ReaderMark& told, bool windowFocused) const {
    ReaderNotices notices;
    const ReaderMark now = Mark();
    if (now.hover != told.hover) {
        for (int region : {told.hover, now.hover}) {
            const long child = ChildOf(region);
            if (child != kChildSelf) {
                notices.push_back({ReaderEvent::kStateChange, child});
            }
        }
    }
    if (now.focus != told.focus && windowFocused) {
        notices.push_back({ReaderEvent::kFocus, ChildOf(now.focus)});
    }
    return notices;
}

ReaderNotices ScreenShownNotices() {
    return {{ReaderEvent::kNameChange, kChildSelf}, {ReaderEvent::kReorder, kChildSelf}};
}

}  // namespace lumora
