#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "lobby/StoredPurchases.h"
#include "platform/core/DataFolder.h"
#include "platform/core/UserDefaults.h"
#include "support/PlatformReset.h"

namespace zuno {
namespace {

void storeEntries(std::vector<sys::Value> entries) {
    auto& defaults = sys::UserDefaults::standard();
    defaults.setObject(sys::Value(sys::Array(std::move(entries))), StoredPurchases::kKey);
    defaults.synchronize();
}

sys::Array storedOnDisk() {
    sys::UserDefaults::reopenStandard();
    return sys::UserDefaults::standard().arrayForKey(StoredPurchases::kKey).value_or(sys::Array());
}

TEST(StoredPurchasesTest, EntriesReadUserFirstAndReceiptAndDateLast) {
    struct Case {
        const char* name;
        std::string entry;
        std::string user;
        std::optional<StoredPurchase> read;
    } cases[] = {
        {"plain", "lan;100,000 Xu;QUJD;Dec 07, 2026 01:02", "lan", StoredPurchase{"lan", "100,000 Xu", "QUJD", "Dec 07, 2026 01:02"}},
        {"; in the product", "lan;a;b;QUJD;Dec 07, 2026 01:02", "lan", StoredPurchase{"lan", "a;b", "QUJD", "Dec 07, 2026 01:02"}},
        {"; in the user", "l;an;pack;QUJD;date", "l;an", StoredPurchase{"l;an", "pack", "QUJD", "date"}},
        {"empty product and receipt", "lan;;;date", "lan", StoredPurchase{"lan", "", "", "date"}},
        {"another user", "hoa;pack;QUJD;date", "lan", std::nullopt},
        {"a user whose name starts the same", "lana;pack;QUJD;date", "lan", std::nullopt},
        {"too few fields", "lan;QUJD;date", "lan", std::nullopt},
        {"no field", "lan", "lan", std::nullopt},
        {"empty", "", "", std::nullopt},
    };
    for (const auto& c : cases) {
        auto read = StoredPurchases::parse(c.entry, c.user);
        ASSERT_EQ(read.has_value(), c.read.has_value()) << c.name;
        if (!read) continue;
        EXPECT_EQ(read->userName, c.read->userName) << c.name;
        EXPECT_EQ(read->product, c.read->product) << c.name;
        EXPECT_EQ(read->receipt, c.read->receipt) << c.name;
        EXPECT_EQ(read->date, c.read->date) << c.name;
        EXPECT_EQ(StoredPurchases::format(*read), c.entry) << c.name;
    }
}

TEST(StoredPurchasesTest, EachUserSeesOnlyTheirOwnReadableEntries) {
    storeEntries({sys::Value("lan;pack 1;R1;d1"), sys::Value(42), sys::Value("hoa;pack 2;R2;d2"),
                  sys::Value("lan;broken"), sys::Value("lan;pack 3;R3;d3")});
    auto lan = StoredPurchases::ofUser("lan");
    ASSERT_EQ(lan.size(), 2u);
    EXPECT_EQ(lan[0].receipt, "R1");
    EXPECT_EQ(lan[1].receipt, "R3");
    ASSERT_EQ(StoredPurchases::ofUser("hoa").size(), 1u);
    EXPECT_EQ(StoredPurchases::count(), 5u);
}

TEST(StoredPurchasesTest, ARemovalTakesEveryCopyOfThatUsersReceiptAndNothingElse) {
    storeEntries({sys::Value("lan;pack;R1;d1"), sys::Value("hoa;pack;R1;d1"), sys::Value("lan;pack;R1;d2"),
                  sys::Value("lan;pack;R10;d1"), sys::Value(7), sys::Value("lan;broken")});
    EXPECT_EQ(StoredPurchases::removeReceipt("lan", "R1"), 2u);
    const sys::Array left = storedOnDisk();
    EXPECT_EQ(left, (sys::Array{sys::Value("hoa;pack;R1;d1"), sys::Value("lan;pack;R10;d1"), sys::Value(7),
                                sys::Value("lan;broken")}));
    EXPECT_EQ(StoredPurchases::removeReceipt("lan", "not stored"), 0u);
    EXPECT_EQ(storedOnDisk().size(), 4u);
}

TEST(StoredPurchasesTest, ARecordIsOnDiskWhenItAnswersYes) {
    EXPECT_TRUE(StoredPurchases::record({"lan", "pack", "UjE=", "d"}));
    EXPECT_EQ(storedOnDisk(), (sys::Array{sys::Value("lan;pack;UjE=;d")}));

    // A data folder that cannot be written: the record answers NO.
    // A data folder under a plain file: nothing can be written there.
    const std::string blocked = testing::makeTemporaryFolder("blocked-defaults") + "/file";
    std::ofstream(blocked) << "not a folder";
    sys::UserDefaults::reopenStandard();
    sys::setDataFolder(blocked + "/data");
    EXPECT_FALSE(StoredPurchases::record({"lan", "pack", "UjI=", "d"}));
    sys::UserDefaults::reopenStandard();
    sys::setDataFolder(testing::temporaryDataFolder());
}

TEST(StoredPurchasesTest, DatesAreEnglishMonthsInLocalTime) {
    const char* zone = getenv("TZ");
    const std::optional<std::string> saved = zone ? std::optional<std::string>(zone) : std::nullopt;
    setenv("TZ", "UTC", 1);
    tzset();
    EXPECT_EQ(StoredPurchases::dateText(1796000000), "Nov 30, 2026 00:53");
    EXPECT_EQ(StoredPurchases::dateText(0), "Jan 01, 1970 00:00");
    setenv("TZ", "Asia/Ho_Chi_Minh", 1);
    tzset();
    EXPECT_EQ(StoredPurchases::dateText(1796000000), "Nov 30, 2026 07:53");
    if (saved) setenv("TZ", saved->c_str(), 1); else unsetenv("TZ");
    tzset();
}

}  // namespace
}  // namespace zuno
