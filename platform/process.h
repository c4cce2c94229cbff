// The process services the start-up and exit logic needs.
#pragma once

namespace platform {

// Whether another copy of Gemlink runs in this user's session. The first call
// marks this process as running for the rest of its life.
bool AnotherInstanceRunning();

// Brings the other copy's window back where the user can see it: restored if
// it was minimised, and in front.
void ShowOtherInstance();

// Ends the process at once: no window sees another message.
[[noreturn]] void EndProgram();

}  // namespace platform
