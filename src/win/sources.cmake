list(APPEND LUMORA_WIN_SOURCES
    src/win/accessible_object.cpp
    src/win/app_state.cpp
    src/win/common_controls.cpp
    src/win/dialog_colors.cpp
    src/win/message_box.cpp
    src/win/property_page.cpp
    src/win/resource_string.cpp
    src/win/system_library.cpp
    src/win/window.cpp
)
