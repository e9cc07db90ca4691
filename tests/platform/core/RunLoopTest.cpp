#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <memory>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "platform/core/Exception.h"
#include "platform/core/Log.h"
#include "platform/core/MainThread.h"
#include "platform/core/RunLoop.h"
#include "support/LoopWaits.h"

using zuno::sys::RunLoop;
using zuno::testing::waitOffLoop;

namespace {

// Work on a thread of its own that the test waits for with a time limit. Work that never ends is left
// behind on its detached thread, so that the test fails instead of hanging; it must own what it uses.
class BoundedThread {
public:
    explicit BoundedThread(std::function<void()> work)
        : thread_([work = std::move(work), finished = finished_] {
              work();
              finished->set_value();
          }) {}
    ~BoundedThread() {
        if (thread_.joinable()) thread_.detach();
    }
    bool endsWithin(double seconds) {
        if (done_.wait_for(std::chrono::duration<double>(seconds)) != std::future_status::ready) return false;
        thread_.join();
        return true;
    }

private:
    std::shared_ptr<std::promise<void>> finished_ = std::make_shared<std::promise<void>>();
    std::future<void> done_ = finished_->get_future();
    std::thread thread_;
};

}  // namespace

TEST(RunLoop, PostedTasksRunInOrder) {
    auto& loop = RunLoop::main();
    std::vector<int> order;
    for (int i = 0; i < 5; ++i) loop.post([&order, i] { order.push_back(i); });
    loop.runFor(0);
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 3, 4}));
}

TEST(RunLoop, VirtualClockFiresTimersInDueOrderWithoutWaiting) {
    auto& loop = RunLoop::main();
    std::vector<std::string> fired;
    loop.postDelayed(2.0, [&] { fired.push_back("b@" + std::to_string(int(loop.now()))); });
    loop.postDelayed(1.0, [&] { fired.push_back("a@" + std::to_string(int(loop.now()))); });
    loop.postDelayed(30.0, [&] { fired.push_back("c@" + std::to_string(int(loop.now()))); });
    loop.runFor(1.5);
    EXPECT_EQ(fired, (std::vector<std::string>{"a@1"}));
    loop.runFor(29.0);
    EXPECT_EQ(fired, (std::vector<std::string>{"a@1", "b@2", "c@30"}));
    EXPECT_DOUBLE_EQ(loop.now(), 30.5);
}

// A partner on the virtual clock: its steps interleave with the loop's timers (the loop's first at one
// time), and the clock moves on only once what another thread still had to hand the loop has arrived.
TEST(RunLoop, AVirtualClockPartnerStepsInTurnAndIsCaughtUpFirst) {
    struct Partner : RunLoop::VirtualClockPartner {
        std::vector<double> steps{1.0, 2.0, 5.0};
        std::vector<std::string>* log = nullptr;
        std::atomic<bool> late{false};  // a message of the partner's still on its way
        bool caughtUp() override { return !late; }
        std::optional<double> nextStep() override {
            return steps.empty() ? std::nullopt : std::optional<double>(steps.front());
        }
        void runNextStep() override {
            log->push_back("step@" + std::to_string(RunLoop::main().now()).substr(0, 3));
            steps.erase(steps.begin());
        }
    };
    auto& loop = RunLoop::main();
    std::vector<std::string> log;
    Partner partner;
    partner.log = &log;
    loop.setVirtualClockPartner(&partner);
    loop.postDelayed(2.0, [&] { log.push_back("timer@2.0"); });
    partner.late = true;
    std::thread message([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        loop.post([&] { log.push_back("message@" + std::to_string(loop.now()).substr(0, 3)); });
        partner.late = false;
    });
    loop.runFor(3);
    message.join();
    EXPECT_EQ(log, (std::vector<std::string>{"message@0.0", "step@1.0", "timer@2.0", "step@2.0"}));
    loop.setVirtualClockPartner(nullptr);
    loop.runFor(3);
    EXPECT_EQ(log.size(), 4u) << "a partner let go of takes no more steps";
}

