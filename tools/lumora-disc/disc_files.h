// The disc folder as lumora.exe sees it from the disc's root: the path macros expand to the disc,
// a path on the disc is found without regard to letter case, as Windows finds it, and only what
// the image can hold is a disc file: a regular file or a folder inside the disc folder, a link
// that stays inside standing for the file it names.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "config/code_page.h"
#include "config/ini_document.h"
#include "config/program_settings.h"
#include "config/value_parse.h"

namespace lumora::disc {

// The program that shows the disc, at its root, and the file by which Windows starts it from
// the image (written by `iso` when the disc has none).
constexpr char kLauncherFile[] = "lumora.exe";
constexpr char kAutorunFile[] = "autorun.inf";

// What an entry of the disc folder is to the image.
enum class DiscEntryKind {
    kMissing,      // nothing of that name
    kFile,         // a regular file, or a link inside the folder to one
    kFolder,       // a folder
    kLinkOutside,  // a link that leads out of the disc folder, or to nothing
    kFolderLink,   // a link to a folder: the image would hold a link, which Windows does not see
    kSpecial,      // a FIFO, device or socket, which no image holds
};

struct DiscEntry {
    DiscEntryKind kind = DiscEntryKind::kMissing;
    std::filesystem::path path;    // the entry in the folder, as its name is written there
    std::filesystem::path source;  // what the image stores for it: the file a link names
    std::string shown;             // its path below the disc's root: "art\main.bmp"

    bool IsFile() const { return kind == DiscEntryKind::kFile; }
    bool IsFolder() const { return kind == DiscEntryKind::kFolder; }
    // Neither missing nor a file or folder of the disc.
    bool IsFault() const { return kind >= DiscEntryKind::kLinkOutside; }
};

// What a path in the folder is; root is the disc folder's canonical path.
DiscEntry ClassifyDiscEntry(const std::filesystem::path& path, const std::filesystem::path& root);

// Why a faulty entry cannot go into the image, to follow its name: "is a FIFO, ...".
std::string DiscFaultText(const DiscEntry& entry);

class DiscFiles {
  public:
    // codePage: the ANSI code page in which Lumora.ini names the files.
    explicit DiscFiles(std::filesystem::path folder, int codePage = kDefaultCodePage);

    const std::filesystem::path& folder() const { return folder_; }
    int codePage() const { return codePage_; }
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
    // What an expanded path on the disc names: each part found as Windows finds it in the image
    // (letter case ignored, the INI's code page against the folder's names), the way stopping
    // at the first part that is no folder of the disc. Missing when not on the disc.
    DiscEntry Look(const std::string& expanded) const;
    // The file or folder of the disc that an expanded path names; nothing when it is not on
    // the disc, does not exist or cannot go into the image.
    std::optional<std::filesystem::path> Find(const std::string& expanded) const;

  private:
    // The entry of the folder named part, letter case ignored; nothing when there is none.
    std::optional<std::filesystem::path> FindName(const std::filesystem::path& folder,
                                                  const std::string& part) const;

    std::filesystem::path folder_;
    std::filesystem::path root_;  // canonical
    int codePage_;
};

// Lumora.ini at the disc's root, read as the private-profile functions read it; nothing and the
// reason when it cannot be.
std::optional<IniDocument> ReadDiscIni(const DiscFiles& files, std::string& problem);

// The program of a command line: the text between its first pair of quotation marks when it
// starts with one, else up to its first blank.
std::string CommandProgram(const std::string& command);

}  // namespace lumora::disc
