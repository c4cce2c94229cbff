#include "platform/hardening.h"

#include <string>

#include "platform/system_dll.h"

namespace platform {
namespace {

// Declared by the SDK only for the Windows versions that brought them; looked
// up at run time, so that Gemlink still loads on the versions without them.
using SetDefaultDllDirectoriesFunction = BOOL WINAPI(DWORD directories);
using SetDllDirectoryFunction = BOOL WINAPI(LPCWSTR folder);
using SetProcessDepPolicyFunction = BOOL WINAPI(DWORD flags);
constexpr DWORD kSearchSystem32 = 0x800;  // LOAD_LIBRARY_SEARCH_SYSTEM32
constexpr DWORD kDepEnable = 1;           // PROCESS_DEP_ENABLE

HMODULE Kernel32() { return GetModuleHandleW(L"kernel32.dll"); }

}  // namespace

void EnableDataExecutionPrevention() {
#ifndef _WIN64
  if (auto* set_policy =
          FindFunction<SetProcessDepPolicyFunction>(Kernel32(), "SetProcessDEPPolicy")) {
    set_policy(kDepEnable);
  }
#endif
}

DllSearchLimit::DllSearchLimit() {
  // Windows 8 and later, and Vista and 7 with update KB2533623: DLLs loaded by
  // name, and the dependencies of any DLL, come from the system folder alone.
  auto* set_default_directories =
      FindFunction<SetDefaultDllDirectoriesFunction>(Kernel32(), "SetDefaultDllDirectories");
  if (set_default_directories && set_default_directories(kSearchSystem32)) return;

  // Elsewhere (XP) the working folder can leave the search, but the program's
  // own folder stays first in it.
  if (auto* set_dll_directory =
          FindFunction<SetDllDirectoryFunction>(Kernel32(), "SetDllDirectoryW")) {
    set_dll_directory(L"");
  }
  for (const wchar_t* name : kDllsLoadedByNameLater) {
    const std::wstring path = SystemFolderPath(name);
    // Their own dependencies are looked for beside them first. Missing ones
    // (dwmapi on XP, say) are simply not there to be taken.
    OwnedModule module(path.empty()
                           ? nullptr
                           : LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
    if (module) preloaded_.push_back(std::move(module));
  }
}

}  // namespace platform
