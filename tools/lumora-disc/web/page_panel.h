// What a click does in lumora.exe, said in the words of the table of actions and the click plan:
// one line per step, for the page's panel and region list. The disc's root shows as "D:\".
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "actions/action_record.h"
#include "actions/click_plan.h"
#include "config/program_settings.h"

namespace lumora::disc {

// A text with the disc's root as the page shows it.
std::string ForPage(const std::string& text);

// Each step of the plan of `action` (a region's click, a menu item's choice or a setup), in
// order; a program action adds how its command is started and what its setup offer does.
std::vector<std::string> DescribePlan(const ClickPlan& plan, const ActionRecord& action,
                                      const ProgramSettings& settings);

// What a click on a region with this action and sound does, in one sentence.
std::string DescribeClick(const ActionRecord& action, const std::optional<std::string>& sound);

}  // namespace lumora::disc
