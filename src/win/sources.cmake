list(APPEND LUMORA_CORE_SOURCES
    src/win/message_rules.cpp
)
list(APPEND LUMORA_WIN_SOURCES
    src/win/accessible_object.cpp
    src/win/app_state.cpp
    src/win/common_controls.cpp
    src/win/dialog_colors.cpp
    src/win/message_box.cpp
    src/win/message_loop.cpp
    src/win/program_timers.cpp
    src/win/property_page.cpp
    src/win/resource_string.cpp
    src/win/system_library.cpp
    src/win/window.cpp
)
