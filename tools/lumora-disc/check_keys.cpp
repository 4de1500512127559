#include "check_keys.h"

#include <algorithm>
#include <map>

#include "actions/action_record.h"
#include "actions/launch_at_start.h"
#include "config/ini_store.h"
#include "config/settings_model.h"
#include "menus/menu_model.h"
#include "prefs/publisher_texts.h"
#include "resource.h"
#include "screens/screen_model.h"

namespace lumora::disc {

namespace {

// A kind of section in the messages' words, and the keys its readers read.
struct Kind {
    std::string in;                         // "in a region"
    std::string plural;                     // "regions"
    std::vector<std::string> names;         // as the string table writes them, in table order
    std::map<std::string, KeyRead> byName;  // by IniNameKey
};

Kind MakeKind(std::string in, std::string plural, const KeyReads& keys) {
    Kind kind{std::move(in), std::move(plural), {}, {}};
    for (const KeyRead& key : keys) {
        kind.names.push_back(CheckContext::Text(key.id));
        kind.byName.emplace(IniNameKey(kind.names.back()), key);
    }
    return kind;
}

std::map<SectionKind, Kind> Kinds() {
    const auto named = [](unsigned sectionId) { return "[" + CheckContext::Text(sectionId) + "]"; };
    KeyReads config = ProgramSettingKeys();
    config.push_back(kLaunchAtStartKey);
    KeyReads publisher;
    for (const unsigned id : kPublisherKeys) {
        publisher.push_back({id, KeyKind::kText});
    }
    const std::string launchAtStart =
        "the " + CheckContext::Text(kLaunchAtStartKey.id) + " section";
    std::map<SectionKind, Kind> kinds;
    kinds.emplace(SectionKind::kConfig,
                  MakeKind("in " + named(IDS_SECTION_CONFIG), named(IDS_SECTION_CONFIG), config));
    kinds.emplace(SectionKind::kScreen,
                  MakeKind("in a screen's section", "screens", ScreenSectionKeys()));
    kinds.emplace(SectionKind::kRegion, MakeKind("in a region", "regions", RegionSectionKeys()));
    kinds.emplace(SectionKind::kMenu, MakeKind("in a menu's section", "menus", MenuSectionKeys()));
    kinds.emplace(SectionKind::kMenuItem,
                  MakeKind("in a menu item", "menu items", MenuItemSectionKeys()));
    kinds.emplace(SectionKind::kLaunchAtStart,
                  MakeKind("in " + launchAtStart, launchAtStart, ActionRecordKeys()));
    kinds.emplace(SectionKind::kSetup,
                  MakeKind("in " + named(IDS_SECTION_SETUP), named(IDS_SECTION_SETUP),
                           KeyReads(std::begin(kSetupKeys), std::end(kSetupKeys))));
    kinds.emplace(SectionKind::kPublisher, MakeKind("in " + named(IDS_SECTION_PUBLISHER),
                                                    named(IDS_SECTION_PUBLISHER), publisher));
    return kinds;
}

// "a", "a and b", "a, b and c".
std::string Enumerated(const std::vector<std::string>& items) {
    std::string text;
    for (size_t i = 0; i < items.size(); ++i) {
        text += (i == 0 ? "" : i + 1 == items.size() ? " and " : ", ") + items[i];
    }
    return text;
}

// The listing of a section's keys, when it is short enough to read in a message.
constexpr size_t kListedKeys = 8;

std::string UnknownKeyText(const std::string& name, const ReadSection& read, const Kind& known,
                           const std::map<SectionKind, Kind>& kinds) {
    std::string text = read.what + ": Lumora does not read " + Quoted(name);
    if (const auto nearest = NearestName(name, known.names)) {
        return text + ": did you mean " + Quoted(*nearest) + "?";
    }
    std::vector<std::string> elsewhere;
    for (const auto& [kind, other] : kinds) {
        if (other.byName.count(IniNameKey(name))) {
            elsewhere.push_back(other.plural);
        }
    }
    if (!elsewhere.empty()) {
        return text + " " + known.in + ": it is a key of " + Enumerated(elsewhere);
    }
    if (known.names.size() <= kListedKeys) {
        std::string list;
        for (const std::string& key : known.names) {
            list += (list.empty() ? "" : ", ") + key;
        }
        return text + "; its keys are " + list;
    }
    return text;
}

std::string PointText(const Point& point) {
    return std::to_string(point.x) + "," + std::to_string(point.y);
}

// A value that Lumora reads otherwise than it looks.
void CheckValue(const CheckContext& context, const std::string& what, const IniEntry& entry,
                KeyKind kind) {
    const std::optional<std::string> value = ReadableValue(*entry.value);
    if (!value) {
        return;
    }
    const std::string written = what + ": " + entry.name + "=" + *value + " is read as ";
    const std::string point = " (a point is x,y: two whole numbers and a comma)";
    Diagnostics& out = context.out();
    switch (kind) {
        case KeyKind::kInteger:
            if (!DecimalReadsWhole(*value)) {
                out.Warning(entry.line, written + std::to_string(ParseDecimal(*value)) +
                                            " (a whole number: Lumora reads up to the first "
                                            "character that is no digit)");
            }
            return;
        case KeyKind::kPoint:
            if (!PointReadsWhole(*value)) {
                out.Warning(entry.line, written + PointText(ParsePoint(*value)) + point);
            }
            return;
        case KeyKind::kPointList: {
            // The first such corner, and how many more there are.
            std::optional<std::string> odd;
            size_t more = 0;
            for (const std::string& element : SplitList(*value)) {
                if (PointReadsWhole(element)) {
                    continue;
                }
                if (odd) {
                    ++more;
                } else {
                    odd = element;
                }
            }
            if (odd) {
                out.Warning(entry.line, what + ": " + entry.name + " point " + Quoted(*odd) +
                                            " is read as " + PointText(ParsePoint(*odd)) + point +
                                            (more ? ", and " + std::to_string(more) +
                                                        " more points of it are read otherwise "
                                                        "than they look"
                                                  : ""));
            }
            return;
        }
        case KeyKind::kPositiveFlag:
        case KeyKind::kNonZeroFlag:
            if (!DecimalReadsWhole(*value) ||
                (ParseDecimal(*value) != 0 && ParseDecimal(*value) != 1)) {
                const bool on = kind == KeyKind::kPositiveFlag ? PositiveFlagIsOn(*value)
                                                               : NonZeroFlagIsOn(*value);
                out.Warning(entry.line, written + (on ? "on" : "off") + " (a flag is 0 or 1)");
            }
            return;
        case KeyKind::kText:
        case KeyKind::kPath:
        case KeyKind::kList:
            return;
    }
}

void CheckSectionKeys(const CheckContext& context, const IniSection& section,
                      const ReadSection& read, const std::map<SectionKind, Kind>& kinds) {
    // The keys of all the kinds it is read as, and how the first of them reads each.
    const Kind* first = &kinds.at(read.kinds.front());
    Kind merged;
    if (read.kinds.size() > 1) {
        merged = *first;
        for (size_t i = 1; i < read.kinds.size(); ++i) {
            for (const auto& [name, key] : kinds.at(read.kinds[i]).byName) {
                if (merged.byName.emplace(name, key).second) {
                    merged.names.push_back(CheckContext::Text(key.id));
                }
            }
        }
        first = &merged;
    }
    const Kind& known = *first;
    std::map<std::string, int> firstLine;
    for (const IniEntry& entry : section.entries.entries()) {
        if (entry.IsComment()) {
            continue;
        }
        const std::string name = IniNameKey(entry.name);
        const auto key = known.byName.find(name);
        if (key != known.byName.end()) {
            const auto [earlier, added] = firstLine.emplace(name, entry.line);
            if (!added) {
                context.out().Warning(entry.line, read.what + ": a second " + entry.name +
                                                      " (the first is at line " +
                                                      std::to_string(earlier->second) +
                                                      "): Lumora reads only the first");
                continue;
            }
        }
        if (!entry.value) {
            context.out().Warning(entry.line, read.what + ": " + Quoted(entry.name) +
                                                  " has no '=', so Lumora reads nothing from it");
        } else if (key == known.byName.end()) {
            context.out().Warning(entry.line, UnknownKeyText(entry.name, read, known, kinds));
        } else {
            CheckValue(context, read.what, entry, key->second.kind);
        }
    }
}

}  // namespace

void CheckKeys(const CheckContext& context) {
    const std::map<SectionKind, Kind> kinds = Kinds();
    for (const auto& [section, read] : context.read()) {
        CheckSectionKeys(context, *section, read, kinds);
    }
}

size_t NameDistance(std::string_view written, std::string_view known) {
    const std::string a = IniNameKey(written);
    const std::string b = IniNameKey(known);
    // Three rows of the table: the one two back is for swaps.
    std::vector<size_t> before(b.size() + 1), last(b.size() + 1), row(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j) {
        last[j] = j;
    }
    for (size_t i = 1; i <= a.size(); ++i) {
        row[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t replace = last[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
            row[j] = std::min({last[j] + 1, row[j - 1] + 1, replace});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
                row[j] = std::min(row[j], before[j - 2] + 1);
            }
        }
        before.swap(last);
        last.swap(row);
    }
    return last[b.size()];
}

std::optional<std::string> NearestName(std::string_view name,
                                       const std::vector<std::string>& names) {
    const size_t limit = std::clamp<size_t>(name.size() / 3, 1, 4);
    std::optional<std::string> nearest;
    size_t best = limit + 1;
    for (const std::string& candidate : names) {
        // Names whose lengths differ by more than the limit are further apart: a long line
        // without '=' is not compared letter by letter.
        const size_t apart =
            std::max(name.size(), candidate.size()) - std::min(name.size(), candidate.size());
        if (apart > limit) {
            continue;
        }
        const size_t distance = NameDistance(name, candidate);
        if (distance < best) {
            best = distance;
            nearest = candidate;
        }
    }
    return nearest;
}

}  // namespace lumora::disc
