# The Windows test programs, for the Wine runs on a machine that runs no 32-bit programs: mingw-w64 x86_64 with the posix thread model, for GoogleTest.
set(MINGW_ARCH x86_64)
set(MINGW_THREAD_MODEL posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
