# What both Windows cross builds share, for the Debian MinGW-w64 posix-thread compilers of
# the target triple ABACON_MINGW_TRIPLE that the including toolchain file sets.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${ABACON_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ABACON_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ABACON_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${ABACON_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# ctest runs the test programs through Wine; tools/wine-run picks the loader and the prefix
# of the program's own kind.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run)
