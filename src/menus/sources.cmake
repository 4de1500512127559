list(APPEND LUMORA_CORE_SOURCES
)
list(APPEND LUMORA_WIN_SOURCES
    src/menus/popup_menu.cpp
)
