#include "platform/audio/alsa_quiet.h"

#include <dlfcn.h>

namespace platform::audio {
namespace {

extern "C" void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

using ErrorHandler = void (*)(const char*, int, const char*, int, const char*, ...);
using SetErrorHandler = int (*)(ErrorHandler);

}  // namespace

void QuietAlsaErrors() {
    static const bool quiet = [] {
        // Looked up at run time: SDL itself loads libasound only when it
        // tries that driver, and a machine may have no libasound at all.
        void* alsa = dlopen("libasound.so.2", RTLD_LAZY | RTLD_LOCAL);
        if (!alsa) return false;
        auto set = reinterpret_cast<SetErrorHandler>(dlsym(alsa, "snd_lib_error_set_handler"));
        return set && set(IgnoreAlsaError) == 0;
    }();
    (void)quiet;
}

}  // namespace platform::audio
