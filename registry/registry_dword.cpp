#include "registry/registry_dword.h"

#include <array>
#include <string_view>
#include <utility>

#include "platform/message_box.h"
#include "platform/registry_calls.h"

namespace General {
namespace {

constexpr std::array<std::pair<std::string_view, RootKey>, 7> kRootKeys{{
    {"HKEY_CLASSES_ROOT", 0x80000000},
    {"HKEY_CURRENT_USER", 0x80000001},
    {"HKEY_LOCAL_MACHINE", 0x80000002},
    {"HKEY_USERS", 0x80000003},
    {"HKEY_PERFORMANCE_DATA", 0x80000004},
    {"HKEY_CURRENT_CONFIG", 0x80000005},
    {"HKEY_DYN_DATA", 0x80000006},
}};

constexpr std::string_view kRootPrefix = "HKEY_";
constexpr std::string_view kIncorrectFormat = "Incorrect Format:\n\n";
constexpr std::uint32_t kDwordSize = 4;

// A key open for the length of one operation; closed on every way out of it.
class OpenKey {
 public:
  OpenKey(RootKey root, const std::string& subkey, std::uint32_t access)
      : opened_(platform::OpenRegistryKey(platform::PredefinedKey(root), subkey, access, key_) ==
                platform::kErrorSuccess) {}
  ~OpenKey() {
    if (opened_) platform::CloseRegistryKey(key_);
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;

  bool opened() const { return opened_; }
  platform::RegistryKey key() const { return key_; }

 private:
  platform::RegistryKey key_ = 0;
  bool opened_;
};

}  // namespace

RootKey RootKeyFromName(const std::string& name) {
  for (const auto& [root_name, root] : kRootKeys) {
    if (name == root_name) return root;
  }
  return 0;
}

void SplitKeyPath(std::string& path, RootKey& root) {
  if (!path.starts_with(kRootPrefix) || path.ends_with('\\')) {
    platform::ShowMessage(std::string(kIncorrectFormat) + path, platform::kMessageOkOnly);
    root = 0;
    return;
  }
  const std::size_t backslash = path.find('\\');
  if (backslash == std::string::npos) {
    root = RootKeyFromName(path);
    path.clear();
    return;
  }
  root = RootKeyFromName(path.substr(0, backslash));
  path.erase(0, backslash + 1);
}

ValueResult ReadDwordValue(std::string& path, const std::string& name) {
  RootKey root = 0;
  SplitKeyPath(path, root);
  if (root == 0) return ValueResult::Nothing();

  const OpenKey key(root, path, platform::kKeyRead);
  if (!key.opened()) return ValueResult::Error();

  // Cleared before every query, so data shorter than 4 bytes reads as its own
  // bytes and never as the remains of an earlier read.
  std::array<std::uint8_t, kDwordSize> buffer{};
  std::uint32_t type = platform::kRegDword;
  std::uint32_t size = kDwordSize;
  if (platform::QueryRegistryValue(key.key(), name, type, buffer.data(), size) !=
      platform::kErrorSuccess) {
    return ValueResult::Error();
  }
  const std::uint32_t bits =
      buffer[0] | buffer[1] << 8 | buffer[2] << 16 | static_cast<std::uint32_t>(buffer[3]) << 24;
  return ValueResult::Number(static_cast<std::int32_t>(bits));
}

ValueResult WriteDwordValue(std::string& path, const std::string& name, std::int32_t value) {
  RootKey root = 0;
  SplitKeyPath(path, root);
  if (root == 0) return ValueResult::Nothing();

  const OpenKey key(root, path, platform::kKeyWrite);
  if (!key.opened()) return ValueResult::Error();

  const auto bits = static_cast<std::uint32_t>(value);
  const std::array<std::uint8_t, kDwordSize> data{
      static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
      static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)};
  if (platform::SetRegistryValue(key.key(), name, platform::kRegDword, data.data(), kDwordSize) !=
      platform::kErrorSuccess) {
    return ValueResult::Error();
  }
  return ValueResult::Nothing();
}

}  // namespace General
