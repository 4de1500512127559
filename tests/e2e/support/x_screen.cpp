#include "x_screen.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xfixes.h>

#include <cstdio>

namespace e2e {

std::string ToString(const Rgb& c) {
    char text[32];
    std::snprintf(text, sizeof text, "(%d,%d,%d)", c.r, c.g, c.b);
    return text;
}

std::string ToString(const CursorPicture& c) {
    std::string text = std::to_string(c.width) + "x" + std::to_string(c.height) + " hot " +
                       std::to_string(c.hotX) + "," + std::to_string(c.hotY) + "\n";
    for (int y = 0; y < c.height; ++y) {
        for (int x = 0; x < c.width; ++x) {
            text += static_cast<char>(c.pixels[y * c.width + x]);
        }
        text += '\n';
    }
    return text;
}

XScreen::XScreen() : display_(XOpenDisplay(nullptr)) {
    if (display_) {
        root_ = DefaultRootWindow(display_);
        width_ = DisplayWidth(display_, DefaultScreen(display_));
        height_ = DisplayHeight(display_, DefaultScreen(display_));
    }
}

XScreen::~XScreen() {
    if (display_) {
        XCloseDisplay(display_);
    }
}

namespace {

// One channel of a TrueColor pixel: its mask says where it sits and how wide it is.
uint8_t Channel(unsigned long pixel, unsigned long mask) {
    int shift = 0;
    while (mask && !(mask & 1)) {
        mask >>= 1;
        ++shift;
    }
    return static_cast<uint8_t>(((pixel >> shift) & mask) * 255 / (mask ? mask : 1));
}

}  // namespace

Rgb XScreen::Pixel(int x, int y) const {
    const std::vector<Rgb> one = Area(x, y, 1, 1);
    return one.empty() ? Rgb{} : one[0];
}

std::vector<Rgb> XScreen::Area(int x, int y, int width, int height) const {
    std::vector<Rgb> pixels;
    if (!display_ || x < 0 || y < 0 || width <= 0 || height <= 0 || x + width > width_ ||
        y + height > height_) {
        return pixels;
    }
    XImage* image = XGetImage(display_, root_, x, y, static_cast<unsigned>(width),
                              static_cast<unsigned>(height), AllPlanes, ZPixmap);
    if (!image) {
        return pixels;
    }
    pixels.reserve(static_cast<size_t>(width) * height);
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            const unsigned long pixel = XGetPixel(image, column, row);
            pixels.push_back({Channel(pixel, image->red_mask), Channel(pixel, image->green_mask),
                              Channel(pixel, image->blue_mask)});
        }
    }
    XDestroyImage(image);
    return pixels;
}

CursorPicture XScreen::Cursor() const {
    CursorPicture picture;
    if (!display_) {
        return picture;
    }
    XFixesCursorImage* image = XFixesGetCursorImage(display_);
    if (!image) {
        return picture;
    }
    picture.width = image->width;
    picture.height = image->height;
    picture.hotX = image->xhot;
    picture.hotY = image->yhot;
    for (int i = 0; i < picture.width * picture.height; ++i) {
        const unsigned long argb = image->pixels[i] & 0xFFFFFFFFul;
        const unsigned long alpha = argb >> 24, rgb = argb & 0xFFFFFFul;
        picture.pixels.push_back(alpha == 0          ? CursorPixel::kClear
                                 : alpha < 255       ? CursorPixel::kOther
                                 : rgb == 0          ? CursorPixel::kBlack
                                 : rgb == 0xFFFFFFul ? CursorPixel::kWhite
                                                     : CursorPixel::kOther);
    }
    XFree(image);
    return picture;
}

}  // namespace e2e
