list(APPEND LUMORA_CORE_SOURCES
    src/prefs/publisher_texts.cpp
)
list(APPEND LUMORA_WIN_SOURCES
    src/prefs/info_pages.cpp
    src/prefs/options_page.cpp
    src/prefs/picture_page.cpp
    src/prefs/preferences_sheet.cpp
)
