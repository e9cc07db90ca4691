#include "platform/core/RunLoop.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "platform/core/Clock.h"
#include "platform/core/Exception.h"
#include "platform/core/Log.h"

namespace zuno::sys {

namespace {
thread_local RunLoop* tlsCurrent = nullptr;

// Only a guard against a thread that never ends what it owes: owed work lasts microseconds.
constexpr double kOwedWorkGuardSeconds = 60;

// Releases a postAndWait caller when the task has run or has been dropped.
struct WaitState {
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    void finish() {
        std::lock_guard<std::mutex> lock(mutex);
        finished = true;
        done.notify_all();
    }
};

struct FinishOnDestroy {
    std::shared_ptr<WaitState> state;
    ~FinishOnDestroy() {
        if (state) state->finish();
    }
};
}  // namespace

RunLoop::OwedWork::OwedWork(RunLoop& loop) : loop_(loop) { loop_.owedWork_.fetch_add(1); }

RunLoop::OwedWork::~OwedWork() { loop_.owedWork_.fetch_sub(1); }

RunLoop::RunLoop() : epoch_(monotonicSeconds()) {}

RunLoop::~RunLoop() {
    if (tlsCurrent == this) tlsCurrent = nullptr;
}

RunLoop& RunLoop::main() {
    static RunLoop* loop = new RunLoop();  // lives for the whole run, never destroyed
    return *loop;
}

RunLoop* RunLoop::current() { return tlsCurrent; }

bool RunLoop::isMainThread() { return main().isCurrent(); }

bool RunLoop::runGuarded(const Task& task) {
    try {
        task();
        return true;
    } catch (const std::exception& e) {
        Log::warning("Exception " + failureName(e));
    } catch (...) {
        Log::warning("Exception unknown");
    }
    return false;
}

void RunLoop::bindToCurrentThread() {
    std::lock_guard<std::mutex> lock(mutex_);
    owner_ = std::this_thread::get_id();
    bound_ = true;
    tlsCurrent = this;
}

bool RunLoop::isCurrent() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return bound_ && owner_ == std::this_thread::get_id();
}

bool RunLoop::isBoundToOtherThread() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return bound_ && owner_ != std::this_thread::get_id();
}

void RunLoop::post(Task task) {
    EventSource* source;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        tasks_.push_back(std::move(task));
        source = eventSource_;
    }
    wakeup_.notify_all();
    if (source) source->wake();
}

void RunLoop::postAndWait(Task task) {
    if (isCurrent()) {
        task();
        return;
    }
    auto state = std::make_shared<WaitState>();
    // Made in place: a temporary copied in would release the caller as it is destroyed.
    auto guard = std::make_shared<FinishOnDestroy>();
    guard->state = state;
    post([task = std::move(task), guard]() mutable {
        runGuarded(task);
        guard.reset();
    });
    guard.reset();  // the queued task now holds the only reference
    std::unique_lock<std::mutex> lock(state->mutex);
    state->done.wait(lock, [&] { return state->finished; });
}

RunLoop::TimerId RunLoop::postDelayed(double seconds, Task task) {
    return addTimer(seconds, 0.0, std::move(task));
}

RunLoop::TimerId RunLoop::scheduleRepeating(double intervalSeconds, Task task) {
    if (!(intervalSeconds > 0.0)) intervalSeconds = 0.001;
    return addTimer(intervalSeconds, intervalSeconds, std::move(task));
}

RunLoop::TimerId RunLoop::addTimer(double delay, double interval, Task task) {
    if (!std::isfinite(delay) || delay < 0.0) delay = 0.0;
    EventSource* source;
    TimerId id;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        id = nextSequence_++;
        TimerKey key{clockNow() + delay, id};
        timers_.emplace(key, Timer{id, interval, delay, std::move(task)});
        timerKeys_.emplace(id, key);
        source = eventSource_;
    }
    wakeup_.notify_all();
    if (source) source->wake();
    return id;
}

void RunLoop::cancel(TimerId id) {
    if (id == 0) return;
    Task dropped;  // destroyed outside the lock
    std::lock_guard<std::mutex> lock(mutex_);
    if (id == runningTimer_) runningTimerCancelled_ = true;
    auto it = timerKeys_.find(id);
    if (it == timerKeys_.end()) return;
    auto t = timers_.find(it->second);
    if (t != timers_.end()) {
        dropped = std::move(t->second.task);
        timers_.erase(t);
    }
    timerKeys_.erase(it);
}

