list(APPEND LUMORA_CORE_SOURCES
)
list(APPEND LUMORA_WIN_SOURCES
    src/app/app_state.cpp
    src/app/launcher_app.cpp
)
