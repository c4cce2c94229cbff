#include "platform/dpi_win32.h"

#include "platform/owned_handle.h"
#include "platform/system_dll.h"

namespace platform {
namespace {

// Declared here: the SDK headers hide them from a program built for XP.
using GetDpiForWindowFunction = UINT WINAPI(HWND);
using GetSystemMetricsForDpiFunction = int WINAPI(int, UINT);

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

}  // namespace platform
