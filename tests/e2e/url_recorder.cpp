// Stands in for the web browser the shell starts for an http address: adds
// the address it was given, and the show command it was started with (-1 if
// none), as one line to a log.
// Usage: url_recorder LOG URL
#include <windows.h>

#include <fstream>

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  GetStartupInfoA(&startup);
  const int show = startup.dwFlags & STARTF_USESHOWWINDOW ? startup.wShowWindow : -1;
  std::ofstream(argv[1], std::ios::app) << argv[2] << ' ' << show << '\n';
  return 0;
}
