// What the main window draws with that depends on its DPI: the font, the
// background picture and the two window icons. Made whole for one DPI, at
// creation and again when the window's DPI changes, and replaced whole, so
// that nothing made for the old DPI stays behind.
#pragma once

#include <windows.h>

#include "platform/owned_handle.h"

namespace gemlink {

struct WindowResources {
  static WindowResources For(HINSTANCE instance, int dpi);
  // The design's font at another height, in pixels.
  static platform::OwnedFont Font(int height);

  int dpi = 0;
  platform::OwnedFont font;
  // Whether Windows gave the face the design asks for, or another in its
  // place (Wine without Tahoma gives DejaVu Sans, which is wider).
  bool font_face_as_designed = false;
  platform::OwnedBitmap background;  // empty if the picture cannot be had
  platform::OwnedIcon large_icon;    // Alt+Tab and the taskbar
  platform::OwnedIcon small_icon;    // the caption
};

}  // namespace gemlink
