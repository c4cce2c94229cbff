#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

#include <string>

#include "registry/registry_dword.h"
#include "tests/support/message_recorder.h"
#include "tests/support/registry_fixture.h"
#include "tests/support/registry_test.h"

namespace General {
void PrintTo(const ValueResult& result, std::ostream* out) {
  if (result.IsNothing()) *out << "nothing";
  if (result.IsError()) *out << "\"Error\"";
  if (result.IsNumber()) *out << result.number();
}
}  // namespace General

namespace {

using General::ValueResult;
using test_registry::kCurrentUser;
using test_support::ShownMessage;
using test_support::ShownMessages;

constexpr char kScratch[] = "Software\\Gemlink tests";
constexpr char kScratchPath[] = "HKEY_CURRENT_USER\\Software\\Gemlink tests";

std::string FormatMessage(const std::string& path) { return "Incorrect Format:\n\n" + path; }

TEST(RootKeyFromName, KnowsTheSevenRootsByTheirExactNames) {
  EXPECT_EQ(General::RootKeyFromName("HKEY_CLASSES_ROOT"), 0x80000000u);
  EXPECT_EQ(General::RootKeyFromName("HKEY_CURRENT_USER"), 0x80000001u);
  EXPECT_EQ(General::RootKeyFromName("HKEY_LOCAL_MACHINE"), 0x80000002u);
  EXPECT_EQ(General::RootKeyFromName("HKEY_USERS"), 0x80000003u);
  EXPECT_EQ(General::RootKeyFromName("HKEY_PERFORMANCE_DATA"), 0x80000004u);
  EXPECT_EQ(General::RootKeyFromName("HKEY_CURRENT_CONFIG"), 0x80000005u);
  EXPECT_EQ(General::RootKeyFromName("HKEY_DYN_DATA"), 0x80000006u);

  for (const char* other : {"hkey_current_user", "HKEY_Current_User", "HKEY_CURRENT_USER ", "HKCU",
                            "HKEY_", "", "HKEY_CURRENT_USERS"}) {
    EXPECT_EQ(General::RootKeyFromName(other), 0u) << other;
  }
}

#ifdef _WIN32
// The roots reach the registry calls as the system's headers define them.
TEST(PredefinedKey, IsTheHandleWindowsDefines) {
  EXPECT_EQ(platform::PredefinedKey(0x80000000),
            reinterpret_cast<platform::RegistryKey>(HKEY_CLASSES_ROOT));
  EXPECT_EQ(platform::PredefinedKey(0x80000001),
            reinterpret_cast<platform::RegistryKey>(HKEY_CURRENT_USER));
  EXPECT_EQ(platform::PredefinedKey(0x80000006),
            reinterpret_cast<platform::RegistryKey>(HKEY_DYN_DATA));
}
#endif

struct Split {
  std::string path;
  General::RootKey root;
  std::string subkey;
};

class SplitKeyPath : public ::testing::Test {
 protected:
  void SetUp() override { ShownMessages().clear(); }

