#include "launcher_program.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

#include "disc_files.h"

namespace lumora::disc {

namespace {

constexpr uint16_t kMachineI386 = 0x14C;
constexpr uint16_t kMachineAmd64 = 0x8664;

uint32_t Little(const std::string& bytes, size_t at, size_t size) {
    uint32_t value = 0;
    for (size_t i = size; i-- > 0;) {
        value = value << 8 | static_cast<uint8_t>(bytes[at + i]);
    }
    return value;
}

bool IsFile(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

}  // namespace

std::filesystem::path KitFolder() {
#ifdef _WIN32
    char path[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::filesystem::path(std::string(path, length)).parent_path();
#else
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
#endif
}

std::vector<std::filesystem::path> BuiltPrograms(const std::filesystem::path& kitFolder,
                                                 const std::string& build) {
    if (kitFolder.filename() == build) {
        return {kitFolder / kLauncherFile};
    }
    return {kitFolder.parent_path() / build / kLauncherFile};
}

std::optional<std::string> ShippedProgramProblem(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return file.string() + " cannot be read";
    }
    std::string head(4096, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<size_t>(in.gcount()));
    // An MZ header whose last field points at the "PE\0\0" signature and the machine type.
    const size_t pe =
        head.size() >= 0x40 && head.compare(0, 2, "MZ") == 0 ? Little(head, 0x3C, 4) : head.size();
    if (pe + 6 > head.size() || head.compare(pe, 4, std::string("PE\0\0", 4)) != 0) {
        return file.string() + " is not a Windows program";
    }
    const uint32_t machine = Little(head, pe + 4, 2);
    if (machine == kMachineAmd64) {
        return file.string() +
               " is a 64-bit build, which 32-bit Windows cannot run: a disc carries the i686 "
               "lumora.exe (make builds it in build/win)";
    }
    if (machine != kMachineI386) {
        return file.string() + " is not a 32-bit Windows program";
    }
    return std::nullopt;
}

ProgramChoice ImageProgram(const std::filesystem::path& folder,
                           const std::optional<std::string>& given,
                           const std::vector<std::filesystem::path>& built) {
    ProgramChoice choice;
    const auto own = DiscFiles(folder).Find(DiscFiles::Root() + kLauncherFile);
    if (own && given) {
        choice.problem = "the disc folder has its own " + own->filename().string() +
                         ": remove it or leave out --exe";
        return choice;
    }
    std::filesystem::path program;
    if (own) {
        program = *own;
    } else if (given) {
        program = *given;
    } else {
        for (const std::filesystem::path& candidate : built) {
            if (IsFile(candidate)) {
                program = candidate;
                break;
            }
        }
    }
    if (program.empty()) {
        std::string looked;
        for (const std::filesystem::path& candidate : built) {
            looked += (looked.empty() ? "" : ", ") + candidate.lexically_normal().string();
        }
        choice.problem = std::string("no ") + kLauncherFile +
                         ": the disc folder has none and no build was found beside the kit (" +
                         looked + "); build it with make, or name one with --exe PATH";
        return choice;
    }
    if (auto problem = ShippedProgramProblem(program)) {
        choice.problem = std::move(*problem);
        return choice;
    }
    if (!own) {
        choice.add = program;
    }
    return choice;
}

}  // namespace lumora::disc
