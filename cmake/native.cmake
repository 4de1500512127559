# The native Linux build: the portable core with its unit tests (ASan + UBSan), the fuzz target,
# the benchmarks and the end-to-end test runner that drives lumora.exe under Wine.
set(LUMORA_SANITIZE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)

include(${CMAKE_CURRENT_LIST_DIR}/googletest.cmake)

# The core once more with sanitizers, for the unit tests; the plain library serves the benchmarks.
add_library(lumora_core_checked STATIC ${LUMORA_CORE_SOURCES})
target_include_directories(lumora_core_checked PUBLIC ${LUMORA_CORE_INCLUDES})
add_dependencies(lumora_core_checked lumora_string_table)
target_compile_options(lumora_core_checked PRIVATE ${LUMORA_WARNINGS} ${LUMORA_SANITIZE})
target_link_options(lumora_core_checked PUBLIC ${LUMORA_SANITIZE})
target_compile_options(lumora_core PRIVATE -O2)

add_subdirectory(tests/unit)
add_subdirectory(tests/fuzz)
# The 32-bit build (cmake/native-i386.cmake) stops here, and builds no core that nothing tests.
if(LUMORA_CORE_TESTS_ONLY)
    set_target_properties(lumora_core PROPERTIES EXCLUDE_FROM_ALL ON)
    return()
endif()
add_subdirectory(tests/bench)

# The authors' kit, on the checked core so that its tests run with the sanitizers too.
set(LUMORA_DISC_CORE lumora_core_checked)
set(LUMORA_DISC_OPTIONS ${LUMORA_SANITIZE})
add_subdirectory(tools/lumora-disc)
add_subdirectory(tests/disc)
# After the kit: the end-to-end runner holds lumora.exe's screen against the kit's preview.
add_subdirectory(tests/e2e)
