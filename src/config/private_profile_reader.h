// The INI reader of lumora.exe: one GetPrivateProfileSectionA call per section.
#pragma once

#include <optional>
#include <string>

#include "config/ini_reader.h"

namespace lumora {

class PrivateProfileReader final : public IniReader {
  public:
    // Reads the store's INI file (IniFilePath at the time of each read).
    PrivateProfileReader() = default;
    // Reads the given file.
    explicit PrivateProfileReader(std::string iniPath) : iniPath_(std::move(iniPath)) {}

    // Comment lines (';') are not among the entries: the whole-section read leaves them out.
    SectionEntries Section(const std::string& name) const override;

  private:
    std::optional<std::string> iniPath_;
};

}  // namespace lumora
