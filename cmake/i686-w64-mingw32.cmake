# 32-bit Windows (the release build), cross-compiled with mingw-w64.
# The win32 thread model: the posix one links in a winpthread built for Vista and later
# (it imports GetTickCount64), which would keep the program from starting on Windows XP.
# The program itself starts no threads.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)

set(KORVALE_MINGW_TRIPLET i686-w64-mingw32)
set(KORVALE_MINGW_THREADS win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
