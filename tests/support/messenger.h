// What the end-to-end and activation tests know of the messenger's registry
// keys and of the texts Gemlink shows, word for word (mind the trailing
// blanks): written out here apart from the program's own copy
// (app/messages.h), so that a change there shows. The registry module's tests
// spell out key paths of their own, as the input they parse.
#pragma once

namespace test_support {

// Under HKEY_CURRENT_USER: the top key the messenger's installer creates,
// and the key that holds "Plural".
inline constexpr char kMessengerKey[] = "Software\\yahoo";
inline constexpr char kPagerKey[] = "Software\\yahoo\\pager";
inline constexpr char kPluralKey[] = "Software\\yahoo\\pager\\Test";

inline constexpr char kWasActiveText[] = "Was active  ";
inline constexpr char kWasInactiveText[] = "Was inactive  ";
inline constexpr char kNotSavedText[] =
    "The setting could not be saved. Check that Yahoo! Messenger is installed for this Windows "
    "user.";

}  // namespace test_support
