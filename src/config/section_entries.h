// Finding keys in the entries of one INI section, as the section reader gives them ("key=value"
// strings), with the rules of the private-profile functions. Portable.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumora {

// Longest value a read gives: the private-profile buffer is 512 bytes with its terminating zero.
constexpr size_t kMaxValueLength = 511;

class SectionEntries {
  public:
    SectionEntries() = default;
    // data holds zero-terminated entries one after another, ended by an empty one.
    SectionEntries(const char* data, size_t size);

    // The value of the first entry whose name matches without regard to letter case: blanks
    // around it removed, then enclosing single or double quotation marks, then cut at 511
    // characters. Nothing when there is no such entry or its value is empty.
    std::optional<std::string> Find(std::string_view key) const;

  private:
    std::vector<std::string> entries_;
};

}  // namespace lumora
