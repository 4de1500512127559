#include "page_session.h"

#include "actions/action_table.h"
#include "actions/sound_rule.h"
#include "config/settings_model.h"
#include "config/string_table.h"
#include "diagnostics.h"
#include "disc_paths.h"
#include "imaging/art_scale.h"
#include "imaging/pixel_scale.h"
#include "page_panel.h"
#include "resource.h"
#include "rgb_image.h"
#include "screens/display_scale.h"
#include "screens/screen_keys.h"

namespace lumora::disc {

namespace {

PageCommand TimerCommand(PageAction action, unsigned delayMs = 0) {
    PageCommand command = MakeCommand(action);
    command.timer = kBalloonTimer;
    command.delayMs = delayMs;
    return command;
}

}  // namespace

PageSession::PageSession() {
    disc_.context.text = BuiltInText;
    disc_.context.expandPath = [this](std::string& path) {
        ExpandDiscPath(path, settings_.install ? &*settings_.install : nullptr);
    };
}

void PageSession::AddFile(const std::string& name, std::vector<uint8_t> bytes) {
    disc_.files.Add(name, std::move(bytes));
}

bool PageSession::Open(std::string_view iniFile, int codePage) {
    disc_.ini.emplace(iniFile, codePage);
    const IniSection* config = disc_.ini->FindSection(BuiltInText(IDS_SECTION_CONFIG));
    if (!config) {
        disc_.ini.reset();
        return false;
    }
    settings_ = ProgramSettings{};
    ReadProgramSettings(config->entries, disc_.context, settings_);
    return true;
}

// Events. Each one ends as a message of lumora.exe's ends: a screen shown anew is painted, and
// its first paint lets its regions be read.

PageCommands PageSession::Display(int dpi, int workWidth, int workHeight) {
    PageCommands out;
    dpi_ = dpi;
    workArea_ = PixelSize{workWidth, workHeight};
    LayOut(out);
    Finish(out);
    return out;
}

PageCommands PageSession::Start() {
    PageCommands out;
    if (!disc_.ini) {
        return out;
    }
    Carry(Screens().Show(settings_.startup.value_or(std::string())), out);
    LayOut(out);
    Sound(settings_.startSound, out);
    Finish(out);
    return out;
}

PageCommands PageSession::PointerMove(int x, int y, int held) {
    PageCommands out;
    const bool inside = x >= 0 && y >= 0 && x < width() && y < height();
    pointer_ = Pointer{x, y, held, inside};
    if (shown_) {
        HoverMachine& hover = Hover(out);
        Carry(hover.MouseMove(inside ? HitTest(x, y) : -1, inside,
                              (held & (kLeftHeld | kRightHeld)) != 0, active_),
              out);
    }
    Finish(out);
    return out;
}

PageCommands PageSession::PointerLeave() {
    return PointerMove(-1, -1, pointer_.held);
}

PageCommands PageSession::PointerDown(int x, int y, int button, int held, int clicks) {
    PageCommands out;
    pointer_.held = held;
    // The second press of a double click comes to lumora.exe's screen window as a double-click
    // message, which it does not handle: a double click runs the region once.
    const bool doubleClick = clicks > 1 && clicks % 2 == 0;
    if (shown_ && button == kLeftButton && !doubleClick) {
        HoverMachine& hover = Hover(out);
        Carry(hover.LeftButtonDown(HitTest(x, y), (held & kRightHeld) != 0), out);
    }
    Finish(out);
    return out;
}

PageCommands PageSession::PointerUp(int x, int y, int button, int held) {
    PageCommands out;
    pointer_.held = held;
    if (shown_ && button == kLeftButton) {
        HoverMachine& hover = Hover(out);
        Carry(hover.LeftButtonUp(HitTest(x, y)), out);
    }
    Finish(out);
    return out;
}

PageCommands PageSession::Timer(int timer) {
    PageCommands out;
    if (shown_) {
        HoverMachine& hover = Hover(out);
        Carry(timer == kBalloonTimer ? hover.BalloonTimer() : hover.OtherTimer(), out);
    }
    Finish(out);
    return out;
}

PageCommands PageSession::KeyDown(int key, bool shift, bool repeated) {
    PageCommands out;
    if (shown_) {
        Carry(ScreenKeyDown(Hover(out), key, shift, repeated), out);
    }
    Finish(out);
    return out;
}

PageCommands PageSession::Deactivate() {
    PageCommands out;
    active_ = false;
    if (shown_) {
        Carry(Hover(out).AppDeactivated(), out);
    }
    Finish(out);
    return out;
}

PageCommands PageSession::MenuChoice(int commandId) {
    PageCommands out;
    const int position = RoutesToMenu(commandId) ? menu_.PositionOfCommand(commandId) : -1;
    if (position >= 0) {
        // A copy: the item's action may open another menu, which replaces the items.
        const MenuItem item = menu_.items()[static_cast<size_t>(position)];
        RunPlan(PlanMenuChoice(item.action), item.action, item.description.value_or(item.name),
                out);
    }
    Finish(out);
    return out;
}

int PageSession::HitTest(int x, int y) const {
    return shown_
               ? shown_->HitTest(ToPictureCoordinate(x, scale()), ToPictureCoordinate(y, scale()))
               : -1;
}

std::string PageSession::ScreenJson() const {
    std::string out =
        "{\"name\": " + JsonString(shown_ ? shown_->name() : std::string()) +
        ", \"description\": " + JsonString(shown_ ? shown_->description() : std::string()) +
        ", \"width\": " + std::to_string(shown_ ? shown_->background().width() : 0) +
        ", \"height\": " + std::to_string(shown_ ? shown_->background().height() : 0) +
        ", \"scale\": " + std::to_string(scale()) + ", \"regions\": [";
    for (int i = 0; shown_ && i < shown_->regionCount(); ++i) {
        const RegionSpec& described = shown_->region(i)->described;
        std::string shape;
        for (const Point& p : described.shape) {
            shape += (shape.empty() ? "" : ", ") + std::to_string(p.x) + ", " + std::to_string(p.y);
        }
        out += std::string(i ? ", " : "") + "{\"name\": " + JsonString(described.name) +
               ", \"label\": " + JsonString(SpokenName(described)) + ", \"shape\": [" + shape +
               "], \"does\": " +
               JsonString(ForPage(DescribeClick(described.action, described.sound))) + "}";
    }
    return out + "]}";
}

// The screen session's commands, carried out as lumora.exe's screen and main windows do.

ScreenSession& PageSession::Screens() {
    session_.UseScreenNames(settings_.screenNames);
    return session_;
}

HoverMachine& PageSession::Hover(PageCommands& out) {
    Carry(session_.RegionsNeeded(), out);
    session_.hover().UseSettings(HoverSettings{settings_.balloonHelp != 0, settings_.balloonDelay});
    return session_.hover();
}

void PageSession::LayOut(PageCommands& out) {
    ScaleFacts facts;
    facts.dpi = dpi_;
    facts.workArea = workArea_;
    if (shown_) {
        facts.picture = PixelSize{shown_->background().width(), shown_->background().height()};
    }
    Carry(session_.ScaleChanged(DisplayScale(facts)), out);
    if (shown_) {
        Carry(session_.PicturesReady(shown_->AnyAuthorsDoubleSize()), out);
    }
}

void PageSession::Carry(const SessionCommands& commands, PageCommands& out) {
    for (const SessionCommand& command : commands) {
        switch (command.action) {
            case SessionAction::kCloseScreen:
                CloseScreen(out);
                break;
            case SessionAction::kOpenScreen:
                OpenScreen(command.text, out);
                break;
            case SessionAction::kSetTitle: {
                PageCommand title = MakeCommand(PageAction::kTitle);
                title.text = command.text.empty() ? BuiltInText(IDS_APP_TITLE) : command.text;
                out.push_back(std::move(title));
                break;
            }
            case SessionAction::kHover:
                Carry(command.hover, out);
                break;
            case SessionAction::kRedraw:
                // As an invalidated window: painted once the event is over.
                redrawPending_ = shown_ != nullptr;
                break;
            default:
                if (shown_) {
                    Carry(shown_->Carry(command, session_), out);
                }
                break;
        }
    }
}

void PageSession::OpenScreen(const std::string& name, PageCommands& out) {
    shown_ = PageScreen::Load(disc_, name);
    if (shown_) {
        Carry(session_.Opened(shown_->description()), out);
        Carry(session_.PicturesReady(shown_->AnyAuthorsDoubleSize()), out);
    }
    screenChanged_ = true;
    if (!shown_ || shown_->canvas().empty()) {
        shown_.reset();
        Carry(session_.OpenFailed(), out);
        Resize(PixelSize{0, 0}, out);
        return;
    }
    ++generation_;
    redrawPending_ = true;
}

void PageSession::CloseScreen(PageCommands& out) {
    Carry(session_.Closed(), out);
    // The window's timer goes with it.
    out.push_back(TimerCommand(PageAction::kStopTimer));
    shown_.reset();
}

void PageSession::Finish(PageCommands& out) {
    if (redrawPending_) {
        redrawPending_ = false;
        DrawAll(out);
        // The picture is on the display now; the regions follow before any input is handled.
        Carry(session_.FirstPaint(), out);
    }
    if (screenChanged_) {
        screenChanged_ = false;
        out.push_back(MakeCommand(PageAction::kScreen));
    }
}

void PageSession::Resize(PixelSize size, PageCommands& out) {
    if (size.width == size_.width && size.height == size_.height && !rgba_.empty()) {
        return;
    }
    size_ = size;
    rgba_.assign(static_cast<size_t>(size.width) * size.height * 4, 0);
    PageCommand resize = MakeCommand(PageAction::kResize);
    resize.rect = PixelRect{0, 0, size.width, size.height};
    resize.scale = scale();
    out.push_back(resize);
}

void PageSession::DrawAll(PageCommands& out) {
    if (!shown_) {
        return;
    }
    const int block = ArtBlock(scale(), session_.artScale());
    const DibImage& canvas = shown_->canvas();
    Resize(ScaleSize(PixelSize{canvas.width(), canvas.height()}, block), out);
    shown_->canvas().ClearDirty();
    Draw(PixelRect{0, 0, canvas.width(), canvas.height()}, out);
}

void PageSession::Draw(PixelRect artArea, PageCommands& out) {
    if (!shown_) {
        return;
    }
    const DibImage& canvas = shown_->canvas();
    const DibImage& colors = shown_->colors(session_.artScale());
    const int block = ArtBlock(scale(), session_.artScale());
    artArea = IntersectRect(artArea, PixelRect{0, 0, canvas.width(), canvas.height()});
    const PixelRect window = ScaleRect(artArea, block);
    if (artArea.empty() || window.right > width() || window.bottom > height()) {
        return;
    }
    for (int y = artArea.top; y < artArea.bottom; ++y) {
        for (int x = artArea.left; x < artArea.right; ++x) {
            const Rgb color = ShownColor(canvas, colors, x, y);
            // Every art pixel is a block of window pixels of exactly its colour.
            for (int row = 0; row < block; ++row) {
                uint8_t* p =
                    &rgba_[(static_cast<size_t>(y * block + row) * width() + x * block) * 4];
                for (int column = 0; column < block; ++column, p += 4) {
                    p[0] = color.r;
                    p[1] = color.g;
                    p[2] = color.b;
                    p[3] = 255;
                }
            }
        }
    }
    PageCommand draw = MakeCommand(PageAction::kDraw);
    draw.rect = window;
    out.push_back(draw);
}

// The hover machine's commands, carried out as the screen window does.

void PageSession::Carry(const HoverCommands& commands, PageCommands& out) {
    for (const HoverCommand& command : commands) {
        Carry(command, out);
        if (command.action == HoverAction::kRunRegion) {
            // The action may have replaced this screen: nothing of it is touched afterwards.
            return;
        }
    }
}

void PageSession::Carry(const HoverCommand& command, PageCommands& out) {
    switch (command.action) {
        case HoverAction::kPlaceHighlight:
        case HoverAction::kRestoreHighlight:
        case HoverAction::kPlaceBalloon:
        case HoverAction::kRestoreBalloon:
            if (shown_) {
                shown_->Carry(command, session_.artScale());
            }
            break;
        case HoverAction::kDrawCanvas:
            if (shown_) {
                Draw(shown_->canvas().dirty(), out);
                shown_->canvas().ClearDirty();
            }
            break;
        case HoverAction::kStartBalloonTimer:
            out.push_back(TimerCommand(PageAction::kStartTimer, command.delayMs));
            break;
        case HoverAction::kStopBalloonTimer:
            out.push_back(TimerCommand(PageAction::kStopTimer));
            break;
        case HoverAction::kHotCursorOn:
            out.push_back(MakeCommand(PageAction::kHotCursor));
            break;
        case HoverAction::kHotCursorOff:
            out.push_back(MakeCommand(PageAction::kPlainCursor));
            break;
        case HoverAction::kCaptureMouse:
            out.push_back(MakeCommand(PageAction::kCapture));
            break;
        case HoverAction::kReleaseMouse:
            out.push_back(MakeCommand(PageAction::kRelease));
            break;
        case HoverAction::kPlayHighlightSound:
            Sound(settings_.highlightSound, out);
            break;
        case HoverAction::kPlayBalloonSound:
            Sound(settings_.balloonSound, out);
            break;
        case HoverAction::kRunRegion:
            RunRegion(command.region, out);
            break;
    }
}

void PageSession::Sound(const std::optional<std::string>& file, PageCommands& out) const {
    const std::string* played = SoundToPlay(file, settings_);
    if (const PageFile* found = played ? disc_.files.Find(*played) : nullptr) {
        PageCommand sound = MakeCommand(PageAction::kSound);
        sound.file = found->id;
        out.push_back(std::move(sound));
    }
}

// A click, through the one click plan.

void PageSession::RunRegion(int index, PageCommands& out) {
    const PageRegion* clicked = shown_ ? shown_->region(index) : nullptr;
    if (!clicked) {
        return;
    }
    const int generation = generation_;
    // Copies: the action may replace the screen and its regions.
    const ActionRecord action = clicked->described.action;
    RunPlan(PlanRegionClick(action, clicked->described.sound), action, clicked->described.name,
            out);
    // Unless the keyboard leads, the hover state is read again from where the pointer is now:
    // on this screen as after any click, on a new one as its window appears under the pointer.
    const bool sameScreen = generation == generation_;
    if (shown_ && session_.hover().focusRegion() == -1 && (sameScreen || pointer_.inside)) {
        HoverMachine& hover = Hover(out);
        Carry(
            hover.MouseMove(pointer_.inside ? HitTest(pointer_.x, pointer_.y) : -1, pointer_.inside,
                            (pointer_.held & (kLeftHeld | kRightHeld)) != 0, active_),
            out);
    }
}

void PageSession::RunPlan(const ClickPlan& plan, const ActionRecord& action,
                          const std::string& name, PageCommands& out) {
    PageCommand panel = MakeCommand(PageAction::kPanel);
    panel.text = name;
    panel.lines = DescribePlan(plan, action, settings_);
    if (panel.lines.empty()) {
        panel.lines.push_back("Does nothing.");
    }
    out.push_back(std::move(panel));
    // The checks are said in the panel: they ask of the computer that runs lumora.exe.
    for (const ClickStep& step : plan) {
        if (step.kind == ClickStepKind::kPlaySound) {
            Sound(step.text, out);
        } else if (step.kind == ClickStepKind::kShowSplash) {
            if (const PageFile* picture = disc_.files.Find(step.text)) {
                PageCommand splash = MakeCommand(PageAction::kSplash);
                splash.file = picture->id;
                splash.seconds = step.seconds;
                splash.scale = scale();
                out.push_back(std::move(splash));
            }
        } else if (step.kind == ClickStepKind::kCallAction) {
            CallAction(step, out);
        }
    }
}

void PageSession::CallAction(const ClickStep& step, PageCommands& out) {
    // The action is found by its exported function's name, exactly as written.
    const ActionInfo* action = FindAction(step.text);
    if (!action) {
        return;
    }
    switch (action->code) {
        case ActionCode::kScreen:
            if (step.data) {
                Carry(Screens().Show(*step.data), out);
                LayOut(out);
            }
            break;
        case ActionCode::kPreviousScreen:
            Carry(Screens().ShowPrevious(), out);
            LayOut(out);
            break;
        case ActionCode::kMenu:
            if (shown_) {
                ShowMenu(step.data.value_or(std::string()), out);
            }
            break;
        default:
            // What lumora.exe does outside its screen the panel says.
            break;
    }
}

void PageSession::ShowMenu(const std::string& name, PageCommands& out) {
    // The items shown before are gone in every case.
    menu_ = MenuItemTable();
    std::optional<MenuSpec> loaded =
        name.empty() ? std::nullopt : LoadMenuSpec(*disc_.ini, name, disc_.context);
    if (!loaded) {
        return;
    }
    const std::optional<Point> corner = MenuCorner(Point{0, 0}, loaded->position, scale());
    menu_ = MenuItemTable(std::move(loaded->items));
    if (menu_.empty()) {
        return;
    }
    PageCommand menu = MakeCommand(PageAction::kMenu);
    menu.atPointer = !corner;
    if (corner) {
        menu.rect = PixelRect{corner->x, corner->y, corner->x, corner->y};
    }
    for (const MenuItem& item : menu_.items()) {
        menu.items.push_back(PageMenuItem{item.commandId, item.description.value_or(std::string()),
                                          item.IsSeparator()});
    }
    out.push_back(std::move(menu));
}

}  // namespace lumora::disc
