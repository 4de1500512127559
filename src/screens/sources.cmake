list(APPEND LUMORA_CORE_SOURCES
    src/screens/display_scale.cpp
    src/screens/hover_machine.cpp
    src/screens/layout.cpp
    src/screens/screen_model.cpp
)
list(APPEND LUMORA_WIN_SOURCES
    src/screens/launch_entries.cpp
    src/screens/picture_cache.cpp
    src/screens/region.cpp
    src/screens/screen_loading.cpp
    src/screens/screen_place.cpp
    src/screens/screen_window.cpp
    src/screens/sound.cpp
)
