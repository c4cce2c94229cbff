// The real main window, made in this process and told of new DPIs as
// Windows 10 tells it when it is moved to a monitor of another scale, or the
// scale changes under it: on the same thread, with the rectangle it suggests.
#include <gtest/gtest.h>

#include <objbase.h>
#include <windows.h>

#include "app/geometry.h"
#include "app/main_window.h"
#include "platform/dpi_win32.h"
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
  EXPECT_EQ(described.lfHeight, -gemlink::FontHeightPixels(dpi));
  for (const Control& control : kControls) {
    const HWND handle = GetDlgItem(window, control.id);
    EXPECT_EQ(PlaceInClient(handle), gemlink::ToPixels(control.place, dpi)) << control.id;
    EXPECT_EQ(FontOf(handle), font) << control.id;
  }
  EXPECT_EQ(IconWidth(window, ICON_BIG), platform::SystemMetricForDpi(SM_CXICON, dpi));
  EXPECT_EQ(IconWidth(window, ICON_SMALL), platform::SystemMetricForDpi(SM_CXSMICON, dpi));
}

// Makes the real window, as Gemlink does, under the thread's DPI awareness,
// and takes it down again so that the next test can make its own.
class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
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

 private:
  gemlink::MainWindow main_window_{GetModuleHandleA(nullptr)};
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
  ASSERT_EQ(platform::WindowDpi(window), 96) << "the prefix is made for 96 DPI";
  ASSERT_TRUE(platform::IsPerMonitorAware(window)) << "the manifest asks for per-monitor DPI";
  ExpectDrawnFor(window, 96);
  const PixelRect first_frame = FrameOf(window);

  for (const int dpi : {144, 192, 96}) {
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
    if (dpi == 96) {
      EXPECT_EQ(moved, suggested) << "exactly the suggestion";
    }
    EXPECT_EQ(GetObjectType(old_font), 0u) << "the old font is deleted";
  }
  const PixelRect last_frame = FrameOf(window);
  EXPECT_EQ(last_frame.width, first_frame.width) << "back at 96 DPI, as at the start";
  EXPECT_EQ(last_frame.height, first_frame.height) << "back at 96 DPI, as at the start";

  // Bigger text makes the menu bar taller: the client area keeps its size.
  SetWindowPos(window, nullptr, 0, 0, last_frame.width, last_frame.height - 19,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageA(window, WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0);
  ExpectDrawnFor(window, 96);
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
  SendMessageA(window, platform::kDpiChangedMessage, MAKEWPARAM(192, 192),
               reinterpret_cast<LPARAM>(&suggested));
  ExpectDrawnFor(window, 96);
  EXPECT_EQ(FrameOf(window), frame);
}

}  // namespace
