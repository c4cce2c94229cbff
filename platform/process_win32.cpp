#include "platform/owned_handle.h"
#include "platform/process.h"
#include "resources/layout.h"

namespace platform {
namespace {

// Named in the user's session: other users' copies do not count.
constexpr char kInstanceMarkerName[] = "Local\\Gemlink.Instance";

struct InstanceMarker {
  OwnedHandle mutex;
  bool another_running;
};

InstanceMarker CreateInstanceMarker() {
  OwnedHandle mutex(CreateMutexA(nullptr, FALSE, kInstanceMarkerName));
  // A copy running elevated owns a marker this one may not open: still a copy.
  const DWORD error = GetLastError();
  const bool another_running = error == ERROR_ALREADY_EXISTS || error == ERROR_ACCESS_DENIED;
  return {std::move(mutex), another_running};
}

}  // namespace

bool AnotherInstanceRunning() {
  // Held until the process ends, so later copies see this one.
  static const InstanceMarker marker = CreateInstanceMarker();
  return marker.another_running;
}

void ShowOtherInstance() {
  // By its class; this copy's own window, not yet shown, has it too.
  HWND window = nullptr;
  while ((window = FindWindowExA(nullptr, window, layout::kWindowClass, nullptr)) != nullptr) {
    DWORD process_id = 0;
    GetWindowThreadProcessId(window, &process_id);
    if (process_id != GetCurrentProcessId()) break;
  }
  if (!window) return;
  // Without waiting for it: a copy that hangs must not hang this one too.
  if (IsIconic(window)) ShowWindowAsync(window, SW_RESTORE);
  // The copy the user has just started may hand the foreground on. A message
  // box the first copy shows is what takes input there.
  SetForegroundWindow(GetLastActivePopup(window));
}

void EndProgram() { ExitProcess(0); }

}  // namespace platform
