#include "actions/action_table.h"

namespace lumora {

const ActionInfo* FindAction(std::string_view exportName) {
    for (const ActionInfo& action : kActions) {
        if (action.exportName == exportName) {
            return &action;
        }
    }
    return nullptr;
}

bool IsProgramAction(const ActionInfo& action) {
    return action.code == ActionCode::kProgram || action.code == ActionCode::kProgramAndWait;
}

std::string DescribeAction(const ActionRecord& action,
                           const std::optional<std::string>& launchData) {
    if (!action.launchFunc) {
        return "Does nothing";
    }
    const ActionInfo* found = FindAction(*action.launchFunc);
    if (!found) {
        return "Does nothing: " + *action.launchFunc + " is no action";
    }
    if (found->usesData && !launchData) {
        if (IsProgramAction(*found)) {
            // lumora.exe offers the setup of a program that is not installed, or says that
            // there is nothing to start.
            return action.setupFunc ? "Offers to install the program"
                                    : "Says there is nothing to start";
        }
        return "Does nothing: the action has no LaunchData";
    }
    std::string sentence(found->summary);
    const size_t at = sentence.find("{}");
    if (at != std::string::npos) {
        sentence.replace(at, 2, launchData.value_or(std::string()));
    }
    return sentence;
}

}  // namespace lumora
