#include "platform/shell_win32.h"

#include <shellapi.h>

namespace platform {

void OpenWebSite(HWND owner, const char* url) {
  ShellExecuteA(owner, "open", url, nullptr, nullptr, SW_HIDE);
}

}  // namespace platform
