#include "platform/shell_win32.h"

#include <shellapi.h>

#include "platform/system_dll.h"

namespace platform {

bool OpenWebSite(HWND owner, const char* url) {
  auto* shell_execute =
      SystemFunction<decltype(ShellExecuteA)>(SystemDll::kShell32, "ShellExecuteA");
  if (!shell_execute) return false;
  // Shown normally: a browser that honours the show command would otherwise
  // open the site in a window nobody sees.
  const HINSTANCE result = shell_execute(owner, "open", url, nullptr, nullptr, SW_SHOWNORMAL);
  // An instance handle only in name: above 32 is success, the rest an error.
  return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace platform
