// The real main window, made in this process and told of new DPIs as
// Windows 10 tells it when it is moved to a monitor of another scale, or the
// scale changes under it: on the same thread, with the rectangle it suggests.
#include <gtest/gtest.h>

#include <commctrl.h>
#include <objbase.h>
#include <uxtheme.h>
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "app/geometry.h"
#include "app/main_window.h"
#include "platform/dpi_win32.h"
#include "platform/owned_handle.h"
#include "resources/layout.h"
#include "resources/resource.h"

namespace {

using gemlink::PixelRect;

}  // namespace

namespace gemlink {
void PrintTo(const PixelRect& rect, std::ostream* out) {
  *out << '(' << rect.left << ", " << rect.top << ", " << rect.width << ", " << rect.height << ')';
}
}  // namespace gemlink

namespace {

struct Control {
  int id;
  layout::TwipsRect place;
};
constexpr Control kControls[] = {{ID_Check1, layout::kCheck1},
                                 {ID_Command1, layout::kCommand1},
                                 {ID_Option2, layout::kOption2},
                                 {ID_Option1, layout::kOption1}};

PixelRect PlaceInClient(HWND control) {
  RECT place{};
  GetWindowRect(control, &place);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
  return {place.left, place.top, place.right - place.left, place.bottom - place.top};
}

PixelRect FrameOf(HWND window) {
  RECT frame{};
  GetWindowRect(window, &frame);
  return {frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top};
}

HFONT FontOf(HWND control) {
  return reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
}

int IconWidth(HWND window, WPARAM which) {
  const auto icon = reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, which, 0));
  ICONINFO info{};
  if (!icon || !GetIconInfo(icon, &info)) return 0;
  BITMAP bitmap{};
  GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return bitmap.bmWidth;
}

void ExpectDrawnFor(HWND window, int dpi) {
  SCOPED_TRACE(std::to_string(dpi) + " DPI");
  RECT client{};
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, gemlink::TwipsToPixels(layout::kClientWidth, dpi));
  EXPECT_EQ(client.bottom, gemlink::TwipsToPixels(layout::kClientHeight, dpi));
  const HFONT font = FontOf(GetDlgItem(window, ID_Command1));
  LOGFONTA described{};
  ASSERT_TRUE(GetObjectA(font, sizeof described, &described));
  const platform::ScreenDc screen;
  const HGDIOBJ old = SelectObject(screen.get(), font);
  char face[LF_FACESIZE] = {};
  GetTextFaceA(screen.get(), sizeof face, face);
  SelectObject(screen.get(), old);
  // The design's face is drawn as designed (the approved images show it
  // whole); another in its place may be made smaller, never larger, until
  // each option says its caption fits.
  const bool designed_face = std::string(face) == layout::kFontFace;
  EXPECT_TRUE(designed_face ? described.lfHeight == -gemlink::FontHeightPixels(dpi)
                            : described.lfHeight >= -gemlink::FontHeightPixels(dpi))
      << described.lfHeight << " in " << face;
  for (const Control& control : kControls) {
    const HWND handle = GetDlgItem(window, control.id);
    const PixelRect place = gemlink::ToPixels(control.place, dpi);
    EXPECT_EQ(PlaceInClient(handle), place) << control.id;
    EXPECT_EQ(FontOf(handle), font) << control.id;
    SIZE ideal{};
    if (!designed_face && (control.id == ID_Option1 || control.id == ID_Option2) &&
        SendMessageA(handle, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal))) {
      EXPECT_LE(ideal.cx, place.width) << "the caption of " << control.id << " is cut, in " << face;
    }
  }
  EXPECT_EQ(IconWidth(window, ICON_BIG), platform::SystemMetricForDpi(SM_CXICON, dpi));
  EXPECT_EQ(IconWidth(window, ICON_SMALL), platform::SystemMetricForDpi(SM_CXSMICON, dpi));
}

int DesktopDpi() { return GetDeviceCaps(platform::ScreenDc().get(), LOGPIXELSY); }

void SendDpiChange(HWND window, int dpi) {
  RECT frame{};
  GetWindowRect(window, &frame);
  SendMessageA(window, platform::kDpiChangedMessage, MAKEWPARAM(dpi, dpi),
               reinterpret_cast<LPARAM>(&frame));
}

