// The main of every test program: the test thread is the main thread, each test starts with an empty
// main run loop on a virtual clock, and log lines are captured (and printed when a test fails).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "platform/core/Log.h"
#include "platform/core/RunLoop.h"
#include "platform/core/Bundle.h"
#include "support/ClientReset.h"
#include "support/PlatformReset.h"

namespace {

class FreshMainLoop : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        auto& loop = zuno::sys::RunLoop::main();
        loop.bindToCurrentThread();
        loop.reset();
        loop.setVirtualClock(true);
        zuno::testing::resetPlatformServices();
        zuno::testing::resetClientState();
        zuno::sys::Log::startCapture();
    }

    void OnTestEnd(const ::testing::TestInfo& info) override {
        zuno::sys::Log::stopCapture();
        if (info.result() && info.result()->Failed()) {
            auto lines = zuno::sys::Log::captured();
            if (!lines.empty()) {
                std::fprintf(stderr, "---- log of %s.%s ----\n", info.test_suite_name(), info.name());
                for (const auto& l : lines) std::fprintf(stderr, "%s\n", l.c_str());
            }
        }
        zuno::sys::RunLoop::main().reset();
    }
};

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleMock(&argc, argv);
    zuno::sys::RunLoop::main().bindToCurrentThread();
    zuno::testing::useTemporaryDataFolder();
    zuno::sys::Bundle::setMainPath(ZUNO_BUNDLE_DIR);
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshMainLoop);
    int result = RUN_ALL_TESTS();
    zuno::testing::removeTemporaryDataFolder();
    return result;
}
