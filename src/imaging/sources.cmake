list(APPEND LUMORA_CORE_SOURCES
    src/imaging/bmp_layout.cpp
    src/imaging/dib_image.cpp
    src/imaging/dib_compose.cpp
    src/imaging/double_size.cpp
    src/imaging/row_copy.cpp
)
list(APPEND LUMORA_WIN_SOURCES
    src/imaging/cdib.cpp
)
