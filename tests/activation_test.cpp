#include "app/activation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/fake_process.h"
#include "tests/support/message_recorder.h"
#include "tests/support/messenger.h"
#include "tests/support/registry_fixture.h"
#include "tests/support/registry_test.h"

namespace {

using test_registry::kCurrentUser;
using test_support::kMessengerKey;
using test_support::kPagerKey;
using test_support::kPluralKey;
using test_support::ProgramEnded;
using test_support::ShownMessage;
using test_support::ShownMessages;

const ShownMessage kWasActive{test_support::kWasActiveText, 64, "Gemlink"};
const ShownMessage kWasInactive{test_support::kWasInactiveText, 64, "Gemlink"};
const ShownMessage kNotSaved{test_support::kNotSavedText, 16, "Gemlink"};

// The window as the activation logic sees it, in its design state.
class FakeWindow : public gemlink::SelectionView {
 public:
  bool Option1Selected() const override { return option1; }
  bool Option2Selected() const override { return option2; }
  void SelectOption1() override { option1 = true, option2 = false; }
  void SelectOption2() override { option1 = false, option2 = true; }
  std::int16_t Check1Value() const override { return check1; }
  void SetCheck1Value(std::int16_t value) override { check1 = value; }

  bool option1 = true;
  bool option2 = false;
  std::int16_t check1 = 0;
};

class Activation : public test_support::RegistryTest {
 protected:
  Activation() : RegistryTest(kMessengerKey) {}

  void SetUp() override {
    RegistryTest::SetUp();
    test_support::SetAnotherInstanceRunning(false);
    test_registry::CreateKey(kCurrentUser, kPluralKey);
  }

  static void StorePlural(const test_registry::StoredValue& value) {
    test_registry::SetValue(kCurrentUser, kPluralKey, "Plural", value);
  }
  static std::optional<test_registry::StoredValue> StoredPlural() {
    return test_registry::FindValue(kCurrentUser, kPluralKey, "Plural");
  }

