#include "platform/picture_win32.h"

#include <ocidl.h>
#include <olectl.h>

#include <cstring>
#include <memory>

#include "platform/system_dll.h"

namespace platform {
namespace {

struct ComRelease {
  void operator()(IUnknown* object) const { object->Release(); }
};
template <typename Interface>
using ComPointer = std::unique_ptr<Interface, ComRelease>;

using OwnedGlobal = Owned<HGLOBAL, GlobalFree>;

// A stream over a private copy of the resource's bytes.
ComPointer<IStream> StreamOverResource(HINSTANCE instance, int id, DWORD& size) {
  HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(id), RT_RCDATA);
  HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  size = found ? SizeofResource(instance, found) : 0;
  if (!bytes || size == 0) return nullptr;

  OwnedGlobal copy(GlobalAlloc(GMEM_MOVEABLE, size));
  if (!copy) return nullptr;
  void* target = GlobalLock(copy.get());
  if (!target) return nullptr;
  std::memcpy(target, bytes, size);
  GlobalUnlock(copy.get());

  auto* create_stream =
      SystemFunction<decltype(CreateStreamOnHGlobal)>(SystemDll::kOle32, "CreateStreamOnHGlobal");
  IStream* stream = nullptr;
  if (!create_stream || FAILED(create_stream(copy.get(), TRUE, &stream))) return nullptr;
  copy.release();  // the stream frees it now
  return ComPointer<IStream>(stream);
}

}  // namespace

OwnedBitmap LoadJpegResource(HINSTANCE instance, int id, int scale_numerator,
                             int scale_denominator) {
  DWORD size = 0;
  const ComPointer<IStream> stream = StreamOverResource(instance, id, size);
  if (!stream) return {};
  auto* load_picture =
      SystemFunction<decltype(OleLoadPicture)>(SystemDll::kOleaut32, "OleLoadPicture");
  IPicture* raw_picture = nullptr;
  if (!load_picture || FAILED(load_picture(stream.get(), static_cast<LONG>(size), FALSE,
                                           IID_IPicture, reinterpret_cast<void**>(&raw_picture)))) {
    return {};
  }
  // The decoded bitmap belongs to the picture and dies with it: copy it out.
  const ComPointer<IPicture> picture(raw_picture);
  OLE_HANDLE handle = 0;
  BITMAP decoded{};
  if (FAILED(picture->get_Handle(&handle)) ||
      !GetObjectA(reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)), sizeof decoded,
                  &decoded)) {
    return {};
  }
  const auto source = reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle));
  const int width = MulDiv(decoded.bmWidth, scale_numerator, scale_denominator);
  const int height = MulDiv(decoded.bmHeight, scale_numerator, scale_denominator);

  const ScreenDc screen;
  OwnedBitmap result(CreateCompatibleBitmap(screen.get(), width, height));
  const OwnedDc from(CreateCompatibleDC(screen.get()));
  const OwnedDc to(CreateCompatibleDC(screen.get()));
  if (!result || !from || !to) return {};

  const HGDIOBJ old_from = SelectObject(from.get(), source);
  const HGDIOBJ old_to = SelectObject(to.get(), result.get());
  if (width == decoded.bmWidth && height == decoded.bmHeight) {
    BitBlt(to.get(), 0, 0, width, height, from.get(), 0, 0, SRCCOPY);
  } else {
    SetStretchBltMode(to.get(), HALFTONE);
    SetBrushOrgEx(to.get(), 0, 0, nullptr);
    StretchBlt(to.get(), 0, 0, width, height, from.get(), 0, 0, decoded.bmWidth, decoded.bmHeight,
               SRCCOPY);
  }
  SelectObject(from.get(), old_from);
  SelectObject(to.get(), old_to);
  return result;
}

}  // namespace platform
