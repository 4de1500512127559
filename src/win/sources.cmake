list(APPEND LUMORA_WIN_SOURCES
    src/win/dialog_colors.cpp
    src/win/window.cpp
    src/win/resource_string.cpp
)
