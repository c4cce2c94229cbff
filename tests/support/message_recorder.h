// Stands in for the message box: every message is recorded, none is shown.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace test_support {

struct ShownMessage {
  std::string prompt;
  int style = 0;
  std::string caption;
  bool operator==(const ShownMessage&) const = default;
};

std::vector<ShownMessage>& ShownMessages();

void PrintTo(const ShownMessage& message, std::ostream* out);

}  // namespace test_support
