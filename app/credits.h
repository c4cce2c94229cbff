// Who made Gemlink, as the About box and the web site command tell it, and
// the copyright Explorer shows in the program's Properties. The values are
// fictional: a telephone number from the range kept for fiction and a web
// site on the domain reserved for examples.
#pragma once

// Also read by the resource compiler, which knows nothing of C++.
#define GEMLINK_COPYRIGHT "Copyright (C) 2025-2026 Gemlink"

#ifndef RC_INVOKED
namespace gemlink {

inline constexpr char kAuthorName[] = "Robin Example";
inline constexpr char kAuthorMobile[] = "555-0147";
inline constexpr char kWebSite[] = "http://www.example.com";
inline constexpr char kNotice[] = GEMLINK_COPYRIGHT " ";

}  // namespace gemlink
#endif
