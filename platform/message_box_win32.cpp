#include "platform/message_box_win32.h"

#include "platform/message_box.h"

namespace platform {
namespace {
HWND message_owner = nullptr;
}

void SetMessageOwner(HWND owner) { message_owner = owner; }

int ShowMessage(const std::string& prompt, int style, const std::optional<std::string>& title) {
  return MessageBoxA(message_owner, prompt.c_str(), MessageCaption(title).c_str(),
                     static_cast<UINT>(style));
}

}  // namespace platform
