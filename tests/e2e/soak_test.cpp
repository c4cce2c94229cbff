// Thousands of DeActivate/OK and Activate/OK cycles: what the program holds
// after the last one must be what it held after the first hundred.
#include <gtest/gtest.h>

#include <windows.h>

#include <psapi.h>
#include <winternl.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "resources/resource.h"
#include "tests/e2e/gemlink_process.h"
#include "tests/support/messenger.h"
#include "tests/support/registry_fixture.h"

namespace {

using test_registry::kCurrentUser;
using test_support::kMessengerKey;
using test_support::kPluralKey;

constexpr int kBaselineCycle = 100;

int Setting(const char* name, int fallback) {
  const char* value = std::getenv(name);
  return value && *value ? std::atoi(value) : fallback;
}

struct Usage {
  DWORD gdi_objects;     // GetGuiResources: always 0 under Wine
  DWORD user_objects;    // likewise
  DWORD handles;         // GetProcessHandleCount: likewise
  DWORD kernel_handles;  // counted in the system's handle table
  int windows;           // top-level and child windows
  SIZE_T committed_kib;  // private memory committed
};

BOOL CALLBACK CountWindow(HWND window, LPARAM context) {
  auto* count = reinterpret_cast<std::pair<DWORD, int>*>(context);
  DWORD process_id = 0;
  GetWindowThreadProcessId(window, &process_id);
  if (process_id == count->first) {
    ++count->second;
    EnumChildWindows(window, CountWindow, context);
  }
  return TRUE;
}

DWORD KernelHandlesOf(DWORD process_id) {
  struct Entry {
    ULONG process_id;
    UCHAR type;
    UCHAR flags;
    USHORT handle;
    PVOID object;
    ACCESS_MASK access;
  };
  constexpr auto kSystemHandleInformation = static_cast<SYSTEM_INFORMATION_CLASS>(16);
  std::vector<ULONG> buffer(1 << 20);
  if (NtQuerySystemInformation(kSystemHandleInformation, buffer.data(),
                               static_cast<ULONG>(buffer.size() * sizeof(ULONG)), nullptr) != 0) {
    return 0;
  }
  const auto* entries = reinterpret_cast<const Entry*>(buffer.data() + 1);
  DWORD count = 0;
  for (ULONG i = 0; i < buffer[0]; ++i) count += entries[i].process_id == process_id;
  return count;
}

Usage UsageOf(const e2e::GemlinkProcess& gemlink) {
  Usage usage{};
  usage.gdi_objects = GetGuiResources(gemlink.process(), GR_GDIOBJECTS);
  usage.user_objects = GetGuiResources(gemlink.process(), GR_USEROBJECTS);
  GetProcessHandleCount(gemlink.process(), &usage.handles);
  usage.kernel_handles = KernelHandlesOf(gemlink.process_id());
  std::pair<DWORD, int> windows{gemlink.process_id(), 0};
  EnumWindows(CountWindow, reinterpret_cast<LPARAM>(&windows));
  usage.windows = windows.second;
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(gemlink.process(), &memory, sizeof memory);
  usage.committed_kib = memory.PagefileUsage / 1024;
  return usage;
}

void Print(const char* when, int cycle, const Usage& usage) {
  std::printf(
      "soak: %s cycle %d: GDI objects %lu, USER objects %lu, handles %lu, kernel handles %lu, "
      "windows %d, committed %lu KiB\n",
      when, cycle, usage.gdi_objects, usage.user_objects, usage.handles, usage.kernel_handles,
      usage.windows, static_cast<unsigned long>(usage.committed_kib));
}

TEST(Soak, ThousandsOfCyclesLeaveNothingBehind) {
  const int cycles = Setting("GEMLINK_SOAK_CYCLES", 1000);
  const DWORD budget_ms = Setting("GEMLINK_SOAK_SECONDS", 600) * 1000;
  ASSERT_GT(cycles, kBaselineCycle);
  test_registry::DeleteKey(kCurrentUser, kMessengerKey);
  test_registry::CreateKey(kCurrentUser, kPluralKey);

  e2e::GemlinkProcess gemlink;
  ASSERT_NE(gemlink.WaitForWindow(), nullptr);
  Usage baseline{};
  int done = 0;
  const DWORD start = GetTickCount();
  while (done < cycles && GetTickCount() - start < budget_ms) {
    const bool deactivate = done % 2 == 0;
    gemlink.Click(deactivate ? ID_Option2 : ID_Option1);
    gemlink.Click(ID_Command1);
    ASSERT_TRUE(gemlink.DismissNextMessageBox()) << "no confirmation at cycle " << done + 1;
    // Wine keeps what a window drew when a box leaves it; Windows asks for a
    // repaint. Ask for one, so painting is soaked too.
    RedrawWindow(gemlink.window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    ++done;
    if (done == kBaselineCycle) {
      gemlink.Settle();
      baseline = UsageOf(gemlink);
      Print("after", done, baseline);
    }
  }
  gemlink.Settle();
  const Usage last = UsageOf(gemlink);
  Print("after", done, last);
  std::printf("soak: %d of %d cycles in %lu s\n", done, cycles, (GetTickCount() - start) / 1000);

  EXPECT_EQ(done, cycles) << "the time ran out";
  EXPECT_EQ(last.gdi_objects, baseline.gdi_objects);
  EXPECT_EQ(last.user_objects, baseline.user_objects);
  EXPECT_EQ(last.handles, baseline.handles);
  EXPECT_EQ(last.kernel_handles, baseline.kernel_handles);
  EXPECT_EQ(last.windows, baseline.windows);
  EXPECT_LE(last.committed_kib, baseline.committed_kib + 1024) << "memory keeps growing";
  const bool last_was_deactivate = (done - 1) % 2 == 0;
  EXPECT_EQ(test_registry::FindValue(kCurrentUser, kPluralKey, "Plural"),
            test_registry::Dword(last_was_deactivate ? 0 : 1));
  test_registry::DeleteKey(kCurrentUser, kMessengerKey);
}

}  // namespace
