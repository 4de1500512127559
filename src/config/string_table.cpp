#include "config/string_table.h"

namespace lumora {
namespace {

struct BuiltInEntry {
    unsigned id;
    const char* text;
};

constexpr BuiltInEntry kBuiltInTexts[] = {
#include "string_table_entries.inc"
};

}  // namespace

std::string BuiltInText(unsigned id) {
    for (const BuiltInEntry& entry : kBuiltInTexts) {
        if (entry.id == id) {
            return entry.text;
        }
    }
    return std::string();
}

std::vector<unsigned> BuiltInTextIds() {
    std::vector<unsigned> ids;
    for (const BuiltInEntry& entry : kBuiltInTexts) {
        ids.push_back(entry.id);
    }
    return ids;
}

}  // namespace lumora
