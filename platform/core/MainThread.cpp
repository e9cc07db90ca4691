#include "platform/core/MainThread.h"

#include <cstdlib>
#include <mutex>

#include "platform/core/Log.h"
#include "platform/core/RunLoop.h"

namespace zuno::sys {

namespace {
std::mutex handlerMutex;
MainThreadViolationHandler& handlerSlot() {
    static MainThreadViolationHandler handler;
    return handler;
}
}  // namespace

void checkMainThread(const char* what) {
    if (!RunLoop::main().isBoundToOtherThread()) return;
    MainThreadViolationHandler handler;
    {
        std::lock_guard<std::mutex> lock(handlerMutex);
        handler = handlerSlot();
    }
    if (handler) {
        handler(what);
        return;
    }
    Log::warningFormat("Main thread only: %s was changed on another thread", what);
    std::abort();
}

MainThreadViolationHandler setMainThreadViolationHandler(MainThreadViolationHandler handler) {
    std::lock_guard<std::mutex> lock(handlerMutex);
    std::swap(handlerSlot(), handler);
    return handler;
}

}  // namespace zuno::sys
