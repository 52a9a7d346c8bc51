# Cross build for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix): the
# POSIX-threads flavour of the compiler, which std::thread needs, and a static runtime, so
# each .exe stands alone without libstdc++, libgcc or winpthread DLLs beside it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TQR417_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TQR417_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TQR417_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TQR417_MINGW_TRIPLET}-windres)

# Libraries and headers come from the MinGW tree only, never from the build machine's /usr.
set(CMAKE_FIND_ROOT_PATH /usr/${TQR417_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Test programs run under Wine on the build machine, in a prefix of the build's own (made by
# the tests' fixture, scripts/wine-session.sh), never in the user's ~/.wine.
find_program(TQR417_WINE wine)
if(TQR417_WINE)
  set(TQR417_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine-prefix CACHE PATH "Wine prefix of the tests")
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh ${TQR417_WINE_PREFIX})
endif()
