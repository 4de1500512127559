// The mouse, driven the way a person drives it: real X input through xdotool.
#pragma once

namespace e2e {

struct Point {
    int x = 0, y = 0;
};

void MovePointer(Point to);
void PressButton();
void ReleaseButton();
void Click(Point at);
void DoubleClick(Point at);

}  // namespace e2e
