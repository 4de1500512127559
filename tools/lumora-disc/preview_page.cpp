// The page that `preview` writes: the template of web/page.html with the module, Lumora.ini and
// the disc's files embedded, packed and as base64, so that it opens from the file system.
#include <cstdint>

#include "diagnostics.h"
#include "preview.h"
#include "zlib_pack.h"

namespace lumora::disc {

namespace {

const char kTemplate[] =
#include "page_template.inc"
    ;

const char kDataMarker[] = "/*LUMORA-DATA*/";

std::string Base64(const std::string& bytes) {
    static const char kDigits[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (size_t i = 0; i < bytes.size(); i += 3) {
        const size_t left = bytes.size() - i;
        uint32_t group = static_cast<uint8_t>(bytes[i]) << 16;
        group |= left > 1 ? static_cast<uint8_t>(bytes[i + 1]) << 8 : 0;
        group |= left > 2 ? static_cast<uint8_t>(bytes[i + 2]) : 0;
        out += kDigits[group >> 18 & 63];
        out += kDigits[group >> 12 & 63];
        out += left > 1 ? kDigits[group >> 6 & 63] : '=';
        out += left > 2 ? kDigits[group & 63] : '=';
    }
    return out;
}

// A JSON string that cannot end the script element it stands in.
std::string ScriptString(const std::string& jsonString) {
    std::string out;
    for (const char c : jsonString) {
        out += c == '<' ? std::string("\\u003c") : std::string(1, c);
    }
    return out;
}

// A name of the disc's 8-bit text as a JSON string of one character per byte.
std::string ByteString(const std::string& name) {
    std::string latin;
    for (const char c : name) {
        const auto byte = static_cast<uint8_t>(c);
        if (byte < 0x80) {
            latin += c;
        } else {
            latin += static_cast<char>(0xC0 | byte >> 6);
            latin += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return ScriptString(JsonString(latin));
}

// The module, Lumora.ini and the files, one after another in one pack, which the page unpacks
// at once and takes apart by their sizes; none when they cannot be packed.
std::optional<std::string> DataJson(const PageData& data) {
    std::string out = "{\"codePage\": " + std::to_string(data.codePage) + ",\n\"notes\": [";
    for (size_t i = 0; i < data.notes.size(); ++i) {
        out += (i ? ", " : "") + ScriptString(JsonString(data.notes[i]));
    }
    out += "],\n\"module\": " + std::to_string(data.module.size()) +
           ",\n\"ini\": " + std::to_string(data.ini.size()) + ",\n\"files\": [";
    std::string all = data.module + data.ini;
    for (size_t i = 0; i < data.files.size(); ++i) {
        const auto& [name, bytes] = data.files[i];
        out += std::string(i ? ",\n" : "\n") + "[" + ByteString(name) + ", " +
               std::to_string(bytes.size()) + "]";
        all += bytes;
    }
    const std::optional<std::string> packed = ZlibPack(all);
    if (!packed) {
        return std::nullopt;
    }
    return out + "],\n\"pack\": \"" + Base64(*packed) + "\"}";
}

}  // namespace

std::optional<std::string> PreviewPage(const PageData& data) {
    std::string page = kTemplate;
    const size_t at = page.find(kDataMarker);
    const std::optional<std::string> json = DataJson(data);
    if (at == std::string::npos || !json) {
        return std::nullopt;
    }
    page.replace(at, sizeof kDataMarker - 1, *json);
    return page;
}

}  // namespace lumora::disc
