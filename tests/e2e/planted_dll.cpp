// Stands in for a DLL someone left in a Downloads folder under a system DLL's
// name. Whatever process loads it, it adds one line to the file named by
// GEMLINK_PLANTED_LOG: the process id, the process's program and its own path.
// Built without the C runtime: it needs kernel32 alone, and stays small
// enough to be copied under hundreds of names.
#include <windows.h>

namespace {

// The number in decimal at `out`; returns the end.
char* AppendNumber(char* out, DWORD number) {
  char digits[10];
  int count = 0;
  do {
    digits[count++] = static_cast<char>('0' + number % 10);
    number /= 10;
  } while (number != 0);
  while (count > 0) *out++ = digits[--count];
  return out;
}

char* AppendText(char* out, const char* text) {
  while (*text) *out++ = *text++;
  return out;
}

void Record(HINSTANCE self) {
  char log[MAX_PATH];
  const DWORD log_length = GetEnvironmentVariableA("GEMLINK_PLANTED_LOG", log, MAX_PATH);
  if (log_length == 0 || log_length >= MAX_PATH) return;
  char program[MAX_PATH] = {};
  char module[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, program, MAX_PATH - 1);
  GetModuleFileNameA(self, module, MAX_PATH - 1);

  char line[2 * MAX_PATH + 16];
  char* end = AppendNumber(line, GetCurrentProcessId());
  *end++ = ' ';
  end = AppendText(end, program);
  *end++ = ' ';
  end = AppendText(end, module);
  *end++ = '\n';

  const HANDLE file = CreateFileA(log, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, line, static_cast<DWORD>(end - line), &written, nullptr);
  CloseHandle(file);
}

}  // namespace

// The linker's default entry point for a DLL, taken here since there is no C
// runtime to provide it.
extern "C" BOOL WINAPI DllMainCRTStartup(HINSTANCE self, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) Record(self);
  return TRUE;
}
