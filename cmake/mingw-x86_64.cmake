# The same sources as 64-bit Windows programs, for testing under wine64 on machines whose kernel
# runs no 32-bit code.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(LUMORA_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
