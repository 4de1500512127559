#include "app/launcher_app.h"

#include <windows.h>

namespace lumora {

int RunLauncher() { return 0; }

}  // namespace lumora
