#include "platform/startup_monitor_win32.h"

namespace platform {
namespace {

// STARTF_USEMONITOR: hStdOutput holds the monitor. No MinGW-w64 header
// defines it.
constexpr DWORD kUseMonitor = 0x400;

}  // namespace

HMONITOR StartupMonitor() {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  GetStartupInfoA(&startup);
  if (startup.dwFlags & kUseMonitor) {
    // A handle from another process: trusted only once Windows knows it.
    const auto monitor = reinterpret_cast<HMONITOR>(startup.hStdOutput);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoA(monitor, &info)) return monitor;
  }
  if (startup.dwFlags & STARTF_USEPOSITION) {
    const POINT position{static_cast<LONG>(startup.dwX), static_cast<LONG>(startup.dwY)};
    return MonitorFromPoint(position, MONITOR_DEFAULTTONULL);
  }
  return nullptr;
}

}  // namespace platform
