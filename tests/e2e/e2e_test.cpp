// The real Gemlink.exe, driven from outside as a user would drive it, with
// its effects read back from the registry: under Wine here, and on Windows
// too (see docs/testing.md).
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "platform/owned_handle.h"
#include "resources/resource.h"
#include "tests/e2e/browser.h"
#include "tests/e2e/gemlink_process.h"
#include "tests/support/messenger.h"
#include "tests/support/registry_fixture.h"

namespace {

using e2e::GemlinkProcess;
using e2e::MessageIcon;
using test_registry::kCurrentUser;
using test_support::kMessengerKey;
using test_support::kNotSavedText;
using test_support::kPagerKey;
using test_support::kPluralKey;
using test_support::kWasActiveText;
using test_support::kWasInactiveText;

struct Box {
  int left, top, width, height;
  bool operator==(const Box&) const = default;
};

void PrintTo(const Box& box, std::ostream* out) {
  *out << '(' << box.left << ", " << box.top << ", " << box.width << ", " << box.height << ')';
}

// Where everything must be, in pixels, at 100, 125, 150 and 200 %: twips
// times DPI / 1440, rounded to the nearest pixel, halves up.
struct Geometry {
  int client_width, client_height;
  Box command1, option2, option1, check1;
};
const std::map<int, Geometry> kGeometry = {
    {96, {282, 179, {192, 135, 65, 21}, {88, 136, 73, 17}, {24, 136, 60, 17}, {16, 208, 57, 17}}},
    {120, {353, 224, {240, 169, 81, 26}, {110, 170, 92, 21}, {30, 170, 75, 21}, {20, 260, 71, 21}}},
    {144,
     {423, 269, {288, 203, 98, 32}, {132, 204, 110, 26}, {36, 204, 90, 26}, {24, 312, 86, 26}}},
    {192,
     {564, 358, {384, 270, 130, 42}, {176, 272, 147, 34}, {48, 272, 120, 34}, {32, 416, 114, 34}}},
};

int ScreenDpi() { return GetDeviceCaps(platform::ScreenDc().get(), LOGPIXELSY); }

// Whether windows are drawn with a visual style, as the screenshot's name
// says: without one, Windows draws them as in its classic theme.
bool VisualStyleActive() {
  using IsThemeActiveFunction = BOOL WINAPI();
  const HMODULE uxtheme = LoadLibraryA("uxtheme.dll");
  const auto is_active = reinterpret_cast<IsThemeActiveFunction*>(
      reinterpret_cast<void (*)()>(GetProcAddress(uxtheme, "IsThemeActive")));
  const bool active = is_active && is_active();
  if (uxtheme) FreeLibrary(uxtheme);
  return active;
}

Box PlaceInClient(HWND control) {
  RECT place{};
  GetWindowRect(control, &place);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
  return {place.left, place.top, place.right - place.left, place.bottom - place.top};
}

// Centred in the work area (without the taskbar) of the monitor it is on.
void ExpectCentredInWorkArea(HWND window, HMONITOR monitor) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetMonitorInfoA(monitor, &info));
  const RECT& work = info.rcWork;
  RECT frame{};
  GetWindowRect(window, &frame);
  EXPECT_NEAR(frame.left + frame.right, work.left + work.right, 1) << "centred";
  EXPECT_NEAR(frame.top + frame.bottom, work.top + work.bottom, 1) << "centred";
}

