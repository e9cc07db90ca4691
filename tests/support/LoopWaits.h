// Waiting for what other threads do, with the main run loop standing still or running.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <thread>

#include "net/MobileClient.h"
#include "platform/core/Clock.h"
#include "platform/core/RunLoop.h"

namespace zuno::testing {

// Waits until the condition holds, without running the main loop (so that work posted to it stays
// unrun); false when the time ran out first. The condition is looked at every millisecond.
inline bool waitOffLoop(const std::function<bool()>& condition, double seconds = 10) {
    const double end = sys::monotonicSeconds() + seconds;
    while (!condition()) {
        if (sys::monotonicSeconds() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

// The client's connection threads, which end by themselves once it is closed, have all ended: the main
// loop runs meanwhile, its clock standing still. Only a guard waits for them.
inline bool connectionThreadsEnded() {
    return sys::RunLoop::main().runUntil([] { return MobileClient::getInstance()->runningThreadCount() == 0; }, 10);
}

// Runs the main loop up to a marker posted now: everything posted to it before, a late event among
// it, has then run. False when the marker did not run within the time.
inline bool runWhatWasPosted(double seconds = 10) {
    auto reached = std::make_shared<bool>(false);
    sys::RunLoop::main().post([reached] { *reached = true; });
    return sys::RunLoop::main().runUntil([reached] { return *reached; }, seconds);
}

}  // namespace zuno::testing
