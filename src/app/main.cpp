// lumora.exe: the front door of a distribution disc.
#include <windows.h>

#include <cstdlib>

#include "app/launcher_app.h"

#if defined(__GNUC__)
// A GUI program has nowhere to print why it ends: the library's verbose handler would only pull
// its name demangler into the executable.
namespace __gnu_cxx {
void __verbose_terminate_handler() {
    std::abort();
}
}  // namespace __gnu_cxx
#endif

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return lumora::RunLauncher();
}