bool RunLoop::isScheduled(TimerId id) const {
    std::lock_guard<std::mutex> lock(mutex_);
    return timerKeys_.count(id) != 0 || (id != 0 && id == runningTimer_ && !runningTimerCancelled_);
}

double RunLoop::clockNow() const {
    return virtualClock_ ? virtualNow_ : monotonicSeconds() - epoch_;
}

double RunLoop::now() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return clockNow();
}

bool RunLoop::runPosted() {
    // Only the tasks present now: tasks posted while these run wait for the next turn.
    std::deque<Task> batch;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        batch.swap(tasks_);
    }
    if (batch.empty()) return false;
    while (!batch.empty()) {
        Task task = std::move(batch.front());
        batch.pop_front();
        runGuarded(task);
    }
    return true;
}

bool RunLoop::runOneDueTimer(double limit) {
    Timer timer;
    double due;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (timers_.empty()) return false;
        auto it = timers_.begin();
        due = it->first.first;
        if (due > limit) return false;
        if (virtualClock_ && due > virtualNow_) virtualNow_ = due;
        timer = std::move(it->second);
        timers_.erase(it);
        timerKeys_.erase(timer.id);
        runningTimer_ = timer.id;
        runningTimerCancelled_ = false;
    }
    runGuarded(timer.task);
    std::lock_guard<std::mutex> lock(mutex_);
    if (timer.interval > 0.0 && !runningTimerCancelled_) {
        double next = due + timer.interval;
        double now = clockNow();
        if (next < now) next = now + timer.interval;  // skip the ticks missed while busy
        TimerKey key{next, nextSequence_++};
        timerKeys_.emplace(timer.id, key);
        timers_.emplace(key, std::move(timer));
    }
    runningTimer_ = 0;
    runningTimerCancelled_ = false;
    return true;
}

bool RunLoop::runDue() {
    bool ran = runPosted();
    double limit = now();
    // Timers that fall due while these run wait for the next turn, so a zero-delay timer that
    // schedules itself cannot starve posted work.
    while (runOneDueTimer(limit)) {
        ran = true;
        runPosted();
    }
    return ran;
}

void RunLoop::waitForWork(double maxSeconds) {
    std::unique_lock<std::mutex> lock(mutex_);
    if (!tasks_.empty() || stopRequested_) return;
    double wait = maxSeconds;
    if (!timers_.empty() && !virtualClock_) {
        double untilTimer = timers_.begin()->first.first - clockNow();
        if (untilTimer <= 0) return;
        if (wait < 0 || untilTimer < wait) wait = untilTimer;
    }
    EventSource* source = eventSource_;
    if (source) {
        lock.unlock();
        source->wait(wait);
        return;
    }
    auto ready = [&] { return !tasks_.empty() || stopRequested_; };
    if (wait < 0) {
        wakeup_.wait(lock, ready);
    } else {
        wakeup_.wait_for(lock, std::chrono::duration<double>(wait), ready);
    }
}

void RunLoop::run() {
    if (!isCurrent()) bindToCurrentThread();
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopRequested_ = false;
    }
    for (;;) {
        runDue();
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (stopRequested_) {
                stopRequested_ = false;
                return;
            }
        }
        waitForWork(-1);
    }
}

void RunLoop::stop() {
    EventSource* source;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopRequested_ = true;
        source = eventSource_;
    }
    wakeup_.notify_all();
    if (source) source->wake();
}

void RunLoop::runOnce(double maxWaitSeconds) {
    if (!isCurrent()) bindToCurrentThread();
    if (runDue()) return;
    waitForWork(maxWaitSeconds);
    runDue();
}

void RunLoop::setVirtualClock(bool on) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (on == virtualClock_) {
        if (on) virtualNow_ = 0.0;
        return;
    }
    // Timers keep their remaining delay across the switch.
    double oldNow = clockNow();
    virtualClock_ = on;
    virtualNow_ = 0.0;
    double newNow = clockNow();
    std::map<TimerKey, Timer> moved;
    timerKeys_.clear();
    for (auto& [key, timer] : timers_) {
        TimerKey k{key.first - oldNow + newNow, key.second};
        timerKeys_.emplace(timer.id, k);
        moved.emplace(k, std::move(timer));
    }
    timers_.swap(moved);
}

