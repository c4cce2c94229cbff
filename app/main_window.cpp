#include "app/main_window.h"

#include "app/credits.h"
#include "app/geometry.h"
#include "app/information.h"
#include "platform/message_box_win32.h"
#include "platform/picture_win32.h"
#include "platform/shell_win32.h"
#include "resources/resource.h"

namespace gemlink {
namespace {

// A fixed single border: a caption and the system menu, nothing to resize,
// minimise or maximise with. Children are clipped so the picture never paints
// over them, which keeps them from flickering.
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kWindowExStyle = 0;

int ScreenDpi() { return GetDeviceCaps(platform::ScreenDc().get(), LOGPIXELSY); }

// The icon drawn for the size the system shows it at, or the nearest.
HICON LoadIconSized(HINSTANCE instance, int width_metric, int height_metric) {
  return static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_GEMLINK), IMAGE_ICON,
                                       GetSystemMetrics(width_metric),
                                       GetSystemMetrics(height_metric), LR_DEFAULTCOLOR));
}

// While Windows shows a high-contrast scheme, the system's colours replace
// the picture and the white patches, as in any dialog.
bool HighContrastOn() {
  HIGHCONTRASTA high_contrast{};
  high_contrast.cbSize = sizeof high_contrast;
  return SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof high_contrast, &high_contrast, 0) &&
         (high_contrast.dwFlags & HCF_HIGHCONTRASTON);
}

}  // namespace

bool MainWindow::Create() {
  if (!RegisterWindowClass()) return false;
  dpi_ = ScreenDpi();
  high_contrast_ = HighContrastOn();

  RECT frame{0, 0, TwipsToPixels(layout::kClientWidth, dpi_),
             TwipsToPixels(layout::kClientHeight, dpi_)};
  AdjustWindowRectEx(&frame, kWindowStyle, TRUE, kWindowExStyle);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;

  return CreateWindowExA(kWindowExStyle, layout::kWindowClass, layout::kCaption, kWindowStyle, left,
                         top, width, height, nullptr, nullptr, instance_, this) != nullptr;
}

bool MainWindow::RegisterWindowClass() {
  large_icon_.reset(LoadIconSized(instance_, SM_CXICON, SM_CYICON));
  small_icon_.reset(LoadIconSized(instance_, SM_CXSMICON, SM_CYSMICON));
  WNDCLASSEXA window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = WindowProcedure;
  window_class.hInstance = instance_;
  window_class.hIcon = large_icon_.get();
  window_class.hIconSm = small_icon_.get();
  window_class.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512) /* IDC_ARROW */);
  window_class.lpszMenuName = MAKEINTRESOURCEA(IDR_MAIN_MENU);
  window_class.lpszClassName = layout::kWindowClass;
  return RegisterClassExA(&window_class) != 0;
}

void MainWindow::Load() { controller_.Load(); }

void MainWindow::Show(int show_command) {
  ShowWindow(window_, show_command);
  UpdateWindow(window_);
}

bool MainWindow::HandleDialogKeys(MSG& message) { return IsDialogMessageA(window_, &message); }

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
      return 1;  // WM_PAINT covers every pixel
    case WM_CTLCOLORSTATIC:
      return OnOptionColour(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
    case WM_COMMAND:
      // Buttons report more than clicks; menu items come as clicks too.
      if (HIWORD(wparam) == BN_CLICKED) OnCommand(LOWORD(wparam));
      return 0;
    case WM_ACTIVATE:
      OnActivate(LOWORD(wparam) != WA_INACTIVE);
      return 0;
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE:
      OnColourSchemeChange(message);
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
    default:
      return DefWindowProcA(window_, message, wparam, lparam);
  }
}

bool MainWindow::OnCreate() {
  font_.reset(CreateFontA(-FontHeightPixels(dpi_), 0, 0, 0, layout::kFontWeight, FALSE, FALSE,
                          FALSE, layout::kFontCharset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                          DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, layout::kFontFace));
  const PictureDrawing picture = PictureFor(dpi_);
  background_ = platform::LoadJpegResource(instance_, picture.resource_id, dpi_, picture.dpi);
  CreateControls();
  FitClientArea();
  platform::SetMessageOwner(window_);
  return Control(ID_Option1) != nullptr;
}

void MainWindow::CreateControls() {
  // Created in tab order. Check1 and OK each make a group of their own, the
  // option buttons one together, so the arrow keys move only between those.
  // Check1 only holds a value: it is never shown, so neither the eye nor a
  // screen reader finds it.
  CreateControl(ID_Check1, layout::kCheck1Caption, BS_3STATE | WS_GROUP, layout::kCheck1);
  CreateControl(ID_Command1, layout::kCommand1Caption,
                WS_VISIBLE | BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP, layout::kCommand1);
  CreateControl(ID_Option2, layout::kOption2Caption, WS_VISIBLE | BS_AUTORADIOBUTTON | WS_GROUP,
                layout::kOption2);
  CreateControl(ID_Option1, layout::kOption1Caption, WS_VISIBLE | BS_AUTORADIOBUTTON,
                layout::kOption1);
  SelectOption(ID_Option1);
}

void MainWindow::CreateControl(int id, const char* caption, DWORD style,
                               const layout::TwipsRect& place) {
  const PixelRect pixels = ToPixels(place, dpi_);
  const HWND control = CreateWindowExA(
      0, "BUTTON", caption, WS_CHILD | style, pixels.left, pixels.top, pixels.width, pixels.height,
      window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
}

// The menu bar could take two lines at a large font size; whatever it takes,
// the client area keeps its designed size.
void MainWindow::FitClientArea() {
  RECT client{};
  GetClientRect(window_, &client);
  const int missing_width = TwipsToPixels(layout::kClientWidth, dpi_) - client.right;
  const int missing_height = TwipsToPixels(layout::kClientHeight, dpi_) - client.bottom;
  if (missing_width == 0 && missing_height == 0) return;
  RECT frame{};
  GetWindowRect(window_, &frame);
  SetWindowPos(window_, nullptr, frame.left, frame.top - missing_height / 2,
               frame.right - frame.left + missing_width, frame.bottom - frame.top + missing_height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::OnPaint() {
  PAINTSTRUCT paint{};
  const HDC dc = BeginPaint(window_, &paint);
  const bool show_picture = background_ && !high_contrast_;
  const platform::OwnedDc picture(show_picture ? CreateCompatibleDC(dc) : nullptr);
  if (picture) {
    const HGDIOBJ old = SelectObject(picture.get(), background_.get());
    BitBlt(dc, paint.rcPaint.left, paint.rcPaint.top, paint.rcPaint.right - paint.rcPaint.left,
           paint.rcPaint.bottom - paint.rcPaint.top, picture.get(), paint.rcPaint.left,
           paint.rcPaint.top, SRCCOPY);
    SelectObject(picture.get(), old);
  } else {
    FillRect(dc, &paint.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
  }
  EndPaint(window_, &paint);
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
  high_contrast_ = HighContrastOn();
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

// Focus leaves with the window and comes back to where it was, or to OK.
void MainWindow::OnActivate(bool active) {
  if (!active) {
    const HWND focus = GetFocus();
    if (focus && IsChild(window_, focus)) focus_when_inactive_ = focus;
    return;
  }
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
