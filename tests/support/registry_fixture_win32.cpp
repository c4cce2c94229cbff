#include <windows.h>
#include <winternl.h>

#include <gtest/gtest.h>

#include <string_view>

#include "tests/support/registry_fixture.h"

namespace test_registry {
namespace {

HKEY ToHkey(RegistryKey key) { return reinterpret_cast<HKEY>(key); }

// Opens a key for set-up or inspection; closed when the scope ends.
class Key {
 public:
  Key(RegistryKey root, const std::string& subkey, REGSAM access) {
    status_ = RegOpenKeyExA(ToHkey(root), subkey.c_str(), 0, access, &key_);
  }
  ~Key() {
    if (status_ == ERROR_SUCCESS) RegCloseKey(key_);
  }
  Key(const Key&) = delete;
  Key& operator=(const Key&) = delete;

  bool opened() const { return status_ == ERROR_SUCCESS; }
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
  LONG status_;
};

}  // namespace

void CreateKey(RegistryKey root, const std::string& subkey) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(ToHkey(root), subkey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                            &key, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(key);
}

bool KeyExists(RegistryKey root, const std::string& subkey) {
  return Key(root, subkey, KEY_READ).opened();
}

void DeleteKey(RegistryKey root, const std::string& subkey) {
  RegDeleteTreeA(ToHkey(root), subkey.c_str());
  RegDeleteKeyA(ToHkey(root), subkey.c_str());
}

void SetValue(RegistryKey root, const std::string& subkey, const std::string& name,
              const StoredValue& value) {
  const Key key(root, subkey, KEY_SET_VALUE);
  ASSERT_TRUE(key.opened()) << subkey;
  ASSERT_EQ(RegSetValueExA(key.get(), name.c_str(), 0, value.type, value.data.data(),
                           static_cast<DWORD>(value.data.size())),
            ERROR_SUCCESS);
}

std::optional<StoredValue> FindValue(RegistryKey root, const std::string& subkey,
                                     const std::string& name) {
  const Key key(root, subkey, KEY_QUERY_VALUE);
  if (!key.opened()) return std::nullopt;
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  StoredValue value{type, std::vector<std::uint8_t>(size)};
  if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, value.data.data(), &size) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  value.data.resize(size);
  return value;
}

void DeleteValue(RegistryKey root, const std::string& subkey, const std::string& name) {
  const Key key(root, subkey, KEY_SET_VALUE);
  if (key.opened()) RegDeleteValueA(key.get(), name.c_str());
}

// Wine does not count a process's handles (GetProcessHandleCount says 0), so
// walk the handle values and count those that name a registry key.
int OpenKeyCount() {
  constexpr ULONG_PTR kHighestHandle = 0x4000;
  int count = 0;
  for (ULONG_PTR value = 4; value < kHighestHandle; value += 4) {
    alignas(8) BYTE buffer[512];
    auto* type = reinterpret_cast<PUBLIC_OBJECT_TYPE_INFORMATION*>(buffer);
    if (NtQueryObject(reinterpret_cast<HANDLE>(value), ObjectTypeInformation, buffer, sizeof buffer,
                      nullptr) >= 0 &&
        std::wstring_view(type->TypeName.Buffer, type->TypeName.Length / sizeof(WCHAR)) == L"Key") {
      ++count;
    }
  }
  return count;
}

}  // namespace test_registry
