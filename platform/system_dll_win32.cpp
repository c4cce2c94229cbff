#include "platform/system_dll.h"

#include "platform/owned_handle.h"

namespace platform {
namespace {

OwnedModule LoadFromSystemFolder(const wchar_t* file) {
  const std::wstring path = SystemFolderPath(file);
  return OwnedModule(path.empty() ? nullptr : LoadLibraryW(path.c_str()));
}

}  // namespace

std::wstring SystemFolderPath(const wchar_t* file) {
  wchar_t folder[MAX_PATH] = {};
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  return std::wstring(folder, length) + L"\\" + file;
}

HMODULE LoadSystemDll(SystemDll dll) {
  switch (dll) {
    case SystemDll::kComctl32: {
      // By name alone: that is how the manifest's version 6 is found, side by
      // side; a path would give the system folder's version 5.
      static const OwnedModule comctl32(LoadLibraryW(L"comctl32.dll"));
      return comctl32.get();
    }
    case SystemDll::kOle32: {
      static const OwnedModule ole32 = LoadFromSystemFolder(L"ole32.dll");
      return ole32.get();
    }
    case SystemDll::kOleaut32: {
      static const OwnedModule oleaut32 = LoadFromSystemFolder(L"oleaut32.dll");
      return oleaut32.get();
    }
    case SystemDll::kShell32: {
      static const OwnedModule shell32 = LoadFromSystemFolder(L"shell32.dll");
      return shell32.get();
    }
  }
  return nullptr;
}

}  // namespace platform
