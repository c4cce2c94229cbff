#include <windows.h>

#include "platform/registry_calls.h"

namespace platform {
namespace {

HKEY ToHkey(RegistryKey key) { return reinterpret_cast<HKEY>(key); }

}  // namespace

RegistryStatus OpenRegistryKey(RegistryKey root, const std::string& subkey, std::uint32_t access,
                               RegistryKey& key) {
  HKEY opened = nullptr;
  const LONG status = RegOpenKeyExA(ToHkey(root), subkey.c_str(), 0, access, &opened);
  if (status == ERROR_SUCCESS) key = reinterpret_cast<RegistryKey>(opened);
  return status;
}

RegistryStatus QueryRegistryValue(RegistryKey key, const std::string& name, std::uint32_t& type,
                                  std::uint8_t* data, std::uint32_t& size) {
  DWORD stored_type = type;
  DWORD stored_size = size;
  const LONG status =
      RegQueryValueExA(ToHkey(key), name.c_str(), nullptr, &stored_type, data, &stored_size);
  type = stored_type;
  size = stored_size;
  return status;
}

RegistryStatus SetRegistryValue(RegistryKey key, const std::string& name, std::uint32_t type,
                                const std::uint8_t* data, std::uint32_t size) {
  return RegSetValueExA(ToHkey(key), name.c_str(), 0, type, data, size);
}

RegistryStatus CloseRegistryKey(RegistryKey key) { return RegCloseKey(ToHkey(key)); }

}  // namespace platform
