// The heart of Gemlink: the choice between allowing several simultaneous
// Yahoo! Messenger logins ("Activate") and forbidding them ("DeActivate"), and
// writing that choice into the registry. Driven by the main window's events;
// runs without a window against any SelectionView.
#pragma once

#include <cstdint>

namespace gemlink {

inline constexpr char PLURAL_KEY_PATH[] = "HKEY_CURRENT_USER\\Software\\yahoo\\pager\\Test";
inline constexpr char kPluralValueName[] = "Plural";

// What the activation logic sees of the window: the option buttons Option1
// ("Activate") and Option2 ("DeActivate"), one exclusive group, and the hidden
// check box Check1 that holds the pending value.
class SelectionView {
 public:
  virtual bool Option1Selected() const = 0;
  virtual bool Option2Selected() const = 0;
  // Selects one option button and deselects the other; fires no click.
  virtual void SelectOption1() = 0;
  virtual void SelectOption2() = 0;
  virtual std::int16_t Check1Value() const = 0;
  // Receives only the values a check box holds: 0, 1 or 2.
  virtual void SetCheck1Value(std::int16_t value) = 0;

 protected:
  ~SelectionView() = default;
};

class ActivationController {
 public:
  explicit ActivationController(SelectionView& view) : view_(view) {}

  // Before the window is first shown. Ends the program if another copy runs.
  void Load();
  void Option1Click();
  void Option2Click();
  // The OK button: writes the pending value, then confirms the selection or
  // says why it could not be saved.
  void ApplySelection();
  void M_ActivateClick();
  void M_DeActivateClick();
  [[noreturn]] void M_ExitClick();
  [[noreturn]] void Unload();

 private:
  // Check1 takes 0, 1 and 2; any other value is refused and changes nothing.
  void AssignPendingValue(std::int32_t value);

  SelectionView& view_;
};

}  // namespace gemlink
