# The Windows build: lumora.exe and the Win32-layer tests that run under Wine.
enable_language(RC)
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX STRICT _WIN32_WINNT=0x0501 WINVER=0x0501)

add_library(lumora_win OBJECT ${LUMORA_WIN_SOURCES})
target_include_directories(lumora_win PUBLIC src res)
target_compile_options(lumora_win PRIVATE ${LUMORA_WARNINGS})
# winmm, shell32 and comctl32 are not linked: they are loaded when the first sound plays, on the
# first start through the shell and before the first dialog (screens/sound.cpp,
# actions/process_start.cpp, win/common_controls.cpp).
target_link_libraries(lumora_win PUBLIC lumora_core user32 gdi32 advapi32)

set(LUMORA_RESOURCES ${CMAKE_SOURCE_DIR}/res/lumora.rc)
# windres reports no included files: the resource script is built again when any of them changes.
file(GLOB LUMORA_RESOURCE_PARTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/res/*)
list(REMOVE_ITEM LUMORA_RESOURCE_PARTS ${LUMORA_RESOURCES})
set_source_files_properties(${LUMORA_RESOURCES} PROPERTIES OBJECT_DEPENDS "${LUMORA_RESOURCE_PARTS}")

set(LUMORA_DEF_FILE ${CMAKE_SOURCE_DIR}/src/actions/lumora.def)
if(MSVC)
    add_executable(lumora WIN32 src/app/main.cpp ${LUMORA_RESOURCES} ${LUMORA_DEF_FILE})
else()
    add_executable(lumora WIN32 src/app/main.cpp src/app/lean_runtime.cpp ${LUMORA_RESOURCES})
    set_property(TARGET lumora APPEND PROPERTY LINK_DEPENDS ${LUMORA_DEF_FILE})
endif()
target_compile_options(lumora PRIVATE ${LUMORA_WARNINGS})
target_link_libraries(lumora PRIVATE lumora_win)
if(NOT MSVC)
    # The exports come from the .def file, so they are undecorated with MinGW as with MSVC.
    # Every function and datum in its own section, so that the linker drops what nothing uses.
    target_link_options(lumora PRIVATE -s -Wl,--gc-sections -Wl,--enable-stdcall-fixup
                        ${LUMORA_DEF_FILE})
    # One user-interface thread: static locals need no locks, and so no thread library.
    # No exceptions (src/app/lean_runtime.cpp), and so no unwind tables, which would keep every
    # function alive that the linker could otherwise drop.
    set(LUMORA_LEAN -ffunction-sections -fdata-sections -fno-threadsafe-statics -fno-exceptions
                    -fno-asynchronous-unwind-tables -fno-unwind-tables)
    target_compile_options(lumora_win PRIVATE -Os ${LUMORA_LEAN})
    target_compile_options(lumora_core PRIVATE -Os ${LUMORA_LEAN})
    target_compile_options(lumora PRIVATE -Os ${LUMORA_LEAN})
endif()

add_subdirectory(tests/win)

# Windows programs that the tests and the demo disc use beside lumora.exe.
foreach(extra tests/e2e/windows demo)
    if(EXISTS ${CMAKE_SOURCE_DIR}/${extra}/CMakeLists.txt)
        add_subdirectory(${extra})
    endif()
endforeach()

# The authors' kit as a Windows console program, lumora-disc.exe.
set(LUMORA_DISC_CORE lumora_core)
set(LUMORA_DISC_OPTIONS)
add_subdirectory(tools/lumora-disc)
if(NOT MSVC)
    target_link_options(lumora-disc PRIVATE -s)
endif()
