// Gemlink: switches Yahoo! Messenger's multi-login setting for the current
// Windows user.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include "app/main_window.h"
#include "platform/hardening.h"
#include "platform/system_dll.h"

namespace {

using platform::SystemDll;
using platform::SystemFunction;

// The shell and the picture decoder expect COM on the calling thread.
class ComApartment {
 public:
  ComApartment() {
    auto* initialize =
        SystemFunction<decltype(CoInitializeEx)>(SystemDll::kOle32, "CoInitializeEx");
    initialized_ = initialize && SUCCEEDED(initialize(
                                     nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
  }
  ~ComApartment() {
    if (!initialized_) return;
    if (auto* uninitialize =
            SystemFunction<decltype(CoUninitialize)>(SystemDll::kOle32, "CoUninitialize")) {
      uninitialize();
    }
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool initialized_ = false;
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show_command) {
  platform::EnableDataExecutionPrevention();
  const platform::DllSearchLimit dll_search;
  const ComApartment com;
  const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  if (auto* initialize = SystemFunction<decltype(InitCommonControlsEx)>(SystemDll::kComctl32,
                                                                        "InitCommonControlsEx")) {
    initialize(&controls);
  }

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
