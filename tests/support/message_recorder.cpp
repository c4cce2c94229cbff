#include "tests/support/message_recorder.h"

#include <iomanip>

#include "platform/message_box.h"

namespace test_support {

std::vector<ShownMessage>& ShownMessages() {
  static std::vector<ShownMessage> shown;
  return shown;
}

void PrintTo(const ShownMessage& message, std::ostream* out) {
  *out << '{' << std::quoted(message.prompt) << ", " << message.style << ", "
       << std::quoted(message.caption) << '}';
}

}  // namespace test_support

int platform::ShowMessage(const std::string& prompt, int style,
                          const std::optional<std::string>& title) {
  test_support::ShownMessages().push_back({prompt, style, MessageCaption(title)});
  return 1;  // IDOK
}
