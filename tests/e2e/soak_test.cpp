// Thousands of DeActivate/OK and Activate/OK cycles: what the program holds
// after the last one must be what it held after the first hundred.
#include <gtest/gtest.h>

#include <windows.h>

#include <psapi.h>
#include <winternl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "platform/owned_handle.h"
#include "resources/resource.h"
#include "tests/e2e/gemlink_process.h"
#include "tests/support/messenger.h"
#include "tests/support/registry_fixture.h"

namespace {

using test_registry::kCurrentUser;
using test_support::kMessengerKey;
using test_support::kPluralKey;

// The baseline is taken once the program has shown and dismissed a hundred
// message boxes and painted as often: what Windows allocates once, or grows
// to a bound (the first box, a menu's or a theme's data, a handle the thread
// pool opens on demand), is held by then. Each count may still differ from it
// by the slack: far less than the cycles after it, so that a leak of one
// object a cycle, or even one every few dozen, exceeds it.
constexpr int kBaselineCycle = 100;
constexpr DWORD kOneTimeSlack = 16;
constexpr int kCyclesAfterBaseline = 50 * kOneTimeSlack;
// Wine keeps a cache of window DCs that grows now and then, when drawing
// overlaps, by a DC, its region and its bitmap at a time, up to a bound (seen:
// 6 entries in 200 cycles, none after). A leak grows with every cycle.
constexpr DWORD kGdiCacheSlack = 30;

int Setting(const char* name, int fallback) {
  const char* value = std::getenv(name);
  return value && *value ? std::atoi(value) : fallback;
}

// What the soak compares. A count the platform does not keep is not measured
// (nullopt, and said so); a count it keeps but could not give fails the test.
struct Usage {
  std::optional<DWORD> gdi_objects;     // GetGuiResources, or the GDI handle table
  std::optional<DWORD> user_objects;    // GetGuiResources; Wine keeps none
  std::optional<DWORD> handles;         // GetProcessHandleCount; Wine keeps none
  std::optional<DWORD> kernel_handles;  // the system's handle table, once proven readable
  int windows;                          // top-level and child windows
  SIZE_T committed_kib;                 // private memory committed
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

// Asks the platform for a count of Gemlink's. This process holds at least one
// of each kind (see the test), so a platform that answers 0 for it keeps no
// such count; one that keeps it answers more than 0 for Gemlink too.
template <typename Ask>
std::optional<DWORD> CountOf(const char* what, HANDLE gemlink, Ask ask) {
  if (ask(GetCurrentProcess()) == 0) return std::nullopt;
  const DWORD count = ask(gemlink);
  if (count == 0) ADD_FAILURE() << what << " of Gemlink could not be counted: " << GetLastError();
  return count;
}

// The GDI objects a process holds, read from the table its PEB points at:
// Wine keeps no count of them, but lists them there as Windows does. Entries
// in use have a type. nullopt if the table cannot be read.
std::optional<DWORD> GdiTableCount(HANDLE process) {
  struct Entry {  // as Wine lays it out, for 32-bit and 64-bit processes alike
    UINT64 object;
    ULONG owner;
    USHORT unique;
    UCHAR type;
    UCHAR flags;
    UINT64 user;
  };
  constexpr std::size_t kEntries = 0x10000;
  constexpr std::size_t kTableField = sizeof(void*) == 8 ? 0xF8 : 0x94;  // PEB.GdiSharedHandleTable
  PROCESS_BASIC_INFORMATION basic{};
  ULONG_PTR table = 0;
  if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) !=
          0 ||
      !ReadProcessMemory(process, reinterpret_cast<const char*>(basic.PebBaseAddress) + kTableField,
                         &table, sizeof table, nullptr) ||
      table == 0) {
    return std::nullopt;
  }
  std::vector<Entry> entries(kEntries);
  if (!ReadProcessMemory(process, reinterpret_cast<const void*>(table), entries.data(),
                         kEntries * sizeof(Entry), nullptr)) {
    return std::nullopt;
  }
  return static_cast<DWORD>(
      std::count_if(entries.begin(), entries.end(), [](const Entry& entry) { return entry.type; }));
}

// Whether the table is read right here: this process must see exactly one
// object more once it has made a brush.
bool GdiTableReadable() {
  const auto before = GdiTableCount(GetCurrentProcess());
  const platform::Owned<HBRUSH, DeleteObject> brush(CreateSolidBrush(RGB(0, 0, 0)));
  const auto after = GdiTableCount(GetCurrentProcess());
  return before && after && *after == *before + 1;
}

// The system's handle table in its full-width form (class 64): the older
// one (class 16) cuts process ids to 16 bits, and WOW64 gives 32-bit
// programs a translated copy of it.
std::optional<std::vector<ULONG_PTR>> SystemHandleTable() {
  constexpr auto kSystemExtendedHandleInformation = static_cast<SYSTEM_INFORMATION_CLASS>(64);
  constexpr NTSTATUS kInfoLengthMismatch = static_cast<NTSTATUS>(0xC0000004);
  std::vector<ULONG_PTR> buffer(1 << 18);
  NTSTATUS status;
  while ((status = NtQuerySystemInformation(kSystemExtendedHandleInformation, buffer.data(),
                                            static_cast<ULONG>(buffer.size() * sizeof(ULONG_PTR)),
                                            nullptr)) == kInfoLengthMismatch) {
    buffer.resize(buffer.size() * 2);
  }
  if (status != 0) {
    std::printf("soak: the system's handle table could not be read: status 0x%lx\n",
                static_cast<unsigned long>(status));
    return std::nullopt;
  }
  return buffer;
}

