// Key look-up in a section's "key=value" entries against a plain model of the private-profile
// rules: the first entry whose trimmed name matches without regard to case decides; its value is
// trimmed, loses enclosing quotes and is cut at 511 characters; an empty value is none. Letter
// case and blanks around the key never change the answer, nor do entries after the first match.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "config/section_entries.h"
#include "fuzz/fuzz_check.h"

namespace {

using lumora::kMaxValueLength;
using lumora::SectionEntries;

std::string Trimmed(std::string text) {
    // Wine trims vertical tabs, form feeds and Ctrl-Z as well.
    const char* blanks = " \t\r\n\v\f\x1a";
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) {
        return "";
    }
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::string Folded(std::string text, bool upper) {
    for (char& c : text) {
        if (upper && c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        } else if (!upper && c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

// The entries as the section reader gives them: zero-terminated, up to the first empty one.
std::vector<std::string> Entries(const std::string& data) {
    std::vector<std::string> entries;
    size_t at = 0;
    while (at < data.size() && data[at] != '\0') {
        size_t end = data.find('\0', at);
        if (end == std::string::npos) {
            end = data.size();
        }
        entries.push_back(data.substr(at, end - at));
        at = end + 1;
    }
    return entries;
}

std::optional<std::string> Model(const std::vector<std::string>& entries, const std::string& key) {
    for (const std::string& entry : entries) {
        const size_t equals = entry.find('=');
        if (Folded(Trimmed(entry.substr(0, equals)), false) != Folded(Trimmed(key), false)) {
            continue;
        }
        if (equals == std::string::npos) {
            return std::nullopt;
        }
        std::string value = Trimmed(entry.substr(equals + 1));
        if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') &&
            value.back() == value[0]) {
            value = value.substr(1, value.size() - 2);
            // A quoted value of exactly 511 characters loses its last one, as under Wine.
            if (value.size() == kMaxValueLength) {
                value.pop_back();
            }
        }
        if (value.empty()) {
            return std::nullopt;
        }
        return value.substr(0, kMaxValueLength);
    }
    return std::nullopt;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 16384) {
        return 0;
    }
    FuzzedDataProvider provider(data, size);
    const bool keyFromEntry = provider.ConsumeBool();
    std::string key = provider.ConsumeRandomLengthString(24);
    const std::string section = provider.ConsumeRemainingBytesAsString();
    const std::vector<std::string> entries = Entries(section);
    if (keyFromEntry && !entries.empty()) {
        // A name that is there, so that the fuzzer reaches the matching side easily.
        const std::string& entry = entries[key.size() % entries.size()];
        key = entry.substr(0, entry.find('='));
    }

    const SectionEntries found(section.data(), section.size());
    const std::optional<std::string> value = found.Find(key);
    FUZZ_CHECK(value == Model(entries, key));
    if (value) {
        FUZZ_CHECK(!value->empty() && value->size() <= kMaxValueLength);
    }
    FUZZ_CHECK(found.Find(Folded(key, true)) == value);
    FUZZ_CHECK(found.Find(Folded(key, false)) == value);
    FUZZ_CHECK(found.Find(" \t" + key + "\r\n ") == value);

    // An entry of the same name after the first match changes nothing.
    if (value) {
        std::string longer = section;
        longer.append(1, '\0').append(Trimmed(key)).append("=appended");
        FUZZ_CHECK(SectionEntries(longer.data(), longer.size()).Find(key) == value);
    }
    return 0;
}
