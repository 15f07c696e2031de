# 32-bit Windows (the release build), cross-compiled with mingw-w64.
# The win32 thread model: the posix one links in a winpthread built for Vista and later
# (it imports GetTickCount64), which would keep the program from starting on Windows XP.
# The program itself starts no threads. The 32-bit test build sets KORVALE_MINGW_THREADS to posix,
# because GoogleTest needs std::mutex.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)

set(KORVALE_MINGW_TRIPLET i686-w64-mingw32)
if(NOT KORVALE_MINGW_THREADS)
  set(KORVALE_MINGW_THREADS win32)
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES KORVALE_MINGW_THREADS)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
