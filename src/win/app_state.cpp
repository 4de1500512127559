#include "win/app_state.h"

namespace lumora {

AppState& App() {
    static AppState state;
    return state;
}

HWND MainWindowHandle() {
    HWND main = App().mainWindow;
    return main && ::IsWindow(main) ? main : nullptr;
}

}  // namespace lumora
