// The X screen as the user sees it: pixels of the root window and the cursor being shown.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct _XDisplay;

namespace e2e {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Rgb& o) const { return !(*this == o); }
};
std::string ToString(const Rgb& c);

// What one cursor pixel looks like, which is all a monochrome cursor can show.
enum class CursorPixel : char { kClear = '.', kBlack = 'B', kWhite = 'W', kOther = '?' };

struct CursorPicture {
    int width = 0, height = 0, hotX = 0, hotY = 0;
    std::vector<CursorPixel> pixels;  // rows top-down
    bool operator==(const CursorPicture& o) const {
        return width == o.width && height == o.height && hotX == o.hotX && hotY == o.hotY &&
               pixels == o.pixels;
    }
    bool operator!=(const CursorPicture& o) const { return !(*this == o); }
};
std::string ToString(const CursorPicture& c);

class XScreen {
  public:
    XScreen();
    ~XScreen();
    XScreen(const XScreen&) = delete;
    XScreen& operator=(const XScreen&) = delete;

    bool IsOpen() const { return display_ != nullptr; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    Rgb Pixel(int x, int y) const;
    // The pixels of a rectangle, rows from the top; empty when it is not all on the screen.
    std::vector<Rgb> Area(int x, int y, int width, int height) const;
    CursorPicture Cursor() const;

  private:
    _XDisplay* display_ = nullptr;
    unsigned long root_ = 0;
    int width_ = 0, height_ = 0;
};

}  // namespace e2e
