// The four registry calls the registry module needs. On Windows they are
// advapi32's; on a host without a registry, the tests' in-memory registry
// (tests/support) answers them as Windows does where the module relies on it.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// A predefined root (see PredefinedKey) or a key opened by OpenRegistryKey.
using RegistryKey = std::uintptr_t;

// A predefined root (0x80000000..0x80000006) as the registry calls take it.
// Windows defines the roots as 32-bit numbers sign-extended to a handle's
// width: on 64-bit Windows HKEY_CURRENT_USER is 0xFFFFFFFF80000001, and the
// number widened without its sign is no key at all.
constexpr RegistryKey PredefinedKey(std::uint32_t root) {
  return static_cast<RegistryKey>(static_cast<std::intptr_t>(static_cast<std::int32_t>(root)));
}

// A Windows error code: 0 is success.
using RegistryStatus = std::int32_t;

inline constexpr RegistryStatus kErrorSuccess = 0;
inline constexpr RegistryStatus kErrorFileNotFound = 2;
inline constexpr RegistryStatus kErrorAccessDenied = 5;
inline constexpr RegistryStatus kErrorInvalidHandle = 6;
inline constexpr RegistryStatus kErrorBadPathname = 161;
inline constexpr RegistryStatus kErrorMoreData = 234;
inline constexpr RegistryStatus kErrorKeyDeleted = 1018;

inline constexpr std::uint32_t kKeyQueryValue = 0x0001;
inline constexpr std::uint32_t kKeySetValue = 0x0002;
inline constexpr std::uint32_t kKeyRead = 0x20019;
inline constexpr std::uint32_t kKeyWrite = 0x20006;

inline constexpr std::uint32_t kRegDword = 4;

// Opens an existing key; never creates one.
RegistryStatus OpenRegistryKey(RegistryKey root, const std::string& subkey, std::uint32_t access,
                               RegistryKey& key);

// Copies the value's data into data[0..size). On success size and type hold the
// stored data's size and type; data that does not fit gives kErrorMoreData.
RegistryStatus QueryRegistryValue(RegistryKey key, const std::string& name, std::uint32_t& type,
                                  std::uint8_t* data, std::uint32_t& size);

// Creates the value or replaces it, whatever type it had.
RegistryStatus SetRegistryValue(RegistryKey key, const std::string& name, std::uint32_t type,
                                const std::uint8_t* data, std::uint32_t size);

RegistryStatus CloseRegistryKey(RegistryKey key);

}  // namespace platform
