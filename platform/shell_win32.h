// Opening a web site in the user's browser.
#pragma once

#include <windows.h>

namespace platform {

// Hands the URL to the shell's "open" operation. False if no program could
// be started for it (none registered for the address, say).
bool OpenWebSite(HWND owner, const char* url);

}  // namespace platform
