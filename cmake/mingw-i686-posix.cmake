# Cross-build for 32-bit Windows with the posix thread model of MinGW-w64:
# the Win32 test programs as 32-bit programs. GoogleTest needs std::mutex,
# which the win32 thread model lacks; everything else is as for the release.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-i686.cmake)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
