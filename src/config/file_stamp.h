// When a file was last written and how long it is: what tells a copy held in memory from a
// file that has changed since it was read. Portable, but for StampOfFile.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace lumora {

struct FileStamp {
    uint64_t size = 0;
    uint64_t lastWrite = 0;  // FILETIME ticks

    bool operator==(const FileStamp& other) const {
        return size == other.size && lastWrite == other.lastWrite;
    }
    bool operator!=(const FileStamp& other) const { return !(*this == other); }
};

// A copy read when the file had the stamp `held` stands while the file is unchanged, and when it
// can no longer be found (the disc may be out of its drive): what was read is shown rather than
// nothing.
inline bool HeldCopyStands(const FileStamp& held, const std::optional<FileStamp>& now) {
    return !now || *now == held;
}

// lumora.exe: the stamp asked of the file's folder, without opening the file; none when the file
// cannot be found.
std::optional<FileStamp> StampOfFile(const std::string& path);

}  // namespace lumora
