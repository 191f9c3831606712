# Cross-compiles for Windows with mingw-w64. Included by the toolchain files, which set
# MINGW_ARCH (i686: 32-bit x86, what ships; x86_64: only for the Wine runs on a machine that runs
# no 32-bit programs) and MINGW_THREAD_MODEL: win32 for the shipped programs, which need no
# threads library, and posix for the Windows test programs, since GoogleTest needs std::mutex,
# which only the posix model gives. -static (set by the project) keeps either runtime inside the
# program.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${MINGW_ARCH})

set(CMAKE_C_COMPILER ${MINGW_ARCH}-w64-mingw32-gcc-${MINGW_THREAD_MODEL})
set(CMAKE_CXX_COMPILER ${MINGW_ARCH}-w64-mingw32-g++-${MINGW_THREAD_MODEL})
set(CMAKE_RC_COMPILER ${MINGW_ARCH}-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_ARCH}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# ctest runs the Windows test programs under Wine (tools/wine-env.sh puts the one of their
# kind first on the path).
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
