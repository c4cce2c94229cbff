#include "app/main_window.h"

#include <commctrl.h>

#include <utility>

#include "app/credits.h"
#include "app/geometry.h"
#include "app/information.h"
#include "platform/dpi_win32.h"
#include "platform/message_box_win32.h"
#include "platform/shell_win32.h"
#include "platform/startup_monitor_win32.h"
#include "resources/layout.h"
#include "resources/resource.h"

namespace gemlink {
namespace {

// A fixed single border: a caption and the system menu, nothing to resize,
// minimise or maximise with. Children are clipped so the picture never paints
// over them, which keeps them from flickering.
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kWindowExStyle = 0;

// In tab order. Check1 and OK each make a group of their own, the option
// buttons one together, so the arrow keys move only between those. Check1
// only holds a value: it is never shown, so neither the eye nor a screen
// reader finds it.
struct ControlDesign {
  int id;
  const char* caption;
  DWORD style;
  layout::TwipsRect place;
};
constexpr ControlDesign kControls[] = {
    {ID_Check1, layout::kCheck1Caption, BS_3STATE | WS_GROUP, layout::kCheck1},
    {ID_Command1, layout::kCommand1Caption, WS_VISIBLE | BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP,
     layout::kCommand1},
    {ID_Option2, layout::kOption2Caption, WS_VISIBLE | BS_AUTORADIOBUTTON | WS_GROUP,
     layout::kOption2},
    {ID_Option1, layout::kOption1Caption, WS_VISIBLE | BS_AUTORADIOBUTTON, layout::kOption1},
};

// Settings Windows broadcasts that change the frame: borders, caption and
// menu bar (text size among them), and the scale. (XP's headers lack the last.)
constexpr UINT kSetLogicalDpiOverride = 0x009F;
bool ChangesTheFrame(WPARAM action, const char* area) {
  switch (action) {
    case SPI_SETNONCLIENTMETRICS:
    case SPI_SETBORDER:
    case kSetLogicalDpiOverride:
      return true;
    case 0:  // the older way: no action, only the changed section's name
      return area && lstrcmpiA(area, "WindowMetrics") == 0;
  }
  return false;
}

// Text already drawn keeps the old smoothing until drawn again.
bool ChangesHowTextIsDrawn(WPARAM action) {
  return action == SPI_SETFONTSMOOTHING || action == SPI_SETFONTSMOOTHINGTYPE ||
         action == SPI_SETFONTSMOOTHINGCONTRAST || action == SPI_SETFONTSMOOTHINGORIENTATION;
}

bool IsTypedKey(UINT message) {
  return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_CHAR ||
         message == WM_DEADCHAR;
}

}  // namespace

// While Windows shows a high-contrast scheme, the system's colours replace
// the picture and the white patches, as in any dialog.
bool HighContrastOn() {
  HIGHCONTRASTA high_contrast{};
  high_contrast.cbSize = sizeof high_contrast;
  return SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof high_contrast, &high_contrast, 0) &&
         (high_contrast.dwFlags & HCF_HIGHCONTRASTON);
}

bool MainWindow::Create() {
  if (!RegisterWindowClass()) return false;
  high_contrast_ = high_contrast_on_();

  // About the right size, at the screen's DPI: the window corrects it once it
  // knows its own, and again once it is placed on its monitor.
  const int dpi = platform::WindowDpi(nullptr);
  RECT frame{0, 0, TwipsToPixels(layout::kClientWidth, dpi),
             TwipsToPixels(layout::kClientHeight, dpi)};
  AdjustWindowRectEx(&frame, kWindowStyle, TRUE, kWindowExStyle);
  return CreateWindowExA(kWindowExStyle, layout::kWindowClass, layout::kCaption, kWindowStyle,
                         CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                         frame.bottom - frame.top, nullptr, nullptr, instance_, this) != nullptr;
}

// The icons are the window's own, set for its DPI: the class has none.
bool MainWindow::RegisterWindowClass() {
  WNDCLASSEXA window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = WindowProcedure;
  window_class.hInstance = instance_;
  window_class.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512) /* IDC_ARROW */);
  window_class.lpszMenuName = MAKEINTRESOURCEA(IDR_MAIN_MENU);
  window_class.lpszClassName = layout::kWindowClass;
  return RegisterClassExA(&window_class) != 0;
}

void MainWindow::Load() { controller_.Load(); }

void MainWindow::Show(int show_command) {
  PlaceOnMonitor();
  ShowWindow(window_, show_command);
  UpdateWindow(window_);
}

