// Parses arbitrary bytes as an INI file and reads every key of every section, and the screen
// model of every section, as the loaders would. ASan and UBSan report any access out of bounds;
// a read longer than the private-profile buffer allows is a fault.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "config/ini_document.h"
#include "config/string_table.h"
#include "screens/screen_model.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const lumora::IniDocument ini(text);
    const lumora::ModelContext context{lumora::BuiltInText, [](std::string&) {}};
    for (const lumora::IniSection& section : ini.sections()) {
        const lumora::SectionEntries entries = ini.Section(section.name);
        for (const lumora::IniEntry& entry : entries.entries()) {
            std::optional<std::string> value = entries.Find(entry.name);
            if (value && (value->empty() || value->size() > lumora::kMaxValueLength)) {
                std::abort();
            }
        }
        // Every section as a screen of its own: "Screen " + the rest of its name.
        if (section.name.size() > 7) {
            lumora::LoadScreenModel(ini, section.name.substr(7), context);
        }
    }
    return 0;
}
