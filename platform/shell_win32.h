// Opening a web site in the user's browser.
#pragma once

#include <windows.h>

namespace platform {

// Hands the URL to the shell's "open" operation; whether it opens is not
// reported.
void OpenWebSite(HWND owner, const char* url);

}  // namespace platform
