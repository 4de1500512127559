list(APPEND LUMORA_CORE_SOURCES
)
list(APPEND LUMORA_WIN_SOURCES
    src/actions/dispatch.cpp
    src/actions/message_box.cpp
)
