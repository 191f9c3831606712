# The Windows test programs: mingw-w64 i686 with the posix thread model, for GoogleTest.
set(MINGW_THREAD_MODEL posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-i686-common.cmake)
