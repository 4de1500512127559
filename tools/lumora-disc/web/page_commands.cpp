#include "page_commands.h"

#include "diagnostics.h"

namespace lumora::disc {

namespace {

std::string Field(const char* name, long long value) {
    return ", \"" + std::string(name) + "\": " + std::to_string(value);
}

std::string CommandJson(const PageCommand& c) {
    switch (c.action) {
        case PageAction::kDraw:
            return "{\"do\": \"draw\"" + Field("x", c.rect.left) + Field("y", c.rect.top) +
                   Field("width", c.rect.width()) + Field("height", c.rect.height()) + "}";
        case PageAction::kStartTimer:
            return "{\"do\": \"start-timer\"" + Field("timer", c.timer) + Field("ms", c.delayMs) +
                   "}";
        case PageAction::kStopTimer:
            return "{\"do\": \"stop-timer\"" + Field("timer", c.timer) + "}";
        case PageAction::kHotCursor:
            return "{\"do\": \"hot-cursor\"}";
        case PageAction::kPlainCursor:
            return "{\"do\": \"plain-cursor\"}";
        case PageAction::kCapture:
            return "{\"do\": \"capture\"}";
        case PageAction::kRelease:
            return "{\"do\": \"release\"}";
        case PageAction::kSound:
            return "{\"do\": \"sound\", \"file\": " + JsonString(c.file) + "}";
        case PageAction::kRunRegion:
            return "{\"do\": \"run-region\"" + Field("region", c.region) +
                   ", \"name\": " + JsonString(c.name) + "}";
    }
    return "{}";
}

}  // namespace

std::string CommandsJson(const PageCommands& commands) {
    std::string out = "[";
    for (const PageCommand& command : commands) {
        out += (out.size() > 1 ? ", " : "") + CommandJson(command);
    }
    return out + "]";
}

}  // namespace lumora::disc
