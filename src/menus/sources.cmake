list(APPEND LUMORA_CORE_SOURCES
    src/menus/menu_model.cpp
)
list(APPEND LUMORA_WIN_SOURCES
    src/menus/popup_menu.cpp
)
