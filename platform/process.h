// The process services the start-up and exit logic needs.
#pragma once

namespace platform {

// Whether another copy of Gemlink runs in this user's session. The first call
// marks this process as running for the rest of its life.
bool AnotherInstanceRunning();

// Ends the process at once: no window sees another message.
[[noreturn]] void EndProgram();

}  // namespace platform
