// Owns one Windows handle and releases it exactly once, on every path.
#pragma once

#include <windows.h>

#include <utility>

namespace platform {

template <typename Handle, auto Release>
class Owned {
 public:
  Owned() = default;
  explicit Owned(Handle handle) : handle_(handle) {}
  ~Owned() { reset(); }

  Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
  Owned& operator=(Owned&& other) noexcept {
    if (this != &other) {
      reset();
      handle_ = std::exchange(other.handle_, Handle{});
    }
    return *this;
  }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Handle{}; }

  // Gives the handle up without releasing it.
  Handle release() { return std::exchange(handle_, Handle{}); }

  void reset(Handle handle = Handle{}) {
    if (handle_) Release(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_{};
};

// Kernel objects whose creators report failure with NULL.
using OwnedHandle = Owned<HANDLE, CloseHandle>;
using OwnedFont = Owned<HFONT, DeleteObject>;
using OwnedIcon = Owned<HICON, DestroyIcon>;
using OwnedBitmap = Owned<HBITMAP, DeleteObject>;
using OwnedDc = Owned<HDC, DeleteDC>;
using OwnedModule = Owned<HMODULE, FreeLibrary>;

// The screen's device context, for the length of a scope.
class ScreenDc {
 public:
  ScreenDc() : dc_(GetDC(nullptr)) {}
  ~ScreenDc() {
    if (dc_) ReleaseDC(nullptr, dc_);
  }
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;

  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

}  // namespace platform
