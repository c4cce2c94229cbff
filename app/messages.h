// The texts Gemlink shows, word for word (mind the trailing blanks).
#pragma once

namespace gemlink {

inline constexpr char kWasActive[] = "Was active  ";
inline constexpr char kWasInactive[] = "Was inactive  ";
// An empty title: the box carries the application title.
inline constexpr char kConfirmationTitle[] = "";

inline constexpr char kSettingNotSaved[] =
    "The setting could not be saved. Check that Yahoo! Messenger is installed for this Windows "
    "user.";

// Followed by the address, so that the user can type it into a browser.
inline constexpr char kWebSiteNotOpened[] =
    "The web site could not be opened. To visit it, type this address into your web browser:";

inline constexpr char kVersionsText[] = "Yahoo! Messenger\r\nv5, v6, v7, v8, v9, v10, v11, v11.5 ";
inline constexpr char kVersionsTitle[] = "Versions";
inline constexpr char kAboutTitle[] = "About";

}  // namespace gemlink
