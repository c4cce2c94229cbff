// Turns the layout's twips into pixels at the screen's DPI.
#pragma once

#include "resources/layout.h"

namespace gemlink {

struct PixelRect {
  int left;
  int top;
  int width;
  int height;
  bool operator==(const PixelRect&) const = default;
};

// Rounded to the nearest pixel, halves away from zero, as MulDiv does.
int TwipsToPixels(int twips, int dpi);
PixelRect ToPixels(const layout::TwipsRect& rect, int dpi);

// Where a window of this size stands centred in an area (a monitor's work
// area): wholly inside it when it fits, else from its top-left corner, so
// that the caption can always be reached.
PixelRect CentredIn(const PixelRect& area, int width, int height);

// A window's placement counts its normal place in workspace coordinates:
// screen coordinates moved by how far the work area of the window's own
// monitor starts inside that monitor (a taskbar on its left or top). This is
// that place on the screen, given the monitor's rectangle and work area.
PixelRect WorkspaceToScreen(const PixelRect& place, const PixelRect& monitor,
                            const PixelRect& work);

// Which drawing of the background picture to show at a DPI, and the DPI it
// was drawn for: the smaller one where it is large enough, so that the
// picture is scaled down from 97 to 192 DPI, never up.
struct PictureDrawing {
  int resource_id;
  int dpi;
  bool operator==(const PictureDrawing&) const = default;
};
PictureDrawing PictureFor(int dpi);

// The font's height in pixels: rounded down, because the controls were sized
// for the font's designed width and a font rounded up outgrows them (at
// 120 DPI "DeActivate" would lose its last letter).
int FontHeightPixels(int dpi);

}  // namespace gemlink
