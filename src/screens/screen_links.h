// Where a screen's actions lead: the screens that a click on it can show next, so that their
// pictures can be read before they are asked for. Portable.
#pragma once

#include <vector>

#include "actions/action_record.h"
#include "config/ini_reader.h"
#include "config/model_context.h"
#include "config/program_settings.h"

namespace lumora {

struct ScreenLinks {
    StringList screens;     // named by "DispatchScreen", in the order found, each once
    bool previous = false;  // an action goes back to the screen shown before
};

// The links of a screen's actions (its regions', in list order) and of the menus that
// "DispatchMenu" opens from them, and from their items in turn, each menu read once. The
// regions' screens come first. Items past the last one a menu answers to lead nowhere.
ScreenLinks FindScreenLinks(const std::vector<ActionRecord>& actions, const IniReader& ini,
                            const ModelContext& context);

}  // namespace lumora
