#include "x_display.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <strings.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>

#include "child_process.h"

namespace lumora::disc {

namespace {

// Where a channel's mask sits and how many values it has.
struct Channel {
    int shift = 0;
    unsigned long values = 1;

    explicit Channel(unsigned long mask) {
        while (mask && !(mask & 1)) {
            mask >>= 1;
            ++shift;
        }
        values = mask + 1;
    }
    uint8_t Of(unsigned long pixel) const {
        return static_cast<uint8_t>(((pixel >> shift) & (values - 1)) * 255 /
                                    (values - 1 ? values - 1 : 1));
    }
};

// Windows come and go while they are looked at: a request about one that has just gone fails,
// which Xlib's own handler would make the end of the kit.
int IgnoreError(Display*, XErrorEvent*) {
    return 0;
}

// True when the window's WM_CLASS names that program (letter case ignored).
bool OfProgram(Display* display, Window window, const std::string& program) {
    XClassHint hint{};
    if (!XGetClassHint(display, window, &hint)) {
        return false;
    }
    const bool match = (hint.res_name && strcasecmp(hint.res_name, program.c_str()) == 0) ||
                       (hint.res_class && strcasecmp(hint.res_class, program.c_str()) == 0);
    XFree(hint.res_name);
    XFree(hint.res_class);
    return match;
}

}  // namespace

std::optional<VirtualDisplay> VirtualDisplay::Start(const std::string& screen) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        return std::nullopt;
    }
    const pid_t child = Spawn({"Xvfb", "-displayfd", std::to_string(pipeEnds[1]), "-screen", "0",
                               screen, "-nolisten", "tcp"},
                              {}, {}, -1, true);
    close(pipeEnds[1]);
    std::string number;
    char c = 0;
    while (read(pipeEnds[0], &c, 1) == 1 && c != '\n') {
        number += c;
    }
    close(pipeEnds[0]);
    if (child < 0 || number.empty()) {
        if (child > 0) {
            kill(child, SIGTERM);
            waitpid(child, nullptr, 0);
        }
        return std::nullopt;
    }
    return VirtualDisplay(child, ":" + number);
}

VirtualDisplay::VirtualDisplay(VirtualDisplay&& other) noexcept
    : pid_(other.pid_), name_(std::move(other.name_)) {
    other.pid_ = -1;
}

VirtualDisplay::~VirtualDisplay() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
}

std::optional<XDisplay> XDisplay::Open(const std::string& name) {
    Display* display = name.empty() ? nullptr : XOpenDisplay(name.c_str());
    if (!display) {
        return std::nullopt;
    }
    XSetErrorHandler(IgnoreError);
    return XDisplay(display);
}

XDisplay::XDisplay(XDisplay&& other) noexcept : display_(other.display_) {
    other.display_ = nullptr;
}

XDisplay::~XDisplay() {
    if (display_) {
        XCloseDisplay(display_);
    }
}

PixelSize XDisplay::size() const {
    const int screen = DefaultScreen(display_);
    return {DisplayWidth(display_, screen), DisplayHeight(display_, screen)};
}

void XDisplay::ParkPointer() {
    const PixelSize screen = size();
    XWarpPointer(display_, None, DefaultRootWindow(display_), 0, 0, 0, 0, screen.width - 1,
                 screen.height - 1);
    XSync(display_, False);
}

std::vector<PixelRect> XDisplay::ProgramWindows(const std::string& program) {
    std::vector<PixelRect> found;
    const Window root = DefaultRootWindow(display_);
    const PixelSize screen = size();
    std::vector<Window> pending = {root};
    while (!pending.empty()) {
        const Window window = pending.back();
        pending.pop_back();
        Window parent = 0, rootReturn = 0, *children = nullptr;
        unsigned count = 0;
        if (XQueryTree(display_, window, &rootReturn, &parent, &children, &count)) {
            pending.insert(pending.end(), children, children + count);
            XFree(children);
        }
        XWindowAttributes attributes{};
        if (window == root || !XGetWindowAttributes(display_, window, &attributes) ||
            attributes.map_state != IsViewable || !OfProgram(display_, window, program)) {
            continue;
        }
        int x = 0, y = 0;
        Window child = 0;
        XTranslateCoordinates(display_, window, root, 0, 0, &x, &y, &child);
        const PixelRect rect{std::max(x, 0), std::max(y, 0),
                             std::min(x + attributes.width, screen.width),
                             std::min(y + attributes.height, screen.height)};
        if (!rect.empty()) {
            found.push_back(rect);
        }
    }
    return found;
}

RgbImage XDisplay::Capture(const PixelRect& area) {
    RgbImage image;
    XImage* pixels = area.empty()
                         ? nullptr
                         : XGetImage(display_, DefaultRootWindow(display_), area.left, area.top,
                                     static_cast<unsigned>(area.width()),
                                     static_cast<unsigned>(area.height()), AllPlanes, ZPixmap);
    if (!pixels) {
        return image;
    }
    const Channel red(pixels->red_mask), green(pixels->green_mask), blue(pixels->blue_mask);
    image = RgbImage(area.width(), area.height());
    for (int y = 0; y < area.height(); ++y) {
        for (int x = 0; x < area.width(); ++x) {
            const unsigned long pixel = XGetPixel(pixels, x, y);
            image.Set(x, y, {red.Of(pixel), green.Of(pixel), blue.Of(pixel)});
        }
    }
    XDestroyImage(pixels);
    return image;
}

int XDisplay::Tolerance() const {
    const Visual* visual = DefaultVisual(display_, DefaultScreen(display_));
    return visual->bits_per_rgb >= 8 ? 0 : 256 >> visual->bits_per_rgb;
}

}  // namespace lumora::disc
