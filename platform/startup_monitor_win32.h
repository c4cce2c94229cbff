// The monitor whoever started Gemlink asked for it to open on.
#pragma once

#include <windows.h>

namespace platform {

// The monitor the shell names for a program it starts on a given monitor, or
// the one holding the position the starter gave (STARTF_USEPOSITION); null
// if neither was asked, or what was named is no monitor now.
HMONITOR StartupMonitor();

}  // namespace platform
