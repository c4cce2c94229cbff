#include "tests/e2e/gemlink_process.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "resources/layout.h"
#include "tests/e2e/icon_reader.h"

namespace e2e {
namespace {

constexpr DWORD kPollMs = 20;
// Child ids of the static controls in a message box: Windows' icon, Wine's,
// and the text, the same on both.
constexpr int kMessageIconIds[] = {20, 1088};
constexpr int kMessageTextId = 0xFFFF;

template <typename Condition>
bool WaitFor(DWORD timeout_ms, Condition condition, DWORD poll_ms = kPollMs) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start > timeout_ms) return false;
    Sleep(poll_ms);
  }
  return true;
}

std::string TextOf(HWND window) {
  char text[1024] = {};
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                      SMTO_ABORTIFHUNG, 2000, &ignored);
  return text;
}

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

struct ProcessWindows {
  DWORD process_id;
  std::vector<HWND> windows;
};

BOOL CALLBACK CollectVisible(HWND window, LPARAM context) {
  auto* found = reinterpret_cast<ProcessWindows*>(context);
  DWORD process_id = 0;
  GetWindowThreadProcessId(window, &process_id);
  if (process_id == found->process_id && IsWindowVisible(window)) found->windows.push_back(window);
  return TRUE;
}

bool ProcessInFront(DWORD process_id) {
  DWORD in_front = 0;
  GetWindowThreadProcessId(GetForegroundWindow(), &in_front);
  return in_front == process_id;
}

// Simulated input goes to the foreground window, which on a test machine may
// be another program's (a console a hosted runner keeps in front): the window
// is brought there first, each way Windows allows a process that is not in
// front: as itself; sharing the foreground thread's input state; and after an
// Alt key press, which lifts the lock on the foreground. Where none works,
// the test fails naming the window that kept the foreground, and what of the
// test cannot be done.
bool BringToForeground(HWND window, DWORD process_id, const char* what, const char* else_lost) {
  if (ProcessInFront(process_id)) return true;
  auto taken = [process_id](DWORD timeout_ms) {
    return WaitFor(timeout_ms, [process_id] { return ProcessInFront(process_id); });
  };
  SetForegroundWindow(window);
  if (taken(500)) return true;
  const DWORD foreground_thread = GetWindowThreadProcessId(GetForegroundWindow(), nullptr);
  if (foreground_thread && AttachThreadInput(GetCurrentThreadId(), foreground_thread, TRUE)) {
    SetForegroundWindow(window);
    AttachThreadInput(GetCurrentThreadId(), foreground_thread, FALSE);
  }
  if (taken(1000)) return true;
  INPUT alt[2] = {};
  for (INPUT& input : alt) {
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = VK_MENU;
  }
  alt[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, alt, sizeof(INPUT));
  SetForegroundWindow(window);
  if (taken(1000)) return true;

  const HWND foreground = GetForegroundWindow();
  char title[256] = {};
  DWORD holder = 0;
  GetWindowTextA(foreground, title, sizeof title);
  GetWindowThreadProcessId(foreground, &holder);
  char image[MAX_PATH] = "(unknown program)";
  DWORD image_size = sizeof image;
  const platform::OwnedHandle process(
      OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, holder));
  if (process) QueryFullProcessImageNameA(process.get(), 0, image, &image_size);
  ADD_FAILURE() << what << " could not be brought to the foreground: the window \"" << title
                << "\" (class " << ClassOf(foreground) << ") of process " << holder << ", "
                << image << ", keeps it, so " << else_lost;
  return false;
}

}  // namespace

bool UnderWine() {
  return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}

std::string ProgramFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder = path;
  return folder.substr(0, folder.find_last_of("\\/") + 1);
}

std::string ScreenshotFolder() {
  const std::string folder = ProgramFolder() + "..\\screenshots\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

GemlinkProcess::GemlinkProcess(const std::string& folder, std::optional<POINT> position,
                               std::optional<WORD> show_command) {
  // Quoted, as the folder may hold blanks.
  std::string command = '"' + folder + "Gemlink.exe\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  if (position) {
    startup.dwFlags |= STARTF_USEPOSITION;
    startup.dwX = static_cast<DWORD>(position->x);
    startup.dwY = static_cast<DWORD>(position->y);
  }
  if (show_command) {
    startup.dwFlags |= STARTF_USESHOWWINDOW;
    startup.wShowWindow = *show_command;
  }
  PROCESS_INFORMATION started{};
  if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                     &startup, &started)) {
    process_.reset(started.hProcess);
    thread_.reset(started.hThread);
    process_id_ = started.dwProcessId;
    thread_id_ = started.dwThreadId;
  }
}

