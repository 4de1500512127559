#include "win/common_controls.h"

#include "win/system_library.h"

namespace lumora {

namespace {

template <typename Function>
Function CommonControlsFunction(const char* name) {
    const HMODULE module = CommonControls();
    return module
               ? reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name)))
               : nullptr;
}

}  // namespace

HMODULE CommonControls() {
    static const HMODULE module = [] {
        const HMODULE loaded = LoadSideBySideSystemLibrary("comctl32.dll");
        using Initialise = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
        auto initialise = loaded ? reinterpret_cast<Initialise>(reinterpret_cast<void*>(
                                       ::GetProcAddress(loaded, "InitCommonControlsEx")))
                                 : nullptr;
        if (initialise) {
            const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
            initialise(&controls);
        }
        return loaded;
    }();
    return module;
}

INT_PTR ShowPropertySheet(PROPSHEETHEADERA* sheet) {
    using PropertySheet = INT_PTR(WINAPI*)(PROPSHEETHEADERA*);
    const auto show = CommonControlsFunction<PropertySheet>("PropertySheetA");
    return show ? show(sheet) : -1;
}

}  // namespace lumora
