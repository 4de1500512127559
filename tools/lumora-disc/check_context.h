// What every part of `check` works with: the parsed Lumora.ini, the disc's files, the texts of
// the string table and the diagnostics found so far.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "config/ini_document.h"
#include "config/model_context.h"
#include "config/program_settings.h"
#include "diagnostics.h"
#include "disc_files.h"

namespace lumora::disc {

struct CheckOptions {
    // The volume label of the image that `iso` builds; none: the first "LaunchReq" label.
    std::optional<std::string> label;
    // The image that `iso` writes, left out of the disc wherever it lies.
    std::filesystem::path image;
    // The ANSI code page of the Windows that reads the disc, in which Lumora.ini names things.
    int codePage = kDefaultCodePage;
};

// The kinds of section that Lumora reads, each with the keys of its readers.
enum class SectionKind {
    kConfig,
    kScreen,
    kRegion,
    kMenu,
    kMenuItem,
    kLaunchAtStart,
    kSetup,
    kPublisher,
};

// A section that Lumora reads, as what, and the messages' name for it.
struct ReadSection {
    std::string what;  // "region 'Exit' of screen 'Main'"
    std::vector<SectionKind> kinds;
};

class CheckContext {
  public:
    CheckContext(const IniDocument& ini, const DiscFiles& files, Diagnostics& out);

    const IniDocument& ini() const { return ini_; }
    const DiscFiles& files() const { return files_; }
    Diagnostics& out() const { return out_; }
    const ModelContext& model() const { return model_; }

    // The string-table text with this id: a section or key name.
    static std::string Text(unsigned id);

    // The section of that name as reads find it, or null; remembers that it is used.
    const IniSection* Use(const std::string& name) const;
    bool Used(const IniSection& section) const;

    // The line of the key in the section, else the section's header line.
    static int LineOf(const IniSection& section, unsigned keyId);
    // A key's value as a read gives it (not expanded).
    static std::optional<std::string> Value(const IniSection& section, unsigned keyId);
    static std::optional<StringList> List(const IniSection& section, unsigned keyId);

    // Expands a path value with the disc's macros.
    std::string Expanded(std::string path) const;
    // An expanded path of a file as the kit looks for it. One that depends on the current folder
    // is reported at the line, and taken from the disc's root, which is the current folder when
    // Windows starts Lumora from the disc; any other comes back as it is.
    std::string FromDisc(const std::string& path, int line, const std::string& what) const;

    // Notes that Lumora reads the section as one of that kind: its keys are checked at the end.
    void Reads(const IniSection& section, SectionKind kind, const std::string& what) const;
    // The sections noted, in file order.
    const std::map<const IniSection*, ReadSection>& read() const { return read_; }

    // What an expanded path names on the disc. When it is something the image cannot hold,
    // reports that at the line, once for every entry: what + ": " + noun + " '...' is ...".
    DiscEntry Look(const std::string& path, int line, const std::string& what,
                   const std::string& noun) const;
    // True when the entry of the disc folder was reported at a line.
    bool Reported(const std::filesystem::path& entry) const;

    // Config's lists, once read.
    std::optional<StringList> install;
    std::optional<StringList> screenNames;
    // The label the image will carry and the line it comes from.
    std::optional<std::string> label;

  private:
    const IniDocument& ini_;
    const DiscFiles& files_;
    Diagnostics& out_;
    ModelContext model_;
    mutable std::set<const IniSection*> used_;
    mutable std::set<std::filesystem::path> reported_;
    mutable std::map<const IniSection*, ReadSection> read_;
};

// Quotes a name for a message: 'Main'.
std::string Quoted(const std::string& name);

// What a path that depends on the current folder does, and how to write it instead.
std::string CurrentFolderText(const std::string& path);

}  // namespace lumora::disc
