#include "page_data.h"

#include <deque>
#include <fstream>
#include <iterator>
#include <set>
#include <system_error>

#include "actions/action_table.h"
#include "actions/splash_time.h"
#include "check_pictures.h"
#include "config/settings_model.h"
#include "imaging/double_size.h"
#include "menus/menu_model.h"
#include "resource.h"
#include "screens/screen_model.h"

namespace lumora::disc {

namespace {

// The expanded paths the page may read, in the order named.
class Named {
  public:
    void File(const std::optional<std::string>& path) {
        if (path) {
            paths.push_back(*path);
        }
    }
    void Picture(const std::optional<std::string>& path) {
        if (path) {
            paths.push_back(*path);
            paths.push_back(DoubleSizePath(*path));
        }
    }
    // A splash picture, and the menu that the action opens.
    void Action(const ActionRecord& action) {
        if (const std::optional<SplashShow> splash = PlannedSplash(action.splash)) {
            paths.push_back(splash->picture);
        }
        const ActionInfo* info = action.launchFunc ? FindAction(*action.launchFunc) : nullptr;
        if (info && info->code == ActionCode::kMenu && action.launchData) {
            menus.push_back(*action.launchData);
        }
    }

    std::vector<std::string> paths;
    std::deque<std::string> menus;
};

}  // namespace

std::optional<std::string> ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::pair<std::string, std::string>> PageFilesOf(const CheckContext& context,
                                                             const IniSection& config) {
    ProgramSettings settings;
    ReadProgramSettings(config.entries, context.model(), settings);
    Named named;
    named.File(settings.startSound);
    named.File(settings.highlightSound);
    named.File(settings.balloonSound);
    for (const std::string& name : settings.screenNames.value_or(StringList{})) {
        const auto model = LoadScreenModel(context.ini(), name, context.model());
        if (!model) {
            continue;
        }
        named.Picture(model->background);
        for (const RegionSpec& region : model->regions) {
            named.Picture(region.highlight.path);
            named.Picture(region.balloon.path);
            named.File(region.sound);
            named.Action(region.action);
        }
    }
    // Menus are followed one after another, each once, whatever opens what.
    std::set<std::string> menusSeen;
    while (!named.menus.empty()) {
        const std::string menu = named.menus.front();
        named.menus.pop_front();
        const auto firstSeen = menusSeen.insert(menu).second
                                   ? LoadMenuSpec(context.ini(), menu, context.model())
                                   : std::nullopt;
        for (const MenuItem& item : firstSeen ? firstSeen->items : std::vector<MenuItem>()) {
            named.Action(item.action);
        }
    }

    std::vector<std::pair<std::string, std::string>> files;
    std::set<std::filesystem::path> taken;
    const DiscFiles& disc = context.files();
    for (const std::string& path : named.paths) {
        const auto found = disc.OnDisc(path) ? disc.Find(path) : std::nullopt;
        std::error_code error;
        if (!found || !std::filesystem::is_regular_file(*found, error) ||
            OversizedPicture(disc, path) ||
            !taken.insert(std::filesystem::weakly_canonical(*found, error)).second) {
            continue;
        }
        if (auto bytes = ReadBytes(*found)) {
            files.emplace_back(disc.Shown(path), std::move(*bytes));
        }
    }
    return files;
}

}  // namespace lumora::disc
