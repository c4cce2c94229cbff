// Stands in for the process services, so start-up and exit can be tested.
#pragma once

namespace test_support {

// Thrown where the real program would end at once.
struct ProgramEnded {};

void SetAnotherInstanceRunning(bool running);

}  // namespace test_support
