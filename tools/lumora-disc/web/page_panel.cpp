#include "page_panel.h"

#include "actions/action_table.h"
#include "actions/help.h"
#include "actions/launch_entry.h"
#include "actions/sound_rule.h"
#include "disc_paths.h"

namespace lumora::disc {

namespace {

constexpr char kShownRoot[] = "D:\\";

std::string ListText(const StringList& list) {
    std::string out;
    for (const std::string& element : list) {
        out += (out.empty() ? "" : "|") + element;
    }
    return out;
}

std::optional<std::string> Shown(const std::optional<std::string>& text) {
    return text ? std::optional<std::string>(ForPage(*text)) : std::nullopt;
}

// The launch data as lumora.exe passes it: the key's, else what the registry holds.
std::optional<std::string> LaunchDataOf(const ActionRecord& action) {
    if (!action.launchData && action.registry) {
        return std::string("the registry's value");
    }
    return Shown(action.launchData);
}

std::string RegistryLine(const RegistrySource& source) {
    std::string line = "LaunchData comes from the registry: HKEY_LOCAL_MACHINE\\" + source.key +
                       ", value " + (source.data ? *source.data : std::string("(default)"));
    if (source.subtract != kSettingAbsent && source.subtract > 0) {
        line += ", less its last " + std::to_string(source.subtract) + " characters";
    }
    if (source.append) {
        line += ", then " + *source.append;
    }
    return line + ".";
}

// How lumora.exe starts a program action's command (as the action has it, not yet shown), and
// what it does when the program is not there.
void DescribeProgram(const LaunchEntry* entry, const std::optional<std::string>& command,
                     const ProgramSettings& settings, std::vector<std::string>& lines) {
    if (command) {
        if (UsesDiscDrive(entry, *command)) {
            lines.push_back("The letter of the drive where the disc was found goes into it.");
        }
        if (!KeepsLongPath(entry, *command)) {
            lines.push_back("The program's path is started in its short (8.3) form.");
        }
        if (const std::optional<std::string> folder = GetLaunchDir(entry)) {
            lines.push_back("It starts in the folder " + ForPage(*folder) + ".");
        }
    }
    if (HasSetup(entry)) {
        lines.push_back(command ? "When the program is not there, asks whether to install it; "
                                  "Yes runs its setup:"
                                : "Asks whether to install it; Yes runs its setup:");
        for (const std::string& line :
             DescribePlan(PlanSetup(entry->action), entry->action, settings)) {
            lines.push_back("  " + line);
        }
    }
}

void DescribeCall(const ClickStep& step, const ActionRecord& action,
                  const ProgramSettings& settings, std::vector<std::string>& lines) {
    ActionRecord called;
    called.launchFunc = step.text;
    const std::optional<std::string> data = step.asSetup ? Shown(step.data) : LaunchDataOf(action);
    const ActionInfo* info = FindAction(step.text);
    if (info && IsProgramAction(*info) && step.asSetup && data) {
        // Whether Lumora closes after a setup its record says.
        lines.push_back("Starts " + *data +
                        (info->code == ActionCode::kProgramAndWait ? " and waits for it." : "."));
    } else {
        lines.push_back(DescribeAction(called, data) + ".");
    }
    if (!info) {
        return;
    }
    if (!step.asSetup && !action.launchData && action.registry) {
        lines.push_back(RegistryLine(*action.registry));
    }
    if (info->code == ActionCode::kHelp && data) {
        lines.push_back("The command: " + HelpCommandLine(kShownRoot, *data));
    }
    if (IsProgramAction(*info)) {
        // A setup is started for no region or item: nothing of theirs changes its command.
        const LaunchEntry entry{action, 0};
        DescribeProgram(step.asSetup ? nullptr : &entry, step.data ? step.data : data, settings,
                        lines);
    }
}

}  // namespace

std::string ForPage(const std::string& text) {
    std::string out = text;
    const std::string root = DiscRoot();
    for (size_t at = out.find(root); at != std::string::npos; at = out.find(root, at)) {
        out.replace(at, root.size(), kShownRoot);
    }
    return out;
}

std::vector<std::string> DescribePlan(const ClickPlan& plan, const ActionRecord& action,
                                      const ProgramSettings& settings) {
    std::vector<std::string> lines;
    for (const ClickStep& step : plan) {
        switch (step.kind) {
            case ClickStepKind::kPlaySound:
                if (SoundToPlay(step.text, settings)) {
                    lines.push_back("Plays " + ForPage(step.text) + ".");
                }
                break;
            case ClickStepKind::kCheckDisplay:
                lines.push_back(
                    "Checks the display against LaunchScreenReq=" + ListText(step.requirement) +
                    ": where it falls short, says so and stops.");
                break;
            case ClickStepKind::kCheckDisc:
                lines.push_back("Looks for the disc labelled " + step.requirement[0] +
                                "; until it is found, asks for " + step.requirement[1] +
                                " (Cancel stops).");
                break;
            case ClickStepKind::kShowSplash:
                lines.push_back("Shows " + ForPage(step.text) + " for " +
                                std::to_string(step.seconds) + " s.");
                break;
            case ClickStepKind::kRecordSetup:
                lines.push_back(
                    (step.data ? "Records in [Setup] that " + *step.data + " is being installed"
                               : std::string("Records in [Setup] that no application is named")) +
                    (step.leaveDuringSetup ? "; Lumora closes once the setup has started."
                                           : "; Lumora stays while it runs."));
                break;
            case ClickStepKind::kCallAction:
                DescribeCall(step, action, settings, lines);
                break;
        }
    }
    return lines;
}

std::string DescribeClick(const ActionRecord& action, const std::optional<std::string>& sound) {
    if (!action.launchFunc) {
        return sound ? "Plays its sound" : "Does nothing";
    }
    return DescribeAction(action, LaunchDataOf(action));
}

}  // namespace lumora::disc
