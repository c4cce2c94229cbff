// Times programs from process start to their first visible window, in turns,
// and prints each one's median and the first one's ratio to the others, the
// ratio to the second being the headline.
// Usage: startup_timer RUNS PROGRAM...  (programs named relative to this one)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/owned_handle.h"

namespace {

struct Search {
  DWORD process_id;
  bool found;
};

BOOL CALLBACK FindVisible(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<Search*>(context);
  DWORD process_id = 0;
  GetWindowThreadProcessId(window, &process_id);
  if (process_id == search->process_id && IsWindowVisible(window) && !GetWindow(window, GW_OWNER)) {
    search->found = true;
    return FALSE;
  }
  return TRUE;
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / frequency.QuadPart;
}

// Milliseconds until the program shows a window; negative if it never does.
double TimeOneStart(const std::string& program) {
  std::string command = program;
  command.insert(0, 1, '"');
  command += '"';
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  LARGE_INTEGER begin, end;
  QueryPerformanceCounter(&begin);
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &started)) {
    return -1;
  }
  const platform::OwnedHandle process(started.hProcess);
  const platform::OwnedHandle thread(started.hThread);
  Search search{started.dwProcessId, false};
  double elapsed = -1;
  for (int polls = 0; polls < 10000; ++polls) {
    EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&search));
    if (search.found) {
      QueryPerformanceCounter(&end);
      elapsed = 1000 * Seconds(begin, end);
      break;
    }
    Sleep(1);
  }
  TerminateProcess(process.get(), 0);
  WaitForSingleObject(process.get(), 5000);
  return elapsed;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::string ProgramFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder = path;
  return folder.substr(0, folder.find_last_of("\\/") + 1);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: startup_timer RUNS PROGRAM...\n");
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  const std::vector<std::string> names(argv + 2, argv + argc);
  std::vector<std::string> programs;
  for (const std::string& name : names) programs.push_back(ProgramFolder() + name);
  constexpr int kWarmUpRounds = 3;

  std::vector<std::vector<double>> times(programs.size());
  for (int round = -kWarmUpRounds; round < runs; ++round) {
    for (std::size_t i = 0; i < programs.size(); ++i) {
      const double elapsed = TimeOneStart(programs[i]);
      if (elapsed < 0) {
        std::fprintf(stderr, "%s showed no window\n", names[i].c_str());
        return 1;
      }
      if (round >= 0) times[i].push_back(elapsed);
    }
  }

  std::vector<double> medians;
  for (std::size_t i = 0; i < programs.size(); ++i) {
    medians.push_back(Median(times[i]));
    const auto [fastest, slowest] = std::minmax_element(times[i].begin(), times[i].end());
    std::printf("%-22s median %7.1f ms  (min %6.1f, max %6.1f, %d runs)\n", names[i].c_str(),
                medians[i], *fastest, *slowest, runs);
  }
  // The first floor is the one to beat; the others say where the rest goes.
  for (std::size_t i = 1; i < programs.size(); ++i) {
    std::printf("%s%s / %s = %.3f\n", i == 1 ? "headline: " : "", names[0].c_str(),
                names[i].c_str(), medians[0] / medians[i]);
  }
  return 0;
}