  FakeWindow window;
  gemlink::ActivationController controller{window};
};

TEST_F(Activation, StartUpAlwaysEndsOnActivateWhateverIsStored) {
  const std::vector<std::optional<test_registry::StoredValue>> stored = {
      test_registry::Dword(0),
      test_registry::Dword(5),
      test_registry::Dword(70000),
      test_registry::Dword(0xFFFFFFFF),
      test_registry::Text("a long text value"),
      std::nullopt};
  for (const auto& value : stored) {
    test_registry::DeleteValue(kCurrentUser, kPluralKey, "Plural");
    if (value) StorePlural(*value);
    FakeWindow fresh;
    gemlink::ActivationController(fresh).Load();

    EXPECT_TRUE(fresh.option1 && !fresh.option2);
    EXPECT_EQ(fresh.check1, 1);
    EXPECT_EQ(StoredPlural(), value) << "start-up writes nothing";
  }
  EXPECT_TRUE(ShownMessages().empty());
}

// With "DeActivate" selected the stored setting shows through, so the rules
// for taking it over can be seen: only 0, 1 and 2 are held, anything that does
// not fit in 16 bits is refused rather than cut down.
TEST_F(Activation, StartUpTakesOverOnlyAStoredValueTheCheckBoxCanHold) {
  const std::vector<std::pair<test_registry::StoredValue, std::int16_t>> cases = {
      {test_registry::Dword(0), 0},     {test_registry::Dword(2), 2},
      {test_registry::Dword(5), 1},     {test_registry::Dword(65536), 1},
      {test_registry::Dword(65538), 1}, {test_registry::Dword(0xFFFFFFFF), 1},
      {test_registry::Text("0"), 1},    {{test_registry::kRegBinary, {2}}, 2}};
  for (const auto& [value, expected] : cases) {
    StorePlural(value);
    window.check1 = 1;
    window.SelectOption2();
    controller.Load();
    EXPECT_EQ(window.check1, expected)
        << "stored type " << value.type << ", " << value.data.size() << " bytes";
  }
  EXPECT_TRUE(ShownMessages().empty());
}

// With "DeActivate" selected, start-up would take the stored 2 over: it must
// end before reading it.
TEST_F(Activation, ASecondCopyEndsBeforeDoingAnything) {
  StorePlural(test_registry::Dword(2));
  window.SelectOption2();
  test_support::SetAnotherInstanceRunning(true);
  EXPECT_THROW(controller.Load(), ProgramEnded);
  EXPECT_EQ(window.check1, 0) << "nothing after the instance check ran";
  EXPECT_TRUE(ShownMessages().empty());
}

TEST_F(Activation, OptionButtonsOnlyChangeThePendingValue) {
  StorePlural(test_registry::Dword(7));
  controller.Load();
  window.SelectOption2();
  controller.Option2Click();
  EXPECT_EQ(window.check1, 0);
  window.SelectOption1();
  controller.Option1Click();
  controller.Option1Click();
  EXPECT_EQ(window.check1, 1);
  EXPECT_EQ(StoredPlural(), test_registry::Dword(7));
  EXPECT_TRUE(ShownMessages().empty());
}

TEST_F(Activation, OkWritesTheSelectionAndConfirmsIt) {
  StorePlural(test_registry::Text("not a number"));
  controller.Load();
  controller.ApplySelection();
  EXPECT_EQ(StoredPlural(), test_registry::Dword(1));

  window.SelectOption2();
  controller.Option2Click();
  controller.ApplySelection();
  EXPECT_EQ(StoredPlural(), test_registry::Dword(0));

  EXPECT_EQ(ShownMessages(), (std::vector<ShownMessage>{kWasActive, kWasInactive}));
}

TEST_F(Activation, FileMenuItemsSelectWriteAndConfirmAtOnce) {
  controller.Load();
  controller.M_DeActivateClick();
  EXPECT_TRUE(!window.option1 && window.option2);
  EXPECT_EQ(window.check1, 0);
  EXPECT_EQ(StoredPlural(), test_registry::Dword(0));

  controller.M_ActivateClick();
  EXPECT_TRUE(window.option1 && !window.option2);
  EXPECT_EQ(window.check1, 1);
  EXPECT_EQ(StoredPlural(), test_registry::Dword(1));

  EXPECT_EQ(ShownMessages(), (std::vector<ShownMessage>{kWasInactive, kWasActive}));
}

TEST_F(Activation, WithNeitherOptionSelectedOkWritesButConfirmsNothing) {
  window.option1 = false;
  window.check1 = 2;
  controller.ApplySelection();
  EXPECT_EQ(StoredPlural(), test_registry::Dword(2));
  EXPECT_TRUE(ShownMessages().empty());
}

TEST_F(Activation, WithoutTheMessengersKeyNothingIsCreatedAndTheUserIsTold) {
  test_registry::DeleteKey(kCurrentUser, kPluralKey);
  controller.Load();
  controller.ApplySelection();
  controller.M_DeActivateClick();
  EXPECT_FALSE(test_registry::KeyExists(kCurrentUser, kPluralKey));

  test_registry::DeleteKey(kCurrentUser, kPagerKey);
  controller.M_ActivateClick();
  EXPECT_FALSE(test_registry::KeyExists(kCurrentUser, kPagerKey));

  EXPECT_EQ(ShownMessages(), (std::vector<ShownMessage>{kNotSaved, kNotSaved, kNotSaved}));
}

TEST_F(Activation, ExitAndClosingEndTheProgramWithoutWriting) {
  StorePlural(test_registry::Dword(0));
  controller.Load();
  EXPECT_THROW(controller.M_ExitClick(), ProgramEnded);
  EXPECT_THROW(controller.Unload(), ProgramEnded);
  EXPECT_EQ(StoredPlural(), test_registry::Dword(0));
  EXPECT_TRUE(ShownMessages().empty());
}

}  // namespace
