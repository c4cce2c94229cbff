#include "platform/dpi_win32.h"

#include "platform/owned_handle.h"
#include "platform/system_dll.h"

namespace platform {
namespace {

// Declared here: the SDK headers hide them from a program built for XP.
using GetDpiForWindowFunction = UINT WINAPI(HWND);
using GetSystemMetricsForDpiFunction = int WINAPI(int, UINT);
using AdjustWindowRectExForDpiFunction = BOOL WINAPI(RECT*, DWORD, BOOL, DWORD, UINT);
// A DPI_AWARENESS_CONTEXT is a handle; DPI_AWARENESS an enumeration.
using GetWindowDpiAwarenessContextFunction = HANDLE WINAPI(HWND);
using GetAwarenessFromDpiAwarenessContextFunction = int WINAPI(HANDLE);
constexpr int kPerMonitorAware = 2;  // DPI_AWARENESS_PER_MONITOR_AWARE

// user32 is imported at link time, so it is loaded before any of this runs.
HMODULE User32() { return GetModuleHandleW(L"user32.dll"); }

}  // namespace

int WindowDpi(HWND window) {
  static auto* const get_dpi = FindFunction<GetDpiForWindowFunction>(User32(), "GetDpiForWindow");
  if (get_dpi) {
    if (const UINT dpi = get_dpi(window)) return static_cast<int>(dpi);
  }
  return GetDeviceCaps(ScreenDc().get(), LOGPIXELSY);
}

int SystemMetricForDpi(int metric, int dpi) {
  static auto* const get_metric =
      FindFunction<GetSystemMetricsForDpiFunction>(User32(), "GetSystemMetricsForDpi");
  return get_metric ? get_metric(metric, static_cast<UINT>(dpi)) : GetSystemMetrics(metric);
}

bool IsPerMonitorAware(HWND window) {
  static auto* const get_context =
      FindFunction<GetWindowDpiAwarenessContextFunction>(User32(), "GetWindowDpiAwarenessContext");
  static auto* const get_awareness = FindFunction<GetAwarenessFromDpiAwarenessContextFunction>(
      User32(), "GetAwarenessFromDpiAwarenessContext");
  return get_context && get_awareness && get_awareness(get_context(window)) == kPerMonitorAware;
}

bool FrameClientAtDpi(RECT& rect, DWORD style, bool menu, DWORD ex_style, int dpi) {
  static auto* const adjust =
      FindFunction<AdjustWindowRectExForDpiFunction>(User32(), "AdjustWindowRectExForDpi");
  RECT framed = rect;
  if (!adjust || !adjust(&framed, style, menu, ex_style, static_cast<UINT>(dpi))) return false;
  rect = framed;
  return true;
}

}  // namespace platform
