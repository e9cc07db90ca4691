// The stand-in in step with the program's virtual clock. While one lives, the stand-in's steps (the
// robots' moves, its turn clocks, invitations and answers) fall due on the program's clock and run on
// the test's thread as that clock reaches them, and the clock moves on only once the program and the
// stand-in have each handled all that the other said (MessagesInFlight.h). What a test sees then
// follows from its code alone, whatever the machine's speed or load.
#pragma once

#include <functional>
#include <optional>

#include "platform/core/RunLoop.h"

namespace zuno::standin {
class StandinServer;
}

namespace zuno::testing {

class StandinInStep : public sys::RunLoop::VirtualClockPartner {
public:
    // The stand-in's steps made from now on keep the program's clock; the program talks to the
    // server's latest client.
    explicit StandinInStep(const standin::StandinServer& server);
    ~StandinInStep() override;
    StandinInStep(const StandinInStep&) = delete;
    StandinInStep& operator=(const StandinInStep&) = delete;

    bool caughtUp() override;
    std::optional<double> nextStep() override;
    void runNextStep() override;

private:
    // What is still on its way between the program and the stand-in; empty when nothing is.
    const char* onItsWay() const;

    const standin::StandinServer& server_;
    std::optional<double> waitingSince_;  // real time
};

// Runs the main loop on its virtual clock (with the stand-in in step, where one keeps it), what is on
// its way first, then `stepSeconds` at a time, `eachStep` after each, until the condition holds; false
// when it does not within the steps.
bool runInStepUntil(const std::function<bool()>& condition, double stepSeconds, int steps,
                    const std::function<void()>& eachStep = nullptr);

}  // namespace zuno::testing
