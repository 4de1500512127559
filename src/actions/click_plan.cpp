#include "actions/click_plan.h"

#include "actions/action_table.h"
#include "actions/splash_time.h"
#include "config/section_entries.h"

namespace lumora {
namespace {

ClickStep Step(ClickStepKind kind) {
    return ClickStep{kind, std::string(), std::nullopt, StringList(), 0, false, false};
}

void AddDiscCheck(ClickPlan& plan, const std::optional<StringList>& requirement) {
    if (NeedsDisc(requirement)) {
        ClickStep step = Step(ClickStepKind::kCheckDisc);
        step.requirement = StringList(requirement->begin(), requirement->begin() + 2);
        plan.push_back(std::move(step));
    }
}

void AddSound(ClickPlan& plan, const std::optional<std::string>& sound) {
    if (sound) {
        ClickStep step = Step(ClickStepKind::kPlaySound);
        step.text = *sound;
        plan.push_back(std::move(step));
    }
}

// The steps of an action, with the sound (if any) after the checks and before the splash.
ClickPlan PlanAction(const ActionRecord& action, const std::optional<std::string>& sound) {
    ClickPlan plan;
    if (action.launchScreenReq) {
        ClickStep step = Step(ClickStepKind::kCheckDisplay);
        step.requirement = *action.launchScreenReq;
        plan.push_back(std::move(step));
    }
    AddDiscCheck(plan, action.launchReq);
    AddSound(plan, sound);
    if (const std::optional<SplashShow> splash = PlannedSplash(action.splash)) {
        ClickStep step = Step(ClickStepKind::kShowSplash);
        step.text = splash->picture;
        step.seconds = splash->seconds;
        plan.push_back(std::move(step));
    }
    ClickStep call = Step(ClickStepKind::kCallAction);
    call.text = *action.launchFunc;
    call.data = action.launchData;
    plan.push_back(std::move(call));
    return plan;
}

}  // namespace

bool NeedsDisc(const std::optional<StringList>& requirement) {
    return requirement && requirement->size() >= 2;
}

ClickPlan PlanRegionClick(const ActionRecord& action, const std::optional<std::string>& sound) {
    if (!action.launchFunc) {
        ClickPlan plan;
        AddSound(plan, sound);
        return plan;
    }
    return PlanAction(action, sound);
}

ClickPlan PlanMenuChoice(const ActionRecord& action) {
    return action.launchFunc ? PlanAction(action, std::nullopt) : ClickPlan();
}

ClickPlan PlanSetup(const ActionRecord& action) {
    ClickPlan plan;
    if (!action.setupFunc) {
        return plan;
    }
    AddDiscCheck(plan, action.setupReq);
    ClickStep record = Step(ClickStepKind::kRecordSetup);
    record.data = action.setupDesc;
    record.leaveDuringSetup = action.exitDuringSetup;
    plan.push_back(std::move(record));
    ClickStep call = Step(ClickStepKind::kCallAction);
    call.text = *action.setupFunc;
    call.data = action.setupData;
    call.asSetup = true;
    plan.push_back(std::move(call));
    return plan;
}

std::optional<StartProgram> PlanLaunchAtStart(const ActionRecord& action) {
    const ActionInfo* program = FindAction("DispatchProgram");
    if (!action.launchFunc || !SameIniName(*action.launchFunc, program->exportName) ||
        !action.launchData) {
        return std::nullopt;
    }
    StartProgram start{*action.launchData, std::nullopt};
    if (action.launchReq) {
        // A list without a name asks for no disc here, and so prevents the start.
        if (!NeedsDisc(action.launchReq)) {
            return std::nullopt;
        }
        start.discLabel = action.launchReq->front();
    }
    return start;
}

}  // namespace lumora
