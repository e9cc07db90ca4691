#include <gtest/gtest.h>

#include <climits>
#include <optional>

#include "platform/core/Format.h"

using namespace zuno::sys;

TEST(FormatNumberTest, GroupsDigitsInThrees) {
    EXPECT_EQ(formatNumber(0), "0");
    EXPECT_EQ(formatNumber(999), "999");
    EXPECT_EQ(formatNumber(1000), "1,000");
    EXPECT_EQ(formatNumber(-999), "-999");
    EXPECT_EQ(formatNumber(-1000), "-1,000");
    EXPECT_EQ(formatNumber(-1234567), "-1,234,567");
    EXPECT_EQ(formatNumber(100000), "100,000");
    EXPECT_EQ(formatNumber(INT64_MAX), "9,223,372,036,854,775,807");
    EXPECT_EQ(formatNumber(INT64_MIN), "-9,223,372,036,854,775,808");
    setNumberGroupingSeparator(".");
    EXPECT_EQ(formatNumber(1234567), "1.234.567");
}

TEST(FormatTest, ConversionsTheProgramUses) {
    EXPECT_EQ(format("%@;%@;%@", "2.3.0", "Desktop", "6.1"), "2.3.0;Desktop;6.1");
    EXPECT_EQ(format("%d", 42), "42");
    EXPECT_EQ(format("%qi bytes.", 150LL), "150 bytes.");
    EXPECT_EQ(format("%.2f KB.", 2048 / 1024.0f), "2.00 KB.");
    EXPECT_EQ(format("%02d:%02d", 10, 0), "10:00");
    EXPECT_EQ(format("%d_%d", 3, 1), "3_1");
    EXPECT_EQ(format("%@%d", "Level", -5), "Level-5");
    EXPECT_EQ(format("%@+%d", "Level", 5), "Level+5");
    EXPECT_EQ(format("%@%", "Level+5"), "Level+5%");  // a lone percent at the end stays
    EXPECT_EQ(format("100%%"), "100%");
    EXPECT_EQ(format("%i|%u|%x|%X|%o|%c", 7, 8u, 255, 255, 8, 'A'), "7|8|ff|FF|10|A");
    EXPECT_EQ(format("%5d|%-5d|%05d|%+d", 42, 42, 42, 42), "   42|42   |00042|+42");
    EXPECT_EQ(format("%5@|%-5@|%.2@", "ab", "ab", "abcdef"), "   ab|ab   |ab");
    EXPECT_EQ(format("%s and %@", "C text", 3.5), "C text and 3.5");
    EXPECT_EQ(format("%lld %ld %hhd", INT64_MIN, 5L, 6), "-9223372036854775808 5 6");
    EXPECT_EQ(format("%2$@ %1$@", "world", "hello"), "hello world");
    EXPECT_EQ(format("%*d|%.*f", 4, 7, 1, 2.25), "   7|2.2");
    EXPECT_EQ(format("%@", std::optional<std::string>()), "(null)");
    EXPECT_EQ(format("%@", nullptr), "(null)");
}

TEST(FormatTest, OutsideFormatsAreHarmless) {
    // Texts from the network or a file: more conversions than arguments, odd conversions, huge widths.
    EXPECT_EQ(format("%@ and %@", "one"), "one and ");
    EXPECT_EQ(format("%s%s%s%s%n%p", "a"), "a%n%p");
    EXPECT_EQ(format("%d", "12abc"), "12");   // a text where a number was meant converts
    EXPECT_EQ(format("%@", 12), "12");        // and the other way round
    EXPECT_EQ(format("%f", 3), "3.000000");
    EXPECT_EQ(format("%99999999999d", 1).size(), 4096u);
    EXPECT_EQ(format("%.99999999f", 1.0).size(), 4098u);
    EXPECT_EQ(format("%9$@", "a"), "");
    EXPECT_EQ(format("trailing %l"), "trailing %l");
    EXPECT_EQ(format("%"), "%");
    EXPECT_EQ(format("%y %k", 1), "%y %k");
}

TEST(FormatDateTest, PatternsTheProgramNames) {
    double t = 1304416800.0 + 5 * 60 + 7.25;  // 2011-05-03 10:05:07.250 UTC, a Tuesday
    EXPECT_EQ(formatDate("HH:mm", t, TimeZoneChoice::Utc), "10:05");
    EXPECT_EQ(formatDate("dd/MM/yyyy", t, TimeZoneChoice::Utc), "03/05/2011");
    EXPECT_EQ(formatDate("MMM dd, yyyy HH:mm", t, TimeZoneChoice::Utc), "May 03, 2011 10:05");
    EXPECT_EQ(formatDate("EEE EEEE MMMM d M yy h:m:s SSS a", t, TimeZoneChoice::Utc),
              "Tue Tuesday May 3 5 11 10:5:7 250 AM");
    EXPECT_EQ(formatDate("hh a 'at' HH 'o''clock' ''", t + 4 * 3600, TimeZoneChoice::Utc), "02 PM at 14 o'clock '");
    EXPECT_EQ(formatDate("h a", 1304380800.0, TimeZoneChoice::Utc), "12 AM");  // midnight
    EXPECT_EQ(formatShortDateTime(t, TimeZoneChoice::Utc), "5/3/11 10:05 AM");
}
