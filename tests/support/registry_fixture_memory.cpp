#include "platform/registry_memory.h"
#include "tests/support/registry_fixture.h"

namespace test_registry {

namespace memory = platform::memory_registry;

void CreateKey(RegistryKey root, const std::string& subkey) { memory::CreateKey(root, subkey); }

bool KeyExists(RegistryKey root, const std::string& subkey) {
  return memory::KeyExists(root, subkey);
}

void DeleteKey(RegistryKey root, const std::string& subkey) { memory::DeleteKey(root, subkey); }

void SetValue(RegistryKey root, const std::string& subkey, const std::string& name,
              const StoredValue& value) {
  memory::SetValue(root, subkey, name, {value.type, value.data});
}

std::optional<StoredValue> FindValue(RegistryKey root, const std::string& subkey,
                                     const std::string& name) {
  const auto found = memory::FindValue(root, subkey, name);
  if (!found) return std::nullopt;
  return StoredValue{found->type, found->data};
}

void DeleteValue(RegistryKey root, const std::string& subkey, const std::string& name) {
  memory::DeleteValue(root, subkey, name);
}

int OpenKeyCount() { return memory::OpenKeyCount(); }

}  // namespace test_registry
