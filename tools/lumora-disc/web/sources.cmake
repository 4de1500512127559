# The page's session over the core, and the parts of the kit that it shares with `lumora-disc
# preview` (paths on the disc, region shapes, the colours a display shows, JSON texts).
set(LUMORA_PAGE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/page_commands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/page_files.cpp
    ${CMAKE_CURRENT_LIST_DIR}/page_panel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/page_screen.cpp
    ${CMAKE_CURRENT_LIST_DIR}/page_session.cpp
)
set(LUMORA_PAGE_KIT_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/../diagnostics.cpp
    ${CMAKE_CURRENT_LIST_DIR}/../disc_paths.cpp
    ${CMAKE_CURRENT_LIST_DIR}/../polygon_mask.cpp
    ${CMAKE_CURRENT_LIST_DIR}/../rgb_image.cpp
)
