#include "app/window_resources.h"

#include "app/geometry.h"
#include "platform/dpi_win32.h"
#include "platform/picture_win32.h"
#include "resources/layout.h"
#include "resources/resource.h"

namespace gemlink {
namespace {

// The icon drawn for the size the system shows it at at this DPI, or the
// nearest. Not shared: a shared icon is one size for the whole process.
platform::OwnedIcon LoadIconSized(HINSTANCE instance, int width_metric, int height_metric,
                                  int dpi) {
  return platform::OwnedIcon(static_cast<HICON>(
      LoadImageA(instance, MAKEINTRESOURCEA(IDI_GEMLINK), IMAGE_ICON,
                 platform::SystemMetricForDpi(width_metric, dpi),
                 platform::SystemMetricForDpi(height_metric, dpi), LR_DEFAULTCOLOR)));
}

bool GivesFace(HFONT font, const char* face) {
  const platform::ScreenDc screen;
  const HGDIOBJ old = SelectObject(screen.get(), font);
  char given[LF_FACESIZE] = {};
  GetTextFaceA(screen.get(), sizeof given, given);
  SelectObject(screen.get(), old);
  return lstrcmpiA(given, face) == 0;
}

}  // namespace

platform::OwnedFont WindowResources::Font(int height) {
  return platform::OwnedFont(CreateFontA(-height, 0, 0, 0, layout::kFontWeight, FALSE, FALSE, FALSE,
                                         layout::kFontCharset, OUT_DEFAULT_PRECIS,
                                         CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                         DEFAULT_PITCH | FF_DONTCARE, layout::kFontFace));
}

WindowResources WindowResources::For(HINSTANCE instance, int dpi) {
  WindowResources made;
  made.dpi = dpi;
  made.font = Font(FontHeightPixels(dpi));
  made.font_face_as_designed = made.font && GivesFace(made.font.get(), layout::kFontFace);
  const PictureDrawing picture = PictureFor(dpi);
  made.background = platform::LoadJpegResource(instance, picture.resource_id, dpi, picture.dpi);
  made.large_icon = LoadIconSized(instance, SM_CXICON, SM_CYICON, dpi);
  made.small_icon = LoadIconSized(instance, SM_CXSMICON, SM_CYSMICON, dpi);
  return made;
}

}  // namespace gemlink
