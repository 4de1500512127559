#include "screens/screen_session.h"

#include <algorithm>

#include "imaging/art_scale.h"

namespace lumora {
namespace {

SessionCommand Command(SessionAction action, std::string text = std::string()) {
    SessionCommand command;
    command.action = action;
    command.text = std::move(text);
    return command;
}

SessionCommand RegionCommand(SessionAction action, int region) {
    SessionCommand command = Command(action);
    command.region = region;
    return command;
}

SessionCommand HoverStep(const HoverCommand& hover) {
    SessionCommand command = Command(SessionAction::kHover);
    command.hover = hover;
    return command;
}

SessionCommand HoverStep(HoverAction action, int region) {
    return HoverStep(HoverCommand{action, region, 0});
}

}  // namespace

bool ScreenSession::Listed(const std::string& name) const {
    return screenNames_ &&
           std::find(screenNames_->begin(), screenNames_->end(), name) != screenNames_->end();
}

SessionCommands ScreenSession::Show(const std::string& name) {
    if (!Listed(name)) {
        return {Command(SessionAction::kSetTitle)};
    }
    if (current_ != name) {
        previous_ = current_;
    }
    current_ = name;
    return ShowListed(name);
}

SessionCommands ScreenSession::ShowPrevious() {
    // A copy: Show changes the history it comes from.
    const std::string previous = previous_;
    return Show(previous);
}

SessionCommands ScreenSession::Reload() {
    const std::string current = current_;
    return Show(current);
}

SessionCommands ScreenSession::ShowListed(const std::string& name) {
    SessionCommands out;
    if (open_) {
        out.push_back(Command(SessionAction::kCloseScreen));
    }
    out.push_back(Command(SessionAction::kOpenScreen, name));
    return out;
}

SessionCommands ScreenSession::Opened(const std::string& description) {
    open_ = true;
    regionsRead_ = false;
    ForgetPreload();
    doubleSizesWanted_ = false;
    builtArtScale_ = 0;
    SessionCommands out{Command(SessionAction::kSetTitle, description)};
    WantForScale(out);
    return out;
}

SessionCommands ScreenSession::OpenFailed() {
    Closed();
    return {Command(SessionAction::kSetTitle)};
}

SessionCommands ScreenSession::Closed() {
    SessionCommands out;
    if (open_) {
        // The balloon timer dies with the window; releasing the capture restores the cursor.
        for (const HoverCommand& command : hover_.WindowDestroyed()) {
            out.push_back(HoverStep(command));
        }
    }
    open_ = false;
    regionsRead_ = false;
    doubleSizesWanted_ = false;
    builtArtScale_ = 0;
    ForgetPreload();
    return out;
}

void ScreenSession::WantForScale(SessionCommands& out) {
    // 2x pictures are drawn at even scales only: at 1x (and 3x) they are neither looked for nor
    // held. At an even scale the regions' 2x pictures decide the canvas, so they are read too.
    if (!DrawsDoubleSizes(scale_)) {
        return;
    }
    if (!doubleSizesWanted_) {
        doubleSizesWanted_ = true;
        out.push_back(Command(SessionAction::kLookForDoubleSizes));
    }
    if (!regionsRead_) {
        out.push_back(Command(SessionAction::kReadRegions));
    }
}

SessionCommands ScreenSession::RegionsNeeded() {
    if (!open_ || regionsRead_) {
        return {};
    }
    return {Command(SessionAction::kReadRegions)};
}

SessionCommands ScreenSession::RegionsRead(std::vector<HoverRegionFacts> regions) {
    regionsRead_ = true;
    // The screen starts with nothing hovered or pressed, so that a pointer resting over a region
    // highlights it at its first move.
    hover_.ShowScreen(std::move(regions));
    return open_ ? SessionCommands{Command(SessionAction::kIdleWanted)} : SessionCommands{};
}

SessionCommands ScreenSession::ScaleChanged(int scale) {
    scale = std::max(scale, 1);
    if (scale == scale_) {
        return {};
    }
    const bool doubleSizesBefore = DrawsDoubleSizes(scale_);
    scale_ = scale;
    SessionCommands out;
    if (open_) {
        WantForScale(out);
        out.push_back(Command(SessionAction::kRedraw));
        if (links_ && DrawsDoubleSizes(scale_) && !doubleSizesBefore) {
            // What was read ahead lacks the 2x pictures that this scale draws.
            PlanPreload();
            out.push_back(Command(SessionAction::kIdleWanted));
        }
    }
    return out;
}

SessionCommands ScreenSession::PicturesReady(bool anyAuthorsDoubleSize) {
    if (!open_) {
        return {};
    }
    const int wanted = ArtScale(scale_, anyAuthorsDoubleSize);
    if (builtArtScale_ == wanted) {
        return {};
    }
    SessionCommand build = Command(SessionAction::kBuildCanvas);
    build.artScale = wanted;
    return {build};
}

SessionCommands ScreenSession::ReloadRegion(int index) {
    if (!open_ || !regionsRead_) {
        return {};
    }
    SessionCommands out;
    if (hover_.balloonRegion() == index) {
        out.push_back(HoverStep(HoverAction::kRestoreBalloon, index));
    }
    if (hover_.highlightRegion() == index) {
        out.push_back(HoverStep(HoverAction::kRestoreHighlight, index));
    }
    out.push_back(RegionCommand(SessionAction::kReadRegion, index));
    return out;
}

SessionCommands ScreenSession::RegionReread(int index, const HoverRegionFacts& facts,
                                            bool anyAuthorsDoubleSize) {
    SessionCommands out = PicturesReady(anyAuthorsDoubleSize);
    if (out.empty() && builtArtScale_ == 2) {
        // On a canvas of 2x pictures the region's new pictures are drawn at 2x too.
        out.push_back(RegionCommand(SessionAction::kDoubleRegionPictures, index));
    }
    // The hover machine decides with what the region has now; what it shows goes back on.
    hover_.UpdateRegion(index, facts);
    if (hover_.highlightRegion() == index && facts.hasHighlight) {
        out.push_back(HoverStep(HoverAction::kPlaceHighlight, index));
    }
    if (hover_.balloonRegion() == index && facts.hasBalloon) {
        out.push_back(HoverStep(HoverAction::kPlaceBalloon, index));
    }
    out.push_back(HoverStep(HoverAction::kDrawCanvas, -1));
    return out;
}

SessionCommands ScreenSession::Idle() {
    if (!open_ || !regionsRead_) {
        return {};
    }
    if (!linksAsked_) {
        linksAsked_ = true;
        return {Command(SessionAction::kFindLinks)};
    }
    if (preloadQueue_.empty()) {
        return {};
    }
    SessionCommand read = Command(SessionAction::kPreloadScreen, preloadQueue_.front());
    read.artScale = DrawsDoubleSizes(scale_) ? 2 : 1;
    return {read};
}

void ScreenSession::LinksFound(ScreenLinks links) {
    if (open_) {
        links_ = std::move(links);
        PlanPreload();
    }
}

void ScreenSession::Preloaded(bool roomLeft) {
    if (!preloadQueue_.empty()) {
        preloadQueue_.erase(preloadQueue_.begin());
    }
    if (!roomLeft) {
        preloadQueue_.clear();
    }
}

bool ScreenSession::preloadPending() const {
    return open_ && regionsRead_ && (!linksAsked_ || !preloadQueue_.empty());
}

void ScreenSession::PlanPreload() {
    preloadQueue_.clear();
    // Only screens that Show would show, and not the one shown.
    auto add = [this](const std::string& name) {
        if (Listed(name) && name != current_ &&
            std::find(preloadQueue_.begin(), preloadQueue_.end(), name) == preloadQueue_.end()) {
            preloadQueue_.push_back(name);
        }
    };
    if (links_->previous) {
        add(previous_);
    }
    for (const std::string& name : links_->screens) {
        add(name);
    }
}

void ScreenSession::ForgetPreload() {
    links_.reset();
    linksAsked_ = false;
    preloadQueue_.clear();
}

}  // namespace lumora
