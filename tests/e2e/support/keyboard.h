// The keyboard, typed the way a person types: real X key events through xdotool. They reach the
// active Wine window while the X pointer rests over the virtual desktop.
#pragma once

#include <string>
#include <vector>

namespace e2e {

// Types the keys one after another (xdotool names: "Tab", "shift+Tab", "Return", "space").
void PressKeys(const std::vector<std::string>& keys);

}  // namespace e2e
