#include "tests/support/fake_process.h"

#include "platform/process.h"

namespace test_support {
namespace {
bool another_instance_running = false;
}

void SetAnotherInstanceRunning(bool running) { another_instance_running = running; }

}  // namespace test_support

bool platform::AnotherInstanceRunning() { return test_support::another_instance_running; }

void platform::ShowOtherInstance() {}

void platform::EndProgram() { throw test_support::ProgramEnded{}; }
