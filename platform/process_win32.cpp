#include "platform/owned_handle.h"
#include "platform/process.h"

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

void EndProgram() { ExitProcess(0); }

}  // namespace platform
