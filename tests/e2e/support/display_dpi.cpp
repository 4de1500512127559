#include "display_dpi.h"

#include <fstream>
#include <iterator>

#include "process.h"

namespace e2e {
namespace {

constexpr char kDesktopKey[] = "HKCU\\Control Panel\\Desktop";

bool WriteDpi(int dpi) {
    return Run({"wine", "reg", "add", kDesktopKey, "/v", "LogPixels", "/t", "REG_DWORD", "/d",
                std::to_string(dpi), "/f"}) == 0;
}

}  // namespace

DisplayDpi::DisplayDpi(int dpi, const std::string& scratchFile) {
    SpawnOptions options;
    options.outputFile = scratchFile;
    const pid_t query = Spawn({"wine", "reg", "query", kDesktopKey, "/v", "LogPixels"}, options);
    if (query > 0 && WaitForExit(query, 10000) == 0) {
        // "    LogPixels    REG_DWORD    0x60"
        std::ifstream in(scratchFile);
        const std::string text{std::istreambuf_iterator<char>(in), {}};
        const size_t hex = text.find("0x");
        if (hex != std::string::npos) {
            previous_ = static_cast<int>(std::stol(text.substr(hex + 2), nullptr, 16));
        }
    }
    set_ = WriteDpi(dpi);
}

DisplayDpi::~DisplayDpi() {
    if (previous_ > 0) {
        WriteDpi(previous_);
    } else {
        Run({"wine", "reg", "delete", kDesktopKey, "/v", "LogPixels", "/f"});
    }
}

}  // namespace e2e
