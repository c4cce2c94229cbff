#include "app/information.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/geometry.h"
#include "resources/resource.h"
#include "tests/support/message_recorder.h"

namespace {

using test_support::ShownMessage;
using test_support::ShownMessages;

TEST(Information, VersionsAndAboutShowTheirTextsWordForWord) {
  ShownMessages().clear();
  gemlink::ShowVersions();
  gemlink::ShowAbout();
  EXPECT_EQ(ShownMessages(),
            (std::vector<ShownMessage>{
                {"Yahoo! Messenger\r\nv5, v6, v7, v8, v9, v10, v11, v11.5 ", 64, "Versions"},
                {"Coding By Robin Example\r\nMobile: 555-0147\r\nWebSite: "
                 "http://www.example.com\r\nCopyright (C) 2025-2026 Gemlink ",
                 64, "About"}}));
}

TEST(Geometry, TwipsBecomeThePixelsNearestThemAtAnyDpi) {
  EXPECT_EQ(gemlink::TwipsToPixels(4230, 96), 282);
  EXPECT_EQ(gemlink::TwipsToPixels(2685, 96), 179);
  EXPECT_EQ(gemlink::TwipsToPixels(1100, 96), 73);    // 73.3
  EXPECT_EQ(gemlink::TwipsToPixels(4230, 120), 353);  // 352.5: halves go up
  EXPECT_EQ(gemlink::TwipsToPixels(2025, 120), 169);  // 168.75
  EXPECT_EQ(gemlink::TwipsToPixels(975, 120), 81);    // 81.25
  EXPECT_EQ(gemlink::ToPixels({2880, 2025, 975, 315}, 144), (gemlink::PixelRect{288, 203, 98, 32}));
}

// A second monitor left of the primary one, its taskbar at the top.
TEST(Geometry, AWindowIsCentredInTheWorkAreaAndNeverStartsOutsideIt) {
  using gemlink::PixelRect;
  EXPECT_EQ(gemlink::CentredIn({-1920, 40, 1920, 1040}, 300, 241),
            (PixelRect{-1110, 439, 300, 241}));
  EXPECT_EQ(gemlink::CentredIn({-1920, 40, 800, 600}, 600, 700), (PixelRect{-1820, 40, 600, 700}))
      << "too tall: its caption stays in reach";
  for (const int wider : {1, 2, 3, 500}) {
    EXPECT_EQ(gemlink::CentredIn({-1920, 40, 800, 600}, 800 + wider, 300).left, -1920)
        << wider << " pixels too wide: at the left edge";
  }
}

// A placement's normal place, counted from the work area of the window's own
// monitor, back on the screen. The same window frame, 300 x 200, on each.
TEST(Geometry, APlacementIsCountedFromItsOwnMonitorsWorkArea) {
  using gemlink::PixelRect;
  const struct {
    const char* monitor_kind;
    PixelRect monitor, work, placement, screen;
  } cases[] = {
      {"primary, taskbar below", {0, 0, 1920, 1080}, {0, 0, 1920, 1040}, {810, 420, 300, 200},
       {810, 420, 300, 200}},
      {"primary, taskbar on the left", {0, 0, 1920, 1080}, {60, 0, 1860, 1080},
       {750, 440, 300, 200}, {810, 440, 300, 200}},
      {"primary, taskbar on top", {0, 0, 1920, 1080}, {0, 40, 1920, 1040}, {810, 400, 300, 200},
       {810, 440, 300, 200}},
      {"primary, taskbar on the right", {0, 0, 1920, 1080}, {0, 0, 1860, 1080},
       {780, 440, 300, 200}, {780, 440, 300, 200}},
      {"secondary on the left, taskbar on the left", {-1280, 0, 1280, 1024},
       {-1220, 0, 1220, 1024}, {-850, 412, 300, 200}, {-790, 412, 300, 200}},
      {"secondary above, taskbar on top", {200, -900, 1440, 900}, {200, -860, 1440, 860},
       {770, -690, 300, 200}, {770, -650, 300, 200}},
      {"secondary on the right, taskbar below", {1920, 0, 1280, 1024}, {1920, 0, 1280, 984},
       {2410, 392, 300, 200}, {2410, 392, 300, 200}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(gemlink::WorkspaceToScreen(c.placement, c.monitor, c.work), c.screen)
        << c.monitor_kind;
  }
}

// The larger drawing from the first DPI the smaller one would be scaled up
// at, and always for twice the DPI.
TEST(Geometry, TheLargerPictureTakesOverAbove96Dpi) {
  using gemlink::PictureDrawing;
  const struct {
    int dpi;
    PictureDrawing drawing;
  } cases[] = {{72, {IDR_BACKGROUND, 96}},      {96, {IDR_BACKGROUND, 96}},
               {97, {IDR_BACKGROUND_2X, 192}},  {144, {IDR_BACKGROUND_2X, 192}},
               {192, {IDR_BACKGROUND_2X, 192}}, {288, {IDR_BACKGROUND_2X, 192}}};
  for (const auto& c : cases) {
    const PictureDrawing drawing = gemlink::PictureFor(c.dpi);
    EXPECT_EQ(drawing.resource_id, c.drawing.resource_id) << c.dpi << " DPI";
    EXPECT_EQ(drawing.dpi, c.drawing.dpi) << c.dpi << " DPI";
  }
}

TEST(Geometry, TheFontNeverRoundsUpPastItsSize) {
  EXPECT_EQ(gemlink::FontHeightPixels(96), 11);
  EXPECT_EQ(gemlink::FontHeightPixels(120), 13);  // 13.75
  EXPECT_EQ(gemlink::FontHeightPixels(144), 16);  // 16.5
}

}  // namespace