// Minimised, nothing of the window is on screen: a typed key is dropped,
// Enter to the default button included, and Alt's keys go to the system menu
// as Windows handles them, never to the dialog's navigation.
bool MainWindow::HandleDialogKeys(MSG& message) {
  if (IsIconic(window_) && IsOwnWindow(message.hwnd)) return IsTypedKey(message.message);
  return IsDialogMessageA(window_, &message);
}

bool MainWindow::IsOwnWindow(HWND window) const {
  return window == window_ || IsChild(window_, window);
}

LRESULT CALLBACK MainWindow::WindowProcedure(HWND window, UINT message, WPARAM wparam,
                                             LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lparam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  return self ? self->HandleMessage(message, wparam, lparam)
              : DefWindowProcA(window, message, wparam, lparam);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      return OnCreate() ? 0 : -1;
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT covers every pixel, WM_PRINTCLIENT any control's
    case WM_PRINTCLIENT:
      OnPrintClient(reinterpret_cast<HDC>(wparam));
      return 0;
    case WM_GETMINMAXINFO:
      OnGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lparam));
      return 0;
    case WM_SYSCOMMAND:
      // The window has one size; the system menu offers no other.
      if ((wparam & 0xFFF0) == SC_MAXIMIZE) return 0;
      break;
    case WM_WINDOWPOSCHANGED: {
      // Windows' own handling sends WM_SIZE and WM_MOVE.
      const LRESULT result = DefWindowProcA(window_, message, wparam, lparam);
      OnWindowPosChanged();
      return result;
    }
    case WM_SIZE:
      OnSize(wparam);
      return 0;
    case WM_CTLCOLORSTATIC:
      return OnOptionColour(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
    case WM_COMMAND:
      // Buttons report more than clicks; menu items come as clicks too.
      if (HIWORD(wparam) == BN_CLICKED) OnCommand(LOWORD(wparam));
      return 0;
    case WM_ACTIVATE:
      OnActivate(LOWORD(wparam) != WA_INACTIVE);
      return 0;
    case WM_SETFOCUS:
      RestoreFocus();
      return 0;
    case WM_SETTINGCHANGE:
      OnSettingChange(wparam, reinterpret_cast<const char*>(lparam));
      return 0;
    case WM_THEMECHANGED:
      // Another visual style draws another caption and menu bar.
      OnMetricsChange();
      return 0;
    case WM_SYSCOLORCHANGE:
      OnColourSchemeChange(message);
      return 0;
    case platform::kGetDpiScaledSizeMessage:
      return OnGetDpiScaledSize(static_cast<int>(wparam), *reinterpret_cast<SIZE*>(lparam));
    case platform::kDpiChangedMessage:
      // A window that is not per-monitor aware is scaled by Windows itself.
      if (!platform::IsPerMonitorAware(window_)) break;
      OnDpiChanged(HIWORD(wparam), *reinterpret_cast<const RECT*>(lparam));
      return 0;
    case DM_GETDEFID:
      return MAKELRESULT(ID_Command1, DC_HASDEFID);
    case WM_CLOSE:
      controller_.Unload();  // ends the process
      return 0;
    case WM_DESTROY:
      platform::SetMessageOwner(nullptr);
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(window_, message, wparam, lparam);
}

bool MainWindow::OnCreate() {
  CreateControls();
  UseResources(WindowResources::For(instance_, platform::WindowDpi(window_)));
  FitClientArea();
  platform::SetMessageOwner(window_);
  return Control(ID_Option1) != nullptr;
}

// Placed and given their font by UseResources, like everything the DPI decides.
void MainWindow::CreateControls() {
  for (const ControlDesign& control : kControls) {
    CreateWindowExA(0, "BUTTON", control.caption, WS_CHILD | control.style, 0, 0, 0, 0, window_,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), instance_, nullptr);
  }
  SelectOption(ID_Option1);
}

// Everything is moved to what was made for the new DPI before the old font
// and icons are let go: no control is ever left drawing with a deleted font.
// Nothing is drawn on the way: the caller has the window drawn once, whole.
void MainWindow::UseResources(WindowResources made) {
  if (!made.font_face_as_designed) FitCaptions(made);
  for (const ControlDesign& control : kControls) {
    const HWND button = Control(control.id);
    const PixelRect place = ToPixels(control.place, made.dpi);
    SetWindowPos(button, nullptr, place.left, place.top, place.width, place.height,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(made.font.get()), FALSE);
  }
  SendMessageA(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(made.large_icon.get()));
  SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(made.small_icon.get()));
  resources_ = std::move(made);
}

