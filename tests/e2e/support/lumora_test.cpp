#include "lumora_test.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "process.h"
#include "wine_log.h"

namespace e2e {

namespace fs = std::filesystem;

void LumoraTest::SetUp() {
    // Short names all the way, as on a disc: a long name would make Wine resolve a hashed short
    // form of the program folder on every INI access, which is slow and not what a disc does.
    fs::create_directories("/tmp/lme2e");
    char pattern[] = "/tmp/lme2e/XXXXXX";
    ASSERT_TRUE(mkdtemp(pattern));
    folder_ = pattern;
    fs::copy_file(Env().lumoraExe, Path("lumora.exe"));
    ASSERT_TRUE(disc::WritePictures(folder_));
}

void LumoraTest::TearDown() {
    for (Hwnd cover : covers_) {
        probe().Ask("close " + std::to_string(cover));
    }
    if (pid_ > 0) {
        Terminate(pid_);
        pid_ = -1;
    }
    EXPECT_TRUE(WaitUntilGone()) << "the main window outlived its program";
    for (const std::string& line : RaisedExceptions(Path("wine.log"))) {
        ADD_FAILURE() << "lumora.exe raised an exception: " << line;
    }
    if (HasFailure() || std::getenv("LUMORA_E2E_KEEP")) {
        std::cout << "disc folder kept: " << folder_ << "\n";
    } else {
        fs::remove_all(folder_);
    }
}

::testing::AssertionResult LumoraTest::Start(Point firstPaint, Paint paint) {
    std::ofstream(Path("Lumora.ini"), std::ios::binary) << ini_.Text();
    return StartFrom("lumora.exe", folder_, firstPaint, paint);
}

::testing::AssertionResult LumoraTest::StartFrom(const std::string& program,
                                                 const std::string& directory, Point firstPaint,
                                                 Paint paint) {
    MovePointer(ParkingSpot());
    pid_ = Launch(program, directory);
    if (pid_ < 0) {
        return ::testing::AssertionFailure() << "wine did not start";
    }
    if (!WaitUntil([&] { return (main_ = probe().Find(disc::kMainWindowClass)) != 0; },
                   milliseconds(15000))) {
        return ::testing::AssertionFailure() << "no window of class " << disc::kMainWindowClass;
    }
    if (!probe().WaitForIdle(main_, 10000)) {
        return ::testing::AssertionFailure() << "the program did not become idle";
    }
    if (firstPaint.x < 0) {
        return ::testing::AssertionSuccess();
    }
    if (!WaitUntil([&] { return ScreenWindow() != 0; })) {
        return ::testing::AssertionFailure() << "no screen window";
    }
    return WaitForPixel(firstPaint, paint, 5000);
}

pid_t LumoraTest::StartAnother() {
    return Launch("lumora.exe", folder_);
}

pid_t LumoraTest::Launch(const std::string& program, const std::string& directory) {
    SpawnOptions options;
    options.directory = directory;
    options.outputFile = Path("wine.log");
    options.environment = {"WINEDLLOVERRIDES=mscoree,mshtml=;winmm=n,b",
                           "LUMORA_SOUND_LOG=Z:" + Path("sounds.log")};
    options.environment.insert(options.environment.end(), environment_.begin(), environment_.end());
    return Spawn({"wine", program}, options);
}

int LumoraTest::WaitForExit(int timeoutMs) {
    auto code = e2e::WaitForExit(pid_, timeoutMs);
    if (code) {
        pid_ = -1;
    }
    return code.value_or(-1);
}

bool LumoraTest::WaitUntilGone() {
    return WaitUntil([&] { return probe().Find(disc::kMainWindowClass) == 0; },
                     milliseconds(10000));
}

Hwnd LumoraTest::Cover(const Rect& where) {
    const Hwnd cover = probe().Cover(where);
    if (cover) {
        covers_.push_back(cover);
    }
    return cover;
}

Point LumoraTest::OnScreen(Point picture) {
    const Rect client = probe().ClientRect(ScreenWindow());
    return {client.left + picture.x, client.top + picture.y};
}

Rgb LumoraTest::PixelAt(Point picture) {
    const Point at = OnScreen(picture);
    return Env().screen->Pixel(at.x, at.y);
}

::testing::AssertionResult LumoraTest::WaitForPixel(Point picture, Paint paint, int timeoutMs) {
    const Point at = OnScreen(picture);
    Rgb seen;
    if (WaitUntil([&] { return (seen = Env().screen->Pixel(at.x, at.y)) == ColorOf(paint); },
                  milliseconds(timeoutMs))) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "picture point (" << picture.x << "," << picture.y << ") shows " << ToString(seen)
           << ", not " << ToString(ColorOf(paint));
}

::testing::AssertionResult LumoraTest::StartHoveringA() {
    ini_.Set("Config", "BalloonDelay", "0");
    auto started = Start();
    if (!started) {
        return started;
    }
    MoveTo(disc::kInsideAOnly);
    auto lit = WaitForPixel(disc::kHighlightA.Center(), Paint::kYellow);
    return lit ? WaitForPixel(disc::kBalloonA.Center(), Paint::kGreen) : lit;
}

std::vector<SoundCall> LumoraTest::Sounds() const {
    std::vector<SoundCall> calls;
    std::ifstream log(Path("sounds.log"));
    std::string line;
    while (std::getline(log, line)) {
        std::istringstream in(line);
        SoundCall call;
        in >> call.function >> std::hex >> call.flags >> call.library >> std::ws;
        std::getline(in, call.name);
        call.file = call.name.substr(call.name.find_last_of("\\/") + 1);
        calls.push_back(call);
    }
    return calls;
}

int LumoraTest::CountSounds(const std::string& fileName) const {
    int count = 0;
    for (const auto& call : Sounds()) {
        if (strcasecmp(call.file.c_str(), fileName.c_str()) == 0) {
            ++count;
        }
    }
    return count;
}

::testing::AssertionResult LumoraTest::WaitForSounds(const std::string& fileName, int count,
                                                     int timeoutMs) {
    if (WaitUntil([&] { return CountSounds(fileName) >= count; }, milliseconds(timeoutMs))) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << fileName << " was played " << CountSounds(fileName) << " times, not " << count;
}

::testing::AssertionResult LumoraTest::Settle() {
    ClickAt(disc::kRegionSync.Center());
    return WaitForSounds("Sync.wav", ++syncClicks_);
}

}  // namespace e2e
