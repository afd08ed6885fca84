# Cross-build for 64-bit Windows with Debian's mingw-w64 (the POSIX-threads
# compiler, which gives std::thread and std::mutex). Programs built here run
# on Linux through Wine, which the tests use as their emulator.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Everything is linked statically: no DLL of the compiler's to ship or to
# find at run time.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
# Debian's 64-bit Wine; its "wine" wrapper would ask for the 32-bit one too.
find_program(SCENARIO_WINE NAMES wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
find_program(SCENARIO_WINE NAMES wine64 wine)
if(SCENARIO_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${SCENARIO_WINE})
endif()
