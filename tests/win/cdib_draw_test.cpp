// CDib on a real device context: a 32-bit DIB section in a memory DC, whose pixels the test reads
// back exactly.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "../unit/dib_test_bmp.h"
#include "imaging/cdib.h"
#include "win/handles.h"

namespace lumora {
namespace {

using test::Bmp24;
using test::Bmp8;
using test::TestBmp;

constexpr uint32_t kUntouched = 0x00FEEDFA;  // not a colour of the test pictures

// A BMP file in the temporary folder for the life of the object.
class TempBmp {
  public:
    explicit TempBmp(const TestBmp& bmp) : TempBmp(bmp.Bytes()) {}
    explicit TempBmp(const std::vector<uint8_t>& bytes) {
        char folder[MAX_PATH];
        char name[MAX_PATH];
        if (::GetTempPathA(MAX_PATH, folder) && ::GetTempFileNameA(folder, "dib", 0, name)) {
            path_ = name;
            test::WriteBytes(path_, bytes);
        }
    }
    TempBmp(const TempBmp&) = delete;
    TempBmp& operator=(const TempBmp&) = delete;
    ~TempBmp() { ::DeleteFileA(path_.c_str()); }
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

// A memory DC with a top-down 32-bit DIB section selected, filled with kUntouched.
class Surface {
  public:
    Surface(int width, int height)
        : width_(width), height_(height), dc_(::CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        bitmap_.reset(::CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        bits_ = static_cast<uint32_t*>(bits);
        previous_ = ::SelectObject(dc_.get(), bitmap_.get());
        Fill();
    }
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;
    ~Surface() { ::SelectObject(dc_.get(), previous_); }

    bool ok() const { return bits_ != nullptr; }
    HDC dc() const { return dc_.get(); }
    void Fill() {
        ::GdiFlush();
        std::fill(bits_, bits_ + width_ * height_, kUntouched);
    }
    // The pixel at (x, y) as 0xRRGGBB.
    uint32_t At(int x, int y) const {
        ::GdiFlush();
        return bits_[y * width_ + x] & 0xFFFFFF;
    }
    int width() const { return width_; }
    int height() const { return height_; }

  private:
    int width_;
    int height_;
    UniqueMemoryDc dc_;
    UniqueBitmap bitmap_;
    uint32_t* bits_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

// The colour a picture built from bmp shows at its pixel (x, y).
uint32_t Colour(const TestBmp& bmp, int x, int y) {
    const uint32_t value = bmp.pixel(x, y);
    return bmp.bitCount == 8 ? test::TestColor(value & 0xFF) : value & 0xFFFFFF;
}

// Every surface pixel inside area shows the picture placed at (x, y); every other is untouched.
void ExpectDrawn(const Surface& surface, const TestBmp& bmp, int x, int y, const RECT& area) {
    int wrong = 0;
    for (int sy = 0; sy < surface.height(); ++sy) {
        for (int sx = 0; sx < surface.width(); ++sx) {
            const bool inside =
                sx >= area.left && sx < area.right && sy >= area.top && sy < area.bottom;
            const uint32_t expected = inside ? Colour(bmp, sx - x, sy - y) : kUntouched;
            if (surface.At(sx, sy) != expected && wrong++ < 5) {
                ADD_FAILURE() << "pixel " << sx << "," << sy << " is " << std::hex
                              << surface.At(sx, sy) << ", expected " << expected;
            }
        }
    }
    EXPECT_EQ(wrong, 0);
}

class CDibDraw : public ::testing::TestWithParam<int> {
  protected:
    TestBmp Picture() const { return GetParam() == 8 ? Bmp8(20, 10) : Bmp24(21, 10); }
};

TEST_P(CDibDraw, DrawsAtItsPlaceAndOnlyInsideTheClip) {
    const TestBmp bmp = Picture();
    const TempBmp file(bmp);
    CDib dib;
    ASSERT_TRUE(dib.Load(file.path()));
    Surface surface(64, 48);
    ASSERT_TRUE(surface.ok());

    dib.Draw(surface.dc(), 7, 5);
    ExpectDrawn(surface, bmp, 7, 5, RECT{7, 5, 7 + bmp.width, 15});
    EXPECT_EQ(::GetStretchBltMode(surface.dc()), COLORONCOLOR);

    surface.Fill();
    const RECT clip{10, 6, 22, 30};
    dib.Draw(surface.dc(), 7, 5, &clip);
    ExpectDrawn(surface, bmp, 7, 5, RECT{10, 6, 22, 15});

    surface.Fill();
    dib.Draw(surface.dc(), -4, 40);  // partly off the surface
    ExpectDrawn(surface, bmp, -4, 40, RECT{0, 40, bmp.width - 4, 48});
}

// Every surface pixel inside area shows the picture placed at (x, y) with each pixel a
// scale x scale block; every other is untouched.
void ExpectScaled(const Surface& surface, const TestBmp& bmp, int x, int y, int scale,
                  const RECT& area) {
    int wrong = 0;
    for (int sy = 0; sy < surface.height(); ++sy) {
        for (int sx = 0; sx < surface.width(); ++sx) {
            const bool inside =
                sx >= area.left && sx < area.right && sy >= area.top && sy < area.bottom;
            const uint32_t expected =
                inside ? Colour(bmp, (sx - x) / scale, (sy - y) / scale) : kUntouched;
            if (surface.At(sx, sy) != expected && wrong++ < 5) {
                ADD_FAILURE() << "pixel " << sx << "," << sy << " is " << std::hex
                              << surface.At(sx, sy) << ", expected " << expected;
            }
        }
    }
    EXPECT_EQ(wrong, 0);
}

TEST_P(CDibDraw, ScaledEveryPixelIsAnExactBlockOfItsColour) {
    const TestBmp bmp = Picture();
    const TempBmp file(bmp);
    CDib dib;
    ASSERT_TRUE(dib.Load(file.path()));
    Surface surface(100, 64);
    ASSERT_TRUE(surface.ok());
    for (int scale : {2, 3}) {
        surface.Fill();
        dib.Draw(surface.dc(), 4, 2, nullptr, scale);
        ExpectScaled(surface, bmp, 4, 2, scale,
                     RECT{4, 2, 4 + scale * bmp.width, 2 + scale * bmp.height});
    }
    // A clip inside blocks draws the whole blocks it touches, and nothing beyond them.
    surface.Fill();
    const RECT clip{4 + 2 * 3 + 1, 2 + 2 * 2 + 1, 4 + 2 * 7 + 1, 2 + 2 * 5};
    dib.Draw(surface.dc(), 4, 2, &clip, 2);
    ExpectScaled(surface, bmp, 4, 2, 2, RECT{4 + 2 * 3, 2 + 2 * 2, 4 + 2 * 8, 2 + 2 * 5});
}

TEST_P(CDibDraw, ScaledDirtyAreaIsRedrawnInWholeBlocks) {
    const TestBmp bmp = Picture();
    const TempBmp file(bmp);
    CDib picture;
    ASSERT_TRUE(picture.Load(file.path()));
    CDib canvas;
    ASSERT_TRUE(canvas.CopyFrom(picture));
    canvas.image().ClearDirty();
    const RECT area{3, 2, 6, 5};
    canvas.Compose(picture, 0, 0, -1, &area);
    Surface surface(64, 32);
    ASSERT_TRUE(surface.ok());
    canvas.DrawDirty(surface.dc(), 0, 0, 2);
    ExpectScaled(surface, bmp, 0, 0, 2, RECT{6, 4, 12, 10});
    EXPECT_TRUE(canvas.image().dirty().empty());
}

TEST_P(CDibDraw, PaletteIsPutBackEvenWhenNothingIsDrawn) {
    const TempBmp file(Picture());
    CDib dib;
    ASSERT_TRUE(dib.Load(file.path()));
    Surface surface(32, 32);
    HPALETTE before = ::CreateHalftonePalette(surface.dc());
    ::SelectPalette(surface.dc(), before, FALSE);

    const RECT outside{100, 100, 120, 120};
    dib.Draw(surface.dc(), 0, 0, &outside);
    EXPECT_EQ(::GetCurrentObject(surface.dc(), OBJ_PAL), before);
    ExpectDrawn(surface, Picture(), 0, 0, RECT{});
    dib.Draw(surface.dc(), 0, 0);
    EXPECT_EQ(::GetCurrentObject(surface.dc(), OBJ_PAL), before);

    ::SelectPalette(surface.dc(), static_cast<HPALETTE>(::GetStockObject(DEFAULT_PALETTE)), FALSE);
    ::DeleteObject(before);
}

int CALLBACK CollectRecordType(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM out) {
    reinterpret_cast<std::vector<DWORD>*>(out)->push_back(record->iType);
    return 1;
}

TEST_P(CDibDraw, PaletteIsSelectedEvenWhenNothingIsDrawn) {
    // A metafile records every palette selection, so the select-and-put-back shows in it.
    const TempBmp file(Picture());
    CDib dib;
    ASSERT_TRUE(dib.Load(file.path()));
    HDC recorder = ::CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(recorder, nullptr);
    const RECT outside{100, 100, 120, 120};
    dib.Draw(recorder, 0, 0, &outside);
    HENHMETAFILE recording = ::CloseEnhMetaFile(recorder);
    ASSERT_NE(recording, nullptr);

    std::vector<DWORD> kinds;
    ::EnumEnhMetaFile(nullptr, recording, CollectRecordType, &kinds, nullptr);
    ::DeleteEnhMetaFile(recording);
    // A 24-bit picture without a colour table has no palette to select.
    const int selections = dib.palette() ? 2 : 0;
    EXPECT_EQ(std::count(kinds.begin(), kinds.end(), DWORD{EMR_SELECTPALETTE}), selections);
    EXPECT_EQ(std::count(kinds.begin(), kinds.end(), DWORD{EMR_STRETCHDIBITS}), 0);
}

INSTANTIATE_TEST_SUITE_P(EightAndTwentyFourBits, CDibDraw, ::testing::Values(8, 24));

TEST(CDibPalette, OwnPaletteComesFromTheColourTable) {
    const TempBmp file8(Bmp8(4, 4));
    CDib dib;
    ASSERT_TRUE(dib.Load(file8.path()));
    ASSERT_TRUE(dib.ownsPalette());
    PALETTEENTRY entries[256];
    ASSERT_EQ(::GetPaletteEntries(dib.palette(), 0, 256, entries), 256u);
    for (uint32_t i = 0; i < 256; ++i) {
        const uint32_t rgb =
            uint32_t(entries[i].peRed) << 16 | entries[i].peGreen << 8 | entries[i].peBlue;
        ASSERT_EQ(rgb, test::TestColor(i)) << i;
    }
    const HPALETTE owned = dib.palette();
    dib.Free();
    EXPECT_EQ(dib.palette(), nullptr);
    EXPECT_EQ(::GetObjectType(owned), 0u);  // deleted with the picture

    const TempBmp file24(Bmp24(4, 4));
    ASSERT_TRUE(dib.Load(file24.path()));
    EXPECT_EQ(dib.palette(), nullptr);
}

TEST(CDibPalette, BorrowedPaletteIsNeverDeleted) {
    const TempBmp file(Bmp8(4, 4));
    CDib background;
    ASSERT_TRUE(background.Load(file.path()));
    {
        CDib borrower;
        ASSERT_TRUE(borrower.Load(file.path(), background.palette()));
        EXPECT_EQ(borrower.palette(), background.palette());
        EXPECT_FALSE(borrower.ownsPalette());
        CDib copy;
        ASSERT_TRUE(copy.CopyFrom(background));
        EXPECT_EQ(copy.palette(), background.palette());
        EXPECT_FALSE(copy.ownsPalette());
        borrower.Free();
    }
    EXPECT_EQ(::GetObjectType(background.palette()), static_cast<DWORD>(OBJ_PAL));
}

TEST(CDibPalette, FailedLoadLeavesNoPictureAndNoPalette) {
    const TempBmp good(Bmp8(4, 4));
    std::vector<uint8_t> bytes = Bmp8(4, 4).Bytes();
    test::Put32(bytes, test::Info(kBiHeight), uint32_t(-4));  // top-down
    const TempBmp bad(bytes);
    CDib dib;
    ASSERT_TRUE(dib.Load(good.path()));
    EXPECT_FALSE(dib.Load(bad.path()));
    EXPECT_TRUE(dib.empty());
    EXPECT_EQ(dib.palette(), nullptr);
    EXPECT_EQ(dib.width(), 0);
    EXPECT_FALSE(dib.Load(good.path() + ".missing"));
}

TEST(CDibDirty, DrawDirtyBlitsTheUnionOnceAndForgetsIt) {
    const TestBmp canvasBmp = Bmp8(60, 50);
    const TempBmp canvasFile(canvasBmp);
    TestBmp pictureBmp = Bmp8(10, 10);
    pictureBmp.pixel = [](int, int) { return 200u; };
    const TempBmp pictureFile(pictureBmp);
    CDib background, canvas, picture;
    ASSERT_TRUE(background.Load(canvasFile.path()));
    ASSERT_TRUE(canvas.CopyFrom(background));
    ASSERT_TRUE(picture.Load(pictureFile.path()));
    Surface surface(80, 70);

    canvas.Compose(picture, 0, 0, -1, nullptr);
    canvas.Compose(picture, 30, 25, 0, nullptr);
    canvas.DrawDirty(surface.dc(), 5, 4);
    // The union (0, 0, 40, 35) moved by (5, 4); inside it the canvas, picture pixels included.
    TestBmp shown = canvasBmp;
    shown.pixel = [&](int x, int y) {
        const bool underPicture = (x < 10 && y < 10) || (x >= 30 && x < 40 && y >= 25 && y < 35);
        return underPicture ? 200u : canvasBmp.pixel(x, y);
    };
    ExpectDrawn(surface, shown, 5, 4, RECT{5, 4, 45, 39});

    surface.Fill();
    canvas.DrawDirty(surface.dc(), 5, 4);
    ExpectDrawn(surface, shown, 5, 4, RECT{});

    // Removing a picture restores the background under it.
    const RECT pictureRect{30, 25, 40, 35};
    canvas.Compose(background, 0, 0, -1, &pictureRect);
    canvas.DrawDirty(surface.dc(), 5, 4);
    ExpectDrawn(surface, canvasBmp, 5, 4, RECT{35, 29, 45, 39});
}

}  // namespace
}  // namespace lumora
