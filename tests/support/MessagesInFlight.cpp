#include "support/MessagesInFlight.h"

#include "net/MobileClient.h"
#include "platform/core/RunLoop.h"
#include "standin-server/StandinSession.h"

namespace zuno::testing {

namespace {
// Nothing posted waits, nor a timer already due (the virtual clock stands still meanwhile).
bool mainLoopIdle() {
    const auto& loop = sys::RunLoop::main();
    if (loop.pendingTaskCount() > 0) return false;
    const auto timers = loop.pendingOneShots();
    return timers.empty() || timers.front().dueIn > 0;
}
}  // namespace

bool programReceivedExactly(uint64_t sentBodyBytes) {
    // The connection counts a message once its work is posted.
    const int64_t received = MobileClient::getInstance()->countOfGetSize();
    return received >= 0 && static_cast<uint64_t>(received) == sentBodyBytes;
}

bool programHeardExactly(uint64_t sentBodyBytes) { return programReceivedExactly(sentBodyBytes) && mainLoopIdle(); }

bool standinHandledAllSent(const standin::StandinSession& session) {
    const auto client = MobileClient::getInstance();
    if (client->queuedMessageCount() > 0) return false;
    const int64_t sent = client->countOfSentSize();
    return sent >= 0 && session.handledFrameBytes() >= static_cast<uint64_t>(sent);
}

}  // namespace zuno::testing
