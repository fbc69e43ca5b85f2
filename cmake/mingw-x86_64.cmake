# 64-bit Windows executables, run through Wine's 64-bit loader where CMake has to
# execute them (the generic wine command prefers the 32-bit loader when it exists).
set(MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
