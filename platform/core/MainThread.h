#pragma once

#include <functional>
#include <string>

namespace zuno::sys {

// Views, controllers, navigation and alerts belong to the main run loop's thread. Debug builds
// (the test build among them) check each change of them with ZUNO_MAIN_THREAD_ONLY; a change from
// another thread goes to the violation handler, which by default logs the change and aborts.
// Release builds leave the check out.
#ifdef NDEBUG
inline constexpr bool kMainThreadChecks = false;
#else
inline constexpr bool kMainThreadChecks = true;
#endif

// Reports `what` when the calling thread is not the main loop's (before the main loop is bound to a
// thread nothing is reported).
void checkMainThread(const char* what);

// Tests: replaces the handler (nullptr restores the default) and answers the one it replaced.
using MainThreadViolationHandler = std::function<void(const std::string& what)>;
MainThreadViolationHandler setMainThreadViolationHandler(MainThreadViolationHandler handler);

}  // namespace zuno::sys

#define ZUNO_MAIN_THREAD_ONLY(what)                                                  \
    do {                                                                             \
        if constexpr (::zuno::sys::kMainThreadChecks) ::zuno::sys::checkMainThread(what); \
    } while (0)
