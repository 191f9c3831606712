# The shipped programs: mingw-w64 i686 with the win32 thread model.
set(MINGW_ARCH i686)
set(MINGW_THREAD_MODEL win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