bool RunLoop::usesVirtualClock() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return virtualClock_;
}

void RunLoop::runFor(double seconds) {
    if (!isCurrent()) bindToCurrentThread();
    if (!(seconds > 0.0)) seconds = 0.0;
    if (usesVirtualClock()) {
        double target;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            target = virtualNow_ + seconds;
        }
        catchUpWithPartner();
        while (runNextVirtualEvent(target)) catchUpWithPartner();
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (virtualNow_ < target) virtualNow_ = target;
        }
        catchUpWithPartner();
        return;
    }
    double end = monotonicSeconds() + seconds;
    for (;;) {
        runDue();
        double left = end - monotonicSeconds();
        if (left <= 0) break;
        waitForWork(left);
    }
    runDue();
}

void RunLoop::setVirtualClockPartner(VirtualClockPartner* partner) {
    std::lock_guard<std::mutex> lock(mutex_);
    partner_ = partner;
}

void RunLoop::catchUpWithPartner() {
    VirtualClockPartner* partner;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        partner = partner_;
    }
    double owedSince = -1;  // real time; negative while nothing is owed
    bool owedGivenUp = false;
    // Looked at before the posted work runs: what is owed ends in posts.
    auto workOwed = [&] {
        if (owedWork_.load() == 0) {
            owedSince = -1;
            return false;
        }
        if (owedGivenUp) return false;
        const double now = monotonicSeconds();
        if (owedSince < 0) owedSince = now;
        if (now - owedSince < kOwedWorkGuardSeconds) return true;
        Log::warning("RunLoop: work another thread owes the loop was still owed after a minute");
        owedGivenUp = true;
        return false;
    };
    for (;;) {
        if (partner) {
            if (runPosted()) continue;
            // The partner first: a thread owes its work before anything the partner looks at changes
            // (a connection taken out before its end is reported).
            if (partner->caughtUp() && !workOwed()) {
                if (pendingTaskCount() == 0) return;
                continue;
            }
        } else {
            const bool owed = workOwed();
            runPosted();
            if (!owed) return;
        }
        // What other threads still do ends in a post, or in nothing the loop hears of: look again soon.
        waitForWork(0.001);
    }
}

bool RunLoop::runNextVirtualEvent(double limit) {
    VirtualClockPartner* partner;
    std::optional<double> firstTimer;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        partner = partner_;
        if (!timers_.empty()) firstTimer = timers_.begin()->first.first;
    }
    const std::optional<double> step = partner ? partner->nextStep() : std::nullopt;
    if (step && *step <= limit && (!firstTimer || *step < *firstTimer)) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (*step > virtualNow_) virtualNow_ = *step;
        }
        partner->runNextStep();
        return true;
    }
    return runOneDueTimer(limit);
}

bool RunLoop::runUntil(const std::function<bool()>& predicate, double timeoutSeconds) {
    if (!isCurrent()) bindToCurrentThread();
    double end = monotonicSeconds() + timeoutSeconds;
    for (;;) {
        runDue();
        if (predicate()) return true;
        double left = end - monotonicSeconds();
        if (left <= 0) return false;
        // The virtual clock never wakes us; other threads' posts do. Look again now and then in case
        // the predicate depends on something that is not posted.
        waitForWork(left < 0.01 ? left : 0.01);
    }
}

void RunLoop::reset() {
    std::deque<Task> tasks;
    std::map<TimerKey, Timer> timers;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        tasks.swap(tasks_);
        timers.swap(timers_);
        timerKeys_.clear();
        stopRequested_ = false;
        partner_ = nullptr;
        if (virtualClock_) virtualNow_ = 0.0;
    }
    // Destroyed here, outside the lock: a dropped postAndWait task releases its waiter.
}

size_t RunLoop::pendingTaskCount() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return tasks_.size();
}

size_t RunLoop::timerCount() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return timers_.size();
}

std::vector<RunLoop::PendingOneShot> RunLoop::pendingOneShots() const {
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<PendingOneShot> pending;
    const double now = clockNow();
    for (const auto& [key, timer] : timers_) {
        if (timer.interval > 0.0) continue;
        pending.push_back({timer.delay, std::max(0.0, key.first - now), &timer.task.target_type()});
    }
    return pending;
}

void RunLoop::setEventSource(EventSource* source) {
    std::lock_guard<std::mutex> lock(mutex_);
    eventSource_ = source;
}

}  // namespace zuno::sys
