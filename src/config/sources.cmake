list(APPEND LUMORA_CORE_SOURCES
    src/config/value_parse.cpp
    src/config/display_requirement.cpp
)
list(APPEND LUMORA_WIN_SOURCES
    src/config/ini_store.cpp
    src/config/settings.cpp
    src/config/display.cpp
)
