#include "actions/launch_data_registry.h"

#include <windows.h>

#include <cstring>

#include "actions/registry_text.h"
#include "win/handles.h"

namespace lumora {
namespace {

// The longest registry text that counts, in bytes with its terminating zero.
constexpr DWORD kRegistryBufferSize = 512;

// The named REG_SZ value, or the key's default value, under HKEY_LOCAL_MACHINE\key. The 32-bit
// view is read, as the 32-bit launcher sees it on 64-bit Windows.
std::optional<std::string> ReadRegistryText(const std::string& key,
                                            const std::optional<std::string>& valueName) {
    HKEY opened = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ | KEY_WOW64_32KEY, &opened) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    UniqueHkey keyHandle(opened);
    // One byte more than the size passed, so the text always ends in a zero.
    char buffer[kRegistryBufferSize + 1] = {};
    if (valueName) {
        DWORD type = 0;
        DWORD size = kRegistryBufferSize;
        if (::RegQueryValueExA(opened, valueName->c_str(), nullptr, &type,
                               reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS ||
            type != REG_SZ) {
            return std::nullopt;
        }
    } else {
        // The default value as RegQueryValue gives it: a key without one reads as empty.
        LONG size = static_cast<LONG>(kRegistryBufferSize);
        if (::RegQueryValueA(opened, nullptr, buffer, &size) != ERROR_SUCCESS) {
            return std::nullopt;
        }
    }
    return std::string(buffer, ::strnlen(buffer, kRegistryBufferSize));
}

}  // namespace

std::optional<std::string> ResolveLaunchData(const RegistrySource& source) {
    std::optional<std::string> text = ReadRegistryText(source.key, source.data);
    if (!text) {
        return std::nullopt;
    }
    if (source.subtract != kSettingAbsent) {
        RegistrySubtract(*text, source.subtract);
    }
    if (source.append) {
        RegistryAppend(*text, *source.append);
    }
    return text;
}

}  // namespace lumora
