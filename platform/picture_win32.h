// The window's background picture, decoded once from the program's resources.
#pragma once

#include <windows.h>

#include "platform/owned_handle.h"

namespace platform {

// Decodes the JPEG stored as RCDATA under `id` into a bitmap of its own,
// scaled by scale_numerator / scale_denominator with a smooth stretch.
// Empty if the picture cannot be had.
OwnedBitmap LoadJpegResource(HINSTANCE instance, int id, int scale_numerator,
                             int scale_denominator);

}  // namespace platform