struct Pixels {
  int width;
  std::vector<std::uint32_t> colours;
  std::uint32_t At(int x, int y) const { return colours[y * width + x]; }
};

// What drawing leaves in a bitmap first filled with one colour.
template <typename Draw>
Pixels Printed(int width, int height, COLORREF fill, Draw draw) {
  const platform::ScreenDc screen;
  const platform::OwnedDc dc(CreateCompatibleDC(screen.get()));
  const platform::OwnedBitmap bitmap(CreateCompatibleBitmap(screen.get(), width, height));
  const HGDIOBJ old = SelectObject(dc.get(), bitmap.get());
  const RECT all{0, 0, width, height};
  const platform::Owned<HBRUSH, DeleteObject> brush(CreateSolidBrush(fill));
  FillRect(dc.get(), &all, brush.get());
  draw(dc.get());
  SelectObject(dc.get(), old);
  BITMAPINFOHEADER header{sizeof header, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  Pixels pixels{width, std::vector<std::uint32_t>(static_cast<size_t>(width) * height)};
  GetDIBits(dc.get(), bitmap.get(), 0, height, pixels.colours.data(),
            reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
  return pixels;
}

// Wine never reports high contrast on: the tests answer for Windows.
bool high_contrast_reported = false;
bool ReportedHighContrast() { return high_contrast_reported; }

// What reaches the window on this thread while a test watches: the frames
// it is given while visible, OK's clicks, and the message boxes it tries to
// show, which are refused so that no modal loop blocks the test.
struct Watched {
  std::vector<PixelRect> visible_frames;
  int ok_clicks = 0;
  int boxes = 0;
} watched;

LRESULT CALLBACK WatchMessages(int code, WPARAM wparam, LPARAM lparam) {
  const auto& sent = *reinterpret_cast<const CWPSTRUCT*>(lparam);
  if (sent.message == WM_WINDOWPOSCHANGED && !GetParent(sent.hwnd) && IsWindowVisible(sent.hwnd)) {
    const auto& place = *reinterpret_cast<const WINDOWPOS*>(sent.lParam);
    watched.visible_frames.push_back({place.x, place.y, place.cx, place.cy});
  }
  if (sent.message == WM_COMMAND && LOWORD(sent.wParam) == ID_Command1) ++watched.ok_clicks;
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

// Nothing but a message box opens a top-level window while a test watches.
LRESULT CALLBACK RefuseMessageBoxes(int code, WPARAM wparam, LPARAM lparam) {
  if (code != HCBT_CREATEWND ||
      reinterpret_cast<CBT_CREATEWNDA*>(lparam)->lpcs->style & WS_CHILD) {
    return CallNextHookEx(nullptr, code, wparam, lparam);
  }
  ++watched.boxes;
  return 1;
}

class Watch {
 public:
  Watch() { watched = {}; }
  ~Watch() {
    UnhookWindowsHookEx(messages_);
    UnhookWindowsHookEx(boxes_);
  }

 private:
  HHOOK messages_ = SetWindowsHookExA(WH_CALLWNDPROC, WatchMessages, nullptr, GetCurrentThreadId());
  HHOOK boxes_ = SetWindowsHookExA(WH_CBT, RefuseMessageBoxes, nullptr, GetCurrentThreadId());
};

// Windows may send no WM_SIZE for a maximise that changes no size: while
// this lives, the window is sent none.
WNDPROC procedure_with_size = nullptr;
LRESULT CALLBACK DropSize(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_SIZE) return 0;
  return CallWindowProcA(procedure_with_size, window, message, wparam, lparam);
}

class WithoutSizeMessages {
 public:
  explicit WithoutSizeMessages(HWND window) : window_(window) {
    procedure_with_size = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DropSize)));
  }
  ~WithoutSizeMessages() {
    SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure_with_size));
  }

 private:
  HWND window_;
};

// Makes the real window, as Gemlink does, under the thread's DPI awareness,
// and takes it down again so that the next test can make its own.
class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    high_contrast_reported = false;
  }
  void TearDown() override {
    if (window_) DestroyWindow(window_);
    UnregisterClassA(layout::kWindowClass, GetModuleHandleA(nullptr));
    CoUninitialize();
  }
  HWND Make() {
    if (!main_window_.Create()) return nullptr;
    window_ = FindWindowA(layout::kWindowClass, nullptr);
    return window_;
  }
  void Show(int show_command) { main_window_.Show(show_command); }
  // Handles what is queued, as Gemlink's message loop does.
  void Pump() {
    MSG message{};
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (!main_window_.HandleDialogKeys(message)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
      }
    }
  }

 private:
  gemlink::MainWindow main_window_{GetModuleHandleA(nullptr), ReportedHighContrast};
  HWND window_ = nullptr;
};

