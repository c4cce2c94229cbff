// What Gemlink does before anything else, because it is started from
// wherever it was saved: no data runs as code, and no DLL is looked for where
// a download could have left one.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/owned_handle.h"

namespace platform {

// Turns DEP on where Windows leaves it to the program: 32-bit Windows XP SP3
// ignores the header's request for it. Elsewhere it is on already.
void EnableDataExecutionPrevention();

// The DLLs that Windows' own code in Gemlink's process (the window manager,
// themes, COM, the shell) is known to load later by name alone.
inline constexpr const wchar_t* kDllsLoadedByNameLater[] = {
    L"uxtheme.dll", L"dwmapi.dll",   L"version.dll", L"cryptbase.dll",     L"propsys.dll",
    L"userenv.dll", L"setupapi.dll", L"apphelp.dll", L"oleacc.dll",        L"clbcatq.dll",
    L"msimg32.dll", L"msctf.dll",    L"shlwapi.dll", L"windowscodecs.dll",
};

// Limits the search for DLLs, for the life of the process, to Windows' system
// folder: a DLL beside Gemlink.exe or in its working folder, named like one of
// Windows', is never taken for it. Made before anything loads a DLL by name.
class DllSearchLimit {
 public:
  DllSearchLimit();
  DllSearchLimit(const DllSearchLimit&) = delete;
  DllSearchLimit& operator=(const DllSearchLimit&) = delete;

 private:
  // Where Windows cannot limit the search: kDllsLoadedByNameLater, loaded
  // early from the system folder, so that later loads by name find them loaded.
  std::vector<OwnedModule> preloaded_;
};

}  // namespace platform