std::string TextOf(HWND window) {
  char text[256] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

class Gemlink : public ::testing::Test {
 protected:
  void SetUp() override {
    test_registry::DeleteKey(kCurrentUser, kMessengerKey);
    test_registry::CreateKey(kCurrentUser, kPluralKey);
    StorePlural(0);
  }
  void TearDown() override { test_registry::DeleteKey(kCurrentUser, kMessengerKey); }

  static void StorePlural(std::uint32_t value) {
    test_registry::SetValue(kCurrentUser, kPluralKey, "Plural", test_registry::Dword(value));
  }
  static std::optional<test_registry::StoredValue> StoredPlural() {
    return test_registry::FindValue(kCurrentUser, kPluralKey, "Plural");
  }

  // Starts Gemlink and waits for its window.
  static void Start(GemlinkProcess& gemlink) { ASSERT_NE(gemlink.WaitForWindow(), nullptr); }

  // Expects exactly one message box, with this text, icon and caption, and
  // dismisses it. It is read under a window that covers the whole desktop,
  // as a console may on a test machine: nothing of it is read off the screen.
  static void ExpectMessage(const GemlinkProcess& gemlink, const std::string& text,
                            MessageIcon icon, const std::string& caption) {
    const e2e::CoveringWindow cover;
    const auto box = gemlink.WaitForMessageBox();
    ASSERT_TRUE(box.has_value()) << "no message box for: " << text;
    ASSERT_TRUE(cover.WaitUntilOver(box->box));
    EXPECT_EQ(box->text, text);
    EXPECT_EQ(gemlink.IconOf(*box), icon) << text;
    EXPECT_EQ(box->caption, caption);
    EXPECT_EQ(GetWindow(box->box, GW_OWNER), gemlink.window()) << "modal to the main window";
    EXPECT_FALSE(IsWindowEnabled(gemlink.window())) << "the main window waits for the box";
    EXPECT_TRUE(gemlink.Dismiss(*box));
  }

  static void ExpectNoMessage(const GemlinkProcess& gemlink) {
    EXPECT_FALSE(gemlink.WaitForMessageBox(1500).has_value());
  }
};

// Under Wine the prefix was made for a DPI, and its runner says which: a
// prefix left at another DPI would check the wrong layout table. On Windows
// the tests take the desktop's DPI, unless told which to expect.
TEST_F(Gemlink, RunsAtTheDpiItWasStartedFor) {
  const char* started_for = std::getenv("GEMLINK_E2E_DPI");
  if (!started_for) {
    ASSERT_FALSE(e2e::UnderWine()) << "run-e2e names the DPI in GEMLINK_E2E_DPI";
    GTEST_SKIP() << "no DPI named: the tests take the desktop's, " << ScreenDpi() << " DPI";
  }
  EXPECT_EQ(ScreenDpi(), std::atoi(started_for));
}

TEST_F(Gemlink, OpensAsDesignedAtTheScreensDpi) {
  const auto geometry = kGeometry.find(ScreenDpi());
  ASSERT_NE(geometry, kGeometry.end()) << "no layout table for " << ScreenDpi() << " DPI";
  const Geometry& expected = geometry->second;

  GemlinkProcess gemlink;
  Start(gemlink);
  const HWND window = gemlink.window();
  EXPECT_EQ(TextOf(window), "Gemlink v1.1");

  const LONG style = GetWindowLongA(window, GWL_STYLE);
  EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), WS_CAPTION | WS_SYSMENU);
  EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
  // Either takes the icon off the caption on Windows; Wine draws it still.
  EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE) & (WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW), 0);

  RECT client{};
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, expected.client_width);
  EXPECT_EQ(client.bottom, expected.client_height);

  ExpectCentredInWorkArea(window, MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));

  struct Expected {
    int id;
    const char* caption;
    LONG kind;
    Box place;
  };
  for (const Expected& control :
       {Expected{ID_Command1, "OK", BS_DEFPUSHBUTTON, expected.command1},
        Expected{ID_Option2, "DeActivate", BS_AUTORADIOBUTTON, expected.option2},
        Expected{ID_Option1, "Activate", BS_AUTORADIOBUTTON, expected.option1},
        Expected{ID_Check1, "Check", BS_3STATE, expected.check1}}) {
    const HWND handle = gemlink.Control(control.id);
    ASSERT_NE(handle, nullptr) << control.caption;
    EXPECT_EQ(TextOf(handle), control.caption);
    EXPECT_EQ(GetWindowLongA(handle, GWL_STYLE) & BS_TYPEMASK, control.kind) << control.caption;
    EXPECT_EQ(PlaceInClient(handle), control.place) << control.caption;
  }
  EXPECT_GE(PlaceInClient(gemlink.Control(ID_Check1)).top, expected.client_height)
      << "Check1 is never seen";
  EXPECT_FALSE(IsWindowVisible(gemlink.Control(ID_Check1))) << "nor found by a screen reader";

  EXPECT_TRUE(gemlink.IsChecked(ID_Option1));
  EXPECT_FALSE(gemlink.IsChecked(ID_Option2));
  EXPECT_EQ(gemlink.CheckState(ID_Check1), 1) << "start-up leaves the pending value at 1";
  EXPECT_EQ(gemlink.Focus(), gemlink.Control(ID_Command1));

  EXPECT_TRUE(e2e::SaveScreenshot(window, e2e::ScreenshotFolder() + "main-window-" +
                                              std::to_string(ScreenDpi()) + "dpi" +
                                              (VisualStyleActive() ? "" : "-classic") + ".bmp"));
}