// A face given in place of the design's may be wider: the font is made a
// pixel smaller at a time until each option's caption fits whole beside its
// circle, as the option itself measures it. (With the design's face the
// captions fit as drawn.) A font is let go only once no option holds it.
void MainWindow::FitCaptions(WindowResources& made) {
  constexpr int kSmallestHeight = 6;
  if (CaptionsFit(made.font.get(), made.dpi)) return;
  for (int height = FontHeightPixels(made.dpi) - 1; height >= kSmallestHeight; --height) {
    platform::OwnedFont smaller = WindowResources::Font(height);
    if (!smaller) return;
    const bool fit = CaptionsFit(smaller.get(), made.dpi);
    made.font = std::move(smaller);
    if (fit) return;
  }
}

// Measured with the font set on the options, undrawn; a Windows that cannot
// say is taken at its word that they fit. That is XP, whose options answer
// BCM_GETIDEALSIZE with their own size: the fitting works from Vista on. XP
// needs none: every XP has Tahoma, so the design's face is drawn there.
bool MainWindow::CaptionsFit(HFONT font, int dpi) const {
  bool fit = true;
  for (const ControlDesign& control : kControls) {
    if (control.id != ID_Option1 && control.id != ID_Option2) continue;
    const HWND option = Control(control.id);
    SendMessageA(option, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SIZE ideal{};
    if (SendMessageA(option, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)) &&
        ideal.cx > ToPixels(control.place, dpi).width) {
      fit = false;
    }
  }
  return fit;
}

// Asked before a move to a monitor of another DPI. Caption, borders and menu
// bar do not grow in proportion to the DPI, so the frame Windows would scale
// linearly is off by a few pixels: answered, the rectangle it then suggests is
// already right, the move is one resize, and the window keeps its place under
// the pointer that drags it back and forth.
BOOL MainWindow::OnGetDpiScaledSize(int dpi, SIZE& size) const {
  RECT frame{0, 0, TwipsToPixels(layout::kClientWidth, dpi),
             TwipsToPixels(layout::kClientHeight, dpi)};
  if (!platform::FrameClientAtDpi(frame, static_cast<DWORD>(GetWindowLongA(window_, GWL_STYLE)),
                                  GetMenu(window_) != nullptr,
                                  static_cast<DWORD>(GetWindowLongA(window_, GWL_EXSTYLE)), dpi)) {
    return FALSE;
  }
  size = {frame.right - frame.left, frame.bottom - frame.top};
  return TRUE;
}

