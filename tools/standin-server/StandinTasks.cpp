#include "standin-server/StandinTasks.h"

#include <atomic>
#include <chrono>
#include <set>

namespace zuno::standin {

namespace {

double realSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

std::atomic<uint64_t> nextOrder{0};

// The clock of the tasks to be stepped, and every StandinTasks that keeps tasks for stepping.
struct Stepping {
    std::mutex mutex;
    std::function<double()> clock;
    std::set<StandinTasks*> keepers;
};

Stepping& stepping() {
    static Stepping* shared = new Stepping();  // lives for the whole run
    return *shared;
}

std::function<double()> clockToStepOn() {
    std::lock_guard<std::mutex> lock(stepping().mutex);
    return stepping().clock;
}

}  // namespace

StandinTasks::StandinTasks(bool runByCaller) : StandinTasks(runByCaller, runByCaller ? nullptr : clockToStepOn()) {}

StandinTasks::StandinTasks(bool runByCaller, std::function<double()> steppedClock)
    : mode_(runByCaller ? Mode::RunByCaller : steppedClock ? Mode::Stepped : Mode::OwnThread),
      steppedClock_(std::move(steppedClock)) {
    if (mode_ == Mode::OwnThread) worker_ = std::thread([this] { run(); });
    if (mode_ == Mode::Stepped) {
        std::lock_guard<std::mutex> lock(stepping().mutex);
        stepping().keepers.insert(this);
    }
}

StandinTasks::~StandinTasks() {
    if (mode_ == Mode::Stepped) {
        std::lock_guard<std::mutex> lock(stepping().mutex);
        stepping().keepers.erase(this);
    }
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (worker_.joinable()) worker_.join();
}

double StandinTasks::now() const {
    switch (mode_) {
        case Mode::RunByCaller: {
            std::lock_guard<std::mutex> lock(mutex_);
            return callerNow_;
        }
        case Mode::Stepped: return steppedClock_();
        case Mode::OwnThread: break;
    }
    return realSeconds();
}

void StandinTasks::after(double seconds, std::function<void()> task) {
    const double due = now() + seconds;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        tasks_.emplace(Key{due, nextOrder++}, std::move(task));
    }
    wake_.notify_all();
}

std::optional<StandinTasks::Key> StandinTasks::firstKey() const {
    std::lock_guard<std::mutex> lock(mutex_);
    if (tasks_.empty()) return std::nullopt;
    return tasks_.begin()->first;
}

bool StandinTasks::runNext() {
    std::function<void()> task;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (mode_ == Mode::OwnThread || tasks_.empty()) return false;
        auto first = tasks_.begin();
        if (mode_ == Mode::RunByCaller) callerNow_ = first->first.first;
        task = std::move(first->second);
        tasks_.erase(first);
    }
    task();
    return true;
}

void StandinTasks::stepOn(std::function<double()> clock) {
    std::lock_guard<std::mutex> lock(stepping().mutex);
    stepping().clock = std::move(clock);
}

std::optional<std::pair<StandinTasks::Key, StandinTasks*>> StandinTasks::firstStep() {
    std::lock_guard<std::mutex> lock(stepping().mutex);
    std::optional<std::pair<Key, StandinTasks*>> first;
    for (StandinTasks* keeper : stepping().keepers) {
        const auto key = keeper->firstKey();
        if (key && (!first || *key < first->first)) first = {*key, keeper};
    }
    return first;
}

std::optional<double> StandinTasks::firstStepDue() {
    const auto first = firstStep();
    if (!first) return std::nullopt;
    return first->first.first;
}

bool StandinTasks::runFirstStep() {
    // The keepers go on the stepping thread only, so the one found is still there.
    const auto first = firstStep();
    return first && first->second->runNext();
}

void StandinTasks::run() {
    std::unique_lock<std::mutex> lock(mutex_);
    while (!stopping_) {
        if (tasks_.empty()) {
            wake_.wait(lock);
            continue;
        }
        auto first = tasks_.begin();
        const double wait = first->first.first - realSeconds();
        if (wait > 0) {
            wake_.wait_for(lock, std::chrono::duration<double>(wait));
            continue;
        }
        std::function<void()> task = std::move(first->second);
        tasks_.erase(first);
        // Outside the lock, so that a task may schedule the next.
        lock.unlock();
        task();
        lock.lock();
    }
}

}  // namespace zuno::standin
