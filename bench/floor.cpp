// The floors Gemlink's start-up is measured against: one window with one
// button, and (with FLOOR_DRAWS_PICTURE) the same window decoding a JPEG of
// the same size from its resources, with the loader Gemlink uses, and
// drawing it.
#include <windows.h>

#ifdef FLOOR_DRAWS_PICTURE
#include "platform/owned_handle.h"
#include "platform/picture_win32.h"

#define IDR_PICTURE 101
#endif

namespace {

#ifdef FLOOR_DRAWS_PICTURE
platform::OwnedBitmap picture;

void Paint(HWND window) {
  PAINTSTRUCT paint{};
  const HDC dc = BeginPaint(window, &paint);
  const platform::OwnedDc source(CreateCompatibleDC(dc));
  const HGDIOBJ old = SelectObject(source.get(), picture.get());
  BitBlt(dc, 0, 0, 283, 190, source.get(), 0, 0, SRCCOPY);
  SelectObject(source.get(), old);
  EndPaint(window, &paint);
}
#endif

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
#ifdef FLOOR_DRAWS_PICTURE
    case WM_PAINT:
      Paint(window);
      return 0;
#endif
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wparam, lparam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show_command) {
#ifdef FLOOR_DRAWS_PICTURE
  picture = platform::LoadJpegResource(instance, IDR_PICTURE, 1, 1);
#endif
  WNDCLASSEXA window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = Procedure;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = "Gemlink.Floor";
  RegisterClassExA(&window_class);
  const HWND window =
      CreateWindowExA(0, "Gemlink.Floor", "Floor", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                      CW_USEDEFAULT, CW_USEDEFAULT, 288, 223, nullptr, nullptr, instance, nullptr);
  CreateWindowExA(0, "BUTTON", "OK", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 192, 135, 65, 21,
                  window, nullptr, instance, nullptr);
  ShowWindow(window, show_command);
  UpdateWindow(window);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  return 0;
}