// Work another thread owes the loop holds its virtual clock, alone or beside a partner that is caught
// up: what the thread posts runs before the clock moves on to a timer, however late the thread is.
TEST(RunLoop, WorkOwedByAnotherThreadHoldsTheVirtualClock) {
    struct CaughtUp : RunLoop::VirtualClockPartner {
        bool caughtUp() override { return true; }
        std::optional<double> nextStep() override { return std::nullopt; }
        void runNextStep() override {}
    };
    auto& loop = RunLoop::main();
    std::vector<std::string> log;
    auto logAt = [&](const std::string& what) { log.push_back(what + "@" + std::to_string(loop.now()).substr(0, 3)); };
    // Owed from before the thread starts, as a close owes its report from before it is seen.
    auto owingThread = [&](const std::string& what) {
        return std::thread([&, what, owed = std::make_unique<RunLoop::OwedWork>(loop)]() mutable {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));  // a thread the machine holds up
            loop.post([&, what] { logAt(what); });
            owed.reset();
        });
    };

    loop.postDelayed(1.0, [&] { logAt("timer"); });
    std::thread alone = owingThread("alone");
    loop.runFor(2);
    alone.join();

    CaughtUp partner;
    loop.setVirtualClockPartner(&partner);
    loop.postDelayed(1.0, [&] { logAt("timer"); });
    std::thread beside = owingThread("beside a partner");
    loop.runFor(2);
    beside.join();
    loop.setVirtualClockPartner(nullptr);

    EXPECT_EQ(log, (std::vector<std::string>{"alone@0.0", "timer@1.0", "beside a partner@2.0", "timer@3.0"}));
    EXPECT_EQ(loop.owedWorkCount(), 0);
}

TEST(RunLoop, RepeatingTimerTicksUntilCancelledEvenFromItsOwnTick) {
    auto& loop = RunLoop::main();
    int ticks = 0;
    RunLoop::TimerId id = 0;
    id = loop.scheduleRepeating(1.0, [&] {
        if (++ticks == 3) loop.cancel(id);
    });
    loop.runFor(10.0);
    EXPECT_EQ(ticks, 3);
    EXPECT_FALSE(loop.isScheduled(id));
    EXPECT_EQ(loop.timerCount(), 0u);
}

TEST(RunLoop, CancelledDelayedCallNeverRuns) {
    auto& loop = RunLoop::main();
    bool ran = false;
    auto id = loop.postDelayed(1.0, [&] { ran = true; });
    EXPECT_TRUE(loop.isScheduled(id));
    loop.cancel(id);
    loop.cancel(12345);  // unknown ids are ignored
    loop.runFor(5.0);
    EXPECT_FALSE(ran);
}

TEST(RunLoop, PostAndWaitFromAnotherThreadRunsOnTheLoop) {
    auto& loop = RunLoop::main();
    std::atomic<bool> onLoop{false};
    std::atomic<bool> returned{false};
    std::thread worker([&] {
        // The caller goes on only once the task has run.
        loop.postAndWait([&] { onLoop = RunLoop::isMainThread() && !returned; });
        returned = true;
    });
    EXPECT_TRUE(loop.runUntil([&] { return returned.load(); }, 5.0));
    worker.join();
    EXPECT_TRUE(onLoop);
}

TEST(RunLoop, PostAndWaitOnTheLoopThreadRunsInline) {
    bool ran = false;
    RunLoop::main().postAndWait([&] { ran = true; });
    EXPECT_TRUE(ran);
}

TEST(RunLoop, ResetReleasesAWaiterWhoseTaskIsDropped) {
    auto& loop = RunLoop::main();
    BoundedThread waiter([] { RunLoop::main().postAndWait([] {}); });
    ASSERT_TRUE(waitOffLoop([&] { return loop.pendingTaskCount() == 1; }));
    loop.reset();
    EXPECT_TRUE(waiter.endsWithin(10));
}

