# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 toolchain
# (g++-mingw-w64-x86-64-posix). The posix thread model, unlike win32, gives
# GCC 12's libstdc++ std::thread and std::mutex.
#
# Qt for MinGW is built with this same file (tools/build-qt-mingw.sh), so that
# Qt and the program share one compiler, and Qt's static libraries link into
# the program with the same C++ runtime (cmake/mingw_static.cmake). The file's
# settings are part of the key of Qt's cache: a change builds Qt anew.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MIRT2_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MIRT2_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MIRT2_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${MIRT2_MINGW_TRIPLE}-windres)

# Libraries and headers from the target's sysroot only; programs (Wine, say)
# from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${MIRT2_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
