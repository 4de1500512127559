// What a screen section and its region sections say, read through an IniReader: the data that
// the screen window turns into a background, region shapes and pictures. Portable.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "actions/action_record.h"
#include "config/ini_reader.h"
#include "config/model_context.h"
#include "config/program_settings.h"
#include "config/value_parse.h"

namespace lumora {

// A balloon or highlight picture. The path is there whenever the key is, even when the file
// turns out to be missing; position and transparency are read either way.
struct RegionPicture {
    std::optional<std::string> path;  // expanded
    Point position;
    int transparency = -1;  // palette index drawn as transparent, -1 for none
};

struct RegionSpec {
    std::string name;          // exactly as listed in "RegionNames"
    std::string section;       // screen name + "-Region " + region name
    std::vector<Point> shape;  // empty: no shape (key absent or fewer than three points)
    RegionPicture balloon;
    RegionPicture highlight;
    std::optional<std::string> sound;  // expanded
    std::optional<std::string> label;  // what a screen reader speaks for it
    ActionRecord action;
};

// The name a screen reader speaks for the region: its "Label", else its name as listed.
const std::string& SpokenName(const RegionSpec& region);

// The screen's own section: all that its first paint needs.
struct ScreenSection {
    std::string name;         // as asked for, without the "Screen " prefix
    std::string description;  // empty when absent
    std::string background;   // expanded path of "Bitmap"
    StringList regionNames;   // as listed in "RegionNames", never empty
};

struct ScreenModel {
    std::string name;                 // as asked for, without the "Screen " prefix
    std::string description;          // empty when absent
    std::string background;           // expanded path of "Bitmap"
    std::vector<RegionSpec> regions;  // in "RegionNames" order, one per listed name
};

// Reads the screen's section only. Nothing when it has no "RegionNames" or no "Bitmap".
std::optional<ScreenSection> LoadScreenSection(const IniReader& ini, const std::string& screenName,
                                               const ModelContext& context);

// Reads the screen's section and one section per listed region. Nothing when the screen has no
// "RegionNames" or no "Bitmap".
std::optional<ScreenModel> LoadScreenModel(const IniReader& ini, const std::string& screenName,
                                           const ModelContext& context);

// Reads one region's section; missing or broken keys take their defaults.
RegionSpec LoadRegionSpec(const IniReader& ini, const std::string& screenName,
                          const std::string& regionName, const ModelContext& context);

// The keys LoadScreenSection reads from a screen's section.
KeyReads ScreenSectionKeys();
// The keys LoadRegionSpec reads from a region's section: its own and its action record's.
KeyReads RegionSectionKeys();

}  // namespace lumora
