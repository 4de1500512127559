// The X display that `run` shows a disc on (Linux): whether one is up, a virtual one when none
// is, the windows of a program, and their pixels.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

#include "imaging/pixel_rect.h"
#include "rgb_image.h"

struct _XDisplay;

namespace lumora::disc {

// An Xvfb of the given screen ("1024x768x24") on a free display number, which Xvfb chooses and
// reports; it ends with this object.
class VirtualDisplay {
  public:
    static std::optional<VirtualDisplay> Start(const std::string& screen);
    VirtualDisplay(VirtualDisplay&& other) noexcept;
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(VirtualDisplay&&) = delete;
    ~VirtualDisplay();
    const std::string& name() const { return name_; }  // ":N"

  private:
    VirtualDisplay(pid_t pid, std::string name) : pid_(pid), name_(std::move(name)) {}
    pid_t pid_;
    std::string name_;
};

class XDisplay {
  public:
    // The display of that name; nothing when it is not up.
    static std::optional<XDisplay> Open(const std::string& name);
    XDisplay(XDisplay&& other) noexcept;
    XDisplay(const XDisplay&) = delete;
    XDisplay& operator=(const XDisplay&) = delete;
    XDisplay& operator=(XDisplay&&) = delete;
    ~XDisplay();

    PixelSize size() const;
    // The pointer to the bottom-right corner, where no window of a centred program lies.
    void ParkPointer();
    // Where the shown windows whose class (WM_CLASS) is `program` lie, in root coordinates,
    // cut to the screen. Under Wine the class of a program's windows is its file name.
    std::vector<PixelRect> ProgramWindows(const std::string& program);
    // The screen's pixels in `area`.
    RgbImage Capture(const PixelRect& area);
    // How far a colour may read from the one drawn: 0 with 8 bits a channel, more with fewer.
    int Tolerance() const;

  private:
    explicit XDisplay(_XDisplay* display) : display_(display) {}
    _XDisplay* display_;
};

}  // namespace lumora::disc
