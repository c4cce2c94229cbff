#include "app/information.h"

#include <string>

#include "app/credits.h"
#include "app/messages.h"
#include "platform/message_box.h"

namespace gemlink {
namespace {

std::string AboutText() {
  return std::string("Coding By ") + kAuthorName + "\r\nMobile: " + kAuthorMobile +
         "\r\nWebSite: " + kWebSite + "\r\n" + kNotice;
}

}  // namespace

void ShowVersions() {
  platform::ShowMessage(kVersionsText, platform::kMessageInformation, kVersionsTitle);
}

void ShowAbout() { platform::ShowMessage(AboutText(), platform::kMessageInformation, kAboutTitle); }

void ShowWebSiteNotOpened() {
  platform::ShowMessage(std::string(kWebSiteNotOpened) + "\r\n\r\n" + kWebSite,
                        platform::kMessageInformation);
}

}  // namespace gemlink
