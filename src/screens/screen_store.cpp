#include "screens/screen_store.h"

#include "config/ini_store.h"
#include "config/program_model_context.h"
#include "screens/screen_model.h"

namespace lumora {
namespace {

std::optional<FileStamp> IniStamp() {
    const std::optional<std::string> path = IniFilePath();
    return path ? StampOfFile(*path) : std::nullopt;
}

}  // namespace

ScreenStore::ScreenStore(size_t pictureLimit)
    : sections_(profile_, IniStamp), pictures_(pictureLimit) {}

void ScreenStore::NewPlan() {
    CheckIniFile();
    plan_.clear();
    pictures_.Trim();
}

bool ScreenStore::Preload(const std::string& name, bool withDoubleSizes) {
    CheckIniFile();
    const std::optional<ScreenModel> model =
        LoadScreenModel(sections_, name, ProgramModelContext());
    if (!model) {
        return true;
    }
    plan_.push_back(pictures_.Get(model->background, withDoubleSizes));
    for (const RegionSpec& region : model->regions) {
        for (const RegionPicture* picture : {&region.highlight, &region.balloon}) {
            if (picture->path) {
                plan_.push_back(pictures_.Get(*picture->path, withDoubleSizes));
            }
        }
    }
    return pictures_.Trim();
}

}  // namespace lumora
