#include "actions/action_record.h"

#include "resource.h"

namespace lumora {
namespace {

std::optional<RegistrySource> ReadRegistrySource(const SectionKeys& keys) {
    std::optional<std::string> key = keys.Text(IDS_KEY_REGISTRY_KEY);
    if (!key) {
        return std::nullopt;
    }
    RegistrySource source;
    source.key = std::move(*key);
    source.data = keys.Text(IDS_KEY_REGISTRY_DATA);
    source.subtract = keys.Int(IDS_KEY_REGISTRY_SUBTRACT);
    source.append = keys.Text(IDS_KEY_REGISTRY_APPEND);
    return source;
}

}  // namespace

const std::array<KeyRead, 13> kActionKeys = {{
    {IDS_KEY_LAUNCH_FUNC, KeyKind::kText},
    {IDS_KEY_LAUNCH_DATA, KeyKind::kPath},
    {IDS_KEY_LAUNCH_DIR, KeyKind::kPath},
    {IDS_KEY_LAUNCH_SCREEN_REQ, KeyKind::kList},
    {IDS_KEY_LAUNCH_REQ, KeyKind::kList},
    {IDS_KEY_LAUNCH_ON_REQ, KeyKind::kPositiveFlag},
    {IDS_KEY_LAUNCH_LONG, KeyKind::kPositiveFlag},
    {IDS_KEY_SETUP_REQ, KeyKind::kList},
    {IDS_KEY_SETUP_FUNC, KeyKind::kText},
    {IDS_KEY_SETUP_DATA, KeyKind::kPath},
    {IDS_KEY_SETUP_DESC, KeyKind::kText},
    {IDS_KEY_EXIT_DURING_SETUP, KeyKind::kNonZeroFlag},
    {IDS_KEY_SPLASH, KeyKind::kList},
}};

const std::array<KeyRead, 4> kRegistrySourceKeys = {{
    {IDS_KEY_REGISTRY_KEY, KeyKind::kText},
    {IDS_KEY_REGISTRY_DATA, KeyKind::kText},
    {IDS_KEY_REGISTRY_SUBTRACT, KeyKind::kInteger},
    {IDS_KEY_REGISTRY_APPEND, KeyKind::kText},
}};

KeyReads ActionRecordKeys() {
    KeyReads keys(kActionKeys.begin(), kActionKeys.end());
    keys.insert(keys.end(), kRegistrySourceKeys.begin(), kRegistrySourceKeys.end());
    return keys;
}

ActionRecord ReadActionRecord(const SectionKeys& keys) {
    ActionRecord action;
    action.launchScreenReq = keys.List(IDS_KEY_LAUNCH_SCREEN_REQ);
    action.launchReq = keys.List(IDS_KEY_LAUNCH_REQ);
    action.launchOnReq = keys.PositiveFlag(IDS_KEY_LAUNCH_ON_REQ);
    action.launchLong = keys.PositiveFlag(IDS_KEY_LAUNCH_LONG);
    action.launchFunc = keys.Text(IDS_KEY_LAUNCH_FUNC);
    action.launchData = keys.Path(IDS_KEY_LAUNCH_DATA);
    if (!action.launchData) {
        // The registry keys count only for an action without launch data.
        action.registry = ReadRegistrySource(keys);
    }
    action.setupReq = keys.List(IDS_KEY_SETUP_REQ);
    action.setupFunc = keys.Text(IDS_KEY_SETUP_FUNC);
    action.setupData = keys.Path(IDS_KEY_SETUP_DATA);
    action.setupDesc = keys.Text(IDS_KEY_SETUP_DESC);
    action.exitDuringSetup = keys.NonZeroFlag(IDS_KEY_EXIT_DURING_SETUP);
    action.splash = keys.List(IDS_KEY_SPLASH);
    if (action.splash && keys.context().expandPath) {
        keys.context().expandPath(action.splash->front());
    }
    action.launchDir = keys.Path(IDS_KEY_LAUNCH_DIR);
    return action;
}

}  // namespace lumora
