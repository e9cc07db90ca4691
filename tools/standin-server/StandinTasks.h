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
    StandinTasks();
    ~StandinTasks();
    StandinTasks(const StandinTasks&) = delete;
    StandinTasks& operator=(const StandinTasks&) = delete;

    void after(double seconds, std::function<void()> task);

private:
    void run();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::multimap<std::chrono::steady_clock::time_point, std::function<void()>> tasks_;
    bool stopping_ = false;
    std::thread worker_;
};

}  // namespace zuno::standin
