// The pointing hand over hot regions, and the mouse capture by which the screen window learns
// that the pointer has left it. The class cursor is swapped, so the main window, which shares the
// class, shows the hand too meanwhile.
#pragma once

#include <windows.h>

namespace lumora {

class HotCursor {
  public:
    HotCursor();

    void Show(HWND window, bool on);
    // Takes the capture unless the parent or one of its children holds it.
    void Capture(HWND window);
    // Releases the capture when the parent or one of its children holds it.
    void Release(HWND window);

  private:
    HCURSOR hot_;
    HCURSOR saved_ = nullptr;  // the class cursor the hand replaced
};

}  // namespace lumora
