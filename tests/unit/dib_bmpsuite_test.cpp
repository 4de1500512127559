// The public BMP suite: the files Lumora handles load with the reference pixels, every other
// file is refused, and none of them may read or write out of bounds (the tests run under ASan).
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "dib_test_bmp.h"
#include "imaging/dib_image.h"

namespace lumora {
namespace {

const std::string kSuite = LUMORA_BMPSUITE;

// The files that load, with the name of their reference picture.
const std::map<std::string, std::string> kLoaded = {
    {"g/pal8.bmp", "pal8"},           {"g/pal8-0.bmp", "pal8"},
    {"g/pal8gs.bmp", "pal8gs"},       {"g/pal8nonsquare.bmp", "pal8nonsquare-e"},
    {"g/pal8w124.bmp", "pal8w124"},   {"g/pal8w125.bmp", "pal8w125"},
    {"g/pal8w126.bmp", "pal8w126"},   {"g/rgb24.bmp", "rgb24"},
    {"g/rgb24pal.bmp", "rgb24"},      {"q/pal8offs.bmp", "pal8"},
    {"q/pal8os2v2-40sz.bmp", "pal8"}, {"q/rgb24largepal.bmp", "rgb24"},
};
const char kMayLoad[] = "b/pal8badindex.bmp";

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;  // top row first
};

// A binary PPM (P6, maxval 255) as ImageMagick writes it.
Picture ReadPpm(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::string magic;
    int maxval = 0;
    Picture picture;
    file >> magic >> picture.width >> picture.height >> maxval;
    file.get();
    EXPECT_EQ(magic, "P6") << path;
    EXPECT_EQ(maxval, 255) << path;
    picture.rgb.assign(std::istreambuf_iterator<char>(file), {});
    EXPECT_EQ(picture.rgb.size(), size_t(picture.width) * picture.height * 3) << path;
    return picture;
}

// The colour of the pixel at (x, y) as red, green, blue.
std::array<uint8_t, 3> Rgb(const DibImage& image, int x, int y) {
    const uint8_t* p = image.pixel(x, y);
    if (image.format() == kFormat8Bit) {
        EXPECT_LT(p[0], image.colorCount());
        p = image.color(p[0]);
    }
    return {p[2], p[1], p[0]};
}

TEST(BmpSuite, HandledFilesLoadWithTheReferencePixels) {
    for (const auto& [file, reference] : kLoaded) {
        DibImage image;
        ASSERT_TRUE(image.LoadFile(kSuite + "/" + file)) << file;
        const Picture expected = ReadPpm(kSuite + "/reference/" + reference + ".ppm");
        ASSERT_EQ(image.width(), expected.width) << file;
        ASSERT_EQ(image.height(), expected.height) << file;
        int wrong = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const uint8_t* want = &expected.rgb[3 * (size_t(y) * expected.width + x)];
                wrong += Rgb(image, x, y) != std::array<uint8_t, 3>{want[0], want[1], want[2]};
            }
        }
        EXPECT_EQ(wrong, 0) << file;
    }
}

TEST(BmpSuite, TwentyFourBitFilesKeepTheirColourTables) {
    DibImage image;
    ASSERT_TRUE(image.LoadFile(kSuite + "/q/rgb24largepal.bmp"));
    EXPECT_EQ(image.colorCount(), 300u);
    ASSERT_TRUE(image.LoadFile(kSuite + "/g/rgb24pal.bmp"));
    EXPECT_EQ(image.colorCount(), 256u);
    ASSERT_TRUE(image.LoadFile(kSuite + "/g/pal8-0.bmp"));
    EXPECT_EQ(image.colorCount(), 256u);
}

TEST(BmpSuite, BadIndexesAreHarmless) {
    DibImage image, canvas;
    if (image.LoadFile(kSuite + "/" + kMayLoad)) {
        EXPECT_EQ(image.colorCount(), 101u);
        ASSERT_TRUE(canvas.LoadFile(kSuite + "/g/pal8.bmp"));
        canvas.Compose(image, 10, 10, 3);
        EXPECT_EQ(canvas.dirty(), (PixelRect{10, 10, 127, 64}));
    } else {
        EXPECT_TRUE(image.empty());
    }
}

TEST(BmpSuite, EveryOtherFileIsRefusedAndEmptiesTheImage) {
    int refused = 0;
    for (const char* folder : {"g", "q", "b"}) {
        for (const auto& entry : std::filesystem::directory_iterator(kSuite + "/" + folder)) {
            const std::string file = std::string(folder) + "/" + entry.path().filename().string();
            if (kLoaded.count(file) || file == kMayLoad) {
                continue;
            }
            DibImage image;
            ASSERT_TRUE(image.LoadFile(kSuite + "/g/rgb24.bmp"));
            EXPECT_FALSE(image.LoadFile(entry.path().string())) << file;
            EXPECT_TRUE(image.empty()) << file;
            EXPECT_EQ(image.width(), 0) << file;
            ++refused;
        }
    }
    // 27 good, 40 questionable and 20 bad files, less the 13 above.
    EXPECT_EQ(refused, 27 + 40 + 20 - 13);
}

}  // namespace
}  // namespace lumora
