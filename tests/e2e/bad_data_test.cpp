// Whatever the registry holds under "Plural", the real Gemlink.exe starts
// silently on "Activate", and OK then writes 1 and confirms.
#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "tests/e2e/gemlink_process.h"
#include "tests/support/messenger.h"
#include "tests/support/registry_fixture.h"

namespace {

using test_registry::kCurrentUser;
using test_registry::StoredValue;
using test_support::kMessengerKey;
using test_support::kPagerKey;
using test_support::kPluralKey;

struct Stored {
  const char* name;
  std::optional<StoredValue> value;
};

void PrintTo(const Stored& stored, std::ostream* out) { *out << stored.name; }

std::vector<Stored> BadData() {
  std::vector<Stored> all = {
      {"dword_0", test_registry::Dword(0)},
      {"dword_1", test_registry::Dword(1)},
      {"dword_2", test_registry::Dword(2)},
      {"dword_5", test_registry::Dword(5)},
      {"dword_70000", test_registry::Dword(70000)},
      {"dword_all_ones", test_registry::Dword(0xFFFFFFFF)},
      {"text_shorter_than_4_bytes", test_registry::Text("1")},
      {"text_longer_than_4_bytes", test_registry::Text("activate")},
      {"qword", StoredValue{test_registry::kRegQword, {1, 0, 0, 0, 0, 0, 0, 0}}},
      {"multi_text", StoredValue{test_registry::kRegMultiSz, {'1', 0, '0', 0, 0}}},
      {"dword_big_endian", StoredValue{test_registry::kRegDwordBigEndian, {0, 0, 0, 1}}},
      {"no_value", std::nullopt},
  };
  static const char* const kBinaryNames[] = {"binary_0_bytes", "binary_1_byte",  "binary_2_bytes",
                                             "binary_3_bytes", "binary_4_bytes", "binary_5_bytes",
                                             "binary_6_bytes", "binary_7_bytes", "binary_8_bytes"};
  for (std::uint8_t size = 0; size <= 8; ++size) {
    all.push_back({kBinaryNames[size],
                   StoredValue{test_registry::kRegBinary, std::vector<std::uint8_t>(size, 2)}});
  }
  return all;
}

class StartUpWithStoredData : public ::testing::TestWithParam<Stored> {
 protected:
  void SetUp() override {
    test_registry::DeleteKey(kCurrentUser, kMessengerKey);
    test_registry::CreateKey(kCurrentUser, kPluralKey);
  }
  void TearDown() override { test_registry::DeleteKey(kCurrentUser, kMessengerKey); }
};

TEST_P(StartUpWithStoredData, IsSilentOnActivateAndOkWritesOne) {
  if (GetParam().value)
    test_registry::SetValue(kCurrentUser, kPluralKey, "Plural", *GetParam().value);

  e2e::GemlinkProcess gemlink;
  // A message at start-up would stand in front of the window: the window
  // comes up, and alone, only if start-up was silent.
  ASSERT_NE(gemlink.WaitForWindow(), nullptr);
  EXPECT_EQ(gemlink.VisibleWindows(), std::vector<HWND>{gemlink.window()});
  EXPECT_TRUE(gemlink.IsChecked(ID_Option1));
  EXPECT_FALSE(gemlink.IsChecked(ID_Option2));
  EXPECT_EQ(gemlink.CheckState(ID_Check1), 1);
  EXPECT_EQ(test_registry::FindValue(kCurrentUser, kPluralKey, "Plural"), GetParam().value)
      << "start-up writes nothing";

  gemlink.Click(ID_Command1);
  const auto box = gemlink.WaitForMessageBox();
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->text, test_support::kWasActiveText);
  EXPECT_TRUE(gemlink.Dismiss(*box));
  EXPECT_EQ(test_registry::FindValue(kCurrentUser, kPluralKey, "Plural"), test_registry::Dword(1));
}

INSTANTIATE_TEST_SUITE_P(Plural, StartUpWithStoredData, ::testing::ValuesIn(BadData()),
                         [](const auto& info) { return std::string(info.param.name); });

class StartUpWithoutTheKey : public ::testing::TestWithParam<const char*> {
 protected:
  void TearDown() override { test_registry::DeleteKey(kCurrentUser, kMessengerKey); }
};

TEST_P(StartUpWithoutTheKey, OkSaysTheSettingCouldNotBeSavedAndCreatesNothing) {
  test_registry::DeleteKey(kCurrentUser, kMessengerKey);
  test_registry::CreateKey(kCurrentUser, GetParam());

  e2e::GemlinkProcess gemlink;
  ASSERT_NE(gemlink.WaitForWindow(), nullptr);
  EXPECT_EQ(gemlink.VisibleWindows(), std::vector<HWND>{gemlink.window()});
  gemlink.Click(ID_Command1);
  const e2e::CoveringWindow cover;
  const auto box = gemlink.WaitForMessageBox();
  ASSERT_TRUE(box.has_value());
  ASSERT_TRUE(cover.WaitUntilOver(box->box));
  EXPECT_EQ(box->text, test_support::kNotSavedText);
  EXPECT_EQ(gemlink.IconOf(*box), e2e::MessageIcon::kError);
  EXPECT_TRUE(gemlink.Dismiss(*box));
  EXPECT_FALSE(test_registry::KeyExists(kCurrentUser, kPluralKey));
  EXPECT_EQ(test_registry::KeyExists(kCurrentUser, kPagerKey),
            std::string(GetParam()) == kPagerKey);
}

// Creating "Software" alone leaves the messenger's parent key missing too.
INSTANTIATE_TEST_SUITE_P(MissingKey, StartUpWithoutTheKey, ::testing::Values(kPagerKey, "Software"),
                         [](const auto& info) {
                           return std::string(info.param) == kPagerKey ? "key" : "key_and_parent";
                         });

}  // namespace
