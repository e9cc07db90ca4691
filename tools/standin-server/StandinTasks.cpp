#include "standin-server/StandinTasks.h"

namespace zuno::standin {

StandinTasks::StandinTasks(bool runByCaller) : runByCaller_(runByCaller) {
    if (!runByCaller_) worker_ = std::thread([this] { run(); });
}

StandinTasks::~StandinTasks() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (worker_.joinable()) worker_.join();
}

void StandinTasks::after(double seconds, std::function<void()> task) {
    const auto delay = std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    {
        std::lock_guard<std::mutex> lock(mutex_);
        tasks_.emplace((runByCaller_ ? callerNow_ : Clock::now()) + delay, std::move(task));
    }
    wake_.notify_all();
}

bool StandinTasks::runNext() {
    std::function<void()> task;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!runByCaller_ || tasks_.empty()) return false;
        auto first = tasks_.begin();
        callerNow_ = first->first;
        task = std::move(first->second);
        tasks_.erase(first);
    }
    task();
    return true;
}

void StandinTasks::run() {
    std::unique_lock<std::mutex> lock(mutex_);
    while (!stopping_) {
        if (tasks_.empty()) {
            wake_.wait(lock);
            continue;
        }
        auto first = tasks_.begin();
        if (first->first > Clock::now()) {
            wake_.wait_until(lock, first->first);
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
