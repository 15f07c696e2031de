# 64-bit Windows: the same sources, and the build that runs under Wine with the Windows tests.
# The posix thread model, because GoogleTest needs std::mutex.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(KORVALE_MINGW_TRIPLET x86_64-w64-mingw32)
set(KORVALE_MINGW_THREADS posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
