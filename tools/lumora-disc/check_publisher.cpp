#include "check_publisher.h"

#include <map>

#include "config/string_table.h"
#include "prefs/publisher_texts.h"
#include "resource.h"

namespace lumora::disc {

void CheckPublisher(const CheckContext& context) {
    const std::string name = CheckContext::Text(IDS_SECTION_PUBLISHER);
    const IniSection* section = context.Use(name);
    if (!section) {
        return;
    }
    context.Reads(*section, SectionKind::kPublisher, "[" + name + "]");
    const PublisherTexts texts = ReadPublisherTexts(section->entries, BuiltInText);
    if (texts.empty()) {
        context.out().Warning(section->entries.line(),
                              "[" + name +
                                  "] has no text, so the Support and About pages show "
                                  "Lumora's own pictures");
        return;
    }
    // Each text on the line with the least room among the pages that show it.
    std::map<unsigned, std::pair<int, std::string>> room;
    const auto measure = [&](const std::vector<InfoLine>& lines, const std::string& page) {
        for (const InfoLine& line : lines) {
            auto [at, added] = room.try_emplace(line.key, line.Room(), page);
            if (!added && line.Room() < at->second.first) {
                at->second = {line.Room(), page};
            }
        }
    };
    measure(SupportPageLines(texts, BuiltInText), "Support");
    measure(AboutPageLines(texts, BuiltInText), "About");
    for (const auto& [key, text] : texts) {
        const auto& [characters, page] = room.at(key);
        if (static_cast<int>(text.size()) > characters) {
            context.out().Warning(CheckContext::LineOf(*section, key),
                                  BuiltInText(key) + " has " + std::to_string(text.size()) +
                                      " characters; its line on the " + page +
                                      " page shows about " + std::to_string(characters) +
                                      ", and the rest is cut with '...'");
        }
    }
}

}  // namespace lumora::disc
