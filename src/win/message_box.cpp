#include "win/message_box.h"

#include <cstdarg>
#include <cstring>

#include "win/app_state.h"
#include "win/common_controls.h"
#include "win/message_loop.h"
#include "resource.h"
#include "win/resource_string.h"

namespace lumora {

namespace {

// The longest text a message shows: what fits a 512-byte buffer with its terminating zero.
constexpr size_t kMaxMessageLength = 511;
// wvsprintfA writes at most 1024 bytes, its terminating zero included.
constexpr size_t kFormatBufferSize = 1025;

HWND ExistingWindow(HWND window) {
    return window && ::IsWindow(window) ? window : nullptr;
}

}  // namespace

std::string FormatResourceString(unsigned id, ...) {
    const std::string format = ResourceString(id);
    char buffer[kFormatBufferSize] = {};
    va_list values;
    va_start(values, id);
    ::wvsprintfA(buffer, format.c_str(), values);
    va_end(values);
    return std::string(buffer, ::strnlen(buffer, kMaxMessageLength));
}

std::string MessageCaption() {
    std::string caption = App().caption ? App().caption() : std::string();
    return caption.empty() ? ResourceString(IDS_APP_TITLE) : caption;
}

int ShowTextMessage(HWND owner, const std::string& text, UINT style) {
    CommonControls();
    owner = ExistingWindow(owner);
    const std::string caption = MessageCaption();
    // The box disables the window it belongs to; ended by a quit message, Wine's leaves it so.
    HWND disabled = owner ? ::GetAncestor(owner, GA_ROOT) : nullptr;
    const bool wasEnabled = disabled && ::IsWindowEnabled(disabled);
    int answer = 0;
    {
        const SystemModalLoop loop;
        answer = ::MessageBoxA(owner, text.c_str(), caption.c_str(), style);
    }
    if (QuitRequested()) {
        // The user answered nothing: the caller goes no further, and the quit ends the program.
        if (wasEnabled && ::IsWindow(disabled)) {
            ::EnableWindow(disabled, TRUE);
        }
        return 0;
    }
    return answer;
}

int ShowFormattedMessage(HWND owner, unsigned id, const char* value, UINT style) {
    return ShowTextMessage(owner, FormatResourceString(id, value), style);
}

int ShowFormattedMessage(HWND owner, unsigned id, int value, UINT style) {
    return ShowTextMessage(owner, FormatResourceString(id, value), style);
}

int ShowResourceMessage(HWND owner, unsigned id, UINT style) {
    return ShowTextMessage(owner, ResourceString(id), style);
}

}  // namespace lumora
