// The preview of lumora-disc against lumora.exe itself: each screen of the demo disc, reached by
// clicks as a user reaches it, plain and then with each region under the pointer (its
// highlight, then its balloon), shows exactly the pixels of the preview's picture of that state;
// the browser tests hold the preview page's canvas to the same pictures. Both compose with the same
// core code; this checks that the screen window draws that composition, colours and all.
// `lumora-disc run
// --screenshot` is held against the same preview.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#include <stb_image.h>
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

#include "lumora_test.h"
#include "process.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;

struct Picture {
    int width = 0, height = 0;
    std::vector<Rgb> pixels;  // rows from the top
    bool operator==(const Picture& o) const {
        return width == o.width && height == o.height && pixels == o.pixels;
    }
};

Picture ReadPng(const std::string& path) {
    Picture picture;
    int channels = 0;
    unsigned char* data = stbi_load(path.c_str(), &picture.width, &picture.height, &channels, 3);
    if (!data) {
        return {};
    }
    const size_t count = static_cast<size_t>(picture.width) * picture.height;
    for (size_t i = 0; i < count; ++i) {
        picture.pixels.push_back({data[i * 3], data[i * 3 + 1], data[i * 3 + 2]});
    }
    stbi_image_free(data);
    return picture;
}

void WritePng(const std::string& path, const Picture& picture) {
    std::vector<unsigned char> samples;
    for (const Rgb& pixel : picture.pixels) {
        samples.insert(samples.end(), {pixel.r, pixel.g, pixel.b});
    }
    stbi_write_png(path.c_str(), picture.width, picture.height, 3, samples.data(),
                   picture.width * 3);
}

// How many pixels differ, and the first of them.
std::string Differences(const Picture& expected, const Picture& seen) {
    if (expected.width != seen.width || expected.height != seen.height) {
        return "the screen shows " + std::to_string(seen.width) + "x" +
               std::to_string(seen.height) + " pixels, the preview " +
               std::to_string(expected.width) + "x" + std::to_string(expected.height);
    }
    size_t count = 0, first = 0;
    for (size_t i = expected.pixels.size(); i-- > 0;) {
        if (expected.pixels[i] != seen.pixels[i]) {
            ++count;
            first = i;
        }
    }
    const int x = static_cast<int>(first % static_cast<size_t>(expected.width));
    const int y = static_cast<int>(first / static_cast<size_t>(expected.width));
    return std::to_string(count) + " pixels differ; the first, (" + std::to_string(x) + "," +
           std::to_string(y) + "), shows " + ToString(seen.pixels[first]) + " for " +
           ToString(expected.pixels[first]);
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);) {
        parts.push_back(part);
    }
    return parts;
}

// The centre of a shape's corners ("x,y|x,y|..."): inside each shape of the demo's screens and
// outside every region listed before it.
Point CentreOf(const std::string& shape) {
    int sx = 0, sy = 0, n = 0;
    for (const std::string& corner : Split(shape, '|')) {
        const std::vector<std::string> xy = Split(corner, ',');
        if (xy.size() == 2) {
            sx += std::stoi(xy[0]);
            sy += std::stoi(xy[1]);
            ++n;
        }
    }
    return n ? Point{sx / n, sy / n} : Point{-1, -1};
}

