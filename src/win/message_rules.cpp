#include "win/message_rules.h"

namespace lumora {

namespace {

bool OnlyEverSent(uint32_t message) {
    using namespace message_id;
    switch (message) {
        case kNcCreate:
        case kCreate:
        case kInitDialog:
        case kDestroy:
        case kNcDestroy:
        case kNotify:
        case kSizing:
        case kMoving:
        case kDpiChanged:
        case kGetMinMaxInfo:
        case kWindowPosChanging:
        case kWindowPosChanged:
        case kNcCalcSize:
            return true;
        default:
            return false;
    }
}

}  // namespace

bool MayDispatch(const QueuedMessage& queued) {
    if (OnlyEverSent(queued.message)) {
        return false;
    }
    if (queued.message == message_id::kTimer) {
        return !queued.hasLParam && (!queued.toProgramWindow || queued.timerSet);
    }
    return true;
}

bool OffersSystemCommand(uint32_t style, uint32_t command) {
    using namespace system_command;
    const auto offers = [style](uint32_t anyOf) { return (style & anyOf) != 0; };
    switch (command & 0xFFF0u) {
        case kSize:
            return offers(kStyleThickFrame);
        case kMove:
            // A caption is both of its bits: a border alone cannot be dragged.
            return (style & kStyleCaption) == kStyleCaption || offers(kStyleSysMenu);
        case kMinimize:
            return offers(kStyleMinimizeBox);
        case kMaximize:
            return offers(kStyleMaximizeBox);
        case kClose:
            return offers(kStyleSysMenu);
        case kRestore:
            return offers(kStyleSysMenu | kStyleMinimizeBox | kStyleMaximizeBox);
        default:
            return true;
    }
}

}  // namespace lumora
