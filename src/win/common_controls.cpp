#include "win/common_controls.h"

#include "win/message_loop.h"
#include "win/system_library.h"

namespace lumora {

HMODULE CommonControls() {
    static const HMODULE module = [] {
        const HMODULE loaded = LoadSideBySideSystemLibrary("comctl32.dll");
        using Initialise = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
        if (const auto initialise = ModuleFunction<Initialise>(loaded, "InitCommonControlsEx")) {
            const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
            initialise(&controls);
        }
        return loaded;
    }();
    return module;
}

INT_PTR ShowPropertySheet(PROPSHEETHEADERA* sheet) {
    using PropertySheet = INT_PTR(WINAPI*)(PROPSHEETHEADERA*);
    const auto show = ModuleFunction<PropertySheet>(CommonControls(), "PropertySheetA");
    if (!show) {
        return -1;
    }
    const SystemModalLoop loop;
    return show(sheet);
}

}  // namespace lumora
