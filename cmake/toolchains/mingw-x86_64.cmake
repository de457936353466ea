# 64-bit Windows: the same sources, for machines whose Wine cannot run 32-bit programs.
set(ZV_MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
