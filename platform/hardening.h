// What Gemlink does before anything else, because it is started from
// wherever it was saved: no data runs as code, and no DLL is looked for where
// a download could have left one.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/owned_handle.h"

namespace platform {

// Turns DEP on where Windows leaves it to the program: 32-bit Windows XP SP3
// ignores the header's request for it. Elsewhere it is on already.
void EnableDataExecutionPrevention();

// Limits the search for DLLs, for the life of the process, to Windows' system
// folder: a DLL beside Gemlink.exe or in its working folder, named like one of
// Windows', is never taken for it. Made before anything loads a DLL by name.
class DllSearchLimit {
 public:
  DllSearchLimit();
  DllSearchLimit(const DllSearchLimit&) = delete;
  DllSearchLimit& operator=(const DllSearchLimit&) = delete;

 private:
  // Where Windows cannot limit the search: DLLs loaded early from the system
  // folder, so that later loads by name find them loaded.
  std::vector<OwnedModule> preloaded_;
};

}  // namespace platform
