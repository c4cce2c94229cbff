// Gemlink: switches Yahoo! Messenger's multi-login setting for the current
// Windows user.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include "app/main_window.h"

namespace {

// The shell and the picture decoder expect COM on the calling thread.
class ComApartment {
 public:
  ComApartment()
      : initialized_(
            SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {
  }
  ~ComApartment() {
    if (initialized_) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool initialized_;
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show_command) {
  const ComApartment com;
  const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  gemlink::MainWindow window(instance);
  if (!window.Create()) return 1;
  window.Load();
  window.Show(show_command);

  MSG message{};
  BOOL got;
  while ((got = GetMessageA(&message, nullptr, 0, 0)) > 0) {
    if (!window.HandleDialogKeys(message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  // -1: the queue itself failed, and there is no quit message to read.
  return got == 0 ? static_cast<int>(message.wParam) : 1;
}