// The frame Windows itself gives the designed client area at a DPI.
SIZE DesignedFrame(HWND window, int dpi) {
  RECT frame{0, 0, gemlink::TwipsToPixels(layout::kClientWidth, dpi),
             gemlink::TwipsToPixels(layout::kClientHeight, dpi)};
  AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)), TRUE,
                           static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)), dpi);
  return {frame.right - frame.left, frame.bottom - frame.top};
}

// As Windows 10 moves a per-monitor window: it asks the size first, then
// suggests a rectangle of that size where the pointer keeps its place.
TEST_F(MainWindowTest, AsksForItsOwnFrameAndIsRedrawnWholeForEachNewDpi) {
  const HWND window = Make();
  ASSERT_NE(window, nullptr);
  const int desktop_dpi = DesktopDpi();
  ASSERT_EQ(platform::WindowDpi(window), desktop_dpi);
  ASSERT_TRUE(platform::IsPerMonitorAware(window)) << "the manifest asks for per-monitor DPI";
  ExpectDrawnFor(window, desktop_dpi);
  const PixelRect first_frame = FrameOf(window);

  for (const int dpi : {desktop_dpi * 3 / 2, desktop_dpi * 2, desktop_dpi}) {
    SCOPED_TRACE(std::to_string(dpi) + " DPI");
    SIZE size{};
    EXPECT_EQ(SendMessageA(window, platform::kGetDpiScaledSizeMessage, dpi,
                           reinterpret_cast<LPARAM>(&size)),
              TRUE);
    const SIZE designed = DesignedFrame(window, dpi);
    EXPECT_EQ(size.cx, designed.cx);
    EXPECT_EQ(size.cy, designed.cy);

    const PixelRect frame = FrameOf(window);
    const PixelRect suggested{frame.left + 40, frame.top + 30, size.cx, size.cy};
    RECT suggested_rect{suggested.left, suggested.top, suggested.left + size.cx,
                        suggested.top + size.cy};
    const HFONT old_font = FontOf(GetDlgItem(window, ID_Command1));
    EXPECT_EQ(SendMessageA(window, platform::kDpiChangedMessage, MAKEWPARAM(dpi, dpi),
                           reinterpret_cast<LPARAM>(&suggested_rect)),
              0);
    ExpectDrawnFor(window, dpi);
    const PixelRect moved = FrameOf(window);
    EXPECT_EQ(moved.left, suggested.left) << "where Windows suggests";
    EXPECT_EQ(moved.top, suggested.top) << "where Windows suggests";
    // Wine draws caption and menu bar at the system DPI whatever the
    // window's, so only there is its frame the one Windows would draw.
    if (dpi == desktop_dpi) {
      EXPECT_EQ(moved, suggested) << "exactly the suggestion";
    }
    EXPECT_EQ(GetObjectType(old_font), 0u) << "the old font is deleted";
  }
  const PixelRect last_frame = FrameOf(window);
  EXPECT_EQ(last_frame.width, first_frame.width) << "back at the desktop's DPI, as at the start";
  EXPECT_EQ(last_frame.height, first_frame.height) << "back at the desktop's DPI, as at the start";

  // Bigger text makes the menu bar taller: the client area keeps its size,
  // whether the broadcast names the change or, as a program may, nothing.
  for (const WPARAM action : {WPARAM{SPI_SETNONCLIENTMETRICS}, WPARAM{0}}) {
    SCOPED_TRACE("WM_SETTINGCHANGE " + std::to_string(action));
    SetWindowPos(window, nullptr, 0, 0, last_frame.width, last_frame.height - 19,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageA(window, WM_SETTINGCHANGE, action, 0);
    ExpectDrawnFor(window, desktop_dpi);
  }
}

// Windows 10 1607 (the manifest's fallback) and 8.1 scale a window that is
// not per-monitor aware themselves: were it to act on the message too, it
// would be scaled twice.
TEST_F(MainWindowTest, LeavesTheDpiChangeToWindowsWhenSystemAware) {
  const DPI_AWARENESS_CONTEXT before =
      SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT_SYSTEM_AWARE);
  ASSERT_NE(before, nullptr);
  const HWND window = Make();
  SetThreadDpiAwarenessContext(before);
  ASSERT_NE(window, nullptr);
  ASSERT_FALSE(platform::IsPerMonitorAware(window));
  const PixelRect frame = FrameOf(window);
  RECT suggested{frame.left + 40, frame.top + 30, frame.left + 40 + 2 * frame.width,
                 frame.top + 30 + 2 * frame.height};
  const int twice = 2 * DesktopDpi();
  SendMessageA(window, platform::kDpiChangedMessage, MAKEWPARAM(twice, twice),
               reinterpret_cast<LPARAM>(&suggested));
  ExpectDrawnFor(window, DesktopDpi());
  EXPECT_EQ(FrameOf(window), frame);
}

