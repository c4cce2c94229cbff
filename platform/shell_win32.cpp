#include "platform/shell_win32.h"

#include <shellapi.h>

#include "platform/system_dll.h"

namespace platform {

void OpenWebSite(HWND owner, const char* url) {
  auto* shell_execute =
      SystemFunction<decltype(ShellExecuteA)>(SystemDll::kShell32, "ShellExecuteA");
  if (!shell_execute) return;
  // Shown normally: a browser that honours the show command would otherwise
  // open the site in a window nobody sees.
  shell_execute(owner, "open", url, nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace platform
