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

TEST(Exception, NameIsWhatDecodersLog) {
    try {
        throw Exception(Exception::kRange, "read past the end");
    } catch (const std::exception& e) {
        EXPECT_EQ(failureName(e), "RangeException");
    }
    EXPECT_EQ(failureName(std::runtime_error("plain")), "plain");
}
