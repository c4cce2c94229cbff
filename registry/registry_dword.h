// The registry module: reads and writes 4-byte values addressed by a full
// textual key path such as "HKEY_CURRENT_USER\Software\yahoo\pager\Test".
#pragma once

#include <cstdint>
#include <string>

namespace General {

// A predefined registry root (0x80000000..0x80000006), or 0 for none.
using RootKey = std::uint32_t;

// What a value operation gives back: nothing, a number, or the text "Error".
class ValueResult {
 public:
  static ValueResult Nothing() { return ValueResult(Kind::kNothing, 0); }
  static ValueResult Number(std::int32_t number) { return ValueResult(Kind::kNumber, number); }
  static ValueResult Error() { return ValueResult(Kind::kError, 0); }

  bool IsNothing() const { return kind_ == Kind::kNothing; }
  bool IsNumber() const { return kind_ == Kind::kNumber; }
  bool IsError() const { return kind_ == Kind::kError; }
  // Meaningful only when IsNumber().
  std::int32_t number() const { return number_; }

  bool operator==(const ValueResult&) const = default;

 private:
  enum class Kind { kNothing, kNumber, kError };
  ValueResult(Kind kind, std::int32_t number) : kind_(kind), number_(number) {}

  Kind kind_;
  std::int32_t number_;
};

// The handle of a root named exactly (case included) as Windows names it, or 0.
RootKey RootKeyFromName(const std::string& name);

// Splits "ROOT\sub\key" into the root's handle and "sub\key", left in path.
// A path that does not start with "HKEY_" or ends in a backslash is shown to
// the user as malformed; root is then 0 and path unchanged.
void SplitKeyPath(std::string& path, RootKey& root);

// Both operations leave the subkey in path, as SplitKeyPath does: pass a copy.
// Read: nothing for an unknown root, "Error" when the key or value cannot be
// read or the data is longer than 4 bytes, else the data as a little-endian
// number (shorter data zero-extended).
ValueResult ReadDwordValue(std::string& path, const std::string& name);
// Write: stores a REG_DWORD into an existing key, never creating one. Nothing
// on success or for an unknown root, "Error" when nothing could be written.
ValueResult WriteDwordValue(std::string& path, const std::string& name, std::int32_t value);

}  // namespace General