GemlinkProcess::~GemlinkProcess() {
  if (::testing::Test::HasFailure()) SaveScreenAfterFailure();
  if (process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.get(), 1);
    WaitForSingleObject(process_.get(), 5000);
  }
}

HWND GemlinkProcess::WaitForWindow(DWORD timeout_ms) {
  WaitFor(timeout_ms, [this] {
    for (HWND window : VisibleWindows()) {
      if (ClassOf(window) == layout::kWindowClass) window_ = window;
    }
    return window_ != nullptr;
  });
  if (window_) Settle();
  return window_;
}

void GemlinkProcess::Click(int control_id) const {
  PostMessageA(window_, WM_COMMAND, MAKEWPARAM(control_id, BN_CLICKED),
               reinterpret_cast<LPARAM>(Control(control_id)));
}

void GemlinkProcess::ChooseMenuItem(int item_id) const {
  PostMessageA(window_, WM_COMMAND, MAKEWPARAM(item_id, 0), 0);
}

void GemlinkProcess::Close() const { PostMessageA(window_, WM_SYSCOMMAND, SC_CLOSE, 0); }

bool GemlinkProcess::HasForeground() const { return ProcessInFront(process_id_); }

bool GemlinkProcess::TakeForeground() const {
  return BringToForeground(FrontWindow(), process_id_, "Gemlink", "no input was sent");
}

HWND GemlinkProcess::FrontWindow() const {
  const HWND box = WaitForBox(0, kPollMs);
  return box ? box : window_;
}

platform::Owned<HWND, DestroyWindow> TakeForegroundForTheDriver() {
  platform::Owned<HWND, DestroyWindow> window(
      CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "e2e driver", WS_POPUP | WS_VISIBLE, 0, 0, 1, 1,
                      nullptr, nullptr, nullptr, nullptr));
  if (BringToForeground(window.get(), GetCurrentProcessId(), "The test program's own window",
                        "a program it starts may not take the foreground")) {
    AllowSetForegroundWindow(ASFW_ANY);
  }
  return window;
}

