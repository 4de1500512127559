#include "actions/click_run.h"

#include "actions/action_gate.h"
#include "actions/disc.h"
#include "actions/dispatch.h"
#include "actions/display_check.h"
#include "actions/sound.h"
#include "config/ini_store.h"

namespace lumora {
namespace {

// Runs one step; false when the plan stops there.
bool RunStep(const ClickStep& step, const ClickSite& site) {
    switch (step.kind) {
        case ClickStepKind::kPlaySound:
            PlaySoundAsync(step.text);
            return true;
        case ClickStepKind::kCheckDisplay:
            // A refusal shows a message box, whose loop may let the region go.
            return CheckDisplayRequirement(site.owner, &step.requirement) && site.alive.alive();
        case ClickStepKind::kCheckDisc: {
            int drive = site.discDrive;
            const bool found = EnsureDisk(site.owner, &step.requirement, drive) != FALSE;
            // The search result belongs to the region or item only while it is still there.
            if (!site.alive.alive()) {
                return false;
            }
            if (site.storeDiscDrive) {
                site.storeDiscDrive(drive);
            }
            return found;
        }
        case ClickStepKind::kShowSplash:
            if (site.splash) {
                site.splash->ShowLogo(site.owner, step.text, step.seconds, site.scale);
            }
            return true;
        case ClickStepKind::kRecordSetup:
            RecordSetupStart(step.data ? &*step.data : nullptr, step.leaveDuringSetup);
            return true;
        case ClickStepKind::kCallAction:
            CallExport(step.asSetup ? kSetupLaunchId : site.launchId, step.text.c_str(),
                       step.data ? step.data->c_str() : nullptr);
            return true;
    }
    return false;
}

}  // namespace

ClickOutcome CarryOutPlan(const ClickPlan& plan, const ClickSite& site) {
    for (const ClickStep& step : plan) {
        if (!RunStep(step, site)) {
            return ClickOutcome::kStopped;
        }
    }
    return ClickOutcome::kFinished;
}

ClickOutcome RunClick(const ClickPlan& plan, const ClickSite& site) {
    const ActionGate gate;
    if (!gate.held()) {
        return ClickOutcome::kIgnored;
    }
    return CarryOutPlan(plan, site);
}

}  // namespace lumora
