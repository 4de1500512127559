// The keys the screen window answers, by their Windows virtual-key codes: Tab and Shift+Tab move
// the keyboard's region, Enter and Space run it, Escape lets it go. Every front end maps its key
// events through here. Portable.
#pragma once

#include "screens/hover_machine.h"

namespace lumora {

constexpr int kKeyTab = 0x09;
constexpr int kKeyEnter = 0x0D;
constexpr int kKeyEscape = 0x1B;
constexpr int kKeySpace = 0x20;

// The hover machine's commands for a key pressed on the screen; `repeated`: the key was down
// already and repeats while held. Other keys do nothing.
HoverCommands ScreenKeyDown(HoverMachine& hover, int key, bool shift, bool repeated);

}  // namespace lumora
