list(APPEND LUMORA_CORE_SOURCES
    src/screens/accessible_screen.cpp
    src/screens/display_scale.cpp
    src/screens/hover_machine.cpp
    src/screens/layout.cpp
    src/screens/screen_keys.cpp
    src/screens/picture_budget.cpp
    src/screens/screen_links.cpp
    src/screens/screen_model.cpp
    src/screens/screen_session.cpp
)
list(APPEND LUMORA_WIN_SOURCES
    src/screens/hot_cursor.cpp
    src/screens/picture_cache.cpp
    src/screens/region.cpp
    src/screens/region_click.cpp
    src/screens/screen_accessible.cpp
    src/screens/screen_content.cpp
    src/screens/screen_loading.cpp
    src/screens/screen_place.cpp
    src/screens/screen_store.cpp
    src/screens/screen_window.cpp
)
