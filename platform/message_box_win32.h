// The Windows side of the message box service.
#pragma once

#include <windows.h>

namespace platform {

// Messages shown from now on are modal to this window (none: no owner).
void SetMessageOwner(HWND owner);

}  // namespace platform