// As a shortcut set to "Run: Maximized" starts it: the window has one size.
TEST_F(Gemlink, OpensAsDesignedWhenStartedMaximized) {
  const auto geometry = kGeometry.find(ScreenDpi());
  ASSERT_NE(geometry, kGeometry.end()) << "no layout table for " << ScreenDpi() << " DPI";
  GemlinkProcess gemlink(e2e::ProgramFolder(), std::nullopt, SW_SHOWMAXIMIZED);
  Start(gemlink);
  EXPECT_FALSE(IsZoomed(gemlink.window()));
  RECT client{};
  GetClientRect(gemlink.window(), &client);
  EXPECT_EQ(client.right, geometry->second.client_width);
  EXPECT_EQ(client.bottom, geometry->second.client_height);
  ExpectCentredInWorkArea(gemlink.window(),
                          MonitorFromWindow(gemlink.window(), MONITOR_DEFAULTTONEAREST));
}

// As a shortcut set to "Run: Minimized" starts it: nothing of the window is on
// screen, so no key acts on it, Enter to the default button included; restored
// (as its taskbar button does), it is as at any start, the focus on OK.
TEST_F(Gemlink, StartedMinimizedNoKeyActsUntilItIsRestored) {
  GemlinkProcess gemlink(e2e::ProgramFolder(), std::nullopt, SW_SHOWMINIMIZED);
  Start(gemlink);
  ASSERT_TRUE(IsIconic(gemlink.window()));
  gemlink.PressKey(VK_RETURN);
  gemlink.PressKey(VK_SPACE);
  gemlink.Settle();
  ExpectNoMessage(gemlink);
  EXPECT_EQ(StoredPlural(), test_registry::Dword(0));
  PostMessageA(gemlink.window(), WM_SYSCOMMAND, SC_RESTORE, 0);
  gemlink.Settle();
  EXPECT_FALSE(IsIconic(gemlink.window()));
  EXPECT_EQ(gemlink.Focus(), gemlink.Control(ID_Command1));
}

BOOL CALLBACK CollectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM found) {
  reinterpret_cast<std::vector<HMONITOR>*>(found)->push_back(monitor);
  return TRUE;
}

// Where the shell, or any caller, names a place on a monitor, as it does for
// the monitor a program is started from, it opens centred in that monitor's
// work area; where nothing is named, in the primary's.
TEST_F(Gemlink, OpensCentredOnTheMonitorItIsStartedOn) {
  const char* screen = std::getenv("GEMLINK_E2E_SCREEN");
  if (GetSystemMetrics(SM_CMONITORS) < 2) {
    ASSERT_STRNE(screen, "two-monitors") << "run-e2e set up two monitors, but Windows sees one";
    GTEST_SKIP() << "needs a second monitor: this screen has one";
  }
  std::vector<HMONITOR> monitors;
  EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&monitors));
  const HMONITOR primary = MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY);
  for (const HMONITOR monitor : monitors) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetMonitorInfoA(monitor, &info));
    SCOPED_TRACE("started at the top-left of the work area at " + std::to_string(info.rcWork.left) +
                 ", " + std::to_string(info.rcWork.top));
    GemlinkProcess gemlink(e2e::ProgramFolder(),
                           POINT{info.rcWork.left + 20, info.rcWork.top + 20});
    Start(gemlink);
    EXPECT_EQ(MonitorFromWindow(gemlink.window(), MONITOR_DEFAULTTONULL), monitor);
    ExpectCentredInWorkArea(gemlink.window(), monitor);
  }
  SCOPED_TRACE("started with no place named");
  GemlinkProcess gemlink;
  Start(gemlink);
  EXPECT_EQ(MonitorFromWindow(gemlink.window(), MONITOR_DEFAULTTONULL), primary);
  ExpectCentredInWorkArea(gemlink.window(), primary);
}

