# Cross-compiling the portable core for the browser: clang's wasm32-wasi target with Debian's
# wasi-libc, libc++ and libc++abi for wasm32, compiler-rt's builtins and lld's wasm-ld
# (scripts/install-deps.sh installs them). The module runs without a WASI host: the page gives
# it the few functions its C library imports.
set(CMAKE_SYSTEM_NAME Generic)
set(CMAKE_SYSTEM_PROCESSOR wasm32)
set(LUMORA_WASM ON)
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET wasm32-wasi)
set(CMAKE_CXX_COMPILER_TARGET wasm32-wasi)
# Debian puts the wasm32 libraries and headers under /usr in the target's own folders; the host's
# /usr/include is kept out of the search.
set(lumora_wasm_includes
    "--sysroot=/usr -nostdlibinc -isystem /usr/include/wasm32-wasi/c++/v1 -isystem /usr/include/wasm32-wasi")
set(CMAKE_C_FLAGS_INIT "${lumora_wasm_includes}")
set(CMAKE_CXX_FLAGS_INIT "${lumora_wasm_includes}")
# The link line repeats the compile flags, whose include options mean nothing there.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-Wno-unused-command-line-argument")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