  static Split Run(const std::string& path) {
    Split split{path, 0x12345678, {}};
    General::SplitKeyPath(split.path, split.root);
    return split;
  }
};

TEST_F(SplitKeyPath, SplitsAtTheFirstBackslashOnly) {
  const Split full = Run("HKEY_CURRENT_USER\\Software\\yahoo\\pager\\Test");
  EXPECT_EQ(full.root, 0x80000001u);
  EXPECT_EQ(full.path, "Software\\yahoo\\pager\\Test");

  const Split bare = Run("HKEY_LOCAL_MACHINE");
  EXPECT_EQ(bare.root, 0x80000002u);
  EXPECT_EQ(bare.path, "");

  const Split doubled = Run("HKEY_USERS\\\\a");
  EXPECT_EQ(doubled.root, 0x80000003u);
  EXPECT_EQ(doubled.path, "\\a");

  EXPECT_TRUE(ShownMessages().empty());
}

TEST_F(SplitKeyPath, AnUnknownRootIsNoneWithoutAWord) {
  const Split unknown = Run("HKEY_NOWHERE\\Software\\x");
  EXPECT_EQ(unknown.root, 0u);
  EXPECT_EQ(unknown.path, "Software\\x");

  const Split prefix_only = Run("HKEY_");
  EXPECT_EQ(prefix_only.root, 0u);
  EXPECT_EQ(prefix_only.path, "");

  EXPECT_TRUE(ShownMessages().empty());
}

TEST_F(SplitKeyPath, AMalformedPathIsShownAndLeftAlone) {
  for (const std::string path :
       {"HKEY_CURRENT_USER\\", "Software\\yahoo", "hkey_current_user\\software\\yahoo\\pager\\test",
        "", "HKEY", " HKEY_CURRENT_USER\\Software", "HKEY_CURRENT_USER\\Software\\"}) {
    ShownMessages().clear();
    const Split split = Run(path);
    EXPECT_EQ(split.root, 0u) << path;
    EXPECT_EQ(split.path, path);
    EXPECT_EQ(ShownMessages(), (std::vector<ShownMessage>{{FormatMessage(path), 0, "Gemlink"}}))
        << path;
  }
}

class ReadAndWrite : public test_support::RegistryTest {
 protected:
  ReadAndWrite() : RegistryTest(kScratch) {}

