// The colours of the program's dialogs, set once at start-up.
#pragma once

#include <windows.h>

namespace lumora {

// Dialogs of the program paint their background and static texts in these colours.
void SetDialogColors(COLORREF background, COLORREF text);

// The answer to WM_CTLCOLORDLG / WM_CTLCOLORSTATIC for a dialog: the background brush, with the
// device context's colours set; null before SetDialogColors (the system's colours then apply).
HBRUSH DialogColorBrush(HDC dc);

}  // namespace lumora
