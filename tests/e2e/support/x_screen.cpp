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

Rgb XScreen::Pixel(int x, int y) const {
    if (!display_ || x < 0 || y < 0 || x >= width_ || y >= height_) {
        return {};
    }
    XImage* image = XGetImage(display_, root_, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image) {
        return {};
    }
    unsigned long pixel = XGetPixel(image, 0, 0);
    Rgb rgb;
    // A 24-bit TrueColor visual: the masks say where each channel sits.
    auto channel = [pixel](unsigned long mask) {
        int shift = 0;
        while (mask && !(mask & 1)) {
            mask >>= 1;
            ++shift;
        }
        return static_cast<uint8_t>(((pixel >> shift) & mask) * 255 / (mask ? mask : 1));
    };
    rgb.r = channel(image->red_mask);
    rgb.g = channel(image->green_mask);
    rgb.b = channel(image->blue_mask);
    XDestroyImage(image);
    return rgb;
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