// Drawn unscaled, the picture would end 283 pixels in; scaled with the layout
// it reaches the name's last letters past that point.
TEST_F(Gemlink, ScalesThePictureWithTheLayout) {
  if (ScreenDpi() <= 96) GTEST_SKIP() << "the picture is drawn as designed at 96 DPI";
  GemlinkProcess gemlink;
  Start(gemlink);
  POINT origin{0, 0};
  ClientToScreen(gemlink.window(), &origin);
  const platform::ScreenDc screen;
  int title_pixels = 0;
  for (int y = 30; y < 110; ++y) {
    for (int x = 290; x < 340; ++x) {
      const COLORREF pixel = GetPixel(screen.get(), origin.x + x, origin.y + y);
      if (GetRValue(pixel) < 70 && GetGValue(pixel) < 100 && GetBValue(pixel) > 60 &&
          GetBValue(pixel) < 140) {
        ++title_pixels;
      }
    }
  }
  EXPECT_GT(title_pixels, 30);
}

TEST_F(Gemlink, OkWritesTheSelectionAndConfirmsIt) {
  GemlinkProcess gemlink;
  Start(gemlink);
  EXPECT_EQ(StoredPlural(), test_registry::Dword(0)) << "start-up writes nothing";

  gemlink.Click(ID_Command1);
  ExpectMessage(gemlink, kWasActiveText, MessageIcon::kInformation, "Gemlink");
  EXPECT_EQ(StoredPlural(), test_registry::Dword(1));

  gemlink.Click(ID_Option2);
  gemlink.Settle();
  EXPECT_TRUE(gemlink.IsChecked(ID_Option2));
  EXPECT_FALSE(gemlink.IsChecked(ID_Option1));
  EXPECT_EQ(gemlink.CheckState(ID_Check1), 0);
  EXPECT_EQ(StoredPlural(), test_registry::Dword(1)) << "an option button alone writes nothing";

  gemlink.Click(ID_Command1);
  ExpectMessage(gemlink, kWasInactiveText, MessageIcon::kInformation, "Gemlink");
  EXPECT_EQ(StoredPlural(), test_registry::Dword(0));
}

TEST_F(Gemlink, FileMenuItemsSelectWriteAndConfirmAtOnce) {
  GemlinkProcess gemlink;
  Start(gemlink);

  gemlink.ChooseMenuItem(ID_M_DeActivate);
  ExpectMessage(gemlink, kWasInactiveText, MessageIcon::kInformation, "Gemlink");
  EXPECT_EQ(StoredPlural(), test_registry::Dword(0));
  EXPECT_TRUE(gemlink.IsChecked(ID_Option2));
  EXPECT_FALSE(gemlink.IsChecked(ID_Option1));

  gemlink.ChooseMenuItem(ID_M_Activate);
  ExpectMessage(gemlink, kWasActiveText, MessageIcon::kInformation, "Gemlink");
  EXPECT_EQ(StoredPlural(), test_registry::Dword(1));
  EXPECT_TRUE(gemlink.IsChecked(ID_Option1));
}

