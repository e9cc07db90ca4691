#include <gtest/gtest.h>

#include "platform/core/Exception.h"
#include "platform/core/Log.h"

using namespace zuno::sys;

TEST(Log, CapturesOneLinePerCall) {
    Log::clearCaptured();
    Log::line("first");
    Log::format("Exception %s", "RangeException");
    auto lines = Log::captured();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], "Exception RangeException");
    EXPECT_TRUE(Log::contains("first"));
    EXPECT_FALSE(Log::contains("absent"));
}

TEST(Log, APlainRunPrintsWarningsOnlyAVerboseOneEveryLine) {
    Log::stopCapture();
    const auto printed = [](bool verbose) {
        Log::setVerbose(verbose);
        ::testing::internal::CaptureStderr();
        Log::line("own line");
        Log::debug("traffic");
        Log::warningFormat("refused %d", 7);
        return ::testing::internal::GetCapturedStderr();
    };
    EXPECT_EQ(printed(false), "refused 7\n");
    EXPECT_EQ(printed(true), "own line\ntraffic\nrefused 7\n");
    Log::setVerbose(false);
    Log::startCapture();
}

TEST(Exception, NameIsWhatDecodersLog) {
    try {
        throw Exception(Exception::kRange, "read past the end");
    } catch (const std::exception& e) {
        EXPECT_EQ(failureName(e), "RangeException");
    }
    EXPECT_EQ(failureName(std::runtime_error("plain")), "plain");
}
