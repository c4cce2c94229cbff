// The web browser the shell starts for an http address, as the tests need it:
// one that records what it was given, or none at all. Each lasts for a scope
// and leaves the prefix's own handler as it found it.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/support/registry_fixture.h"

namespace e2e {

// url_recorder in place of the http handler's command: it records the address
// and the show command of each start.
class RecordingBrowser {
 public:
  RecordingBrowser();
  ~RecordingBrowser();
  RecordingBrowser(const RecordingBrowser&) = delete;
  RecordingBrowser& operator=(const RecordingBrowser&) = delete;

  // "address show-command" for each start, once there was one.
  std::vector<std::string> WaitForStarts(DWORD timeout_ms = 15000) const;

 private:
  std::string log_;
  std::optional<test_registry::StoredValue> saved_command_;
};

// No handler for http at all: the shell has nothing to start.
class NoBrowser {
 public:
  NoBrowser();
  ~NoBrowser();
  NoBrowser(const NoBrowser&) = delete;
  NoBrowser& operator=(const NoBrowser&) = delete;

 private:
  bool saved_;
};

}  // namespace e2e
