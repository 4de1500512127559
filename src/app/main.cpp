// lumora.exe: the front door of a distribution disc.
#include <windows.h>

#include "app/launcher_app.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return lumora::RunLauncher();
}
