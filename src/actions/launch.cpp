#include "actions/launch.h"

#include <string>

#include "actions/click_run.h"
#include "actions/launch_command.h"
#include "actions/process_start.h"
#include "actions/program_wait.h"
#include "actions/start_failure.h"
#include "config/ini_store.h"
#include "resource.h"
#include "win/message_box.h"
#include "win/resource_string.h"

namespace lumora {
namespace {

constexpr UINT kQuestionStyle = MB_YESNO | MB_ICONQUESTION;

// The command as messages name it: the line, or "the specified application" when it is empty.
std::string MessageName(const std::string& line) {
    return line.empty() ? ResourceString(IDS_FALLBACK_APPLICATION) : line;
}

void OfferSetup(HWND owner, const LaunchTarget& target, const std::string* line) {
    const int answer = line && !line->empty()
                           ? ShowFormattedMessage(owner, IDS_MSG_COMMAND_NOT_INSTALLED,
                                                  line->c_str(), kQuestionStyle)
                           : ShowResourceMessage(owner, IDS_MSG_NOT_INSTALLED, kQuestionStyle);
    if (answer == IDYES) {
        RunSetup(target);
    }
}

void ReportStartFailure(HWND owner, const LaunchTarget& target, const std::string& line,
                        StartFailureDecision decision, DWORD error) {
    const std::string name = MessageName(line);
    switch (decision.action) {
        case StartFailureAction::kReportAlreadyRunning:
            ShowFormattedMessage(owner, IDS_MSG_ALREADY_RUNNING, name.c_str(), MB_ICONEXCLAMATION);
            break;
        case StartFailureAction::kOfferSetup:
            OfferSetup(owner, target, &line);
            break;
        case StartFailureAction::kReportFailure:
            ShowTextMessage(owner,
                            FormatResourceString(IDS_MSG_LAUNCH_FAILED, name.c_str(),
                                                 static_cast<int>(error & 0xFFFF)),
                            MB_ICONEXCLAMATION);
            break;
        case StartFailureAction::kStartElevated:
        case StartFailureAction::kSilent:
            break;
    }
}

}  // namespace

int LaunchProgram(HWND mainWindow, const LaunchTarget& target, const char* command, bool wait) {
    const LaunchEntry* entry = target.entry ? &*target.entry : nullptr;
    if (!command) {
        if (HasSetup(entry)) {
            OfferSetup(mainWindow, target, nullptr);
        } else {
            ShowTextMessage(mainWindow,
                            FormatResourceString(IDS_MSG_NOTHING_TO_LAUNCH,
                                                 ResourceString(IDS_FALLBACK_APPLICATION).c_str()),
                            MB_ICONEXCLAMATION);
        }
        return -1;
    }
    const std::string line = PrepareLaunchLine(entry, command, ShortPathOf);
    const std::optional<std::string> folder = GetLaunchDir(entry);
    const std::string* folderText = folder ? &*folder : nullptr;
    UniqueHandle process = StartProcess(line, folderText);
    bool started = static_cast<bool>(process);
    if (!started) {
        DWORD error = ::GetLastError();
        StartFailureDecision decision = DecideStartFailure(error, HasSetup(entry), false);
        if (decision.action == StartFailureAction::kStartElevated) {
            started = StartThroughShell(line, folderText, process);
            if (!started) {
                error = ::GetLastError();
                decision = DecideStartFailure(error, HasSetup(entry), true);
            }
        }
        if (!started) {
            ReportStartFailure(mainWindow, target, line, decision, error);
            return decision.result;
        }
    }
    if (wait && process) {
        WaitForProgram(mainWindow, process.get());
    }
    return 1;
}

void RunSetup(const LaunchTarget& target) {
    if (target.entry && HasSetup(&*target.entry)) {
        ClickSite site;
        site.owner = target.discPromptOwner;
        site.discDrive = target.entry->discDrive;
        site.storeDiscDrive = target.storeDiscDrive;
        site.alive = target.alive;
        // A copy of the plan: the setup's own action may free the target.
        const ClickPlan plan = PlanSetup(target.entry->action);
        CarryOutPlan(plan, site);
    }
    if (target.reload && target.alive.alive()) {
        target.reload();
    }
}

}  // namespace lumora
