#include "platform/media/AlsaMessages.h"

#include <dlfcn.h>

#include <cstdarg>
#include <cstdio>
#include <mutex>

#include "platform/core/Log.h"

namespace zuno::sys {

namespace {
// alsa-lib's snd_lib_error_handler_t and snd_lib_error_set_handler, looked up at run time so that the
// build needs no ALSA headers; SDL opens the same library and so reports through this handler.
using AlsaErrorHandler = void (*)(const char* file, int line, const char* function, int err, const char* fmt, ...);
using SetAlsaErrorHandler = int (*)(AlsaErrorHandler);

void logAlsaMessage(const char* file, int line, const char* function, int, const char* fmt, ...) {
    char text[512];
    va_list args;
    va_start(args, fmt);
    std::vsnprintf(text, sizeof text, fmt, args);
    va_end(args);
    Log::format("ALSA %s:%d (%s): %s", file ? file : "?", line, function ? function : "?", text);
}
}  // namespace

void routeAlsaMessagesToLog() {
    static std::once_flag once;
    std::call_once(once, [] {
        // Kept open for the whole run: the handler lives in the library's state.
        void* alsa = ::dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
        if (!alsa) return;
        auto set = reinterpret_cast<SetAlsaErrorHandler>(::dlsym(alsa, "snd_lib_error_set_handler"));
        if (set) set(&logAlsaMessage);
    });
}

}  // namespace zuno::sys