// Windows suggests where the window goes, so that it stays under the pointer
// that dragged it across. Fitting the client area after is a safety net: a
// menu bar that wraps onto a second line, or a Windows whose caption is not
// drawn at the window's DPI (Wine), still leaves the designed client area.
void MainWindow::OnDpiChanged(int dpi, const RECT& suggested) {
  UseResources(WindowResources::For(instance_, dpi));
  SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  FitClientArea();
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

// Bigger text makes the menu bar taller, and it may take two lines; whatever
// it takes, the client area keeps its designed size, and the window its
// top-left corner.
void MainWindow::FitClientArea() {
  RECT client{};
  GetClientRect(window_, &client);
  const int missing_width = TwipsToPixels(layout::kClientWidth, resources_.dpi) - client.right;
  const int missing_height = TwipsToPixels(layout::kClientHeight, resources_.dpi) - client.bottom;
  if (missing_width == 0 && missing_height == 0) return;
  RECT frame{};
  GetWindowRect(window_, &frame);
  SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left + missing_width,
               frame.bottom - frame.top + missing_height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Windows broadcasts many settings, the environment and policies among them:
// only those that change what the window shows draw it again. A broadcast
// need not name what changed (a program that changes the metrics itself may
// say nothing but 0), so every one is also taken as a chance to fit the client
// area, which draws nothing where it fits.
void MainWindow::OnSettingChange(WPARAM action, const char* area) {
  if (ChangesTheFrame(action, area)) {
    OnMetricsChange();
    return;
  }
  if (IsIconic(window_)) {
    metrics_changed_while_minimized_ = true;
  } else {
    FitClientArea();
  }
  if (action == SPI_SETHIGHCONTRAST) {
    OnColourSchemeChange(WM_SETTINGCHANGE);
  } else if (ChangesHowTextIsDrawn(action)) {
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
  }
}

// The menu bar is measured again with the new menu font first.
void MainWindow::OnMetricsChange() {
  if (IsIconic(window_)) {
    metrics_changed_while_minimized_ = true;
    return;
  }
  SetWindowPos(window_, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  FitClientArea();
}

// Centred on the monitor Gemlink was started on, as the start-up information
// names it, whichever monitor Windows first put the window on. It goes to
// that monitor first, and is centred at the size it has there: a per-monitor
// aware window takes that monitor's DPI, and size, as it arrives.
void MainWindow::PlaceOnMonitor() {
  HMONITOR monitor = platform::StartupMonitor();
  if (!monitor) monitor = MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST);
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoA(monitor, &info)) return;
  const RECT& work = info.rcWork;
  if (MonitorFromWindow(window_, MONITOR_DEFAULTTONULL) != monitor) {
    SetWindowPos(window_, nullptr, work.left, work.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  TakeWindowDpi();
  RECT frame{};
  GetWindowRect(window_, &frame);
  const PixelRect place =
      CentredIn({work.left, work.top, work.right - work.left, work.bottom - work.top},
                frame.right - frame.left, frame.bottom - frame.top);
  SetWindowPos(window_, nullptr, place.left, place.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Windows is not known to tell a hidden window that it arrived on a monitor of
// another DPI. Where it did not, the window takes that DPI now as if told,
// at its place; where it did, there is nothing left to do.
void MainWindow::TakeWindowDpi() {
  const int dpi = platform::WindowDpi(window_);
  if (dpi == resources_.dpi || !platform::IsPerMonitorAware(window_)) return;
  RECT frame{};
  GetWindowRect(window_, &frame);
  SIZE size{frame.right - frame.left, frame.bottom - frame.top};
  OnGetDpiScaledSize(dpi, size);  // else FitClientArea corrects the size
  OnDpiChanged(dpi, {frame.left, frame.top, frame.left + size.cx, frame.top + size.cy});
}

// The window has one size. Maximised all the same (a shortcut's "Run:
// Maximized", another program, Win+Up), it would take this frame: its own, at
// its own place, so that no larger one is ever drawn. The place is relative
// to its monitor, as Windows reads it.
void MainWindow::OnGetMinMaxInfo(MINMAXINFO& limits) const {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoA(MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST), &monitor)) return;
  const RECT frame = NormalFrame(monitor);
  limits.ptMaxSize = {frame.right - frame.left, frame.bottom - frame.top};
  limits.ptMaxPosition = {frame.left - monitor.rcMonitor.left, frame.top - monitor.rcMonitor.top};
}

// The frame it has when neither minimised nor maximised, on the screen, given
// its monitor (which, for a minimised window, Windows takes from where it was
// before). Minimised, that frame is only in its placement, counted from that
// monitor's work area. (Wine counts it from the screen's top-left corner
// instead: there, on a monitor whose work area starts below or right of its
// own corner, the frame comes out that far off.)
RECT MainWindow::NormalFrame(const MONITORINFO& monitor) const {
  RECT frame{};
  if (!IsIconic(window_)) {
    GetWindowRect(window_, &frame);
    return frame;
  }
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  GetWindowPlacement(window_, &placement);
  auto pixels = [](const RECT& rect) {
    return PixelRect{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
  };
  const PixelRect place = WorkspaceToScreen(pixels(placement.rcNormalPosition),
                                            pixels(monitor.rcMonitor), pixels(monitor.rcWork));
  return {place.left, place.top, place.left + place.width, place.top + place.height};
}

// Maximised at its own frame, it is made normal again at once, so that it
// can be moved and its system menu offers no Restore. Checked after every
// change of place, size or state, not on WM_SIZE: a maximise to the window's
// own frame changes no size, and whether Windows still sends WM_SIZE for it
// is not documented.
void MainWindow::OnWindowPosChanged() {
  if (IsZoomed(window_)) ShowWindow(window_, SW_SHOWNOACTIVATE);
}

// Restored, it takes the text size that changed while it was minimised, and
// the focus it had.
void MainWindow::OnSize(WPARAM kind) {
  if (kind != SIZE_RESTORED) return;
  if (metrics_changed_while_minimized_) {
    metrics_changed_while_minimized_ = false;
    OnMetricsChange();
  }
  const HWND focus = GetFocus();
  if (GetActiveWindow() == window_ && (!focus || focus == window_)) RestoreFocus();
}

void MainWindow::OnPaint() {
  PAINTSTRUCT paint{};
  const HDC dc = BeginPaint(window_, &paint);
  DrawBackground(dc, paint.rcPaint);
  EndPaint(window_, &paint);
}

// A themed control drawn partly transparent, such as OK's rounded corners,
// asks for what lies behind it, into its own DC with the origin moved.
void MainWindow::OnPrintClient(HDC dc) const {
  RECT client{};
  GetClientRect(window_, &client);
  DrawBackground(dc, client);
}

void MainWindow::DrawBackground(HDC dc, const RECT& area) const {
  const bool show_picture = resources_.background && !high_contrast_;
  const platform::OwnedDc picture(show_picture ? CreateCompatibleDC(dc) : nullptr);
  if (!picture) {
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    return;
  }
  const HGDIOBJ old = SelectObject(picture.get(), resources_.background.get());
  BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, picture.get(),
         area.left, area.top, SRCCOPY);
  SelectObject(picture.get(), old);
}

// The option buttons sit on the picture as white patches; in high contrast
// they take the scheme's colours, as anywhere else.
LRESULT MainWindow::OnOptionColour(HDC dc, HWND control) {
  if (high_contrast_) {
    return DefWindowProcA(window_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                          reinterpret_cast<LPARAM>(control));
  }
  SetBkColor(dc, RGB(255, 255, 255));
  return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
}

// High contrast may have been turned on or off, or its colours changed: the
// whole window is drawn again. The controls hear of new colours from here.
void MainWindow::OnColourSchemeChange(UINT message) {
  high_contrast_ = high_contrast_on_();
  if (message == WM_SYSCOLORCHANGE) {
    for (const int id : {ID_Check1, ID_Command1, ID_Option1, ID_Option2}) {
      SendMessageA(Control(id), WM_SYSCOLORCHANGE, 0, 0);
    }
  }
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void MainWindow::OnCommand(int id) {
  switch (id) {
    case ID_Option1:
      SelectOption(ID_Option1);
      controller_.Option1Click();
      break;
    case ID_Option2:
      SelectOption(ID_Option2);
      controller_.Option2Click();
      break;
    case ID_Command1:
      controller_.ApplySelection();
      break;
    case ID_M_Activate:
      controller_.M_ActivateClick();
      break;
    case ID_M_DeActivate:
      controller_.M_DeActivateClick();
      break;
    case ID_M_Exit:
      controller_.M_ExitClick();  // ends the process
      break;
    case ID_M_Version:
      ShowVersions();
      break;
    case ID_M_About:
      ShowAbout();
      break;
    case ID_M_Site:
      if (!platform::OpenWebSite(window_, kWebSite)) ShowWebSiteNotOpened();
      break;
  }
}

// As in a dialog, the focus leaves with the window and comes back to where
// it was, or at first to OK; but never while the window is minimised, where
// a key would act on a control nobody sees.
void MainWindow::OnActivate(bool active) {
  if (!active) {
    const HWND focus = GetFocus();
    if (focus && IsChild(window_, focus)) focus_when_inactive_ = focus;
    return;
  }
  RestoreFocus();
}

void MainWindow::RestoreFocus() {
  if (IsIconic(window_)) return;
  SetFocus(focus_when_inactive_ ? focus_when_inactive_ : Control(ID_Command1));
}

bool MainWindow::Option1Selected() const {
  return IsDlgButtonChecked(window_, ID_Option1) == BST_CHECKED;
}

bool MainWindow::Option2Selected() const {
  return IsDlgButtonChecked(window_, ID_Option2) == BST_CHECKED;
}

void MainWindow::SelectOption1() { SelectOption(ID_Option1); }

void MainWindow::SelectOption2() { SelectOption(ID_Option2); }

// On Windows an option button that gets the focus clicks itself, selecting
// itself. So the focus never rests on one that is not selected: only the
// selected one is a tab stop, and when the selection moves, by menu or any
// other way, the focus moves with it (as the arrow keys move it), and so does
// the focus to come back to when the window is active again. Otherwise the
// focus coming back after a message box would undo a File menu choice.
void MainWindow::SelectOption(int id) {
  CheckRadioButton(window_, ID_Option1, ID_Option2, id);
  for (const int option : {ID_Option1, ID_Option2}) {
    const HWND button = Control(option);
    const LONG_PTR style = GetWindowLongPtrA(button, GWL_STYLE);
    SetWindowLongPtrA(button, GWL_STYLE,
                      option == id ? style | WS_TABSTOP : style & ~LONG_PTR{WS_TABSTOP});
  }
  if (IsOptionButton(GetFocus())) SetFocus(Control(id));
  if (IsOptionButton(focus_when_inactive_)) focus_when_inactive_ = Control(id);
}

bool MainWindow::IsOptionButton(HWND control) const {
  return control && (control == Control(ID_Option1) || control == Control(ID_Option2));
}

std::int16_t MainWindow::Check1Value() const {
  return static_cast<std::int16_t>(SendMessageA(Control(ID_Check1), BM_GETCHECK, 0, 0));
}

void MainWindow::SetCheck1Value(std::int16_t value) {
  SendMessageA(Control(ID_Check1), BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

}  // namespace gemlink
