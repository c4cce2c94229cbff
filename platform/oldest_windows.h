// Read ahead of every source of the program itself (the build names it with
// -include), which is compiled for the oldest Windows it runs on: the Windows
// headers then declare nothing that came later, and a call to it does not
// compile.
//
// The C++ library of MinGW-w64 GCC 13 and later declares its mutex and
// condition variable types only for Vista (0x0600) and later, and its headers
// fail below that, even where no thread is ever started. They alone see
// 0x0600 here, once: they do not include the Windows headers themselves
// (checked below), and their include guards keep what they declared now.
// What the library then links in is held to XP by the test of the program's
// imports.
#pragma once

#pragma push_macro("_WIN32_WINNT")
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0600
#include <bits/c++config.h>  // which tells the thread header to hide Windows
#include <bits/gthr.h>
#pragma pop_macro("_WIN32_WINNT")

#ifdef _WINDOWS_
#error "the C++ library's thread header included <windows.h>, which would then declare Vista's API"
#endif
