// Pop-up menus opened by DispatchMenu: their item lists and the items' sections and actions.
#pragma once

#include <string>

#include "check_actions.h"
#include "check_context.h"

namespace lumora::disc {

// Checks the menu (whose section exists) and returns what its items open.
ActionTargets CheckMenu(const CheckContext& context, const std::string& name);

}  // namespace lumora::disc
