// Sets up and inspects registry contents for tests, on whichever registry the
// build talks to: the in-memory one on a host (registry_memory.cpp, which also
// answers the registry calls there), the real one under Windows or Wine. The
// same tests pass on both, which is how the stand-in is kept honest.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/registry_calls.h"

namespace test_registry {

using platform::RegistryKey;

inline constexpr RegistryKey kCurrentUser = platform::PredefinedKey(0x80000001);
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;
inline constexpr std::uint32_t kRegDwordBigEndian = 5;
inline constexpr std::uint32_t kRegMultiSz = 7;
inline constexpr std::uint32_t kRegQword = 11;

struct StoredValue {
  std::uint32_t type = 0;
  std::vector<std::uint8_t> data;
  bool operator==(const StoredValue&) const = default;
};

StoredValue Dword(std::uint32_t value);
// A REG_SZ as the ANSI registry calls see it: the text and its terminating NUL.
StoredValue Text(const std::string& text);

// Creates the key and any missing keys above it.
void CreateKey(RegistryKey root, const std::string& subkey);
bool KeyExists(RegistryKey root, const std::string& subkey);
// Deletes the key and everything below it.
void DeleteKey(RegistryKey root, const std::string& subkey);

void SetValue(RegistryKey root, const std::string& subkey, const std::string& name,
              const StoredValue& value);
std::optional<StoredValue> FindValue(RegistryKey root, const std::string& subkey,
                                     const std::string& name);
void DeleteValue(RegistryKey root, const std::string& subkey, const std::string& name);

// Grows by one for each key the process leaves open. (The in-memory registry
// counts every key opened and not yet closed.)
int OpenKeyCount();

}  // namespace test_registry
