// The DPI a window is drawn at, and the system's sizes at a DPI. Windows 10
// (1607 and later) gives each window the DPI of the monitor it is on; older
// Windows have one DPI for the whole screen and lack these functions, so they
// are looked up when called.
#pragma once

#include <windows.h>

namespace platform {

// Sent when the window moves to a monitor of another DPI, or the DPI of its
// monitor changes. (The SDK declares it for Windows 7 and later only.)
inline constexpr UINT kDpiChangedMessage = 0x02E0;

// The window's own DPI where Windows has one, else the screen's.
int WindowDpi(HWND window);

// GetSystemMetrics as it would answer at that DPI.
int SystemMetricForDpi(int metric, int dpi);

}  // namespace platform
