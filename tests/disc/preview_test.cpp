// `preview` on the demo disc: the pictures show what lumora.exe composes, the page carries the
// disc.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#include <stb_image.h>

#include "imaging/dib_image.h"
#include "preview.h"
#include "zlib_pack.h"

namespace lumora::disc {
namespace {

namespace fs = std::filesystem;
const std::string kDemo = std::string(LUMORA_SOURCE_DIR) + "/demo/disc";

struct Png {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb;
    Rgb At(int x, int y) const {
        const uint8_t* p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
        return {p[0], p[1], p[2]};
    }
};

Png ReadPng(const fs::path& path) {
    Png png;
    int channels = 0;
    unsigned char* data = stbi_load(path.string().c_str(), &png.width, &png.height, &channels, 3);
    if (data) {
        png.rgb.assign(data, data + static_cast<size_t>(png.width) * png.height * 3);
        stbi_image_free(data);
    }
    return png;
}

Rgb ColorOf(const DibImage& image, int x, int y) {
    const uint8_t* c = image.color(*image.pixel(x, y));
    return {c[2], c[1], c[0]};
}

void TheHighlightShowsItsOwnPixelsAndTheScreenThroughItsColourKey(const fs::path& out) {
    DibImage background, highlight;
    ASSERT_TRUE(background.LoadFile(kDemo + "/art/main.bmp"));
    ASSERT_TRUE(highlight.LoadFile(kDemo + "/art/main/badge_h.bmp"));
    const Png shown = ReadPng(out / "screen1-region1-highlight.png");
    ASSERT_EQ(shown.width, background.width());
    ASSERT_EQ(shown.height, background.height());
    // [Main-Region Badge]: HighlightPosition=301,75, HighlightTransparency=253.
    int opaque = 0, keyed = 0;
    for (int y = 0; y < highlight.height(); ++y) {
        for (int x = 0; x < highlight.width(); ++x) {
            const bool key = *highlight.pixel(x, y) == 253;
            const Rgb expected =
                key ? ColorOf(background, 301 + x, 75 + y) : ColorOf(highlight, x, y);
            ASSERT_EQ(shown.At(301 + x, 75 + y), expected) << x << "," << y;
            (key ? keyed : opaque)++;
        }
    }
    EXPECT_GT(opaque, 0);
    EXPECT_GT(keyed, 0);
    // Outside the highlight the screen is untouched.
    EXPECT_EQ(shown.At(0, 0), ColorOf(background, 0, 0));
}

void TheRegionPictureAddsTheBalloonOverTheHighlight(const fs::path& out) {
    DibImage balloon;
    ASSERT_TRUE(balloon.LoadFile(kDemo + "/art/main/badge_b.bmp"));
    const Png withBalloon = ReadPng(out / "screen1-region1.png");
    const Png withoutBalloon = ReadPng(out / "screen1-region1-highlight.png");
    ASSERT_GT(withBalloon.width, 0);
    // BalloonPosition=263,10: an opaque balloon pixel shows the balloon's colour.
    for (int y = 0; y < balloon.height(); ++y) {
        for (int x = 0; x < balloon.width(); ++x) {
            if (*balloon.pixel(x, y) != 253) {
                EXPECT_EQ(withBalloon.At(263 + x, 10 + y), ColorOf(balloon, x, y));
            } else {
                EXPECT_EQ(withBalloon.At(263 + x, 10 + y), withoutBalloon.At(263 + x, 10 + y));
            }
        }
    }
}

void TheOverviewOutlinesEachRegion(const fs::path& out) {
    const Png plain = ReadPng(out / "screen1.png");
    const Png outlined = ReadPng(out / "screen1-regions.png");
    ASSERT_EQ(plain.width, outlined.width);
    // A corner of [Main-Region Software]: Shape=34,170|290,170|...
    EXPECT_EQ(outlined.At(34, 170), (Rgb{255, 255, 0}));
    EXPECT_EQ(outlined.At(0, 0), plain.At(0, 0));
}

// The page embeds Lumora.ini as written and every picture and sound it names, each file once;
// nothing else of the disc.
void ThePageCarriesTheDiscItRuns(const fs::path& out) {
    std::ifstream file(out / "index.html");
    std::stringstream page;
    page << file.rdbuf();
    const std::string html = page.str();
    EXPECT_EQ(html.find("/*LUMORA-DATA*/"), std::string::npos) << "the data is filled in";
    EXPECT_NE(html.find("\"codePage\": 1252"), std::string::npos);
    for (const char* named : {"art\\\\main.bmp", "art\\\\software.bmp", "art\\\\extras.bmp",
                              "art\\\\main\\\\badge_h.bmp", "art\\\\logo.bmp",
                              "sounds\\\\hilite.wav", "sounds\\\\start.wav"}) {
        const size_t at = html.find(std::string("[\"") + named + "\", ");
        EXPECT_NE(at, std::string::npos) << named;
        EXPECT_EQ(html.find(std::string("[\"") + named + "\", ", at + 1), std::string::npos)
            << named << " once";
    }
    EXPECT_EQ(html.find("README.TXT\", "), std::string::npos) << "a program's file is not shown";
    for (const char* picture : {"screen1.png", "screen2.png", "screen3.png"}) {
        EXPECT_TRUE(fs::exists(out / picture)) << picture;
    }
}

// One preview of the demo disc for all the checks: writing it is the slow part.
TEST(Preview, ShowsTheDemoDiscAsLumoraComposesIt) {
    std::random_device random;
    const fs::path out =
        fs::temp_directory_path() / ("lumora-disc-preview-" + std::to_string(random()));
    ASSERT_EQ(WritePreview(kDemo, out), std::nullopt);
    {
        SCOPED_TRACE("TheHighlightShowsItsOwnPixelsAndTheScreenThroughItsColourKey");
        TheHighlightShowsItsOwnPixelsAndTheScreenThroughItsColourKey(out);
    }
    {
        SCOPED_TRACE("TheRegionPictureAddsTheBalloonOverTheHighlight");
        TheRegionPictureAddsTheBalloonOverTheHighlight(out);
    }
    {
        SCOPED_TRACE("TheOverviewOutlinesEachRegion");
        TheOverviewOutlinesEachRegion(out);
    }
    {
        SCOPED_TRACE("ThePageCarriesTheDiscItRuns");
        ThePageCarriesTheDiscItRuns(out);
    }
    fs::remove_all(out);
}

// A screen the preview leaves out is named, with the reason, on the page and to the caller.
TEST(Preview, NamesEveryScreenItLeavesOutAndWhy) {
    std::random_device random;
    const fs::path out =
        fs::temp_directory_path() / ("lumora-disc-preview-" + std::to_string(random()));
    std::vector<std::string> notes;
    ASSERT_EQ(WritePreview(std::string(LUMORA_TEST_DATA) + "/discs/misspelled", out,
                           kDefaultCodePage, std::string(), &notes),
              std::nullopt);
    const std::string note =
        "The screen 'Home' is not shown: picture 'art\\home.bmp' depends on the current folder, "
        "so Lumora started from another folder does not find it: write %r\\art\\home.bmp.";
    EXPECT_EQ(notes, std::vector<std::string>{note});
    std::stringstream page;
    page << std::ifstream(out / "index.html").rdbuf();
    EXPECT_NE(page.str().find("The screen 'Home' is not shown: picture 'art\\\\home.bmp'"),
              std::string::npos);
    EXPECT_TRUE(fs::exists(out / "screen1.png")) << "the other screen is shown";
    EXPECT_FALSE(fs::exists(out / "screen2.png"));
    fs::remove_all(out);
}

TEST(PreviewText, NamesAndNotesCannotEndTheScript) {
    PageData data;
    data.files.emplace_back("</script><b>\xE9.bmp", "BM");
    data.notes.push_back("</script>");
    data.module = std::string("\0asm", 4);
    const std::string page = PreviewPage(data).value_or("");
    EXPECT_EQ(page.find("</script><b>"), std::string::npos);
    EXPECT_NE(page.find("\"module\": 4,\n\"ini\": 0,\n\"files\": [\n[\"\\u003c/script>\\u003cb>"
                        "\xC3\xA9.bmp\", 2]"),
              std::string::npos)
        << "a byte of the disc's code page is one character";
    EXPECT_NE(page.find("\"notes\": [\"\\u003c/script>\"]"), std::string::npos);
}

// What the page unpacks is what the kit read: packed in the zlib format.
TEST(PreviewText, FilesArePackedWithoutLoss) {
    std::string bytes(70000, '\0');
    for (size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<char>(i % 251 < 200 ? 7 : i * 13);
    }
    for (const std::string& original : {bytes, std::string(), std::string("BM")}) {
        const std::optional<std::string> packed = ZlibPack(original);
        ASSERT_TRUE(packed);
        int size = 0;
        char* unpacked =
            stbi_zlib_decode_malloc(packed->data(), static_cast<int>(packed->size()), &size);
        ASSERT_NE(unpacked, nullptr) << original.size() << " bytes";
        EXPECT_EQ(std::string(unpacked, static_cast<size_t>(size)), original);
        free(unpacked);
    }
    EXPECT_LT(ZlibPack(bytes)->size(), bytes.size() / 4);
}

}  // namespace
}  // namespace lumora::disc
