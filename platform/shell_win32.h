// Opening a web site in the user's browser.
#pragma once

#include <windows.h>

namespace platform {

// Hands the URL to the shell's "open" operation, which shows no message of
// its own. False if no program could be started for it (none registered for
// the address, say): the caller tells the user.
bool OpenWebSite(HWND owner, const char* url);

}  // namespace platform
