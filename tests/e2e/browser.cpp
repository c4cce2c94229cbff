#include "tests/e2e/browser.h"

#include <gtest/gtest.h>

#include <fstream>

#include "tests/e2e/gemlink_process.h"

namespace e2e {
namespace {

constexpr test_registry::RegistryKey kClassesRoot = platform::PredefinedKey(0x80000000);
constexpr char kHttpKey[] = "http";
constexpr char kHttpCommandKey[] = "http\\shell\\open\\command";
// Where the handler waits while it is gone.
constexpr char kSavedHttpKey[] = "Software\\Gemlink tests saved http";
using test_registry::kCurrentUser;

HKEY ToHkey(test_registry::RegistryKey key) { return reinterpret_cast<HKEY>(key); }

// Copies a key with everything below it to a new place; false if it could not.
bool CopyKey(test_registry::RegistryKey from_root, const char* from,
             test_registry::RegistryKey to_root, const char* to) {
  test_registry::DeleteKey(to_root, to);
  HKEY target = nullptr;
  LSTATUS status = RegCreateKeyExA(ToHkey(to_root), to, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                   &target, nullptr);
  if (status == ERROR_SUCCESS) {
    status = RegCopyTreeA(ToHkey(from_root), from, target);
    RegCloseKey(target);
  }
  EXPECT_EQ(status, ERROR_SUCCESS) << "copying " << from << " to " << to;
  return status == ERROR_SUCCESS;
}

}  // namespace

RecordingBrowser::RecordingBrowser()
    : log_(ProgramFolder() + "visited-urls.txt"),
      saved_command_(test_registry::FindValue(kClassesRoot, kHttpCommandKey, "")) {
  DeleteFileA(log_.c_str());
  if (!saved_command_) {
    ADD_FAILURE() << "the prefix has no http handler to stand in for";
    return;
  }
  test_registry::SetValue(
      kClassesRoot, kHttpCommandKey, "",
      test_registry::Text('"' + ProgramFolder() + "url_recorder.exe\" \"" + log_ + "\" %1"));
}

RecordingBrowser::~RecordingBrowser() {
  if (saved_command_) test_registry::SetValue(kClassesRoot, kHttpCommandKey, "", *saved_command_);
}

std::vector<std::string> RecordingBrowser::WaitForStarts(DWORD timeout_ms) const {
  std::vector<std::string> starts;
  for (DWORD waited = 0; waited < timeout_ms && starts.empty(); waited += 50) {
    Sleep(50);
    std::ifstream recorded(log_);
    for (std::string line; std::getline(recorded, line);) starts.push_back(line);
  }
  return starts;
}

NoBrowser::NoBrowser() : saved_(CopyKey(kClassesRoot, kHttpKey, kCurrentUser, kSavedHttpKey)) {
  if (saved_) test_registry::DeleteKey(kClassesRoot, kHttpKey);
}

NoBrowser::~NoBrowser() {
  if (saved_ && CopyKey(kCurrentUser, kSavedHttpKey, kClassesRoot, kHttpKey)) {
    test_registry::DeleteKey(kCurrentUser, kSavedHttpKey);
  }
}

}  // namespace e2e
