#include "tests/support/registry_fixture.h"

namespace test_registry {

StoredValue Dword(std::uint32_t value) {
  return {kRegDword,
          {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
           static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)}};
}

StoredValue Text(const std::string& text) {
  StoredValue value{kRegSz, std::vector<std::uint8_t>(text.begin(), text.end())};
  value.data.push_back(0);
  return value;
}

}  // namespace test_registry