  static ValueResult Read(const std::string& name, std::string path = kScratchPath) {
    return General::ReadDwordValue(path, name);
  }
  static ValueResult Write(const std::string& name, std::int32_t value,
                           std::string path = kScratchPath) {
    return General::WriteDwordValue(path, name, value);
  }
  static void Store(const std::string& name, const test_registry::StoredValue& value) {
    test_registry::SetValue(kCurrentUser, kScratch, name, value);
  }
  static std::optional<test_registry::StoredValue> Stored(const std::string& name) {
    return test_registry::FindValue(kCurrentUser, kScratch, name);
  }
};

TEST_F(ReadAndWrite, ReadsADwordAsASigned32BitNumber) {
  Store("one", test_registry::Dword(1));
  Store("all ones", test_registry::Dword(0xFFFFFFFF));
  Store("high", test_registry::Dword(0x80000000));
  Store("bytes", test_registry::Dword(0x12345678));

  EXPECT_EQ(Read("one"), ValueResult::Number(1));
  EXPECT_EQ(Read("all ones"), ValueResult::Number(-1));
  EXPECT_EQ(Read("high"), ValueResult::Number(-2147483647 - 1));
  EXPECT_EQ(Read("bytes"), ValueResult::Number(0x12345678));
  EXPECT_EQ(Read("ONE"), ValueResult::Number(1)) << "value names ignore letter case";
}

TEST_F(ReadAndWrite, ReadsShortDataZeroExtendedWhateverWasReadBefore) {
  Store("all ones", test_registry::Dword(0xFFFFFFFF));
  Store("two bytes", {test_registry::kRegDword, {0x34, 0x12}});
  Store("one byte", {test_registry::kRegBinary, {0x05}});
  Store("short text", test_registry::Text("ab"));
  Store("empty", {test_registry::kRegBinary, {}});

  for (const auto& [name, expected] : {std::pair<const char*, std::int32_t>{"two bytes", 0x1234},
                                       {"one byte", 5},
                                       {"short text", 0x6261},
                                       {"empty", 0}}) {
    ASSERT_EQ(Read("all ones"), ValueResult::Number(-1));
    EXPECT_EQ(Read(name), ValueResult::Number(expected)) << name;
  }
}

TEST_F(ReadAndWrite, ReadFailsForLongOrMissingValuesAndMissingKeys) {
  Store("text", test_registry::Text("hello"));
  Store("qword", {test_registry::kRegQword, {1, 0, 0, 0, 0, 0, 0, 0}});
  Store("five bytes", {test_registry::kRegBinary, {1, 2, 3, 4, 5}});

  EXPECT_EQ(Read("text"), ValueResult::Error());
  EXPECT_EQ(Read("qword"), ValueResult::Error());
  EXPECT_EQ(Read("five bytes"), ValueResult::Error());
  EXPECT_EQ(Read("missing"), ValueResult::Error());
  EXPECT_EQ(Read("missing", std::string(kScratchPath) + "\\No such key"), ValueResult::Error());
}

TEST_F(ReadAndWrite, AnUnknownOrMalformedRootReachesNothing) {
  Store("one", test_registry::Dword(1));
  EXPECT_EQ(Read("one", "HKEY_NOWHERE\\Software\\Gemlink tests"), ValueResult::Nothing());
  EXPECT_EQ(Write("one", 7, "HKEY_NOWHERE\\Software\\Gemlink tests"), ValueResult::Nothing());
  EXPECT_TRUE(ShownMessages().empty());

  EXPECT_EQ(Read("one", "hkey_current_user\\Software\\Gemlink tests"), ValueResult::Nothing());
  EXPECT_EQ(Write("one", 7, std::string(kScratchPath) + "\\"), ValueResult::Nothing());
  EXPECT_EQ(ShownMessages().size(), 2u);
  EXPECT_EQ(Stored("one"), test_registry::Dword(1));
}

TEST_F(ReadAndWrite, LeavesTheSubkeyInThePathItWasGiven) {
  std::string path = std::string(kScratchPath) + "\\Nested\\Deeper";
  test_registry::CreateKey(kCurrentUser, std::string(kScratch) + "\\Nested\\Deeper");
  EXPECT_EQ(General::WriteDwordValue(path, "v", 3), ValueResult::Nothing());
  EXPECT_EQ(path, "Software\\Gemlink tests\\Nested\\Deeper");

  path = std::string(kScratchPath) + "\\Nested\\Deeper";
  EXPECT_EQ(General::ReadDwordValue(path, "v"), ValueResult::Number(3));
  EXPECT_EQ(path, "Software\\Gemlink tests\\Nested\\Deeper");
}

// Four different bytes, so each one must land in its own place.
TEST_F(ReadAndWrite, WritesALittleEndianDwordOverAnyEarlierValue) {
  Store("text", test_registry::Text("a longer text value"));

  EXPECT_EQ(Write("text", 1), ValueResult::Nothing());
  EXPECT_EQ(Write("new", 0x12345678), ValueResult::Nothing());
  EXPECT_EQ(Write("negative", -0x12345679), ValueResult::Nothing());
  EXPECT_EQ(Write("zero", 0), ValueResult::Nothing());

  EXPECT_EQ(Stored("text"), test_registry::Dword(1));
  EXPECT_EQ(Stored("new"),
            (test_registry::StoredValue{test_registry::kRegDword, {0x78, 0x56, 0x34, 0x12}}));
  EXPECT_EQ(Stored("negative"),
            (test_registry::StoredValue{test_registry::kRegDword, {0x87, 0xA9, 0xCB, 0xED}}));
  EXPECT_EQ(Stored("zero"), test_registry::Dword(0));
  EXPECT_EQ(Read("new"), ValueResult::Number(0x12345678));
  EXPECT_EQ(Read("negative"), ValueResult::Number(-0x12345679));
}

TEST_F(ReadAndWrite, WritingToAMissingKeyFailsAndCreatesNothing) {
  const std::string missing = std::string(kScratch) + "\\Missing";
  EXPECT_EQ(Write("v", 1, std::string(kScratchPath) + "\\Missing\\Deeper"), ValueResult::Error());
  EXPECT_FALSE(test_registry::KeyExists(kCurrentUser, missing));
  EXPECT_TRUE(ShownMessages().empty());
}

TEST_F(ReadAndWrite, ABareRootNameReachesTheRootKeyItself) {
  const std::string name = "Gemlink test value";
  EXPECT_EQ(Write(name, 42, "HKEY_CURRENT_USER"), ValueResult::Nothing());
  EXPECT_EQ(test_registry::FindValue(kCurrentUser, "", name), test_registry::Dword(42));
  EXPECT_EQ(Read(name, "HKEY_CURRENT_USER"), ValueResult::Number(42));
  test_registry::DeleteValue(kCurrentUser, "", name);
}

}  // namespace
