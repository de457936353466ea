# 32-bit Windows (the tills): MinGW-w64 from Debian's archive, posix threads.
set(ZV_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
