# 64-bit Windows (x64): the build that runs under Wine on machines that
# cannot execute 32-bit programs.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
