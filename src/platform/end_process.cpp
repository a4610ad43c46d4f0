#include "platform/end_process.h"

#include <unistd.h>

#include <cstdio>
#include <vector>

namespace platform {
namespace {

std::vector<std::function<void()>>& EndWork() {
    static std::vector<std::function<void()>> work;
    return work;
}

std::function<void()>& Hook() {
    static std::function<void()> hook;
    return hook;
}

}  // namespace

void AtEndProcess(std::function<void()> work) { EndWork().push_back(std::move(work)); }

void SetEndProcessHook(std::function<void()> hook) { Hook() = std::move(hook); }

void EndProcess() {
    if (Hook()) {
        Hook()();
        return;
    }
    for (auto& work : EndWork()) work();
    std::fflush(nullptr);
    // No destructors and no further events: the program ends where it stands,
    // with its windows, like the original's End.
    _exit(0);
}

}  // namespace platform