// On Windows an option button that gets the focus selects itself. Were the
// focus left on the option a File menu choice deselected, it would come back
// there when the confirmation closes and undo the choice. (Wine's buttons do
// not select themselves, but where the focus rests can be seen.)
TEST_F(Gemlink, AFileMenuChoiceTakesTheFocusAlongWithTheSelection) {
  GemlinkProcess gemlink;
  Start(gemlink);
  auto focus_with_keys = [&gemlink](int option) {
    for (int tries = 0; tries < 4 && gemlink.Focus() != gemlink.Control(option); ++tries) {
      const HWND focus = gemlink.Focus();
      const bool on_an_option =
          focus == gemlink.Control(ID_Option1) || focus == gemlink.Control(ID_Option2);
      gemlink.PressKey(on_an_option ? VK_DOWN : VK_TAB);
      gemlink.Settle();
    }
  };
  struct Case {
    bool with_mouse;
    int focused, file_position, selected;
    std::uint32_t written;
    const char* confirmation;
  };
  constexpr int kActivateItem = 0, kDeActivateItem = 1;
  for (const Case& c : {Case{true, ID_Option1, kDeActivateItem, ID_Option2, 0, kWasInactiveText},
                        Case{true, ID_Option2, kActivateItem, ID_Option1, 1, kWasActiveText},
                        Case{false, ID_Option2, kDeActivateItem, ID_Option2, 0, kWasInactiveText},
                        Case{false, ID_Option1, kDeActivateItem, ID_Option2, 0, kWasInactiveText},
                        Case{false, ID_Option2, kActivateItem, ID_Option1, 1, kWasActiveText}}) {
    SCOPED_TRACE(std::string(c.with_mouse ? "clicked " : "keys to ") +
                 (c.focused == ID_Option1 ? "Activate" : "DeActivate") + ", then File item " +
                 std::to_string(c.file_position));
    if (c.with_mouse) {
      ASSERT_TRUE(gemlink.ClickWithMouse(c.focused));
    } else {
      focus_with_keys(c.focused);
    }
    ASSERT_EQ(gemlink.Focus(), gemlink.Control(c.focused));
    ASSERT_TRUE(gemlink.ChooseFileItemWithKeys(c.file_position));
    ExpectMessage(gemlink, c.confirmation, MessageIcon::kInformation, "Gemlink");
    gemlink.Settle();

    const HWND focus = gemlink.Focus();
    EXPECT_TRUE(focus == gemlink.Control(ID_Command1) || focus == gemlink.Control(c.selected))
        << "the focus rests on an option button that is not selected";
    EXPECT_TRUE(gemlink.IsChecked(c.selected));
    EXPECT_EQ(StoredPlural(), test_registry::Dword(c.written));
    StorePlural(7);
    gemlink.Click(ID_Command1);
    ExpectMessage(gemlink, c.confirmation, MessageIcon::kInformation, "Gemlink");
    EXPECT_EQ(StoredPlural(), test_registry::Dword(c.written)) << "OK writes what the menu wrote";
  }
}

TEST_F(Gemlink, HelpAndAboutTellWithoutTouchingTheSetting) {
  GemlinkProcess gemlink;
  Start(gemlink);

  gemlink.ChooseMenuItem(ID_M_Version);
  ExpectMessage(gemlink, "Yahoo! Messenger\r\nv5, v6, v7, v8, v9, v10, v11, v11.5 ",
                MessageIcon::kInformation, "Versions");
  gemlink.ChooseMenuItem(ID_M_About);
  ExpectMessage(gemlink,
                "Coding By Robin Example\r\nMobile: 555-0147\r\nWebSite: "
                "http://www.example.com\r\nCopyright (C) 2025-2026 Gemlink ",
                MessageIcon::kInformation, "About");

  EXPECT_EQ(StoredPlural(), test_registry::Dword(0));
  EXPECT_TRUE(gemlink.IsChecked(ID_Option1));
}

// The shell starts whatever program the http protocol names. Ours records the
// address and the show command: a browser that honours it must show itself.
TEST_F(Gemlink, VisitWebSiteOpensTheSiteInABrowserThatShowsAndShowsNothingItself) {
  if (!e2e::UnderWine()) GTEST_SKIP() << "replaces the machine's web browser: runs under Wine only";
  const e2e::RecordingBrowser browser;
  GemlinkProcess gemlink;
  Start(gemlink);
  gemlink.ChooseMenuItem(ID_M_Site);

  EXPECT_EQ(browser.WaitForStarts(),
            std::vector<std::string>{"http://www.example.com " + std::to_string(SW_SHOWNORMAL)});
  ExpectNoMessage(gemlink);
  EXPECT_EQ(gemlink.VisibleWindows(), std::vector<HWND>{gemlink.window()});
  EXPECT_TRUE(IsWindowEnabled(gemlink.window()));
}

