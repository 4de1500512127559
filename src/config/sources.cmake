list(APPEND LUMORA_CORE_SOURCES
    src/config/value_parse.cpp
    src/config/display_requirement.cpp
    src/config/section_entries.cpp
    src/config/section_keys.cpp
    src/config/held_sections.cpp
    src/config/ini_document.cpp
    src/config/code_page.cpp
    src/config/code_page_tables.cpp
    src/config/string_table.cpp
    src/config/settings_model.cpp
)
# Portable, but for a file system, which the browser's page has not.
list(APPEND LUMORA_CORE_FILE_SOURCES
    src/config/ini_file.cpp
)
list(APPEND LUMORA_WIN_SOURCES
    src/config/file_stamp.cpp
    src/config/ini_store.cpp
    src/config/private_profile_reader.cpp
    src/config/program_model_context.cpp
    src/config/settings.cpp
    src/config/display.cpp
)
