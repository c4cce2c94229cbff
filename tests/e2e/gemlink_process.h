// Drives a running Gemlink.exe from another process, as a user would: finds
// its window and controls, clicks, types, chooses menu items, and reads and
// dismisses the message boxes it shows. Every wait is bounded.
#pragma once

#include <windows.h>

#include "platform/owned_handle.h"

#include <optional>
#include <string>
#include <vector>

namespace e2e {

enum class MessageIcon { kNone, kInformation, kError, kOther };

struct MessageBoxSeen {
  HWND box = nullptr;
  std::string caption;
  std::string text;
};

// Whether this runs under Wine rather than Windows. Tests that change what
// the whole machine uses (the web browser) run only there.
bool UnderWine();

// The folder this test program runs from, where Gemlink.exe is built too.
std::string ProgramFolder();
// Where the screenshots go: a folder beside that one, made if need be.
std::string ScreenshotFolder();

class GemlinkProcess {
 public:
  // Starts the Gemlink.exe in this folder with the folder as its working
  // folder, as Explorer starts a program, and where given, asks for its
  // window at that point of the screen (STARTF_USEPOSITION) and shown so
  // (STARTF_USESHOWWINDOW, as a shortcut's "Run:" does). On destruction, a
  // test that failed leaves a screenshot of the screen as it then was, and
  // the process is ended if still running.
  explicit GemlinkProcess(const std::string& folder = ProgramFolder(),
                          std::optional<POINT> position = std::nullopt,
                          std::optional<WORD> show_command = std::nullopt);
  ~GemlinkProcess();
  GemlinkProcess(const GemlinkProcess&) = delete;
  GemlinkProcess& operator=(const GemlinkProcess&) = delete;

  // The main window once it is visible, or nullptr after the timeout.
  HWND WaitForWindow(DWORD timeout_ms = 15000);
  HWND window() const { return window_; }
  HWND Control(int id) const { return GetDlgItem(window_, id); }
  DWORD process_id() const { return process_id_; }
  HANDLE process() const { return process_.get(); }

  // What a button tells its window when clicked (BM_CLICK may do nothing to
  // a window that is not active), posted, so that a handler that shows a
  // modal box does not block the driver.
  void Click(int control_id) const;
  void ChooseMenuItem(int item_id) const;
  void Close() const;
  // Real key strokes, to Gemlink's window that has the focus, once Gemlink
  // has the foreground (its message box, where one is open): where it cannot
  // get it, no key is pressed, and the test fails saying which window kept it.
  void PressKey(WORD key, bool with_shift = false, bool with_alt = false) const;
  // A real left click in the middle of a control, likewise only once Gemlink
  // has the foreground; true once the control has the focus.
  bool ClickWithMouse(int control_id) const;
  // Chooses the File menu's item at this position (from 0) from the keyboard,
  // as a user without a mouse would: F10, down into the menu, down to the
  // item, Enter. (Wine cannot read another process's menu: the caller knows
  // the order.) False if the menu bar never took the keyboard.
  bool ChooseFileItemWithKeys(int position) const;

  // Whether the menu bar or a menu has the keyboard.
  bool InMenuMode() const;
  // The menu dropped down from the menu bar, if one is open.
  HWND OpenMenu() const;
  // Alt and the letter, as a user opens a menu; the menu it opened, or nullptr.
  HWND OpenMenuWithKeys(WORD access_key) const;

  // Waits until the program has handled everything sent so far.
  void Settle() const;
  HWND Focus() const;
  bool IsChecked(int control_id) const;
  int CheckState(int control_id) const;

  std::optional<MessageBoxSeen> WaitForMessageBox(DWORD timeout_ms = 10000) const;
  // The icon the box shows, read inside Gemlink's process, whatever covers
  // the box on the screen (tests/e2e/icon_reader.h).
  MessageIcon IconOf(const MessageBoxSeen& box) const;
  // True once no box is left and the main window takes input again.
  bool Dismiss(const MessageBoxSeen& box) const;
  // Dismisses the next box unread, as fast as it comes; false if none came.
  bool DismissNextMessageBox(DWORD timeout_ms = 10000) const;

  bool WaitForExit(DWORD timeout_ms = 10000) const;
  std::optional<DWORD> ExitCode() const;
  // Every visible top-level window the process has.
  std::vector<HWND> VisibleWindows() const;

 private:
  HWND WaitForBox(DWORD timeout_ms, DWORD poll_ms) const;
  // The window a user's keys would go to: the message box, where one is open.
  HWND FrontWindow() const;
  bool HasForeground() const;
  bool TakeForeground() const;
  void SaveScreenAfterFailure() const;

  platform::OwnedHandle process_;
  platform::OwnedHandle thread_;
  DWORD process_id_ = 0;
  DWORD thread_id_ = 0;
  HWND window_ = nullptr;
};

// A window of the test program's own, brought to the foreground, so that a
// program it then starts may take the foreground in turn, as one started from
// Explorer may; the test fails where it cannot be brought there.
platform::Owned<HWND, DestroyWindow> TakeForegroundForTheDriver();

// A window over the whole desktop that never takes the foreground, as the
// console a test machine keeps in front; while it lives, a thread of its own
// keeps it above every other window, those opened later too.
class CoveringWindow {
 public:
  CoveringWindow();
  ~CoveringWindow();
  CoveringWindow(const CoveringWindow&) = delete;
  CoveringWindow& operator=(const CoveringWindow&) = delete;

  // True once it lies over this window, within the time.
  bool WaitUntilOver(HWND window, DWORD timeout_ms = 2000) const;

 private:
  static DWORD WINAPI KeepOnTop(void* self);
  platform::OwnedHandle ready_;
  platform::OwnedHandle stop_;
  platform::OwnedHandle thread_;
  HWND cover_ = nullptr;
};

// Saves a picture of the window as drawn on screen, frame included, as a BMP.
bool SaveScreenshot(HWND window, const std::string& path);

}  // namespace e2e
