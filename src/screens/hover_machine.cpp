#include "screens/hover_machine.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "screens/balloon_delay.h"

namespace lumora {

namespace {

HoverCommand Command(HoverAction action, int region = -1) {
    return HoverCommand{action, region, 0};
}

}  // namespace

void HoverMachine::ShowScreen(std::vector<HoverRegionFacts> regions) {
    regions_ = std::move(regions);
    ListFocusable();
    // A pointer resting over a region of the new screen highlights it at its first move.
    ForgetRegions();
}

void HoverMachine::ForgetRegions() {
    hoverRegion_ = -1;
    pressedRegion_ = -1;
    focusRegion_ = -1;
    pointerRegion_ = -1;
    highlightRegion_ = -1;
    balloonRegion_ = -1;
    balloonTimerPending_ = false;
}

void HoverMachine::UpdateRegion(int index, const HoverRegionFacts& facts) {
    if (IsRegion(index)) {
        regions_[static_cast<std::size_t>(index)] = facts;
        ListFocusable();
        // A region without a shape cannot keep the keyboard's focus: Enter would run it.
        if (index == focusRegion_ && !facts.hasShape) {
            focusRegion_ = -1;
        }
    }
}

const HoverRegionFacts* HoverMachine::Facts(int index) const {
    return IsRegion(index) ? &regions_[static_cast<std::size_t>(index)] : nullptr;
}

bool HoverMachine::IsFocusable(int index) const {
    const HoverRegionFacts* facts = Facts(index);
    return facts && facts->hasShape;
}

void HoverMachine::ListFocusable() {
    focusable_.clear();
    for (int i = 0; i < static_cast<int>(regions_.size()); ++i) {
        if (IsFocusable(i)) {
            focusable_.push_back(i);
        }
    }
}

// Pictures.

void HoverMachine::ShowHighlight(HoverCommands& out, int index, bool refresh) {
    const HoverRegionFacts* facts = Facts(index);
    const bool hasHighlight = facts && facts->hasHighlight;
    if (refresh && highlightRegion_ == index && !hasHighlight) {
        // The region was reloaded without a highlight: the one shown goes instead.
        HideHighlight(out);
        return;
    }
    // A refresh redraws the highlight shown; a first show draws one when none is shown.
    if (!hasHighlight || highlightRegion_ != (refresh ? index : -1)) {
        return;
    }
    out.push_back(Command(HoverAction::kPlaceHighlight, index));
    out.push_back(Command(HoverAction::kDrawCanvas));
    if (!refresh) {
        out.push_back(Command(HoverAction::kPlayHighlightSound));
        highlightRegion_ = index;
    }
}

void HoverMachine::HideHighlight(HoverCommands& out) {
    // What is shown is removed even if its region was reloaded without a highlight meanwhile:
    // otherwise no highlight would ever show again on this screen.
    const int shown = std::exchange(highlightRegion_, -1);
    if (shown == -1) {
        return;
    }
    out.push_back(Command(HoverAction::kRestoreHighlight, shown));
    out.push_back(Command(HoverAction::kDrawCanvas));
}

void HoverMachine::ShowBalloon(HoverCommands& out, int index) {
    const HoverRegionFacts* facts = Facts(index);
    if (!facts || !settings_.balloonHelp || !facts->hasBalloon || balloonRegion_ != -1) {
        return;
    }
    out.push_back(Command(HoverAction::kPlaceBalloon, index));
    out.push_back(Command(HoverAction::kDrawCanvas));
    out.push_back(Command(HoverAction::kPlayBalloonSound));
    balloonRegion_ = index;
}

void HoverMachine::HideBalloon(HoverCommands& out, int index) {
    if (balloonTimerPending_) {
        out.push_back(Command(HoverAction::kStopBalloonTimer));
        balloonTimerPending_ = false;
    }
    // A balloon on the window is removed even when balloons were turned off or its region was
    // reloaded without one meanwhile. While balloons are on, the area of the region's balloon is
    // restored whether or not it shows.
    const int shown = std::exchange(balloonRegion_, -1);
    const HoverRegionFacts* facts = Facts(index);
    const bool area = facts && facts->hasBalloon && settings_.balloonHelp;
    if (shown == -1 && !area) {
        return;
    }
    out.push_back(Command(HoverAction::kRestoreBalloon, shown != -1 ? shown : index));
    // With a highlight shown, the restored area waits in the dirty rectangle for the highlight's
    // own draw, which every caller follows with: a balloon that covered the highlight never
    // leaves a hole in it.
    if (highlightRegion_ == -1) {
        out.push_back(Command(HoverAction::kDrawCanvas));
    }
}

void HoverMachine::ClearHover(HoverCommands& out) {
    HideBalloon(out, hoverRegion_);
    HideHighlight(out);
    hoverRegion_ = -1;
}

void HoverMachine::StartHover(HoverCommands& out, int index) {
    hoverRegion_ = index;
    const HoverRegionFacts& facts = regions_[static_cast<std::size_t>(index)];
    if (facts.hasHighlight) {
        ShowHighlight(out, index, false);
    }
    if (!facts.hasBalloon) {
        return;
    }
    const unsigned delay = BalloonDelayMs(settings_.balloonDelay);
    if (delay > 0) {
        out.push_back(HoverCommand{HoverAction::kStartBalloonTimer, -1, delay});
        balloonTimerPending_ = true;
    } else {
        HoverCommands now = BalloonTimer();
        out.insert(out.end(), now.begin(), now.end());
    }
}

// The mouse.

HoverCommands HoverMachine::MouseMove(int hit, bool inside, bool buttonHeld, bool appActive) {
    HoverCommands out;
    if (regions_.empty() || !appActive) {
        return out;
    }
    if (!inside) {
        // The window holds the capture while the pointer is over it, so it hears of the leaving.
        out.push_back(Command(HoverAction::kReleaseMouse));
        out.push_back(Command(HoverAction::kHotCursorOff));
        ClearHover(out);
        focusRegion_ = -1;
        pointerRegion_ = -1;
        return out;
    }
    const bool pointerChangedRegion = hit != pointerRegion_;
    pointerRegion_ = hit;
    out.push_back(Command(HoverAction::kCaptureMouse));
    if (focusRegion_ != -1) {
        // The keyboard leads until the pointer moves onto a region or off the one it was on.
        if (hit == -1 && !pointerChangedRegion) {
            return out;
        }
        focusRegion_ = -1;
    }
    if (hit == hoverRegion_) {
        return out;
    }
    ClearHover(out);
    if (hit == -1) {
        out.push_back(Command(HoverAction::kHotCursorOff));
        return out;
    }
    out.push_back(Command(HoverAction::kHotCursorOn));
    // Nothing is highlighted while a button is held.
    if (buttonHeld) {
        return out;
    }
    StartHover(out, hit);
    return out;
}

HoverCommands HoverMachine::LeftButtonDown(int hit, bool rightButtonHeld) {
    // A press outside every region leaves the pressed region as it was.
    if (!rightButtonHeld && IsRegion(hit)) {
        pressedRegion_ = hit;
    }
    return {};
}

HoverCommands HoverMachine::LeftButtonUp(int hit) {
    HoverCommands out;
    HideBalloon(out, hoverRegion_);
    ShowHighlight(out, hoverRegion_, true);
    if (!IsRegion(pressedRegion_)) {
        return out;
    }
    const int pressed = std::exchange(pressedRegion_, -1);
    // Press and release must hit the same region.
    if (hit == pressed) {
        out.push_back(Command(HoverAction::kRunRegion, pressed));
    }
    return out;
}

// Timers and activation.

HoverCommands HoverMachine::BalloonTimer() {
    HoverCommands out;
    // The balloon timer fires once.
    if (balloonTimerPending_) {
        out.push_back(Command(HoverAction::kStopBalloonTimer));
        balloonTimerPending_ = false;
    }
    ShowBalloon(out, hoverRegion_);
    return out;
}

HoverCommands HoverMachine::OtherTimer() {
    HoverCommands out;
    HideBalloon(out, hoverRegion_);
    ShowHighlight(out, hoverRegion_, true);
    return out;
}

HoverCommands HoverMachine::AppDeactivated() {
    HoverCommands out;
    out.push_back(Command(HoverAction::kReleaseMouse));
    out.push_back(Command(HoverAction::kHotCursorOff));
    ClearHover(out);
    focusRegion_ = -1;
    pointerRegion_ = -1;
    return out;
}

HoverCommands HoverMachine::WindowDestroyed() {
    HoverCommands out;
    out.push_back(Command(HoverAction::kReleaseMouse));
    out.push_back(Command(HoverAction::kHotCursorOff));
    // The pictures go with the window: the next screen starts with nothing shown.
    ForgetRegions();
    regions_.clear();
    focusable_.clear();
    return out;
}

// The keyboard.

int HoverMachine::NextFocusable(int from, bool backward) const {
    if (focusable_.empty()) {
        return -1;
    }
    // Without a focus the search starts at the first (or, going backward, the last) region.
    if (!IsRegion(from)) {
        return backward ? focusable_.back() : focusable_.front();
    }
    if (backward) {
        const auto at = std::lower_bound(focusable_.begin(), focusable_.end(), from);
        return at == focusable_.begin() ? focusable_.back() : *(at - 1);
    }
    const auto at = std::upper_bound(focusable_.begin(), focusable_.end(), from);
    return at == focusable_.end() ? focusable_.front() : *at;
}

HoverCommands HoverMachine::TabKey(bool backward) {
    return FocusRegion(NextFocusable(focusRegion_, backward));
}

HoverCommands HoverMachine::FocusRegion(int index) {
    HoverCommands out;
    if (!IsFocusable(index)) {
        return out;
    }
    focusRegion_ = index;
    // The region may be shown already, hovered by the pointer or as the only focusable one.
    if (index == hoverRegion_) {
        return out;
    }
    ClearHover(out);
    StartHover(out, index);
    return out;
}

HoverCommands HoverMachine::PressRegion(int index) {
    HoverCommands out = FocusRegion(index);
    if (focusRegion_ == index) {
        HoverCommands run = ActivateKey();
        out.insert(out.end(), run.begin(), run.end());
    }
    return out;
}

HoverCommands HoverMachine::ActivateKey() {
    HoverCommands out;
    if (!IsRegion(focusRegion_)) {
        return out;
    }
    // As a release on the region would.
    HideBalloon(out, hoverRegion_);
    ShowHighlight(out, hoverRegion_, true);
    out.push_back(Command(HoverAction::kRunRegion, focusRegion_));
    return out;
}

HoverCommands HoverMachine::EscapeKey() {
    HoverCommands out;
    if (focusRegion_ == -1) {
        return out;
    }
    ClearHover(out);
    focusRegion_ = -1;
    return out;
}

}  // namespace lumora
