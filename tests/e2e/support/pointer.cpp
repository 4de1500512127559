#include "pointer.h"

#include <string>

#include "process.h"

namespace e2e {

void MovePointer(Point to) {
    Run({"xdotool", "mousemove", std::to_string(to.x), std::to_string(to.y)});
}

void PressButton() {
    Run({"xdotool", "mousedown", "1"});
}

void ReleaseButton() {
    Run({"xdotool", "mouseup", "1"});
}

void Click(Point at) {
    MovePointer(at);
    Run({"xdotool", "click", "1"});
}

void DoubleClick(Point at) {
    MovePointer(at);
    Run({"xdotool", "click", "--repeat", "2", "--delay", "60", "1"});
}

}  // namespace e2e
