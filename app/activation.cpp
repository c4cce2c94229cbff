#include "app/activation.h"

#include <limits>
#include <optional>
#include <string>

#include "app/messages.h"
#include "platform/message_box.h"
#include "platform/process.h"
#include "registry/registry_dword.h"

namespace gemlink {
namespace {

// A stored setting as a 16-bit integer: no value counts as 0; a number out of
// range or the text "Error" cannot be converted.
std::optional<std::int16_t> ToSmallInteger(const General::ValueResult& result) {
  if (result.IsNothing()) return 0;
  if (result.IsError()) return std::nullopt;
  const std::int32_t number = result.number();
  if (number < std::numeric_limits<std::int16_t>::min() ||
      number > std::numeric_limits<std::int16_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int16_t>(number);
}

}  // namespace

void ActivationController::Load() {
  if (platform::AnotherInstanceRunning()) {
    platform::ShowOtherInstance();
    platform::EndProgram();
  }

  // A setting that cannot be read or held is passed over without a word.
  std::string path = PLURAL_KEY_PATH;
  if (const auto stored = ToSmallInteger(General::ReadDwordValue(path, kPluralValueName))) {
    AssignPendingValue(*stored);
  }
  if (view_.Option1Selected()) AssignPendingValue(1);
}

void ActivationController::Option1Click() { AssignPendingValue(1); }

void ActivationController::Option2Click() { AssignPendingValue(0); }

void ActivationController::M_ActivateClick() {
  view_.SelectOption1();
  Option1Click();
  ApplySelection();
}

void ActivationController::M_DeActivateClick() {
  view_.SelectOption2();
  Option2Click();
  ApplySelection();
}

void ActivationController::M_ExitClick() { platform::EndProgram(); }

void ActivationController::Unload() { platform::EndProgram(); }

void ActivationController::ApplySelection() {
  std::string path = PLURAL_KEY_PATH;
  const std::int32_t value = view_.Check1Value();
  if (General::WriteDwordValue(path, kPluralValueName, value).IsError()) {
    platform::ShowMessage(kSettingNotSaved, platform::kMessageCritical);
    return;
  }
  if (view_.Option1Selected()) {
    platform::ShowMessage(kWasActive, platform::kMessageInformation, kConfirmationTitle);
  } else if (view_.Option2Selected()) {
    platform::ShowMessage(kWasInactive, platform::kMessageInformation, kConfirmationTitle);
  }
}

void ActivationController::AssignPendingValue(std::int32_t value) {
  if (value >= 0 && value <= 2) view_.SetCheck1Value(static_cast<std::int16_t>(value));
}

}  // namespace gemlink
