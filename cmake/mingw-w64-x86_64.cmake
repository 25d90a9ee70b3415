# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (posix threads),
# and running the test programs under Wine. Used by the preset "windows".
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(BRINDLE_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${BRINDLE_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${BRINDLE_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${BRINDLE_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${BRINDLE_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One .exe that needs nothing beside it: the compiler's own run-time libraries
# (libgcc, libstdc++, winpthread) are linked in, only system DLLs stay.
# The entry points stay the narrow main() of the program and of GoogleTest
# (no -municode): neither reads its arguments, and every path the program uses
# comes from the UTF-16 functions inside the gadget layer and the settings file.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Test programs run under Wine, in a Wine folder of the build's own (made by
# the build, see cmake/googletest_from_source.cmake), removed with the build.
set(BRINDLE_WINE_RUNNER ${CMAKE_CURRENT_LIST_DIR}/run-under-wine)
set(CMAKE_CROSSCOMPILING_EMULATOR ${BRINDLE_WINE_RUNNER} ${CMAKE_BINARY_DIR}/wine)
