# 64-bit Windows for Wine. The posix thread model compilers, because GoogleTest needs std::mutex;
# everything is linked statically, so no winpthread DLL travels with the programs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
# Archives of link-time-optimised objects need the compiler's plugin.
set(CMAKE_AR x86_64-w64-mingw32-gcc-ar)
set(CMAKE_RANLIB x86_64-w64-mingw32-gcc-ranlib)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