// Where Windows never told the hidden window of its monitor's DPI, it is
// drawn for another (here, the one a message claimed) until it is shown:
// then it takes its own. However it is asked to, it is never maximised.
TEST_F(MainWindowTest, OpensCentredAtItsOwnDpiAndIsNeverMaximized) {
  const HWND window = Make();
  ASSERT_NE(window, nullptr);
  SendDpiChange(window, 2 * DesktopDpi());
  const Watch watch;
  Show(SW_SHOWMAXIMIZED);
  EXPECT_FALSE(IsZoomed(window));
  ExpectDrawnFor(window, DesktopDpi());
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  ASSERT_TRUE(GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor));
  const PixelRect frame = FrameOf(window);
  EXPECT_NEAR(2 * frame.left + frame.width, monitor.rcWork.left + monitor.rcWork.right, 1);
  EXPECT_NEAR(2 * frame.top + frame.height, monitor.rcWork.top + monitor.rcWork.bottom, 1);

  ShowWindow(window, SW_MAXIMIZE);
  EXPECT_FALSE(IsZoomed(window)) << "ShowWindow";
  SendMessageA(window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  EXPECT_FALSE(IsZoomed(window)) << "SC_MAXIMIZE";
  {
    const WithoutSizeMessages no_size(window);
    ShowWindow(window, SW_MAXIMIZE);
    EXPECT_FALSE(IsZoomed(window)) << "a maximise that brings no WM_SIZE";
  }
  EXPECT_EQ(FrameOf(window), frame);
  for (const PixelRect& shown : watched.visible_frames) {
    EXPECT_LE(shown.width, frame.width) << "a larger frame was drawn";
    EXPECT_LE(shown.height, frame.height) << "a larger frame was drawn";
  }
  ShowWindow(window, SW_MINIMIZE);
  EXPECT_TRUE(IsIconic(window)) << "a minimised window is what was asked";
  ShowWindow(window, SW_RESTORE);
  EXPECT_EQ(FrameOf(window), frame);
}

// Minimised, the window shows nothing a key could act on: neither the focus
// nor the window itself takes Enter or Space to OK. A text size changed
// meanwhile is fitted, and the focus is on OK, once it is restored.
TEST_F(MainWindowTest, WhileMinimizedNoKeyActsAndRestoredItIsAsDesigned) {
  const HWND window = Make();
  ASSERT_NE(window, nullptr);
  Show(SW_SHOWMINIMIZED);
  ASSERT_TRUE(IsIconic(window));
  const Watch watch;
  for (const HWND target : {GetFocus(), window}) {
    for (const WPARAM key : {VK_RETURN, VK_SPACE}) {
      PostMessageA(target, WM_KEYDOWN, key, 0);
      PostMessageA(target, WM_CHAR, key == VK_RETURN ? '\r' : ' ', 0);
      PostMessageA(target, WM_KEYUP, key, 0xC0000001);
    }
  }
  Pump();
  EXPECT_EQ(watched.ok_clicks, 0);
  EXPECT_EQ(watched.boxes, 0);

  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  GetWindowPlacement(window, &placement);
  placement.rcNormalPosition.bottom -= 19;  // as a taller menu bar leaves it
  SetWindowPlacement(window, &placement);
  SendMessageA(window, WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0);
  ShowWindow(window, SW_RESTORE);
  Pump();
  ExpectDrawnFor(window, DesktopDpi());
  EXPECT_EQ(GetFocus(), GetDlgItem(window, ID_Command1));
}