CoveringWindow::CoveringWindow()
    : ready_(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
      stop_(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
      thread_(CreateThread(nullptr, 0, KeepOnTop, this, 0, nullptr)) {
  WaitForSingleObject(ready_.get(), 5000);
}

CoveringWindow::~CoveringWindow() {
  SetEvent(stop_.get());
  WaitForSingleObject(thread_.get(), INFINITE);
}

bool CoveringWindow::WaitUntilOver(HWND window, DWORD timeout_ms) const {
  return WaitFor(timeout_ms, [this, window] {
    HWND below = GetWindow(cover_, GW_HWNDNEXT);
    while (below && below != window) below = GetWindow(below, GW_HWNDNEXT);
    return below != nullptr;
  });
}

// Shown without being activated: Wine activates a window made visible, its
// WS_EX_NOACTIVATE notwithstanding. Under Wine a window activated later comes
// over even a topmost one, and a change of z-order Wine takes for none is not
// carried out: the cover leaves the topmost band and comes back, every few
// milliseconds.
DWORD WINAPI CoveringWindow::KeepOnTop(void* self) {
  auto& covering = *static_cast<CoveringWindow*>(self);
  const platform::Owned<HWND, DestroyWindow> cover(CreateWindowExA(
      WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW, "STATIC", "covering window",
      WS_POPUP | SS_BLACKRECT, GetSystemMetrics(SM_XVIRTUALSCREEN),
      GetSystemMetrics(SM_YVIRTUALSCREEN), GetSystemMetrics(SM_CXVIRTUALSCREEN),
      GetSystemMetrics(SM_CYVIRTUALSCREEN), nullptr, nullptr, nullptr, nullptr));
  covering.cover_ = cover.get();
  constexpr UINT kKeep = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW;
  do {
    SetWindowPos(cover.get(), HWND_NOTOPMOST, 0, 0, 0, 0, kKeep);
    SetWindowPos(cover.get(), HWND_TOPMOST, 0, 0, 0, 0, kKeep);
    SetEvent(covering.ready_.get());
    MSG message{};
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  } while (WaitForSingleObject(covering.stop_.get(), 5) == WAIT_TIMEOUT);
  return 0;
}

void GemlinkProcess::SaveScreenAfterFailure() const {
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  if (!test) return;
  const std::string path =
      ScreenshotFolder() + test->test_suite_name() + "." + test->name() + "-failed.bmp";
  if (SaveScreenshot(GetDesktopWindow(), path)) {
    std::printf("The screen as the failed test left it: %s\n", path.c_str());
  }
}

void GemlinkProcess::PressKey(WORD key, bool with_shift, bool with_alt) const {
  if (!TakeForeground()) return;
  std::vector<INPUT> inputs;
  auto add = [&inputs](WORD virtual_key, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtual_key;
    input.ki.dwFlags = flags;
    inputs.push_back(input);
  };
  if (with_alt) add(VK_MENU, 0);
  if (with_shift) add(VK_SHIFT, 0);
  add(key, 0);
  add(key, KEYEVENTF_KEYUP);
  if (with_shift) add(VK_SHIFT, KEYEVENTF_KEYUP);
  if (with_alt) add(VK_MENU, KEYEVENTF_KEYUP);
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

bool GemlinkProcess::ClickWithMouse(int control_id) const {
  if (!TakeForeground()) return false;
  RECT place{};
  GetWindowRect(Control(control_id), &place);
  const POINT target{(place.left + place.right) / 2, (place.top + place.bottom) / 2};
  INPUT inputs[3] = {};
  for (INPUT& input : inputs) input.type = INPUT_MOUSE;
  inputs[0].mi.dx = MulDiv(target.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  inputs[0].mi.dy = MulDiv(target.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  // Under Wine a press sent with the move can land where the pointer was, so
  // it is sent once the pointer is there; and now and then a press right
  // after a message box closes is lost, so a click that does not arrive is
  // made again. A second click on a button does nothing the first did not.
  for (int attempt = 0; attempt < 3; ++attempt) {
    SendInput(1, &inputs[0], sizeof(INPUT));
    WaitFor(2000, [target] {
      POINT now{};
      GetCursorPos(&now);
      return now.x == target.x && now.y == target.y;
    });
    SendInput(2, &inputs[1], sizeof(INPUT));
    if (WaitFor(1000, [this, control_id] {
          Settle();
          return Focus() == Control(control_id);
        })) {
      return true;
    }
  }
  return false;
}

bool GemlinkProcess::InMenuMode() const {
  Settle();
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(thread_id_, &info) && (info.flags & GUI_INMENUMODE);
}

HWND GemlinkProcess::OpenMenu() const {
  for (HWND window : VisibleWindows()) {
    if (ClassOf(window) == "#32768") return window;
  }
  return nullptr;
}

HWND GemlinkProcess::OpenMenuWithKeys(WORD access_key) const {
  // Again only if the first press was lost: a second one would leave the menu.
  for (int attempt = 0; attempt < 3 && !InMenuMode(); ++attempt) {
    PressKey(access_key, false, true);
    WaitFor(1000, [this] { return OpenMenu() != nullptr; });
  }
  return OpenMenu();
}

bool GemlinkProcess::ChooseFileItemWithKeys(int position) const {
  auto in_menu = [this] { return InMenuMode(); };
  // F10 again only if the first was lost: a second one would leave the menu.
  for (int attempt = 0; attempt < 3 && !in_menu(); ++attempt) {
    PressKey(VK_F10);
    WaitFor(1000, in_menu);
  }
  if (!in_menu()) return false;
  PressKey(VK_DOWN);  // opens the menu on its first item
  Settle();
  for (int i = 0; i < position; ++i) {
    PressKey(VK_DOWN);
    Settle();
  }
  PressKey(VK_RETURN);
  return true;
}

void GemlinkProcess::Settle() const {
  // A sent message is handled only after the ones queued before it.
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(window_, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
  Sleep(50);
  SendMessageTimeoutA(window_, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
}

HWND GemlinkProcess::Focus() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(thread_id_, &info)) return nullptr;
  return info.hwndFocus;
}

int GemlinkProcess::CheckState(int control_id) const {
  return static_cast<int>(SendMessageA(Control(control_id), BM_GETCHECK, 0, 0));
}

bool GemlinkProcess::IsChecked(int control_id) const {
  return CheckState(control_id) == BST_CHECKED;
}

HWND GemlinkProcess::WaitForBox(DWORD timeout_ms, DWORD poll_ms) const {
  HWND box = nullptr;
  WaitFor(
      timeout_ms,
      [this, &box] {
        for (HWND window : VisibleWindows()) {
          if (ClassOf(window) == "#32770") box = window;
        }
        return box != nullptr;
      },
      poll_ms);
  return box;
}

std::optional<MessageBoxSeen> GemlinkProcess::WaitForMessageBox(DWORD timeout_ms) const {
  const HWND box = WaitForBox(timeout_ms, kPollMs);
  if (!box) return std::nullopt;
  // Until its dialog has been set up, its texts may not be.
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(box, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
  char caption[256] = {};
  GetWindowTextA(box, caption, sizeof caption);
  return MessageBoxSeen{box, caption, TextOf(GetDlgItem(box, kMessageTextId))};
}

MessageIcon GemlinkProcess::IconOf(const MessageBoxSeen& box) const {
  HWND icon = nullptr;
  for (const int id : kMessageIconIds) {
    if (!icon) icon = GetDlgItem(box.box, id);
  }
  if (!icon || !IsWindowVisible(icon)) return MessageIcon::kNone;

  const platform::OwnedModule reader(LoadLibraryA((ProgramFolder() + icon_reader::kDll).c_str()));
  const auto hook = reinterpret_cast<HOOKPROC>(
      reinterpret_cast<void (*)()>(GetProcAddress(reader.get(), icon_reader::kHook)));
  const platform::Owned<HHOOK, UnhookWindowsHookEx> hooked(
      hook ? SetWindowsHookExA(WH_GETMESSAGE, hook, reader.get(),
                               GetWindowThreadProcessId(box.box, nullptr))
           : nullptr);
  if (!hooked) {
    const DWORD error = GetLastError();
    ADD_FAILURE() << icon_reader::kDll << " could not be hooked into Gemlink: error " << error;
    return MessageIcon::kOther;
  }
  PostMessageA(box.box, RegisterWindowMessageA(icon_reader::kRequest),
               reinterpret_cast<WPARAM>(icon), 0);
  auto answer = [&box] {
    return static_cast<int>(reinterpret_cast<INT_PTR>(GetPropA(box.box, icon_reader::kAnswer)));
  };
  WaitFor(5000, [&answer] { return answer() != icon_reader::kUnread; });
  switch (answer()) {
    case icon_reader::kBlue:
      return MessageIcon::kInformation;
    case icon_reader::kRed:
      return MessageIcon::kError;
    case icon_reader::kUnread:
      ADD_FAILURE() << "the message box's thread never read its icon";
      break;
  }
  return MessageIcon::kOther;
}

bool GemlinkProcess::Dismiss(const MessageBoxSeen& box) const {
  PostMessageA(box.box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  return WaitFor(
      5000, [this, &box] { return !IsWindow(box.box) && IsWindowEnabled(window_); }, 1);
}

bool GemlinkProcess::DismissNextMessageBox(DWORD timeout_ms) const {
  const HWND box = WaitForBox(timeout_ms, 1);
  return box && Dismiss(MessageBoxSeen{box, {}, {}});
}

bool GemlinkProcess::WaitForExit(DWORD timeout_ms) const {
  return WaitForSingleObject(process_.get(), timeout_ms) == WAIT_OBJECT_0;
}

std::optional<DWORD> GemlinkProcess::ExitCode() const {
  DWORD code = 0;
  if (!GetExitCodeProcess(process_.get(), &code) || code == STILL_ACTIVE) return std::nullopt;
  return code;
}

std::vector<HWND> GemlinkProcess::VisibleWindows() const {
  ProcessWindows found{process_id_, {}};
  EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&found));
  return found.windows;
}

bool SaveScreenshot(HWND window, const std::string& path) {
  RECT place{};
  GetWindowRect(window, &place);
  const int width = place.right - place.left;
  const int height = place.bottom - place.top;

  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = height;
  header.biPlanes = 1;
  header.biBitCount = 24;
  const DWORD row = (width * 3 + 3) & ~3u;
  header.biSizeImage = row * height;
  std::vector<char> pixels(header.biSizeImage);

  {
    const platform::ScreenDc screen;
    const platform::OwnedDc memory(CreateCompatibleDC(screen.get()));
    const platform::OwnedBitmap bitmap(CreateCompatibleBitmap(screen.get(), width, height));
    const HGDIOBJ old = SelectObject(memory.get(), bitmap.get());
    BitBlt(memory.get(), 0, 0, width, height, screen.get(), place.left, place.top, SRCCOPY);
    SelectObject(memory.get(), old);
    if (!GetDIBits(memory.get(), bitmap.get(), 0, height, pixels.data(),
                   reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS)) {
      return false;
    }
  }

  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + header.biSizeImage;
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&header), sizeof header);
  out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
  return static_cast<bool>(out);
}

}  // namespace e2e
