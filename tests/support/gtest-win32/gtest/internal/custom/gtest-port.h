// Read by GoogleTest before it configures itself, in the Windows builds only.
// Their compilers use the win32 thread model, whose C++ library has no
// std::mutex, and GoogleTest builds its Notification from one. This
// Notification is a Windows event instead; the rest of GoogleTest's Windows
// threading is its own and needs nothing more.
#pragma once

#include <windows.h>

namespace testing::internal {

class Notification {
 public:
  Notification() : event_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
  ~Notification() { CloseHandle(event_); }
  Notification(const Notification&) = delete;
  Notification& operator=(const Notification&) = delete;

  void Notify() { SetEvent(event_); }
  void WaitForNotification() { WaitForSingleObject(event_, INFINITE); }

 private:
  HANDLE event_;
};

}  // namespace testing::internal

#define GTEST_HAS_NOTIFICATION_ 1
