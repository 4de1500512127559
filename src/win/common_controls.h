// The common controls (comctl32), loaded on first use rather than at start: loading them
// registers their window classes and their visual styles before the first screen could paint.
// Every dialog, message box and property sheet asks for them first: with the visual-styles
// manifest, Windows XP makes no dialog until they are loaded and initialised.
#pragma once

#include <windows.h>
#include <commctrl.h>

namespace lumora {

// Loads and initialises the common controls once; null when they cannot be loaded. The module
// is the version the manifest names (6, side by side) and stays loaded until the process ends.
HMODULE CommonControls();

// PropertySheetA of the common controls; -1 when they cannot be loaded.
INT_PTR ShowPropertySheet(PROPSHEETHEADERA* sheet);

}  // namespace lumora
