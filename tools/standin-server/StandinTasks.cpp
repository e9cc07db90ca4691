#include "standin-server/StandinTasks.h"

namespace zuno::standin {

StandinTasks::StandinTasks() { worker_ = std::thread([this] { run(); }); }

StandinTasks::~StandinTasks() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    worker_.join();
}

void StandinTasks::after(double seconds, std::function<void()> task) {
    const auto due = std::chrono::steady_clock::now() +
                     std::chrono::duration_cast<std::chrono::steady_clock::duration>(std::chrono::duration<double>(seconds));
    {
        std::lock_guard<std::mutex> lock(mutex_);
        tasks_.emplace(due, std::move(task));
    }
    wake_.notify_all();
}

void StandinTasks::run() {
    std::unique_lock<std::mutex> lock(mutex_);
    while (!stopping_) {
        if (tasks_.empty()) {
            wake_.wait(lock);
            continue;
        }
        auto first = tasks_.begin();
        if (first->first > std::chrono::steady_clock::now()) {
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
