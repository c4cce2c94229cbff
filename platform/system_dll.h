// Windows' DLLs beyond the five Gemlink.exe imports when it is linked:
// kernel32, user32, gdi32, advapi32 and msvcrt, which every Windows maps from
// its own folder before any of Gemlink's code runs. A link-time import would
// have its own dependencies looked for before WinMain, in the program's
// folder first; these are loaded only once the search has been limited (see
// hardening.h), and stay loaded for the life of the process.
#pragma once

#include <windows.h>

#include <string>

namespace platform {

enum class SystemDll { kComctl32, kOle32, kOleaut32, kShell32 };

// The named function of a loaded module, typed as its declaration: nullptr if
// the module is missing or lacks it.
template <typename Function>
Function* FindFunction(HMODULE module, const char* name) {
  if (!module) return nullptr;
  // By way of void (*)(), which converts to any function pointer.
  return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// The full path of a file in Windows' system folder; empty if it has none.
std::wstring SystemFolderPath(const wchar_t* file);

// The DLL, loaded on first use; nullptr if it cannot be.
HMODULE LoadSystemDll(SystemDll dll);

template <typename Function>
Function* SystemFunction(SystemDll dll, const char* name) {
  return FindFunction<Function>(LoadSystemDll(dll), name);
}

}  // namespace platform
