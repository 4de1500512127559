list(APPEND LUMORA_CORE_SOURCES
    src/actions/install_root.cpp
    src/actions/logo_layout.cpp
)
list(APPEND LUMORA_WIN_SOURCES
    src/actions/dispatch.cpp
    src/actions/disc.cpp
    src/actions/help.cpp
    src/actions/logo_dialog.cpp
    src/actions/setup_offer.cpp
)
