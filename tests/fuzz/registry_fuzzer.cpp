// Fuzzes the key-path parsing and the 4-byte value operations against the
// in-memory registry, checking each result against what was set up.
//
// An input is a control byte, then a key path, a NUL, a value name, a NUL,
// and the bytes of a value to store. The control byte says whether to create
// the key first (bit 0), whether to store the bytes under the name (bit 1),
// and with which type (bits 2-5).
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "registry/registry_dword.h"
#include "tests/support/message_recorder.h"
#include "tests/support/registry_fixture.h"

namespace {

namespace memory = test_registry;
using General::ValueResult;
using test_support::ShownMessages;

void Require(bool condition) {
  if (!condition) std::abort();
}

struct Input {
  std::uint8_t control = 0;
  std::string path;
  std::string name;
  std::vector<std::uint8_t> data;
};

Input Parse(const std::uint8_t* bytes, std::size_t size) {
  Input input;
  if (size == 0) return input;
  input.control = bytes[0];
  const std::string rest(reinterpret_cast<const char*>(bytes) + 1, size - 1);
  const std::size_t path_end = rest.find('\0');
  input.path = rest.substr(0, path_end);
  if (path_end == std::string::npos) return input;
  const std::size_t name_end = rest.find('\0', path_end + 1);
  input.name = rest.substr(path_end + 1, name_end - path_end - 1);
  if (name_end != std::string::npos) input.data.assign(rest.begin() + name_end + 1, rest.end());
  return input;
}

struct Split {
  General::RootKey root = 0;
  std::string subkey;
  bool malformed = false;
};

// Splitting must either refuse the path, with the one message, or cut it at
// its first backslash, silently.
Split CheckSplit(const std::string& path) {
  ShownMessages().clear();
  Split split;
  split.subkey = path;
  General::SplitKeyPath(split.subkey, split.root);
  split.malformed = !ShownMessages().empty();
  if (split.malformed) {
    Require(ShownMessages().size() == 1);
    Require(ShownMessages()[0].prompt == "Incorrect Format:\n\n" + path);
    Require(ShownMessages()[0].style == 0);
    Require(split.root == 0 && split.subkey == path);
    Require(path.size() < 5 || path.compare(0, 5, "HKEY_") != 0 || path.back() == '\\');
  } else {
    Require(path.compare(0, 5, "HKEY_") == 0 && path.back() != '\\');
    const std::size_t backslash = path.find('\\');
    Require(split.root == General::RootKeyFromName(path.substr(0, backslash)));
    Require(split.subkey == (backslash == std::string::npos ? "" : path.substr(backslash + 1)));
  }
  return split;
}

std::int32_t LittleEndian(const std::vector<std::uint8_t>& data) {
  std::uint32_t bits = 0;
  for (std::size_t i = 0; i < data.size() && i < 4; ++i) bits |= std::uint32_t{data[i]} << (8 * i);
  return static_cast<std::int32_t>(bits);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  const Input input = Parse(bytes, size);
  const Split split = CheckSplit(input.path);
  const bool reachable = split.root != 0;
  const platform::RegistryKey root = platform::PredefinedKey(split.root);

  if (reachable && (input.control & 1)) memory::CreateKey(root, split.subkey);
  const bool key_exists = reachable && memory::KeyExists(root, split.subkey);
  if (key_exists && (input.control & 2)) {
    memory::SetValue(root, split.subkey, input.name, {(input.control >> 2) & 0xFu, input.data});
  }
  const auto stored = key_exists ? memory::FindValue(root, split.subkey, input.name) : std::nullopt;

  std::string path = input.path;
  const ValueResult read = General::ReadDwordValue(path, input.name);
  Require(path == split.subkey);
  if (!reachable) {
    Require(read == ValueResult::Nothing());
  } else if (!stored || stored->data.size() > 4) {
    Require(read == ValueResult::Error());
  } else {
    Require(read == ValueResult::Number(LittleEndian(stored->data)));
  }
  Require(memory::OpenKeyCount() == 0);

  path = input.path;
  const std::int32_t value = LittleEndian(input.data);
  const ValueResult written = General::WriteDwordValue(path, input.name, value);
  if (!reachable) {
    Require(written == ValueResult::Nothing());
  } else if (key_exists) {
    Require(written == ValueResult::Nothing());
    const auto bits = static_cast<std::uint32_t>(value);
    Require(memory::FindValue(root, split.subkey, input.name) ==
            memory::StoredValue{
                4,
                {static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
                 static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)}});
  } else {
    Require(written == ValueResult::Error());
    Require(!memory::KeyExists(root, split.subkey));
  }
  Require(memory::OpenKeyCount() == 0);

  // Leave the registry as empty as it was for the next input.
  if (reachable) {
    const std::string top = split.subkey.substr(0, split.subkey.find('\\'));
    if (!top.empty()) memory::DeleteKey(root, top);
    memory::DeleteValue(root, "", input.name);
  }
  return 0;
}
