#include "page_session.h"

#include <algorithm>

#include "config/settings_model.h"
#include "config/string_table.h"
#include "diagnostics.h"
#include "disc_paths.h"
#include "polygon_mask.h"
#include "resource.h"
#include "rgb_image.h"

namespace lumora::disc {

namespace {

PageCommand Command(PageAction action) {
    PageCommand command;
    command.action = action;
    return command;
}

PageCommand TimerCommand(PageAction action, unsigned delayMs = 0) {
    PageCommand command = Command(action);
    command.timer = kBalloonTimer;
    command.delayMs = delayMs;
    return command;
}

}  // namespace

PageSession::PageSession() {
    context_.text = BuiltInText;
    context_.expandPath = [this](std::string& path) {
        ExpandDiscPath(path, settings_.install ? &*settings_.install : nullptr);
    };
}

void PageSession::AddFile(const std::string& name, std::vector<uint8_t> bytes) {
    files_.Add(name, std::move(bytes));
}

bool PageSession::Open(std::string_view iniText) {
    ini_.emplace(iniText);
    const IniSection* config = ini_->FindSection(BuiltInText(IDS_SECTION_CONFIG));
    if (!config) {
        ini_.reset();
        return false;
    }
    settings_ = ProgramSettings{};
    ReadProgramSettings(config->entries, context_, settings_);
    return true;
}

bool PageSession::ShowStartScreen(PageCommands& out) {
    if (!ShowScreen(settings_.startup.value_or(std::string()), out)) {
        return false;
    }
    Sound(settings_.startSound, out);
    return true;
}

bool PageSession::ShowScreen(const std::string& name, PageCommands& out) {
    // Only the screens listed in "ScreenNames" are shown, named exactly as listed.
    const StringList names = settings_.screenNames.value_or(StringList{});
    if (!ini_ || std::find(names.begin(), names.end(), name) == names.end()) {
        return false;
    }
    auto model = LoadScreenModel(*ini_, name, context_);
    auto background = model ? LoadPicture(model->background) : std::nullopt;
    DibImage canvas;
    if (!background || !canvas.CopyFrom(*background)) {
        return false;
    }
    if (!screenName_.empty()) {
        // The old screen's window goes, and its balloon timer with it.
        Carry(hover_.WindowDestroyed(), out);
        out.push_back(TimerCommand(PageAction::kStopTimer));
    }
    screenName_ = name;
    background_ = std::move(*background);
    canvas_ = std::move(canvas);
    regions_.clear();
    std::vector<HoverRegionFacts> facts;
    for (RegionSpec& spec : model->regions) {
        PageRegion region{std::move(spec), std::nullopt, std::nullopt};
        region.highlight = LoadPicture(region.spec.highlight.path);
        region.balloon = LoadPicture(region.spec.balloon.path);
        facts.push_back(
            {!region.spec.shape.empty(), region.highlight.has_value(), region.balloon.has_value()});
        regions_.push_back(std::move(region));
    }
    hover_.ShowScreen(std::move(facts));
    rgba_.assign(static_cast<size_t>(width()) * height() * 4, 0);
    canvas_.ClearDirty();
    Draw(PixelRect{0, 0, width(), height()}, out);
    return true;
}

// Events.

PageCommands PageSession::PointerMove(int x, int y, int held) {
    PageCommands out;
    const bool inside = x >= 0 && y >= 0 && x < width() && y < height();
    Carry(Hover().MouseMove(inside ? HitTest(x, y) : -1, inside,
                            (held & (kLeftHeld | kRightHeld)) != 0, active_),
          out);
    return out;
}

PageCommands PageSession::PointerLeave() {
    PageCommands out;
    Carry(Hover().MouseMove(-1, false, false, active_), out);
    return out;
}

PageCommands PageSession::PointerDown(int x, int y, int button, int held) {
    PageCommands out;
    if (button == kLeftButton) {
        Carry(Hover().LeftButtonDown(HitTest(x, y), (held & kRightHeld) != 0), out);
    }
    return out;
}

PageCommands PageSession::PointerUp(int x, int y, int button) {
    PageCommands out;
    if (button == kLeftButton) {
        Carry(Hover().LeftButtonUp(HitTest(x, y)), out);
    }
    return out;
}

PageCommands PageSession::Timer(int timer) {
    PageCommands out;
    if (timer == kBalloonTimer) {
        Carry(Hover().BalloonTimer(), out);
    }
    return out;
}

PageCommands PageSession::KeyDown(int key, bool shift, bool repeated) {
    PageCommands out;
    switch (key) {
        case kKeyTab:
            Carry(Hover().TabKey(shift), out);
            break;
        case kKeyEnter:
        case kKeySpace:
            // A held key runs the region once.
            if (!repeated) {
                Carry(Hover().ActivateKey(), out);
            }
            break;
        case kKeyEscape:
            Carry(Hover().EscapeKey(), out);
            break;
        default:
            break;
    }
    return out;
}

PageCommands PageSession::Deactivate() {
    PageCommands out;
    active_ = false;
    Carry(Hover().AppDeactivated(), out);
    return out;
}

int PageSession::HitTest(int x, int y) const {
    for (size_t i = 0; i < regions_.size(); ++i) {
        if (PolygonCovers(regions_[i].spec.shape, x, y)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::string PageSession::ScreenJson() const {
    std::string out = "{\"name\": " + JsonString(screenName_) +
                      ", \"width\": " + std::to_string(width()) +
                      ", \"height\": " + std::to_string(height()) + ", \"regions\": [";
    for (size_t i = 0; i < regions_.size(); ++i) {
        std::string shape;
        for (const Point& p : regions_[i].spec.shape) {
            shape += (shape.empty() ? "" : ", ") + std::to_string(p.x) + ", " + std::to_string(p.y);
        }
        out += std::string(i ? ", " : "") + "{\"name\": " + JsonString(regions_[i].spec.name) +
               ", \"shape\": [" + shape + "]}";
    }
    return out + "]}";
}

// Carrying out the hover machine's commands, as the screen window does at 1:1.

HoverMachine& PageSession::Hover() {
    hover_.UseSettings(HoverSettings{settings_.balloonHelp != 0, settings_.balloonDelay});
    return hover_;
}

void PageSession::Carry(const HoverCommands& commands, PageCommands& out) {
    for (const HoverCommand& command : commands) {
        const PageRegion* r =
            command.region >= 0 && command.region < static_cast<int>(regions_.size())
                ? &regions_[static_cast<size_t>(command.region)]
                : nullptr;
        switch (command.action) {
            case HoverAction::kPlaceHighlight:
                if (r && r->highlight) {
                    Place(*r->highlight, r->spec.highlight);
                }
                break;
            case HoverAction::kRestoreHighlight:
                if (r && r->highlight) {
                    Restore(*r->highlight, r->spec.highlight);
                }
                break;
            case HoverAction::kPlaceBalloon:
                if (r && r->balloon) {
                    Place(*r->balloon, r->spec.balloon);
                }
                break;
            case HoverAction::kRestoreBalloon:
                if (r && r->balloon) {
                    Restore(*r->balloon, r->spec.balloon);
                }
                break;
            case HoverAction::kDrawCanvas:
                Draw(canvas_.dirty(), out);
                canvas_.ClearDirty();
                break;
            case HoverAction::kStartBalloonTimer:
                out.push_back(TimerCommand(PageAction::kStartTimer, command.delayMs));
                break;
            case HoverAction::kStopBalloonTimer:
                out.push_back(TimerCommand(PageAction::kStopTimer));
                break;
            case HoverAction::kHotCursorOn:
                out.push_back(Command(PageAction::kHotCursor));
                break;
            case HoverAction::kHotCursorOff:
                out.push_back(Command(PageAction::kPlainCursor));
                break;
            case HoverAction::kCaptureMouse:
                out.push_back(Command(PageAction::kCapture));
                break;
            case HoverAction::kReleaseMouse:
                out.push_back(Command(PageAction::kRelease));
                break;
            case HoverAction::kPlayHighlightSound:
                Sound(settings_.highlightSound, out);
                break;
            case HoverAction::kPlayBalloonSound:
                Sound(settings_.balloonSound, out);
                break;
            case HoverAction::kRunRegion:
                if (r) {
                    PageCommand run = Command(PageAction::kRunRegion);
                    run.region = command.region;
                    run.name = r->spec.name;
                    out.push_back(std::move(run));
                }
                return;
        }
    }
}

void PageSession::Place(const DibImage& picture, const RegionPicture& where) {
    canvas_.Compose(picture, where.position.x, where.position.y, where.transparency);
}

void PageSession::Restore(const DibImage& picture, const RegionPicture& where) {
    const PixelRect area =
        PlacedRect(where.position.x, where.position.y, picture.width(), picture.height());
    canvas_.Compose(background_, 0, 0, -1, &area);
}

void PageSession::Draw(PixelRect area, PageCommands& out) {
    area = IntersectRect(area, PixelRect{0, 0, width(), height()});
    if (area.empty()) {
        return;
    }
    for (int y = area.top; y < area.bottom; ++y) {
        uint8_t* p = &rgba_[(static_cast<size_t>(y) * width() + area.left) * 4];
        for (int x = area.left; x < area.right; ++x, p += 4) {
            const Rgb color = ShownColor(canvas_, background_, x, y);
            p[0] = color.r;
            p[1] = color.g;
            p[2] = color.b;
            p[3] = 255;
        }
    }
    PageCommand draw = Command(PageAction::kDraw);
    draw.rect = area;
    out.push_back(draw);
}

void PageSession::Sound(const std::optional<std::string>& file, PageCommands& out) const {
    // Sounds play only while "UseSound" is on, as lumora.exe plays them.
    const PageFile* found = file && settings_.useSound ? files_.Find(*file) : nullptr;
    if (found) {
        PageCommand sound = Command(PageAction::kSound);
        sound.file = found->name;
        out.push_back(std::move(sound));
    }
}

std::optional<DibImage> PageSession::LoadPicture(const std::optional<std::string>& path) const {
    const PageFile* file = path ? files_.Find(*path) : nullptr;
    DibImage image;
    if (!file || !image.LoadBytes(file->bytes.data(), file->bytes.size())) {
        return std::nullopt;
    }
    return image;
}

}  // namespace lumora::disc
