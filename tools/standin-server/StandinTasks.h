#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <thread>

namespace zuno::standin {

// Work to do a moment later, on a thread of its own (robots that answer after a pause). Tasks run
// one at a time in the order they fall due; the ones still waiting are dropped when this ends.
class StandinTasks {
public:
    // Tests: with `runByCaller`, no thread runs the tasks: each waits for runNext(), on a clock of its
    // own that runNext() moves on to the task's time.
    explicit StandinTasks(bool runByCaller = false);
    ~StandinTasks();
    StandinTasks(const StandinTasks&) = delete;
    StandinTasks& operator=(const StandinTasks&) = delete;

    void after(double seconds, std::function<void()> task);
    // Tests (tasks run by the caller): runs the task that falls due first on the calling thread; false
    // when none waits.
    bool runNext();

private:
    using Clock = std::chrono::steady_clock;
    void run();

    const bool runByCaller_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::multimap<Clock::time_point, std::function<void()>> tasks_;
    Clock::time_point callerNow_{};  // the caller's clock
    bool stopping_ = false;
    std::thread worker_;
};

}  // namespace zuno::standin
