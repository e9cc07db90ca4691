#include <gtest/gtest.h>

#include "platform/core/Log.h"
#include "shell/Util.h"

using zuno::Util;

TEST(Util, FormatNumberGroupsDigits) {
    EXPECT_EQ(Util::formatNumber(0), "0");
    EXPECT_EQ(Util::formatNumber(999), "999");
    EXPECT_EQ(Util::formatNumber(1000), "1,000");
    EXPECT_EQ(Util::formatNumber(-1234567), "-1,234,567");
    EXPECT_EQ(Util::formatNumber(INT64_MIN), "-9,223,372,036,854,775,808");
    EXPECT_EQ(Util::formatNumber(INT64_MAX), "9,223,372,036,854,775,807");
}

TEST(Util, QuotaTimeShowsMinutesAndRealSeconds) {
    EXPECT_EQ(Util::convertIntToQuotaTime(600000), "10:00");
    EXPECT_EQ(Util::convertIntToQuotaTime(630000), "10:30");
    EXPECT_EQ(Util::convertIntToQuotaTime(59999), "00:59");
    EXPECT_EQ(Util::convertIntToQuotaTime(0), "00:00");
    EXPECT_EQ(Util::convertIntToQuotaTime(-30000), "00:00");
    EXPECT_TRUE(zuno::sys::Log::contains("-3 0 -3"));  // the log keeps the quota's own figures
    EXPECT_EQ(Util::convertIntToQuotaTime(6000000), "100:00");
}

TEST(Util, DatesAndTimeOfDay) {
    // Noon UTC, so the day is the same in every time zone the machine may use.
    EXPECT_EQ(Util::getDateString(1299326400), "05/03/2011");
    std::string now = Util::getDayMonth();
    ASSERT_EQ(now.size(), 5u);
    EXPECT_EQ(now[2], ':');
    EXPECT_LT(std::stoi(now.substr(0, 2)), 24);
    EXPECT_LT(std::stoi(now.substr(3)), 60);
}
