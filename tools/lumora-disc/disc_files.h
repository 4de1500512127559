// The disc folder as lumora.exe sees it from the disc's root: the path macros expand to the disc,
// and a path on the disc is found without regard to letter case, as Windows finds it.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "config/program_settings.h"
#include "config/value_parse.h"

namespace lumora::disc {

// The program that shows the disc, at its root, and the file by which Windows starts it from
// the image (written by `iso` when the disc has none).
constexpr char kLauncherFile[] = "lumora.exe";
constexpr char kAutorunFile[] = "autorun.inf";

class DiscFiles {
  public:
    explicit DiscFiles(std::filesystem::path folder);

    const std::filesystem::path& folder() const { return folder_; }
    // The disc's root as the expanded paths begin with it.
    static std::string Root();

    // Expands the path macros: %r and %d are the disc's root, %i the first Install element,
    // %s and %w the usual Windows folders (which are not on the disc).
    void Expand(std::string& path, const StringList* install) const;

    // True when an expanded path lies on the disc.
    bool OnDisc(const std::string& expanded) const;
    // The path below the disc's root ("art\main.bmp"), or the path itself when not on the disc.
    std::string Shown(const std::string& expanded) const;
    // True when an expanded path names a file at the disc's root that the image gets even when
    // the folder lacks it: lumora.exe and its help program come with Lumora, autorun.inf is
    // written by `iso`.
    bool ComesWithLumora(const std::string& expanded) const;
    // The existing file or folder that an expanded path on the disc names; nothing when it is
    // not on the disc or does not exist.
    std::optional<std::filesystem::path> Find(const std::string& expanded) const;

  private:
    std::filesystem::path folder_;
};

// The program of a command line: the text between its first pair of quotation marks when it
// starts with one, else up to its first blank.
std::string CommandProgram(const std::string& command);

}  // namespace lumora::disc
