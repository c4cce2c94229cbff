// The DPI a window is drawn at, and the system's sizes at a DPI. Windows 10
// 1607 and later have the functions these call, and from 1703 on, where the
// manifest makes Gemlink per-monitor aware, give each window the DPI of the
// monitor it is on; older Windows have one DPI for the whole screen and lack
// the functions, so they are looked up when called.
#pragma once

#include <windows.h>

namespace platform {

// Sent when the window moves to a monitor of another DPI, or the DPI of its
// monitor changes. (The SDK declares it for Windows 7 and later only.)
inline constexpr UINT kDpiChangedMessage = 0x02E0;
// Sent first, to a per-monitor (v2) window only, to ask the size it wants at
// the new DPI: wParam the DPI, lParam a SIZE to fill in. (Windows 10 1703.)
inline constexpr UINT kGetDpiScaledSizeMessage = 0x02E4;

// The window's own DPI where Windows has one, else the screen's.
int WindowDpi(HWND window);

// GetSystemMetrics as it would answer at that DPI.
int SystemMetricForDpi(int metric, int dpi);

// Whether the window follows its monitor's DPI itself. Where it does not
// (system-aware, or Windows before 10), Windows scales it, and the DPI
// messages are Windows' business.
bool IsPerMonitorAware(HWND window);

// AdjustWindowRectEx with the caption, borders and menu bar at that DPI.
// False, leaving the rectangle as it was, where Windows lacks it (before 10).
bool FrameClientAtDpi(RECT& rect, DWORD style, bool menu, DWORD ex_style, int dpi);

}  // namespace platform