class PreviewMatch : public LumoraTest {
  protected:
    void SetUp() override {
        LumoraTest::SetUp();
        const std::string demo = std::string(LUMORA_E2E_SOURCE_DIR) + "/demo/disc";
        fs::copy(demo, Path(""),
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        std::stringstream text;
        text << std::ifstream(demo + "/Lumora.ini", std::ios::binary).rdbuf();
        ini_ = IniText::Parse(text.str());
        // Long enough to see the highlight alone before the balloon joins it.
        ini_.Set("Config", "BalloonDelay", "1000");
        // The pictures as lumora.exe is about to read them, through the kit's preview.
        std::ofstream(Path("Lumora.ini"), std::ios::binary) << ini_.Text();
        std::string folder = Path("");
        folder.pop_back();
        // Minutes, not the seconds of a short command: the kit runs with the sanitizers, and every
        // screen and region of the disc is drawn and encoded.
        const pid_t pid = Spawn({LUMORA_E2E_DISC_TOOL, "preview", folder, "-o", Path("preview")});
        const std::optional<int> status = pid > 0 ? e2e::WaitForExit(pid, 180000) : 0;
        if (pid > 0 && !status) {
            Terminate(pid);
        }
        previewed_ = pid > 0 && status == 0;
    }

    std::string Ini(const std::string& section, const std::string& key) {
        return ReadIniValue(Path("Lumora.ini"), section, key).value_or("");
    }

    // The screen window's client area as the X screen shows it.
    Picture Shown() {
        const Rect client = probe().ClientRect(ScreenWindow());
        Picture picture{client.Width(), client.Height(), {}};
        picture.pixels =
            Env().screen->Area(client.left, client.top, client.Width(), client.Height());
        return picture;
    }

    // Waits until the screen shows the preview's picture `name` pixel for pixel; on failure the
    // last picture seen is kept beside the preview as seen-<name>.
    ::testing::AssertionResult WaitForPicture(const std::string& name, int timeoutMs) {
        const Picture expected = ReadPng(Path("preview/" + name));
        if (expected.pixels.empty()) {
            return ::testing::AssertionFailure() << "the preview wrote no readable " << name;
        }
        Picture seen;
        if (WaitUntil([&] { return (seen = Shown()) == expected; }, milliseconds(timeoutMs))) {
            return ::testing::AssertionSuccess();
        }
        WritePng(Path("preview/seen-" + name), seen);
        return ::testing::AssertionFailure() << name << ": " << Differences(expected, seen);
    }

    // The screen `stem` ("screen2") of the preview, plain and with each region under the
    // pointer, moving from the region before straight to the next; the number of balloons.
    int ScreenMatches(const std::string& screen, const std::string& stem) {
        MoveTo(kOffRegions);
        EXPECT_TRUE(WaitForPicture(stem + ".png", 5000));
        const std::vector<std::string> regions = Split(Ini("Screen " + screen, "RegionNames"), '|');
        int balloons = 0;
        for (size_t r = 0; r < regions.size(); ++r) {
            SCOPED_TRACE(screen + " region " + regions[r]);
            const Point inside = CentreOf(Ini(screen + "-Region " + regions[r], "Shape"));
            EXPECT_GE(inside.x, 0);
            MoveTo(inside);
            const std::string regionStem = stem + "-region" + std::to_string(r + 1);
            const bool highlight = fs::exists(Path("preview/" + regionStem + "-highlight.png"));
            const bool balloon = fs::exists(Path("preview/" + regionStem + ".png"));
            EXPECT_TRUE(
                WaitForPicture(highlight ? regionStem + "-highlight.png" : stem + ".png", 900));
            if (balloon) {
                EXPECT_TRUE(WaitForPicture(regionStem + ".png", 3000));
                ++balloons;
            }
        }
        return balloons;
    }

    // A region's centre, to click it.
    Point RegionCentre(const std::string& screen, const std::string& region) {
        return CentreOf(Ini(screen + "-Region " + region, "Shape"));
    }

    // A point of every screen of the demo that no region covers.
    static constexpr Point kOffRegions{5, 5};
    bool previewed_ = false;
};

TEST_F(PreviewMatch, EveryScreenAndEachRegionUnderThePointerShowThePreviewsPixels) {
    ASSERT_TRUE(previewed_) << "lumora-disc preview failed";
    ASSERT_TRUE(Start({-1, -1}));
    ASSERT_TRUE(WaitUntil([&] { return ScreenWindow() != 0; }));
    ASSERT_EQ(Split(Ini("Screen Main", "RegionNames"), '|').size(), 9u)
        << "the demo's first screen changed";
    EXPECT_EQ(ScreenMatches("Main", "screen1"), 8)
        << "every region of the first screen but Version has a balloon";

    ClickAt(RegionCentre("Main", "Software"));
    EXPECT_EQ(ScreenMatches("Software", "screen2"), 7);
    ClickAt(RegionCentre("Software", "Back"));
    MoveTo(kOffRegions);
    ASSERT_TRUE(WaitForPicture("screen1.png", 5000)) << "Back returns to the first screen";
    ClickAt(RegionCentre("Main", "Extras"));
    EXPECT_EQ(ScreenMatches("Extras", "screen3"), 9) << "About has a balloon only";
}

// `lumora-disc run --screenshot` where no display is up: the kit starts a virtual display and
// saves lumora.exe's first screen, which shows the preview's picture of it pixel for pixel.
TEST(RunScreenshot, WithoutADisplayTheFirstScreenIsSavedAsThePreviewDrawsIt) {
    const std::string demo = std::string(LUMORA_E2E_SOURCE_DIR) + "/demo/disc";
    const fs::path work =
        fs::temp_directory_path() / ("lumora-run-test-" + std::to_string(getpid()));
    fs::create_directories(work);
    SpawnOptions options;
    options.outputFile = (work / "run.txt").string();
    // Minutes: the kit makes its Wine prefix on its first run.
    const pid_t run = Spawn({"env", "-u", "DISPLAY", LUMORA_E2E_DISC_TOOL, "run", demo,
                             "--screenshot", (work / "first.png").string()},
                            options);
    ASSERT_GT(run, 0);
    const std::optional<int> status = WaitForExit(run, 300000);
    if (!status) {
        Terminate(run);
    }
    std::stringstream said;
    said << std::ifstream(work / "run.txt").rdbuf();
    EXPECT_EQ(status, 0) << said.str();
    EXPECT_NE(said.str().find("No display is up: Lumora runs on the virtual display :"),
              std::string::npos)
        << said.str();

    const pid_t preview =
        Spawn({LUMORA_E2E_DISC_TOOL, "preview", demo, "-o", (work / "preview").string()});
    ASSERT_GT(preview, 0);
    ASSERT_EQ(WaitForExit(preview, 180000), 0);
    const Picture expected = ReadPng((work / "preview/screen1.png").string());
    const Picture seen = ReadPng((work / "first.png").string());
    ASSERT_FALSE(expected.pixels.empty());
    EXPECT_TRUE(seen == expected) << Differences(expected, seen);
    fs::remove_all(work);
}

}  // namespace
}  // namespace e2e
