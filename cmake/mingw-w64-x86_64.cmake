# Cross build for 64-bit Windows with Debian's MinGW-w64 (posix threads, for std::thread and
# friends). The runtime is linked statically, so an .exe runs on a bare Windows machine, or under
# wine, without MinGW's DLLs beside it. Only the toolkit-free core and the command line build this
# way: Debian has no Qt 6 for MinGW.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(STANDWISE_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${STANDWISE_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${STANDWISE_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${STANDWISE_MINGW_TRIPLE}-windres)

# Libraries and packages only from the MinGW tree (and from a GoogleTest named by GTest_DIR), never
# the build machine's own.
set(CMAKE_FIND_ROOT_PATH /usr/${STANDWISE_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
