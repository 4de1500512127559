// One hot area of a screen: its polygon, pictures, sounds and the action a click runs.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "actions/action_record.h"
#include "config/value_parse.h"
#include "imaging/cdib.h"
#include "screens/accessible_screen.h"
#include "screens/picture_cache.h"
#include "screens/screen_model.h"
#include "win/handles.h"

namespace lumora {

struct CRegion {
    UniqueRgn shape;  // null: never hit
    // Present whenever the key is, even if the file failed; shared with the screen's other
    // regions that name the same file.
    std::shared_ptr<const CDib> balloon;
    std::shared_ptr<const CDib> highlight;
    Point balloonPos;
    Point highlightPos;
    int balloonTransparency = -1;  // palette index drawn as transparent, -1 for none
    int highlightTransparency = -1;
    std::optional<std::string> name;  // always set by loading
    std::optional<std::string> sound;
    // What a click does; its launch data comes from the registry when the section has none.
    ActionRecord action;
    int discDrive = 0;   // last disc search: 0, a drive letter, or -1
    ReaderFacts reader;  // what a screen reader is told of it
};

// Reads the region's section (screen name + "-Region " + region name) into a fresh record: the
// polygon made a GDI region, the pictures taken from the cache (with their authors' 2x pictures
// when withDoubleSizes).
CRegion LoadRegionRecord(const IniReader& ini, const std::string& screenName,
                         const std::string& regionName, PictureCache& pictures,
                         bool withDoubleSizes);

}  // namespace lumora
