#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <mutex>
#include <thread>
#include <typeinfo>
#include <vector>

namespace zuno::sys {

// A queue of work and timers that one thread runs. The main run loop runs every view, timer and
// animation of the program; other threads hand work to it with post() or postAndWait().
//
// Every posted task and timer runs guarded: one that throws is logged and the loop goes on.
//
// Tests switch the main loop to a virtual clock: time stands still until runFor() moves it, and
// timers then fire in order without any real waiting. A partner may keep the same clock beside the
// loop (a server the test runs in the same process): the clock then moves only once nothing either
// side said to the other is still on its way. Nor does it move while another thread owes the loop
// work (OwedWork).
class RunLoop {
public:
    using Task = std::function<void()>;
    using TimerId = uint64_t;  // 0 is never a timer

    // Something that can wait for outside events (a window system) while the loop is idle.
    class EventSource {
    public:
        virtual ~EventSource() = default;
        // Waits until woken, until one of its own events arrived (and was handled), or until the time
        // is up. A negative time means no limit.
        virtual void wait(double maxSeconds) = 0;
        // Any thread: ends a wait early.
        virtual void wake() = 0;
    };

    // Tests: what keeps the loop's virtual clock beside it. Before the clock moves on, the loop runs
    // its posted work until the partner is caught up; the clock then moves to the first of the loop's
    // timers and the partner's steps, one at a time (at the same time, the loop's timers first). Called
    // on the loop's thread, never with the loop's lock held.
    class VirtualClockPartner {
    public:
        virtual ~VirtualClockPartner() = default;
        // Asked again, with the loop's posted work run and other threads waited for between, until it
        // holds: nothing the loop's side and the partner said to each other is still on its way. A
        // partner that waits too long says so itself and answers true.
        virtual bool caughtUp() = 0;
        // The virtual time of the partner's first step; none while it has none.
        virtual std::optional<double> nextStep() = 0;
        // Runs that step; the clock stands at its time.
        virtual void runNextStep() = 0;
    };

    // Any thread: work another thread owes the loop, held while that thread does what ends in posts to
    // it (a connection's close that is still to report the end, a read whose messages are still being
    // handed over). The virtual clock stands still while any is owed: runFor() waits for it and runs
    // what it posted, so that virtual time never outruns what other threads are about to post. Held
    // only over work that does not wait for anything else.
    class OwedWork {
    public:
        explicit OwedWork(RunLoop& loop);
        ~OwedWork();
        OwedWork(const OwedWork&) = delete;
        OwedWork& operator=(const OwedWork&) = delete;

    private:
        RunLoop& loop_;
    };

    RunLoop();
    ~RunLoop();
    RunLoop(const RunLoop&) = delete;
    RunLoop& operator=(const RunLoop&) = delete;

    // The program's main loop; the thread that first binds or drives it becomes the main thread.
    static RunLoop& main();
    // The loop bound to the calling thread, or nullptr.
    static RunLoop* current();
    static bool isMainThread();
    // Runs one task of the loop: a failure it raises is logged ("Exception <name>") and goes no
    // further, so the loop carries on with the next task. Answers whether the task ran to its end.
    static bool runGuarded(const Task& task);

    void bindToCurrentThread();
    bool isCurrent() const;
    // Bound, and to a thread other than the caller's.
    bool isBoundToOtherThread() const;

    // Any thread. Tasks run in the order they were posted.
    void post(Task task);
    // Any thread. Runs the task on the loop and waits for it; on the loop's own thread it runs at once.
    // A task dropped by reset() releases the waiter.
    void postAndWait(Task task);
    // Any thread. A one-shot timer.
    TimerId postDelayed(double seconds, Task task);
    // Any thread. A repeating timer; the interval must be positive.
    TimerId scheduleRepeating(double intervalSeconds, Task task);
    // Any thread. The timer will not fire after this returns (on the loop's thread), nor again if it
    // is running now. Unknown ids are ignored.
    void cancel(TimerId id);
    bool isScheduled(TimerId id) const;

    // The loop's clock in seconds: monotonic time, or the virtual time in tests.
    double now() const;

    // Runs until stop() (on the bound thread).
    void run();
    // Any thread.
    void stop();
    // Runs what is due; if nothing was, waits up to maxWaitSeconds for work and runs it.
    void runOnce(double maxWaitSeconds);

    // Virtual clock: when switched on, time is set to 0 and moves only with runFor().
    void setVirtualClock(bool on);
    bool usesVirtualClock() const;
    // Runs the loop for the given time: with the virtual clock it advances time at once, firing every
    // timer due on the way in order (and running the partner's steps among them); with the real clock
    // it runs for that long.
    void runFor(double seconds);
    // Tests: the partner that keeps the virtual clock with the loop (none: the loop keeps it alone).
    // reset() forgets it.
    void setVirtualClockPartner(VirtualClockPartner* partner);
    // Runs posted work and due timers until the predicate holds or the real time runs out. The virtual
    // clock does not move here; work posted by other threads is waited for.
    bool runUntil(const std::function<bool()>& predicate, double timeoutSeconds);

    // Drops every pending task and timer (between tests).
    void reset();
    size_t pendingTaskCount() const;
    size_t timerCount() const;
    // Work other threads owe the loop now.
    int owedWorkCount() const { return owedWork_.load(); }

    // A one-shot timer still to fire: how far ahead it was posted, how soon it fires, and the type of
    // its task (what a report names it by).
    struct PendingOneShot {
        double postedAhead;
        double dueIn;
        const std::type_info* task;
    };
    // The one-shot timers still to fire, soonest first; repeating timers are left out.
    std::vector<PendingOneShot> pendingOneShots() const;

    void setEventSource(EventSource* source);

private:
    struct Timer {
        TimerId id;
        double interval;  // 0 for a one-shot timer
        double delay;     // how far ahead it was posted
        Task task;
    };
    using TimerKey = std::pair<double, uint64_t>;  // due time, order of scheduling

    TimerId addTimer(double delay, double interval, Task task);
    double clockNow() const;  // with mutex_ held
    // Runs posted tasks and due timers once; answers whether anything ran.
    bool runDue();
    bool runPosted();
    bool runOneDueTimer(double limit);
    // Waits (real time) for posted work, a timer or a wake-up.
    void waitForWork(double maxSeconds);
    // Runs posted work until no other thread owes any, the partner (if any) is caught up and nothing
    // posted waits.
    void catchUpWithPartner();
    // With the virtual clock: the partner's step when it falls due before the loop's next timer and by
    // `limit`, else the loop's timer due by then; false when neither is.
    bool runNextVirtualEvent(double limit);

    mutable std::mutex mutex_;
    std::condition_variable wakeup_;
    std::deque<Task> tasks_;
    std::map<TimerKey, Timer> timers_;
    std::map<TimerId, TimerKey> timerKeys_;
    uint64_t nextSequence_ = 1;
    TimerId runningTimer_ = 0;
    bool runningTimerCancelled_ = false;
    bool stopRequested_ = false;
    bool virtualClock_ = false;
    double virtualNow_ = 0.0;
    double epoch_ = 0.0;
    std::thread::id owner_;
    bool bound_ = false;
    EventSource* eventSource_ = nullptr;
    VirtualClockPartner* partner_ = nullptr;
    std::atomic<int> owedWork_{0};
};

}  // namespace zuno::sys
