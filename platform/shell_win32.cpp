#include "platform/shell_win32.h"

#include <shellapi.h>

#include "platform/system_dll.h"

namespace platform {

bool OpenWebSite(HWND owner, const char* url) {
  auto* shell_execute =
      SystemFunction<decltype(ShellExecuteExA)>(SystemDll::kShell32, "ShellExecuteExA");
  if (!shell_execute) return false;
  SHELLEXECUTEINFOA open{};
  open.cbSize = sizeof open;
  // Where nothing opens the address, Windows' shell would show a box of its
  // own ("How do you want to open this?") before the caller shows its own,
  // which gives the address.
  open.fMask = SEE_MASK_FLAG_NO_UI;
  open.hwnd = owner;
  open.lpVerb = "open";
  open.lpFile = url;
  // Shown normally: a browser that honours the show command would otherwise
  // open the site in a window nobody sees.
  open.nShow = SW_SHOWNORMAL;
  return shell_execute(&open) != FALSE;
}

}  // namespace platform
