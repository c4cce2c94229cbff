// The in-memory registry behind the registry calls on a host without one.
// What the calls cannot do (create keys, store values of any type and size,
// delete, count open keys) is here, for setting up and checking tests.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/registry_calls.h"

namespace platform::memory_registry {

struct StoredValue {
  std::uint32_t type = 0;
  std::vector<std::uint8_t> data;
  bool operator==(const StoredValue&) const = default;
};

// Creates the key and any missing keys above it.
void CreateKey(RegistryKey root, const std::string& subkey);
bool KeyExists(RegistryKey root, const std::string& subkey);
// Deletes the key with everything below it.
void DeleteKey(RegistryKey root, const std::string& subkey);

// The key must exist. The data is kept byte for byte, whatever the type says.
void SetValue(RegistryKey root, const std::string& subkey, const std::string& name,
              const StoredValue& value);
std::optional<StoredValue> FindValue(RegistryKey root, const std::string& subkey,
                                     const std::string& name);
void DeleteValue(RegistryKey root, const std::string& subkey, const std::string& name);

// Keys opened by OpenRegistryKey and not yet closed.
int OpenKeyCount();

}  // namespace platform::memory_registry
