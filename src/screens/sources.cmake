list(APPEND LUMORA_CORE_SOURCES
    src/screens/layout.cpp
)
list(APPEND LUMORA_WIN_SOURCES
    src/screens/region.cpp
    src/screens/screen_loading.cpp
    src/screens/screen_place.cpp
    src/screens/screen_window.cpp
    src/screens/sound.cpp
)
