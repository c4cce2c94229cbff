#include "app/geometry.h"

#include <algorithm>

#include "resources/resource.h"

namespace gemlink {
namespace {

constexpr int kTwipsPerInch = 1440;

int MulDivRounded(int number, int numerator, int denominator) {
  const long long product = static_cast<long long>(number) * numerator;
  const long long half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator
                                       : (product - half) / denominator);
}

}  // namespace

int TwipsToPixels(int twips, int dpi) { return MulDivRounded(twips, dpi, kTwipsPerInch); }

PixelRect ToPixels(const layout::TwipsRect& rect, int dpi) {
  return {TwipsToPixels(rect.left, dpi), TwipsToPixels(rect.top, dpi),
          TwipsToPixels(rect.width, dpi), TwipsToPixels(rect.height, dpi)};
}

PixelRect CentredIn(const PixelRect& area, int width, int height) {
  return {area.left + std::max(0, (area.width - width) / 2),
          area.top + std::max(0, (area.height - height) / 2), width, height};
}

PixelRect WorkspaceToScreen(const PixelRect& place, const PixelRect& monitor,
                            const PixelRect& work) {
  return {place.left + work.left - monitor.left, place.top + work.top - monitor.top, place.width,
          place.height};
}

PictureDrawing PictureFor(int dpi) {
  return dpi <= layout::kPictureDpi ? PictureDrawing{IDR_BACKGROUND, layout::kPictureDpi}
                                    : PictureDrawing{IDR_BACKGROUND_2X, 2 * layout::kPictureDpi};
}

int FontHeightPixels(int dpi) { return layout::kFontHeight * dpi / kTwipsPerInch; }

}  // namespace gemlink
