#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

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
    // The time on the clock the tasks fall due on, in seconds.
    double now() const;

    // Tests: while a clock is given, every StandinTasks made (but those run by the caller) keeps its
    // tasks for runFirstStep() instead of a thread of its own: they fall due on that clock (a program's
    // virtual clock, say), which the one who steps them moves. An empty clock gives the ones made after
    // their thread again.
    static void stepOn(std::function<double()> clock);
    // Tests: when the first task kept for stepping falls due, whichever StandinTasks keeps it; none
    // while none waits.
    static std::optional<double> firstStepDue();
    // Tests: runs that task on the calling thread (the clock stands at its time); false when none waits.
    static bool runFirstStep();

private:
    enum class Mode { OwnThread, RunByCaller, Stepped };
    // When a task falls due, and the order it was scheduled in (first come, first run at one time).
    using Key = std::pair<double, uint64_t>;

    StandinTasks(bool runByCaller, std::function<double()> steppedClock);
    std::optional<Key> firstKey() const;
    // The task kept for stepping that falls due first, and who keeps it.
    static std::optional<std::pair<Key, StandinTasks*>> firstStep();
    void run();

    const Mode mode_;
    const std::function<double()> steppedClock_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::map<Key, std::function<void()>> tasks_;
    double callerNow_ = 0;  // the caller's clock
    bool stopping_ = false;
    std::thread worker_;
};

}  // namespace zuno::standin
