// The Help and About commands that only tell: which messenger versions the
// setting applies to, and who made Gemlink.
#pragma once

namespace gemlink {

void ShowVersions();
void ShowAbout();
// Says that the web site could not be opened, and gives its address.
void ShowWebSiteNotOpened();

}  // namespace gemlink
