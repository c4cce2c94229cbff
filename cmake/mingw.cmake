# Cross-compiles Windows programs with Debian's MinGW-w64: GEMLINK_MINGW_TARGET
# is i686 for 32-bit programs (PE32, Intel 80386) or x86_64 for 64-bit ones
# (PE32+, x86-64).
#
# The win32 thread model, not posix: the posix one links winpthreads, which
# imports GetTickCount64 and so keeps the program off Windows XP. Nothing
# here starts a thread.
set(CMAKE_SYSTEM_NAME Windows)
# CMake's own trial builds read this file too, and need the target as well.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES GEMLINK_MINGW_TARGET)
if(GEMLINK_MINGW_TARGET STREQUAL "i686")
  set(CMAKE_SYSTEM_PROCESSOR x86)
elseif(GEMLINK_MINGW_TARGET STREQUAL "x86_64")
  set(CMAKE_SYSTEM_PROCESSOR AMD64)
else()
  message(FATAL_ERROR "GEMLINK_MINGW_TARGET must be i686 or x86_64, not '${GEMLINK_MINGW_TARGET}'")
endif()

set(triplet ${GEMLINK_MINGW_TARGET}-w64-mingw32)
set(CMAKE_C_COMPILER ${triplet}-gcc-win32)
set(CMAKE_CXX_COMPILER ${triplet}-g++-win32)
set(CMAKE_RC_COMPILER ${triplet}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
