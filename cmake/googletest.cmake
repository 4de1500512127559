# GoogleTest for the test programs. Built from its sources when LUMORA_GTEST_SOURCE_DIR names them
# (by default Debian's /usr/src/googletest, when it is there); otherwise an installed GoogleTest
# found with find_package, as on a Visual Studio machine with vcpkg or a GoogleTest install.
include_guard(GLOBAL)

if(EXISTS /usr/src/googletest/CMakeLists.txt)
    set(lumora_gtest_default /usr/src/googletest)
else()
    set(lumora_gtest_default "")
endif()
set(LUMORA_GTEST_SOURCE_DIR "${lumora_gtest_default}" CACHE PATH
    "GoogleTest sources to build with the tests; empty: use an installed GoogleTest")

if(LUMORA_GTEST_SOURCE_DIR)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    # The tests use the same C runtime as the program.
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    add_subdirectory(${LUMORA_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
else()
    find_package(GTest REQUIRED)
endif()
include(GoogleTest)
