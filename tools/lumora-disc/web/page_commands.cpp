#include "page_commands.h"

#include "diagnostics.h"

namespace lumora::disc {

namespace {

std::string Field(const char* name, long long value) {
    return ", \"" + std::string(name) + "\": " + std::to_string(value);
}

std::string Field(const char* name, const std::string& text) {
    return ", \"" + std::string(name) + "\": " + JsonString(text);
}

std::string Rect(const PixelRect& r) {
    return Field("x", r.left) + Field("y", r.top) + Field("width", r.width()) +
           Field("height", r.height());
}

std::string Texts(const std::vector<std::string>& texts) {
    std::string out;
    for (const std::string& text : texts) {
        out += (out.empty() ? "" : ", ") + JsonString(text);
    }
    return "[" + out + "]";
}

std::string Items(const std::vector<PageMenuItem>& items) {
    std::string out;
    for (const PageMenuItem& item : items) {
        out += std::string(out.empty() ? "" : ", ") + "{\"id\": " + std::to_string(item.commandId) +
               (item.separator ? ", \"separator\": true" : Field("text", item.text)) + "}";
    }
    return "[" + out + "]";
}

std::string Body(const PageCommand& c) {
    switch (c.action) {
        case PageAction::kResize:
            return "\"resize\"" + Field("width", c.rect.width()) +
                   Field("height", c.rect.height()) + Field("scale", c.scale);
        case PageAction::kDraw:
            return "\"draw\"" + Rect(c.rect);
        case PageAction::kStartTimer:
            return "\"start-timer\"" + Field("timer", c.timer) + Field("ms", c.delayMs);
        case PageAction::kStopTimer:
            return "\"stop-timer\"" + Field("timer", c.timer);
        case PageAction::kHotCursor:
            return "\"hot-cursor\"";
        case PageAction::kPlainCursor:
            return "\"plain-cursor\"";
        case PageAction::kCapture:
            return "\"capture\"";
        case PageAction::kRelease:
            return "\"release\"";
        case PageAction::kSound:
            return "\"sound\"" + Field("file", c.file);
        case PageAction::kTitle:
            return "\"title\"" + Field("text", c.text);
        case PageAction::kScreen:
            return "\"screen\"";
        case PageAction::kMenu:
            return "\"menu\"" + Field("x", c.rect.left) + Field("y", c.rect.top) +
                   ", \"atPointer\": " + (c.atPointer ? "true" : "false") +
                   ", \"items\": " + Items(c.items);
        case PageAction::kSplash:
            return "\"splash\"" + Field("file", c.file) + Field("seconds", c.seconds) +
                   Field("scale", c.scale);
        case PageAction::kPanel:
            return "\"panel\"" + Field("text", c.text) + ", \"lines\": " + Texts(c.lines);
    }
    return "\"nothing\"";
}

}  // namespace

PageCommand MakeCommand(PageAction action) {
    PageCommand command;
    command.action = action;
    return command;
}

std::string CommandsJson(const PageCommands& commands) {
    std::string out;
    for (const PageCommand& command : commands) {
        out += (out.empty() ? "{\"do\": " : ", {\"do\": ") + Body(command) + "}";
    }
    return "[" + out + "]";
}

}  // namespace lumora::disc
