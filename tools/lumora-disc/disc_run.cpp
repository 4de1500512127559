#include "disc_run.h"

#include <iostream>

#include "actions/help.h"
#include "disc_files.h"

#ifdef _WIN32
#include <windows.h>

#include <memory>
#else
#include <signal.h>
#include <stdlib.h>

#include <chrono>
#include <cstdlib>
#include <thread>
#include <vector>

#include "child_process.h"
#include "preview.h"
#include "run_stage.h"
#include "screen_match.h"
#include "x_display.h"

#endif

namespace lumora::disc {

namespace {

int Refuse(const std::string& why) {
    std::cerr << "lumora-disc: " << why << "\n";
    return 1;
}

}  // namespace

#ifdef _WIN32

int RunDisc(const RunRequest& request) {
    if (request.screenshot || request.exe) {
        return Refuse(
            "on Windows, run shows the disc with the folder's own lumora.exe; "
            "--screenshot and --exe work under Wine on Linux");
    }
    const auto program = DiscFiles(request.disc).Find(DiscFiles::Root() + kLauncherFile);
    if (!program) {
        return Refuse("no lumora.exe in " + request.disc.string() +
                      ": copy it there (make builds it beside lumora-disc.exe)");
    }
    std::string command = "\"" + program->string() + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(program->string().c_str(), command.data(), nullptr, nullptr, FALSE, 0,
                          nullptr, request.disc.string().c_str(), &startup, &process)) {
        return Refuse("cannot start " + program->string() + " (error " +
                      std::to_string(::GetLastError()) + ")");
    }
    const auto close = [](HANDLE handle) { ::CloseHandle(handle); };
    const std::unique_ptr<void, decltype(close)> thread(process.hThread, close);
    const std::unique_ptr<void, decltype(close)> child(process.hProcess, close);
    ::WaitForSingleObject(child.get(), INFINITE);
    DWORD status = 1;
    ::GetExitCodeProcess(child.get(), &status);
    return static_cast<int>(status);
}

#else

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// The project's scripts that hold the rules of the Wine environment (which build, which Wine,
// making the prefix).
const fs::path kScripts = LUMORA_SCRIPTS_DIR;
// The virtual display's size: the size of the prefix's Wine desktop (scripts/wine-env.sh).
const char kVirtualScreen[] = "1024x768x24";

