#include "social/SocialClock.h"

#include "platform/core/Clock.h"
#include "platform/core/RunLoop.h"

namespace zuno {

double socialNow() {
    auto& loop = sys::RunLoop::main();
    if (loop.usesVirtualClock()) return kVirtualClockEpoch + loop.now();
    return sys::currentTimeSeconds();
}

}  // namespace zuno
