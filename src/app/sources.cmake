list(APPEND LUMORA_CORE_SOURCES
)
list(APPEND LUMORA_WIN_SOURCES
    src/app/color_check.cpp
    src/app/launcher_app.cpp
    src/app/main_window.cpp
    src/app/main_window_actions.cpp
    src/app/monitor_facts.cpp
)
