# The Windows test programs: mingw-w64 i686 with the posix thread model, for GoogleTest.
set(MINGW_ARCH i686)
set(MINGW_THREAD_MODEL posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