TEST(RunLoop, RunUntilGivesUpAfterTheTimeout) {
    EXPECT_FALSE(RunLoop::main().runUntil([] { return false; }, 0.05));
}

TEST(RunLoop, PostsFromManyThreadsAllArrive) {
    auto& loop = RunLoop::main();
    std::atomic<int> count{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&] {
            for (int i = 0; i < 250; ++i) loop.post([&] { ++count; });
        });
    for (auto& t : threads) t.join();
    EXPECT_TRUE(loop.runUntil([&] { return count == 1000; }, 5.0));
}

TEST(RunLoop, RealClockTimerFires) {
    RunLoop loop;
    loop.bindToCurrentThread();
    bool fired = false;
    loop.postDelayed(0.02, [&] { fired = true; });
    EXPECT_TRUE(loop.runUntil([&] { return fired; }, 5.0));
    RunLoop::main().bindToCurrentThread();
}

TEST(RunLoop, StopEndsRunFromATaskOrFromAnotherThread) {
    // A loop of its own, run on a thread of its own: a run() that never returns fails the test.
    auto loop = std::make_shared<RunLoop>();
    RunLoop* stopping = loop.get();
    loop->post([stopping] { stopping->stop(); });
    BoundedThread stoppedByATask([loop] { loop->run(); });
    ASSERT_TRUE(stoppedByATask.endsWithin(10));

    // Idle, run() waits without a time limit; a stop from elsewhere ends the wait.
    auto ranATask = std::make_shared<std::atomic<bool>>(false);
    loop->post([ranATask] { *ranATask = true; });
    BoundedThread stoppedFromOutside([loop] { loop->run(); });
    ASSERT_TRUE(waitOffLoop([&] { return ranATask->load(); }));
    loop->stop();
    EXPECT_TRUE(stoppedFromOutside.endsWithin(10));
}

TEST(RunLoop, ATaskOrTimerThatThrowsIsLoggedAndTheLoopGoesOn) {
    auto& loop = RunLoop::main();
    std::vector<std::string> ran;
    loop.post([] { throw zuno::sys::Exception("TaskException", "posted"); });
    loop.post([&] { ran.push_back("next task"); });
    loop.postDelayed(1.0, [] { throw std::runtime_error("plain failure"); });
    loop.postDelayed(2.0, [&] { ran.push_back("next timer"); });
    int ticks = 0;
    auto tick = loop.scheduleRepeating(0.5, [&] {
        if (++ticks == 1) throw zuno::sys::Exception("TickException", "first tick");
    });
    loop.runFor(3.0);
    loop.cancel(tick);
    EXPECT_EQ(ran, (std::vector<std::string>{"next task", "next timer"}));
    EXPECT_EQ(ticks, 6);  // the repeating timer keeps ticking after its failure
    EXPECT_TRUE(zuno::sys::Log::contains("Exception TaskException"));
    EXPECT_TRUE(zuno::sys::Log::contains("Exception plain failure"));
    EXPECT_TRUE(zuno::sys::Log::contains("Exception TickException"));
}

TEST(MainThreadCheck, ChangesFromAnotherThreadAreReportedAndMainThreadOnesAreNot) {
    std::vector<std::string> reported;
    std::mutex m;
    auto previous = zuno::sys::setMainThreadViolationHandler([&](const std::string& what) {
        std::lock_guard<std::mutex> lock(m);
        reported.push_back(what);
    });
    zuno::sys::checkMainThread("on the main thread");
    ZUNO_MAIN_THREAD_ONLY("guarded on the main thread");
    std::thread([] {
        zuno::sys::checkMainThread("from a worker");
        ZUNO_MAIN_THREAD_ONLY("guarded on a worker");
    }).join();
    zuno::sys::setMainThreadViolationHandler(previous);
#ifdef NDEBUG
    // Release builds leave the guard out of the changes it marks: only the direct check reports.
    EXPECT_EQ(reported, (std::vector<std::string>{"from a worker"}));
#else
    EXPECT_EQ(reported, (std::vector<std::string>{"from a worker", "guarded on a worker"}));
#endif
}
