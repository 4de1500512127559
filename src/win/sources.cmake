list(APPEND LUMORA_WIN_SOURCES
    src/win/window.cpp
    src/win/resource_string.cpp
)
