# The shipped programs, built for the Wine runs only: mingw-w64 x86_64 with the win32 thread model.
set(MINGW_ARCH x86_64)
set(MINGW_THREAD_MODEL win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
