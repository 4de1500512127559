#include "config/file_stamp.h"

#include <windows.h>

namespace lumora {

std::optional<FileStamp> StampOfFile(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return std::nullopt;
    }
    auto join = [](DWORD high, DWORD low) { return (uint64_t{high} << 32) | low; };
    return FileStamp{join(data.nFileSizeHigh, data.nFileSizeLow),
                     join(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime)};
}

}  // namespace lumora