// Under Wine, with no handler for http the shell reports error 31.
TEST_F(Gemlink, VisitWebSiteWithoutABrowserSaysSoAndGivesTheAddress) {
  if (!e2e::UnderWine()) GTEST_SKIP() << "removes the machine's web browser: runs under Wine only";
  const e2e::NoBrowser no_browser;
  GemlinkProcess gemlink;
  Start(gemlink);
  gemlink.ChooseMenuItem(ID_M_Site);
  ExpectMessage(gemlink,
                "The web site could not be opened. To visit it, type this address into your web "
                "browser:\r\n\r\nhttp://www.example.com",
                MessageIcon::kInformation, "Gemlink");
}

TEST_F(Gemlink, WithoutTheMessengersKeyOkSaysSoAndCreatesNothing) {
  test_registry::DeleteKey(kCurrentUser, kPagerKey);
  GemlinkProcess gemlink;
  Start(gemlink);

  gemlink.Click(ID_Command1);
  ExpectMessage(gemlink, kNotSavedText, MessageIcon::kError, "Gemlink");
  gemlink.ChooseMenuItem(ID_M_DeActivate);
  ExpectMessage(gemlink, kNotSavedText, MessageIcon::kError, "Gemlink");
  EXPECT_FALSE(test_registry::KeyExists(kCurrentUser, kPagerKey));
}

// The user who starts a second copy is looking for the first: it comes back
// from the taskbar and to the front.
TEST_F(Gemlink, ASecondCopyEndsWithoutAWindowAndBringsBackTheFirst) {
  GemlinkProcess first;
  Start(first);
  ShowWindow(first.window(), SW_MINIMIZE);
  first.Settle();
  ASSERT_TRUE(IsIconic(first.window()));

  const auto driver_in_front = e2e::TakeForegroundForTheDriver();
  GemlinkProcess second;
  bool second_showed_a_window = false;
  for (int tries = 0; tries < 750 && !second.WaitForExit(20); ++tries) {
    second_showed_a_window |= !second.VisibleWindows().empty();
  }
  EXPECT_EQ(second.ExitCode(), 0u);
  EXPECT_FALSE(second_showed_a_window);
  // The second copy does not wait for the first to restore itself.
  for (int tries = 0; tries < 100 && IsIconic(first.window()); ++tries) Sleep(20);
  first.Settle();
  EXPECT_FALSE(IsIconic(first.window())) << "the first copy is restored";
  EXPECT_EQ(GetForegroundWindow(), first.window()) << "and in front";

  first.ChooseMenuItem(ID_M_DeActivate);
  ExpectMessage(first, kWasInactiveText, MessageIcon::kInformation, "Gemlink");
  EXPECT_EQ(StoredPlural(), test_registry::Dword(0));
}

TEST_F(Gemlink, ExitTheCloseBoxAndAltF4EndTheProgramWithoutWriting) {
  StorePlural(7);
  {
    GemlinkProcess gemlink;
    Start(gemlink);
    gemlink.ChooseMenuItem(ID_M_Exit);
    EXPECT_TRUE(gemlink.WaitForExit());
  }
  {
    GemlinkProcess gemlink;
    Start(gemlink);
    gemlink.Close();
    EXPECT_TRUE(gemlink.WaitForExit());
  }
  {
    GemlinkProcess gemlink;
    Start(gemlink);
    gemlink.PressKey(VK_F4, false, true);
    EXPECT_TRUE(gemlink.WaitForExit());
  }
  EXPECT_EQ(StoredPlural(), test_registry::Dword(7));
}

