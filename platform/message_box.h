// Every message Gemlink shows goes through ShowMessage: a modal message box.
#pragma once

#include <optional>
#include <string>

namespace platform {

// Styles, with the meaning of the Windows message box flags.
inline constexpr int kMessageOkOnly = 0;        // MB_OK
inline constexpr int kMessageCritical = 16;     // MB_ICONHAND
inline constexpr int kMessageInformation = 64;  // MB_ICONINFORMATION

inline constexpr char kApplicationTitle[] = "Gemlink";

// A box always says whose it is: without a title, or with an empty one, it
// carries the application title.
inline std::string MessageCaption(const std::optional<std::string>& title) {
  return title && !title->empty() ? *title : kApplicationTitle;
}

// Shows the prompt and waits until the user dismisses the box; returns the
// button that did.
int ShowMessage(const std::string& prompt, int style,
                const std::optional<std::string>& title = std::nullopt);

}  // namespace platform