// A folder that is removed with everything in it (links are removed, not followed).
class TemporaryFolder {
  public:
    TemporaryFolder() {
        std::string pattern = (fs::temp_directory_path() / "lumora-run-XXXXXX").string();
        if (mkdtemp(pattern.data())) {
            path_ = pattern;
        }
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    ~TemporaryFolder() {
        std::error_code error;
        if (!path_.empty()) {
            fs::remove_all(path_, error);
        }
    }
    const fs::path& path() const { return path_; }

  private:
    fs::path path_;
};

// Waits for the start screen to show in one of lumora.exe's windows and saves it. Without a
// start screen to look for, or when it never shows as the kit draws it, the largest window is
// saved once it has stayed the same for a second, and that counts as a failure when a screen
// was looked for.
int SaveFirstScreen(pid_t lumora, XDisplay& display, const std::optional<RgbImage>& expected,
                    const std::string& file) {
    const auto started = Clock::now();
    std::optional<Clock::time_point> seen, still;
    RgbImage last;
    const int tolerance = display.Tolerance();
    while (Clock::now() - started < std::chrono::seconds(90) && !StopAsked()) {
        if (Ended(lumora)) {
            return Refuse("lumora.exe ended before it showed a screen");
        }
        RgbImage largest;
        for (const PixelRect& window : display.ProgramWindows("lumora.exe")) {
            const RgbImage shown = display.Capture(window);
            if (expected) {
                if (const auto at = FindPicture(shown, *expected, tolerance)) {
                    if (!WritePng(file,
                                  Crop(shown, at->x, at->y, expected->width, expected->height))) {
                        return Refuse("cannot write " + file);
                    }
                    std::cout << "wrote " << file << ": the first screen\n";
                    return 0;
                }
            }
            if (shown.width * shown.height > largest.width * largest.height) {
                largest = shown;
            }
        }
        const auto now = Clock::now();
        if (largest.width > 0) {
            seen = seen.value_or(now);
            if (largest.width != last.width || largest.height != last.height ||
                largest.samples != last.samples) {
                still = now;
                last = std::move(largest);
            }
        }
        const auto waited = expected ? std::chrono::seconds(15) : std::chrono::seconds(1);
        if (seen && now - *seen > waited && now - *still > std::chrono::seconds(1)) {
            if (!WritePng(file, last)) {
                return Refuse("cannot write " + file);
            }
            if (!expected) {
                std::cout << "wrote " << file << ": Lumora's window (the disc has no start "
                          << "screen it shows)\n";
                return 0;
            }
            return Refuse("wrote " + file +
                          ", Lumora's whole window: it does not show the start screen as "
                          "`lumora-disc preview` draws it");
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return Refuse(StopAsked() ? "stopped" : "no window of lumora.exe showed within 90 s");
}

}  // namespace

int RunDisc(const RunRequest& request) {
    if (!fs::is_directory(request.disc)) {
        return Refuse(request.disc.string() + " is not a folder");
    }
    const auto where = Lines({"bash", (kScripts / "wine-env.sh").string(), "where"});
    if (!where || where->size() < 3) {
        return Refuse("cannot tell which Wine to run: " + (kScripts / "wine-env.sh").string() +
                      " where failed");
    }
    const fs::path build = (*where)[1];
    const fs::path prefix = (*where)[2];
    const fs::path program = request.exe ? fs::path(*request.exe) : build / kLauncherFile;
    if (!fs::is_regular_file(program)) {
        return Refuse("no " + program.string() + ": build it with make (this machine's Wine runs " +
                      (*where)[0] + " programs), or name one with --exe PATH");
    }
    const TemporaryFolder stage;
    if (stage.path().empty()) {
        return Refuse("cannot make a temporary folder");
    }
    if (const auto problem =
            StageDisc({request.disc, stage.path(), program, build / "demo" / kHelpProgram})) {
        return Refuse(*problem);
    }

    CatchStopSignals();
    const char* given = std::getenv("DISPLAY");
    std::string displayName = given ? given : "";
    // The connection to the display closes before a display of this run ends.
    std::optional<VirtualDisplay> virtualDisplay;
    std::optional<XDisplay> display = XDisplay::Open(displayName);
    if (!display) {
        if (auto started = VirtualDisplay::Start(kVirtualScreen)) {
            virtualDisplay.emplace(std::move(*started));
            if (auto opened = XDisplay::Open(virtualDisplay->name())) {
                display.emplace(std::move(*opened));
            }
        }
        if (!display) {
            return Refuse("no display is up and Xvfb could not start one (install xvfb)");
        }
        std::cout << (displayName.empty() ? std::string("No display is up")
                                          : "DISPLAY " + displayName + " is not up")
                  << ": Lumora runs on the virtual display " << virtualDisplay->name() << " ("
                  << kVirtualScreen << ").\n";
        displayName = virtualDisplay->name();
        // Away from the window, which would otherwise show the highlight under it.
        display->ParkPointer();
    }
    std::vector<std::string> variables = {"DISPLAY=" + displayName, "WINEPREFIX=" + prefix.string(),
                                          "WINEDEBUG=-all", "WINEDLLOVERRIDES=mscoree,mshtml="};
    // Without a sound card the audio drivers only print errors: leave them out.
    if (!fs::exists("/dev/snd")) {
        variables.back() += ";winealsa.drv,winepulse.drv=";
    }
    if (!fs::exists(prefix / ".lumora-ready")) {
        std::cout << "Making the Wine prefix " << prefix.string() << " (once, about a minute).\n";
    }
    if (Wait(Spawn({"bash", (kScripts / "wine-env.sh").string(), "prefix"}, variables, {}, -1,
                   true)) != 0) {
        return Refuse("the Wine prefix " + prefix.string() + " could not be made");
    }
    if (virtualDisplay) {
        // A server of this prefix that an earlier run left behind keeps its desktop on a display
        // that has gone: the new display gets a server of its own.
        Wait(Spawn({"wineserver", "-k"}, variables, {}, -1, true));
    }
    std::cout << "Lumora shows " << request.disc.string() << " from " << stage.path().string()
              << " (with a copy of its Lumora.ini, so your file stays as it is)"
              << (request.screenshot ? "." : "; close its window to end.") << std::endl;
    const pid_t lumora = Spawn(
        {"bash", (kScripts / "wine-run.sh").string(), (stage.path() / kLauncherFile).string()},
        variables, stage.path());
    if (lumora < 0) {
        return Refuse("cannot start Wine");
    }
    int status = 0;
    if (request.screenshot) {
        status = SaveFirstScreen(lumora, *display, StartScreenPicture(request.disc),
                                 *request.screenshot);
        kill(lumora, SIGTERM);
        Wait(lumora);
    } else {
        status = Wait(lumora);
    }
    if (virtualDisplay) {
        // The prefix's server and its desktop go with the display.
        Wait(Spawn({"wineserver", "-k"}, variables, {}, -1, true));
    }
    return status < 0 ? 1 : status;
}

#endif

}  // namespace lumora::disc