std::optional<DWORD> HandlesInTable(DWORD process_id) {
  struct Entry {
    PVOID object;
    ULONG_PTR process_id;
    ULONG_PTR handle;
    ULONG access;
    USHORT creator_back_trace;
    USHORT type;
    ULONG attributes;
    ULONG reserved;
  };
  struct Table {
    ULONG_PTR count;
    ULONG_PTR reserved;
    Entry entries[1];
  };
  const auto buffer = SystemHandleTable();
  if (!buffer) return std::nullopt;
  const auto* table = reinterpret_cast<const Table*>(buffer->data());
  DWORD count = 0;
  for (ULONG_PTR i = 0; i < table->count; ++i) count += table->entries[i].process_id == process_id;
  return count;
}

// Whether the table is read right here: this process must be listed with
// exactly one handle more once it has opened an event.
bool HandleTableReadable() {
  const auto before = HandlesInTable(GetCurrentProcessId());
  const platform::OwnedHandle event(CreateEventA(nullptr, TRUE, FALSE, nullptr));
  const auto after = HandlesInTable(GetCurrentProcessId());
  return before && after && *before > 0 && *after == *before + 1;
}

std::optional<DWORD> KernelHandlesOf(DWORD process_id) {
  static const bool readable = HandleTableReadable();
  if (!readable) return std::nullopt;
  const auto count = HandlesInTable(process_id);
  if (count.value_or(0) == 0) {
    ADD_FAILURE() << "the system's handle table lists no handle of process " << process_id;
    return std::nullopt;
  }
  return count;
}

Usage UsageOf(const e2e::GemlinkProcess& gemlink) {
  Usage usage{};
  // Where the platform keeps no GDI count, the handle table gives one.
  static const bool gdi_table_readable = GdiTableReadable();
  usage.gdi_objects = CountOf("GDI objects", gemlink.process(), [](HANDLE process) {
    const DWORD kept = GetGuiResources(process, GR_GDIOBJECTS);
    return kept != 0 || !gdi_table_readable ? kept : GdiTableCount(process).value_or(0);
  });
  usage.user_objects = CountOf("USER objects", gemlink.process(), [](HANDLE process) {
    return GetGuiResources(process, GR_USEROBJECTS);
  });
  usage.handles = CountOf("Handles", gemlink.process(), [](HANDLE process) {
    DWORD count = 0;
    return GetProcessHandleCount(process, &count) ? count : 0;
  });
  usage.kernel_handles = KernelHandlesOf(gemlink.process_id());
  std::pair<DWORD, int> windows{gemlink.process_id(), 0};
  EnumWindows(CountWindow, reinterpret_cast<LPARAM>(&windows));
  usage.windows = windows.second;
  if (usage.windows == 0) ADD_FAILURE() << "no window of Gemlink's was found to count";
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  if (!GetProcessMemoryInfo(gemlink.process(), &memory, sizeof memory)) {
    ADD_FAILURE() << "Gemlink's memory could not be measured: " << GetLastError();
  }
  usage.committed_kib = memory.PagefileUsage / 1024;
  return usage;
}

std::string Shown(const std::optional<DWORD>& count) {
  return count ? std::to_string(*count) : "not measured";
}

void Print(const char* when, int cycle, const Usage& usage) {
  std::printf(
      "soak: %s cycle %d: GDI objects %s, USER objects %s, handles %s, kernel handles %s, "
      "windows %d, committed %lu KiB\n",
      when, cycle, Shown(usage.gdi_objects).c_str(), Shown(usage.user_objects).c_str(),
      Shown(usage.handles).c_str(), Shown(usage.kernel_handles).c_str(), usage.windows,
      static_cast<unsigned long>(usage.committed_kib));
}

TEST(Soak, ThousandsOfCyclesLeaveNothingBehind) {
  const int cycles = Setting("GEMLINK_SOAK_CYCLES", 1000);
  const DWORD budget_ms = Setting("GEMLINK_SOAK_SECONDS", 600) * 1000;
  ASSERT_GE(cycles, kBaselineCycle + kCyclesAfterBaseline) << "too few to tell a leak from slack";
  test_registry::DeleteKey(kCurrentUser, kMessengerKey);
  test_registry::CreateKey(kCurrentUser, kPluralKey);

  // One GDI and one USER object of this process's own: see CountOf.
  const platform::Owned<HBRUSH, DeleteObject> brush(CreateSolidBrush(RGB(0, 0, 0)));
  const platform::Owned<HMENU, DestroyMenu> menu(CreateMenu());

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
  EXPECT_LE(last.gdi_objects.value_or(0), baseline.gdi_objects.value_or(0) + kGdiCacheSlack)
      << "GDI objects keep growing";
  EXPECT_LE(last.user_objects.value_or(0), baseline.user_objects.value_or(0) + kOneTimeSlack);
  EXPECT_LE(last.handles.value_or(0), baseline.handles.value_or(0) + kOneTimeSlack);
  EXPECT_LE(last.kernel_handles.value_or(0), baseline.kernel_handles.value_or(0) + kOneTimeSlack);
  EXPECT_EQ(last.windows, baseline.windows);
  EXPECT_LE(last.committed_kib, baseline.committed_kib + 1024) << "memory keeps growing";
  const bool last_was_deactivate = (done - 1) % 2 == 0;
  EXPECT_EQ(test_registry::FindValue(kCurrentUser, kPluralKey, "Plural"),
            test_registry::Dword(last_was_deactivate ? 0 : 1));
  test_registry::DeleteKey(kCurrentUser, kMessengerKey);
}

}  // namespace
