#pragma once
#include <functional>

namespace platform {

// Ends the process at once: no further events, every window goes with it.
// Work registered with AtEndProcess (stopping the audio thread) runs first.
void EndProcess();

void AtEndProcess(std::function<void()> work);

// Tests replace the ending with a recorder; an empty hook restores it.
void SetEndProcessHook(std::function<void()> hook);

}  // namespace platform
