list(APPEND LUMORA_CORE_SOURCES
)
list(APPEND LUMORA_WIN_SOURCES
    src/screens/launch_entries.cpp
    src/screens/region.cpp
    src/screens/screen_loading.cpp
    src/screens/screen_window.cpp
    src/screens/sound.cpp
)