// Windows broadcasts settings of every kind: only those that change the
// window draw it again. High contrast puts the scheme's colours in place of
// the picture and the options' white patches, until it is off again.
TEST_F(MainWindowTest, RedrawsOnlyForTheSettingsThatChangeIt) {
  const HWND window = Make();
  ASSERT_NE(window, nullptr);
  Show(SW_SHOWNORMAL);
  UpdateWindow(window);
  RECT client{};
  GetClientRect(window, &client);
  auto print = [window, &client] {
    return Printed(client.right, client.bottom, RGB(255, 0, 255), [window](HDC dc) {
      SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    });
  };
  const Pixels picture = print();
  {
    const Watch watch;
    SendMessageA(window, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>("Environment"));
    SendMessageA(window, WM_SETTINGCHANGE, SPI_SETDESKWALLPAPER, 0);
    EXPECT_TRUE(watched.visible_frames.empty()) << "no resize";
    EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE)) << "nothing to draw again";
  }

  const platform::ScreenDc screen;
  const platform::OwnedDc dc(CreateCompatibleDC(screen.get()));
  auto option_brush = [window, &dc] {
    return reinterpret_cast<HBRUSH>(SendMessageA(window, WM_CTLCOLORSTATIC,
                                                 reinterpret_cast<WPARAM>(dc.get()),
                                                 reinterpret_cast<LPARAM>(GetDlgItem(window, ID_Option1))));
  };
  high_contrast_reported = true;
  SendMessageA(window, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const std::uint32_t face_pixel = GetRValue(face) << 16 | GetGValue(face) << 8 | GetBValue(face);
  const Pixels contrast = print();
  EXPECT_EQ(std::count(contrast.colours.begin(), contrast.colours.end(), face_pixel),
            static_cast<std::ptrdiff_t>(contrast.colours.size()))
      << "pixels of the scheme's face colour";
  EXPECT_EQ(option_brush(), GetSysColorBrush(COLOR_BTNFACE));
  EXPECT_EQ(GetBkColor(dc.get()), face);

  high_contrast_reported = false;
  SendMessageA(window, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
  EXPECT_TRUE(print().colours == picture.colours) << "the picture is back";
  EXPECT_EQ(option_brush(), GetStockObject(WHITE_BRUSH));
}

// What a themed control asks its parent for: DrawThemeParentBackground sends
// WM_ERASEBKGND, then WM_PRINTCLIENT, into the control's own DC with its
// origin moved. Drawn over two fills, a pixel the window leaves unpainted
// shows in one of them.
TEST_F(MainWindowTest, DrawsItsBackgroundWhereverAControlAsksForIt) {
  const HWND window = Make();
  ASSERT_NE(window, nullptr);
  const HWND ok = GetDlgItem(window, ID_Command1);
  for (const int dpi : {DesktopDpi(), 2 * DesktopDpi()}) {
    SCOPED_TRACE(std::to_string(dpi) + " DPI");
    SendDpiChange(window, dpi);
    RECT client{};
    GetClientRect(window, &client);
    auto print_client = [window](HDC dc) {
      SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
      SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    };
    const Pixels whole = Printed(client.right, client.bottom, RGB(255, 0, 255), print_client);
    const Pixels again = Printed(client.right, client.bottom, RGB(0, 255, 0), print_client);
    int unpainted = 0;
    for (size_t i = 0; i < whole.colours.size(); ++i) {
      unpainted += whole.colours[i] != again.colours[i];
    }
    EXPECT_EQ(unpainted, 0) << "of " << whole.colours.size() << " pixels left unpainted";

    const PixelRect place = PlaceInClient(ok);
    const Pixels behind_ok = Printed(place.width, place.height, RGB(0, 255, 0),
                                     [ok](HDC dc) { DrawThemeParentBackground(ok, dc, nullptr); });
    int misplaced = 0;
    for (int y = 0; y < place.height; ++y) {
      for (int x = 0; x < place.width; ++x) {
        misplaced += behind_ok.At(x, y) != whole.At(place.left + x, place.top + y);
      }
    }
    EXPECT_EQ(misplaced, 0) << "pixels behind OK that are not the window's there";
  }
}

}  // namespace
