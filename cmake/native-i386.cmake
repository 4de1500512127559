# The portable core's unit tests and fuzz targets as 32-bit Linux code (i686), where size_t and
# pointers are 32 bits wide as in lumora.exe. Only those are built: the kit, the benchmarks and
# the end-to-end runner need 64-bit libraries. The programs run through scripts/run-i386.sh, under
# qemu-i386 where the kernel runs no 32-bit programs.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_FLAGS_INIT -m32)
set(CMAKE_CXX_FLAGS_INIT -m32)
set(CMAKE_EXE_LINKER_FLAGS_INIT -m32)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/run-i386.sh)
set(LUMORA_CORE_TESTS_ONLY ON)
