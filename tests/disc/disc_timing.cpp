// Prints how long `check` takes on discs of many sections, and what `preview` costs on a screen
// of the largest picture the loader takes. Figures to read, never judged; the kit is built with
// the sanitizers here, which slow it and add to its memory.
//   disc_timing sections [COUNT...]   check on menu chains of COUNT sections (5000 20000 100000)
//   disc_timing picture preview|check preview or check of a 16384 x 16384 screen: time and peak
//                                     memory (one a run: the peak is the process's)
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "disc_check.h"
#include "preview.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

fs::path NewFolder(const std::string& what) {
    const fs::path folder = fs::temp_directory_path() / ("lumora-disc-timing-" + what + "-" +
                                                         std::to_string(std::random_device{}()));
    fs::create_directories(folder);
    return folder;
}

// A screen whose one region opens the first of a chain of menus, each with one item that
// opens the next: two sections a menu.
std::string MenuChain(int sections) {
    const int menus = sections / 2;
    std::string ini =
        "[Config]\r\nScreenNames=Main\r\nStartup=Main\r\n[Setup]\r\nApplication=\r\n"
        "ExitDuringSetup=0\r\n[Screen Main]\r\nBitmap=%r\\main.bmp\r\nRegionNames=Open\r\n"
        "[Main-Region Open]\r\nShape=0,0|10,0|10,10\r\nLaunchFunc=DispatchMenu\r\n"
        "LaunchData=M0\r\n";
    for (int i = 0; i < menus; ++i) {
        const std::string name = "M" + std::to_string(i);
        ini += "[Menu " + name + "]\r\nMenuItems=Next\r\n[" + name +
               "-MenuItem Next]\r\nDescription=Next\r\n";
        ini += i + 1 < menus
                   ? "LaunchFunc=DispatchMenu\r\nLaunchData=M" + std::to_string(i + 1) + "\r\n"
                   : "LaunchFunc=DispatchExit\r\n";
    }
    return ini;
}

double Seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

long PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

int Sections(const std::vector<int>& counts) {
    std::printf("%10s %10s %12s\n", "sections", "seconds", "diagnostics");
    for (const int count : counts) {
        const fs::path folder = NewFolder("sections");
        std::ofstream(folder / "Lumora.ini", std::ios::binary) << MenuChain(count);
        const auto began = Clock::now();
        const lumora::disc::CheckReport report = lumora::disc::CheckDisc(folder);
        std::printf("%10d %10.2f %12zu\n", count, Seconds(began),
                    report.diagnostics.Sorted().size());
        std::fflush(stdout);
        fs::remove_all(folder);
    }
    return 0;
}

// A 24-bit BMP of width x height in one colour, written a row at a time.
void WriteBigBmp(const fs::path& path, int width, int height) {
    const uint32_t stride = (static_cast<uint32_t>(width) * 3 + 3) & ~3u;
    const uint32_t pixels = stride * static_cast<uint32_t>(height);
    auto le = [](std::ofstream& out, uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
        }
    };
    std::ofstream out(path, std::ios::binary);
    out << "BM";
    le(out, 54 + pixels, 4);
    le(out, 0, 4);
    le(out, 54, 4);
    le(out, 40, 4);
    le(out, static_cast<uint32_t>(width), 4);
    le(out, static_cast<uint32_t>(height), 4);
    le(out, 1, 2);
    le(out, 24, 2);
    for (int i = 0; i < 6; ++i) {
        le(out, 0, 4);
    }
    const std::string row(stride, '\x40');
    for (int y = 0; y < height; ++y) {
        out.write(row.data(), static_cast<std::streamsize>(row.size()));
    }
}

int Picture(const std::string& command) {
    const int side = 16384;
    const fs::path folder = NewFolder("picture");
    WriteBigBmp(folder / "main.bmp", side, side);
    std::ofstream(folder / "Lumora.ini", std::ios::binary)
        << "[Config]\r\nScreenNames=Main\r\nStartup=Main\r\n[Screen Main]\r\n"
           "Bitmap=%r\\main.bmp\r\nRegionNames=A\r\n[Main-Region A]\r\n"
           "Shape=0,0|100,0|100,100\r\nLaunchFunc=DispatchExit\r\n";
    const long before = PeakMegabytes();
    const auto began = Clock::now();
    std::string outcome;
    if (command == "check") {
        const auto report = lumora::disc::CheckDisc(folder);
        outcome = std::to_string(report.diagnostics.Sorted().size()) + " diagnostics";
    } else {
        const auto problem = lumora::disc::WritePreview(folder, folder / "preview");
        outcome = problem ? *problem : "written";
    }
    std::printf("%s of a %dx%d 24-bit screen: %.2f s, peak memory %ld MB (%ld MB before): %s\n",
                command.c_str(), side, side, Seconds(began), PeakMegabytes(), before,
                outcome.c_str());
    fs::remove_all(folder);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "sections") {
        std::vector<int> counts;
        for (int i = 2; i < argc; ++i) {
            counts.push_back(std::atoi(argv[i]));
        }
        return Sections(counts.empty() ? std::vector<int>{5000, 20000, 100000} : counts);
    }
    const std::string command = argc > 2 ? argv[2] : "";
    if (mode == "picture" && (command == "check" || command == "preview")) {
        return Picture(command);
    }
    std::fprintf(stderr, "usage: disc_timing sections [COUNT...] | picture preview|check\n");
    return 2;
}
