// The four registry calls the registry module needs. On Windows they are
// advapi32's; on a host without a registry they go to an in-memory registry
// that answers as Windows does where the module relies on it.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// A predefined root (0x80000000..0x80000006) or a key opened by OpenRegistryKey.
using RegistryKey = std::uintptr_t;

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
