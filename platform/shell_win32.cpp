#include "platform/shell_win32.h"

#include <shellapi.h>

namespace platform {

void OpenWebSite(HWND owner, const char* url) {
  // Shown normally: a browser that honours the show command would otherwise
  // open the site in a window nobody sees.
  ShellExecuteA(owner, "open", url, nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace platform