TEST_F(Gemlink, TheKeyboardWorksAsInAnyDialog) {
  GemlinkProcess gemlink;
  Start(gemlink);
  auto press = [&gemlink](WORD key, bool shift = false) {
    gemlink.PressKey(key, shift);
    gemlink.Settle();
  };
  const HWND ok = gemlink.Control(ID_Command1);
  const HWND activate = gemlink.Control(ID_Option1);
  const HWND deactivate = gemlink.Control(ID_Option2);
  ASSERT_EQ(gemlink.Focus(), ok);

  {
    // Another program's window in front, as a console a test machine left
    // there: the keys still go to Gemlink, never to it.
    const platform::Owned<HWND, DestroyWindow> other(
        CreateWindowExA(0, "STATIC", "another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                        100, nullptr, nullptr, nullptr, nullptr));
    SetForegroundWindow(other.get());
    press(VK_TAB);
    EXPECT_EQ(gemlink.Focus(), activate) << "Tab lands on the selected option";
  }
  EXPECT_TRUE(gemlink.IsChecked(ID_Option1));
  press(VK_TAB);
  EXPECT_EQ(gemlink.Focus(), ok) << "and comes back to OK, never to a hidden control";
  press(VK_TAB, true);
  EXPECT_EQ(gemlink.Focus(), activate);

  press(VK_DOWN);
  EXPECT_EQ(gemlink.Focus(), deactivate) << "arrows move within the option group";
  EXPECT_TRUE(gemlink.IsChecked(ID_Option2));
  EXPECT_EQ(gemlink.CheckState(ID_Check1), 0);
  EXPECT_EQ(StoredPlural(), test_registry::Dword(0));

  StorePlural(5);
  press(VK_RETURN);
  ExpectMessage(gemlink, kWasInactiveText, MessageIcon::kInformation, "Gemlink");
  EXPECT_EQ(StoredPlural(), test_registry::Dword(0)) << "Enter presses OK";
  gemlink.Settle();
  EXPECT_EQ(gemlink.Focus(), deactivate) << "the focus comes back after the message";

  press(VK_TAB);
  EXPECT_EQ(gemlink.Focus(), ok);
  press(VK_TAB);
  EXPECT_EQ(gemlink.Focus(), deactivate);
  press(VK_UP);
  EXPECT_EQ(gemlink.Focus(), activate);
  EXPECT_TRUE(gemlink.IsChecked(ID_Option1));
  EXPECT_EQ(gemlink.CheckState(ID_Check1), 1);

  // Alt and the underlined letter open each menu, which Escape closes. Which
  // menu opened shows in where it drops and how many items it holds: under
  // Wine another process's menu cannot be read.
  std::vector<RECT> menus;
  for (const WORD letter : {'F', 'H', 'A'}) {
    const HWND menu = gemlink.OpenMenuWithKeys(letter);
    ASSERT_NE(menu, nullptr) << "Alt+" << static_cast<char>(letter) << " opens no menu";
    menus.push_back({});
    GetWindowRect(menu, &menus.back());
    press(VK_ESCAPE);
    EXPECT_EQ(gemlink.OpenMenu(), nullptr) << "Escape closes it";
    press(VK_ESCAPE);
    EXPECT_FALSE(gemlink.InMenuMode()) << "and again leaves the menu bar";
  }
  const auto height = [](const RECT& place) { return place.bottom - place.top; };
  EXPECT_LT(menus[0].left, menus[1].left) << "File, then Help";
  EXPECT_LT(menus[1].left, menus[2].left) << "then About";
  EXPECT_GT(height(menus[0]), height(menus[2])) << "File's three items, About's two";
  EXPECT_GT(height(menus[2]), height(menus[1])) << "About's two items, Help's one";
  EXPECT_EQ(StoredPlural(), test_registry::Dword(0)) << "opening menus writes nothing";
  EXPECT_EQ(gemlink.VisibleWindows(), std::vector<HWND>{gemlink.window()}) << "nor shows anything";

  // The focus goes along with a File menu choice only from an option button.
  press(VK_TAB);
  ASSERT_EQ(gemlink.Focus(), ok);
  ASSERT_TRUE(gemlink.ChooseFileItemWithKeys(1));
  ExpectMessage(gemlink, kWasInactiveText, MessageIcon::kInformation, "Gemlink");
  gemlink.Settle();
  EXPECT_EQ(gemlink.Focus(), ok) << "File > DeActivate leaves the focus on OK";
}

}  // namespace
