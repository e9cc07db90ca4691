#include <gtest/gtest.h>

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
