# Cross-build for 32-bit Windows, the release menu. Built and linked here only:
# 32-bit Windows programs cannot run on these machines, and no test program
# is built for them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
# The win32 thread model: the posix one's unwinder brings in the whole
# pthreads library, which the single-threaded menu never uses.
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-win32)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-win32)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# SSE arithmetic as on x86_64, where the tests run: x87's extended precision
# would round the window geometry differently. Each function and datum in a
# section of its own, so that the linker drops those never used.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse -ffunction-sections -fdata-sections")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse -ffunction-sections -fdata-sections")
set(CMAKE_EXE_LINKER_FLAGS_MINSIZEREL_INIT "-Wl,--gc-sections")
