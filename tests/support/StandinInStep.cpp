#include "support/StandinInStep.h"

#include <gtest/gtest.h>

#include "net/MobileClient.h"
#include "platform/core/Clock.h"
#include "platform/net/Http.h"
#include "standin-server/StandinServer.h"
#include "standin-server/StandinTasks.h"
#include "support/MessagesInFlight.h"

namespace zuno::testing {

namespace {
// Only a guard against a test that hangs: what is on its way arrives within milliseconds.
constexpr double kNeverArrivesSeconds = 60;
}  // namespace

StandinInStep::StandinInStep(const standin::StandinServer& server) : server_(server) {
    standin::StandinTasks::stepOn([] { return sys::RunLoop::main().now(); });
    sys::RunLoop::main().setVirtualClockPartner(this);
}

StandinInStep::~StandinInStep() {
    sys::RunLoop::main().setVirtualClockPartner(nullptr);
    standin::StandinTasks::stepOn(nullptr);
}

const char* StandinInStep::onItsWay() const {
    if (sys::Http::activeCallCount() > 0) return "an HTTP exchange";
    const auto client = MobileClient::getInstance();
    if (!(client->flags() & MobileClient::kFlagConnectStarted)) return nullptr;  // no connection
    if (client->connectStatus() != MobileClient::kConnected) return "the connection's handshake";
    // The program opens every connection with its client information, once it has heard the handshake.
    if (client->countOfSentSize() == 0 && client->queuedMessageCount() == 0) return "the connection's first request";
    const auto session = server_.latestClient();
    if (!session) return "the stand-in's session";
    if (session->isClosed()) return "the end of the connection the stand-in closed";
    // The requests first: the stand-in's answers are counted as sent before their request as handled.
    if (!standinHandledAllSent(*session)) return "a request of the program";
    if (!programReceivedExactly(session->sentBodyBytes())) return "a message of the stand-in";
    return nullptr;
}

bool StandinInStep::caughtUp() {
    const char* what = onItsWay();
    if (!what) {
        waitingSince_.reset();
        return true;
    }
    const double now = sys::monotonicSeconds();
    if (!waitingSince_) waitingSince_ = now;
    if (now - *waitingSince_ < kNeverArrivesSeconds) return false;
    ADD_FAILURE() << what << " was still on its way after " << kNeverArrivesSeconds << " s";
    waitingSince_.reset();
    return true;
}

std::optional<double> StandinInStep::nextStep() { return standin::StandinTasks::firstStepDue(); }

void StandinInStep::runNextStep() { standin::StandinTasks::runFirstStep(); }

bool runInStepUntil(const std::function<bool()>& condition, double stepSeconds, int steps,
                    const std::function<void()>& eachStep) {
    auto& loop = sys::RunLoop::main();
    loop.runFor(0);
    for (int i = 0; i < steps; ++i) {
        if (condition()) return true;
        loop.runFor(stepSeconds);
        if (eachStep) eachStep();
    }
    return condition();
}

}  // namespace zuno::testing
