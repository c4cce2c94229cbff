// The in-memory registry behind the registry calls on a host without one,
// with the set-up and inspection the tests use on any registry.
#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <memory>

#include "platform/registry_calls.h"
#include "tests/support/registry_fixture.h"

namespace platform {
namespace {

using test_registry::StoredValue;

constexpr RegistryKey kFirstRoot = PredefinedKey(0x80000000);
constexpr std::size_t kRootCount = 7;

// Key and value names compare without regard to letter case, as in Windows.
struct NameLess {
  bool operator()(const std::string& a, const std::string& b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
      return std::tolower(static_cast<unsigned char>(x)) <
             std::tolower(static_cast<unsigned char>(y));
    });
  }
};

struct Key {
  std::map<std::string, StoredValue, NameLess> values;
  std::map<std::string, std::unique_ptr<Key>, NameLess> subkeys;
};

using Path = std::vector<std::string>;

// An opened key remembers where it is rather than what it points at, so a key
// deleted while open is noticed instead of dangling.
struct OpenedKey {
  std::size_t root;
  Path path;
  std::uint32_t access;
};

struct Registry {
  std::array<Key, kRootCount> roots;
  std::map<RegistryKey, OpenedKey> opened;
  RegistryKey next_handle = 0x1000;
};

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

bool IsRoot(RegistryKey key) { return key >= kFirstRoot && key < kFirstRoot + kRootCount; }

// Splits a subkey at its backslashes. Empty components between or after them
// are passed over, as Wine does; a leading backslash is refused.
std::optional<Path> SplitSubkey(const std::string& subkey) {
  if (!subkey.empty() && subkey.front() == '\\') return std::nullopt;
  Path path;
  std::size_t start = 0;
  while (start <= subkey.size()) {
    const std::size_t end = std::min(subkey.find('\\', start), subkey.size());
    if (end > start) path.push_back(subkey.substr(start, end - start));
    start = end + 1;
  }
  return path;
}

Key* Walk(Key& from, const Path& path, bool create) {
  Key* key = &from;
  for (const std::string& name : path) {
    auto found = key->subkeys.find(name);
    if (found == key->subkeys.end()) {
      if (!create) return nullptr;
      found = key->subkeys.emplace(name, std::make_unique<Key>()).first;
    }
    key = found->second.get();
  }
  return key;
}

// Where a handle points: a root, or an opened key with the access it was opened for.
std::optional<OpenedKey> Locate(RegistryKey handle) {
  if (IsRoot(handle)) {
    return OpenedKey{static_cast<std::size_t>(handle - kFirstRoot), {}, kKeyRead | kKeyWrite};
  }
  const auto& opened = TheRegistry().opened;
  const auto found = opened.find(handle);
  if (found == opened.end()) return std::nullopt;
  return found->second;
}

Key* Resolve(const OpenedKey& where) {
  return Walk(TheRegistry().roots[where.root], where.path, false);
}

Key* ResolveForSetUp(RegistryKey root, const Path& path, bool create) {
  const auto where = Locate(root);
  if (!where) return nullptr;
  Path full = where->path;
  full.insert(full.end(), path.begin(), path.end());
  return Walk(TheRegistry().roots[where->root], full, create);
}

Key* ResolveForSetUp(RegistryKey root, const std::string& subkey, bool create) {
  const auto path = SplitSubkey(subkey);
  return path ? ResolveForSetUp(root, *path, create) : nullptr;
}

// Finds the key behind a handle that must have been opened with the given access.
RegistryStatus Reach(RegistryKey handle, std::uint32_t access, Key*& key) {
  const auto where = Locate(handle);
  if (!where) return kErrorInvalidHandle;
  if ((where->access & access) != access) return kErrorAccessDenied;
  key = Resolve(*where);
  return key ? kErrorSuccess : kErrorKeyDeleted;
}

}  // namespace

RegistryStatus OpenRegistryKey(RegistryKey root, const std::string& subkey, std::uint32_t access,
                               RegistryKey& key) {
  const auto where = Locate(root);
  if (!where) return kErrorInvalidHandle;
  const auto path = SplitSubkey(subkey);
  if (!path) return kErrorBadPathname;
  OpenedKey opened{where->root, where->path, access};
  opened.path.insert(opened.path.end(), path->begin(), path->end());
  if (!Resolve(opened)) return kErrorFileNotFound;

  Registry& registry = TheRegistry();
  key = registry.next_handle++;
  registry.opened.emplace(key, std::move(opened));
  return kErrorSuccess;
}

RegistryStatus QueryRegistryValue(RegistryKey key, const std::string& name, std::uint32_t& type,
                                  std::uint8_t* data, std::uint32_t& size) {
  Key* found = nullptr;
  if (const RegistryStatus status = Reach(key, kKeyQueryValue, found); status != kErrorSuccess) {
    return status;
  }
  const auto value = found->values.find(name);
  if (value == found->values.end()) return kErrorFileNotFound;

  const StoredValue& stored = value->second;
  const auto stored_size = static_cast<std::uint32_t>(stored.data.size());
  const bool fits = stored_size <= size;
  type = stored.type;
  size = stored_size;
  if (data && !fits) return kErrorMoreData;
  if (data) std::copy(stored.data.begin(), stored.data.end(), data);
  return kErrorSuccess;
}

RegistryStatus SetRegistryValue(RegistryKey key, const std::string& name, std::uint32_t type,
                                const std::uint8_t* data, std::uint32_t size) {
  Key* found = nullptr;
  if (const RegistryStatus status = Reach(key, kKeySetValue, found); status != kErrorSuccess) {
    return status;
  }
  found->values[name] = StoredValue{type, std::vector<std::uint8_t>(data, data + size)};
  return kErrorSuccess;
}

RegistryStatus CloseRegistryKey(RegistryKey key) {
  if (IsRoot(key)) return kErrorSuccess;
  return TheRegistry().opened.erase(key) == 1 ? kErrorSuccess : kErrorInvalidHandle;
}

}  // namespace platform

namespace test_registry {

using platform::Key;
using platform::Path;
using platform::ResolveForSetUp;
using platform::SplitSubkey;

void CreateKey(RegistryKey root, const std::string& subkey) { ResolveForSetUp(root, subkey, true); }

bool KeyExists(RegistryKey root, const std::string& subkey) {
  return ResolveForSetUp(root, subkey, false) != nullptr;
}

void DeleteKey(RegistryKey root, const std::string& subkey) {
  const auto path = SplitSubkey(subkey);
  if (!path || path->empty()) return;
  const Path parent_path(path->begin(), path->end() - 1);
  if (Key* parent = ResolveForSetUp(root, parent_path, false)) parent->subkeys.erase(path->back());
}

void SetValue(RegistryKey root, const std::string& subkey, const std::string& name,
              const StoredValue& value) {
  if (Key* key = ResolveForSetUp(root, subkey, false)) key->values[name] = value;
}

std::optional<StoredValue> FindValue(RegistryKey root, const std::string& subkey,
                                     const std::string& name) {
  Key* key = ResolveForSetUp(root, subkey, false);
  if (!key) return std::nullopt;
  const auto value = key->values.find(name);
  if (value == key->values.end()) return std::nullopt;
  return value->second;
}

void DeleteValue(RegistryKey root, const std::string& subkey, const std::string& name) {
  if (Key* key = ResolveForSetUp(root, subkey, false)) key->values.erase(name);
}

int OpenKeyCount() { return static_cast<int>(platform::TheRegistry().opened.size()); }

}  // namespace test_registry
