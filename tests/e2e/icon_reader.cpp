// Hooked into the thread of a message box by the driver, it reads the icon
// the box shows: see icon_reader.h. Built without the C runtime, so that it
// brings nothing into that process but itself.
#include "tests/e2e/icon_reader.h"

#include <windows.h>

namespace {

icon_reader::Colour ColourOf(HWND icon_static) {
  RECT place{};
  GetClientRect(icon_static, &place);
  const auto icon = reinterpret_cast<HICON>(SendMessageA(icon_static, STM_GETICON, 0, 0));
  const int width = place.right, height = place.bottom;
  if (!icon || width <= 0 || height <= 0) return icon_reader::kNeither;

  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = width;
  format.bmiHeader.biHeight = -height;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  const HDC dc = CreateCompatibleDC(nullptr);
  const HBITMAP bitmap = CreateDIBSection(dc, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
  int blue = 0, red = 0;
  if (dc && bitmap) {
    const HGDIOBJ old = SelectObject(dc, bitmap);
    PatBlt(dc, 0, 0, width, height, WHITENESS);
    DrawIconEx(dc, 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
    GdiFlush();
    const auto* pixels = static_cast<const DWORD*>(bits);
    for (int i = 0; i < width * height; ++i) {
      const int r = pixels[i] >> 16 & 0xFF, g = pixels[i] >> 8 & 0xFF, b = pixels[i] & 0xFF;
      if (b > 150 && b > r + 60 && b > g) ++blue;
      if (r > 150 && r > g + 80 && r > b + 80) ++red;
    }
    SelectObject(dc, old);
  }
  if (bitmap) DeleteObject(bitmap);
  if (dc) DeleteDC(dc);
  if (blue > 50 && blue > 4 * red) return icon_reader::kBlue;
  if (red > 50 && red > 4 * blue) return icon_reader::kRed;
  return icon_reader::kNeither;
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK ReadIconHook(int code, WPARAM removed,
                                                               LPARAM message) {
  const MSG& posted = *reinterpret_cast<const MSG*>(message);
  if (code == HC_ACTION && removed == PM_REMOVE &&
      posted.message == RegisterWindowMessageA(icon_reader::kRequest)) {
    const auto icon_static = reinterpret_cast<HWND>(posted.wParam);
    SetPropA(posted.hwnd, icon_reader::kAnswer,
             reinterpret_cast<HANDLE>(static_cast<INT_PTR>(ColourOf(icon_static))));
  }
  return CallNextHookEx(nullptr, code, removed, message);
}

// The linker's default entry point for a DLL, taken here since there is no C
// runtime to provide it.
extern "C" BOOL WINAPI DllMainCRTStartup(HINSTANCE, DWORD, LPVOID) { return TRUE; }
