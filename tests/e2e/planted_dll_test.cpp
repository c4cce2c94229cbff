// Gemlink.exe started from a folder full of DLLs named like Windows' own, as
// a Downloads folder can be: none of them may run inside it. Wine has
// SetDefaultDllDirectories, so this covers the limited search that Windows 8
// and later (and Vista and 7 with KB2533623) get; the fallback for XP, which
// loads the known names from the system folder first, does not run here.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "platform/hardening.h"
#include "resources/resource.h"
#include "tests/e2e/browser.h"
#include "tests/e2e/gemlink_process.h"
#include "tests/support/messenger.h"
#include "tests/support/registry_fixture.h"

namespace {

using test_registry::kCurrentUser;
using test_support::kMessengerKey;
using test_support::kPluralKey;

constexpr char kLogVariable[] = "GEMLINK_PLANTED_LOG";

std::string Lower(std::string text) {
  CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

// Every DLL name in the system folder but the three the loader always takes
// from there, and besides them the names Windows' own code in Gemlink's
// process loads later by name alone: none of these may load from its folder.
std::vector<std::string> NamesToPlant() {
  char system[MAX_PATH] = {};
  GetSystemDirectoryA(system, MAX_PATH);
  std::vector<std::string> names;
  for (const wchar_t* name : platform::kDllsLoadedByNameLater) {
    names.emplace_back(name, name + std::wcslen(name));  // plain ASCII
  }
  WIN32_FIND_DATAA found{};
  const HANDLE search = FindFirstFileA((std::string(system) + "\\*.dll").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::string name = Lower(found.cFileName);
    if (name != "ntdll.dll" && name != "kernel32.dll" && name != "kernelbase.dll") {
      names.push_back(name);
    }
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}

void RemoveFolder(const std::string& folder) {
  WIN32_FIND_DATAA found{};
  const HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      DeleteFileA((folder + found.cFileName).c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(folder.c_str());
}

// The lines of the log that the stand-in wrote from this process.
std::vector<std::string> LoadsIn(const std::string& log, DWORD process_id) {
  std::vector<std::string> loads;
  std::ifstream lines(log);
  for (std::string line; std::getline(lines, line);) {
    if (std::strtoul(line.c_str(), nullptr, 10) == process_id) loads.push_back(line);
  }
  return loads;
}

// A fresh folder beside the tests' own, by its full path.
std::string FreshFolder(const char* name) {
  char path[MAX_PATH] = {};
  GetFullPathNameA((e2e::ProgramFolder() + "..\\" + name + "\\").c_str(), MAX_PATH, path, nullptr);
  RemoveFolder(path);
  return CreateDirectoryA(path, nullptr) ? path : "";
}

TEST(PlantedDlls, NoneRunsInsideGemlinkStartedBesideThem) {
  const std::string folder = FreshFolder("planted");
  ASSERT_FALSE(folder.empty());
  const std::string log = folder + "loads.txt";
  ASSERT_TRUE(CopyFileA((e2e::ProgramFolder() + "Gemlink.exe").c_str(),
                        (folder + "Gemlink.exe").c_str(), FALSE));
  // Copies, not links: Wine takes two names of one file for one module.
  const std::string stand_in = e2e::ProgramFolder() + "planted.dll";
  for (const std::string& name : NamesToPlant()) {
    ASSERT_TRUE(CopyFileA(stand_in.c_str(), (folder + name).c_str(), FALSE)) << name;
  }
  SetEnvironmentVariableA(kLogVariable, log.c_str());

  // The stand-in tells when it runs: here, loaded on purpose.
  const HMODULE probe = LoadLibraryA(stand_in.c_str());
  ASSERT_NE(probe, nullptr);
  FreeLibrary(probe);
  ASSERT_EQ(LoadsIn(log, GetCurrentProcessId()).size(), 1u) << "the stand-in records no load";

  test_registry::DeleteKey(kCurrentUser, kMessengerKey);
  test_registry::CreateKey(kCurrentUser, kPluralKey);
  // Under Wine the browser only records. On Windows the shell would open the
  // machine's real one, whose first start may show anything: not tried there.
  std::optional<e2e::RecordingBrowser> browser;
  if (e2e::UnderWine()) browser.emplace();
  {
    e2e::GemlinkProcess gemlink(folder);
    ASSERT_NE(gemlink.WaitForWindow(), nullptr);
    struct Step {
      int id;
      bool menu;
      const char* text;
    };
    for (const Step& step : {Step{ID_Command1, false, test_support::kWasActiveText},
                             Step{ID_M_DeActivate, true, test_support::kWasInactiveText},
                             Step{ID_M_Activate, true, test_support::kWasActiveText},
                             Step{ID_M_Version, true, nullptr}, Step{ID_M_About, true, nullptr}}) {
      if (step.menu) {
        gemlink.ChooseMenuItem(step.id);
      } else {
        gemlink.Click(step.id);
      }
      const auto box = gemlink.WaitForMessageBox();
      ASSERT_TRUE(box.has_value()) << "no message after command " << step.id;
      if (step.text) {
        EXPECT_EQ(box->text, step.text);
      }
      ASSERT_TRUE(gemlink.Dismiss(*box));
    }
    EXPECT_EQ(test_registry::FindValue(kCurrentUser, kPluralKey, "Plural"),
              test_registry::Dword(1));
    if (browser) {
      gemlink.ChooseMenuItem(ID_M_Site);
      EXPECT_EQ(browser->WaitForStarts().size(), 1u) << "Visit WebSite started no browser";
      EXPECT_FALSE(gemlink.WaitForMessageBox(1500).has_value()) << "Visit WebSite failed";
    } else {
      std::printf("Visit WebSite left out: on Windows it would open this machine's browser\n");
    }

    gemlink.ChooseMenuItem(ID_M_Exit);
    ASSERT_TRUE(gemlink.WaitForExit());
    EXPECT_EQ(gemlink.ExitCode(), 0u);
    const auto loads = LoadsIn(log, gemlink.process_id());
    EXPECT_TRUE(loads.empty()) << "ran inside Gemlink: " << ::testing::PrintToString(loads);
  }
  SetEnvironmentVariableA(kLogVariable, nullptr);
  test_registry::DeleteKey(kCurrentUser, kMessengerKey);
  RemoveFolder(folder);
}

}  // namespace
