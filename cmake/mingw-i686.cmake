# Cross-build for 32-bit Windows: the release menu and authoring tool. They
# run here under 32-bit Wine (scripts/wine-run).
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
# SSE arithmetic as on x86_64: x87's extended precision would round the
# window geometry differently. Each function and datum in a section of its
# own, so that the linker drops those never used.
# msvcrt's malloc, behind operator new, aligns to 8 bytes in a 32-bit
# program, while GCC takes 16 for granted: -faligned-new=8 sends every type
# aligned to more, such as an SSE vector, to the aligned operator new.
# The stack likewise: 32-bit Windows keeps it aligned to 4 bytes only, as
# -mpreferred-stack-boundary=2 tells GCC, which then aligns it itself in the
# few functions that keep SSE vectors on it, instead of padding every call
# to 16 bytes; the menu is 2 KB smaller for it.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse -mpreferred-stack-boundary=2 -ffunction-sections -fdata-sections")
set(CMAKE_CXX_FLAGS_INIT "${CMAKE_C_FLAGS_INIT} -faligned-new=8")
set(CMAKE_EXE_LINKER_FLAGS_MINSIZEREL_INIT "-Wl,--gc-sections")
# Programs run under Wine in the build tree's own prefix. Test programs' tests
# are listed when CTest runs, not at build time, so building needs no display.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
