#include <gtest/gtest.h>

#include "lobby/model/LobbyRecords.h"
#include "lobby/model/Player.h"
#include "lobby/model/Province.h"
#include "lobby/model/ZunoMessage.h"

using namespace zuno;

namespace {
struct Level {
    int32_t lv, remain, require, percent;
};
Level levelFor(int32_t exp) {
    Player p;
    p.setExp(exp);
    const auto& l = *p.level();
    return {l.lv(), l.expRemain(), l.expRequire(), l.percent()};
}
}  // namespace

TEST(Player, LevelFollowsExperience) {
    auto check = [](int32_t exp, Level want) {
        Level got = levelFor(exp);
        EXPECT_EQ(got.lv, want.lv) << exp;
        EXPECT_EQ(got.remain, want.remain) << exp;
        EXPECT_EQ(got.require, want.require) << exp;
        EXPECT_EQ(got.percent, want.percent) << exp;
    };
    check(0, {1, 0, 100, 0});
    check(99, {1, 99, 100, 99});
    check(100, {2, 0, 200, 0});
    check(250, {2, 150, 200, 75});
    check(300, {3, 0, 300, 0});
    check(-50, {1, -50, 100, -50});
    // The largest experience still gives a sane level instead of overflowing on the way.
    Level top = levelFor(INT32_MAX);
    EXPECT_GT(top.lv, 6000);
    EXPECT_GE(top.remain, 0);
    EXPECT_LT(top.remain, top.require);
}

TEST(Player, NewPlayerAndEquality) {
    Player a, b;
    EXPECT_EQ(a.name(), "");
    EXPECT_TRUE(a.gifts().empty());
    ASSERT_NE(a.userProfile(), nullptr);
    EXPECT_FALSE(a.userProfile()->address().has_value());
    a.setIDDB(7);
    a.setName("x");
    b.setIDDB(7);
    b.setName("y");
    EXPECT_TRUE(a.equals(b));
    a.setMoney(-1234567);
    a.addMoney(-1);
    EXPECT_EQ(a.getMoneyString(), "-1,234,568");
    EXPECT_EQ(a.toString(), "x");
}

TEST(Province, LookupSearchesFromTheEndAndFallsBackToTheId) {
    Province::setList({});
    EXPECT_EQ(Province::getProviceNameWithId(5), "5");
    EXPECT_EQ(Province::getProviceNameWithId(-1), "-1");
    Province::setList({std::make_shared<Province>(5, "Ha Noi"), std::make_shared<Province>(5, "Hai Phong"),
                       std::make_shared<Province>(9, "Hue")});
    EXPECT_EQ(Province::getProviceNameWithId(5), "Hai Phong");
    EXPECT_EQ(Province::getProviceNameWithId(9), "Hue");
    EXPECT_EQ(Province::getProviceNameWithId(10), "10");
    Province::setList({});
}

TEST(ShellRecords, Defaults) {
    FlyTextInfo fly;
    EXPECT_EQ(fly.imgId(), -1);
    EXPECT_EQ(fly.text(), "");
    ZunoMessage mail;
    EXPECT_FALSE(mail.isRead());
    EXPECT_EQ(mail.message(), "");
    Board board;
    EXPECT_FALSE(board.isPass());
    RoomInfo room(1, 2, 3, 4);
    EXPECT_EQ(room.roomFree(), 2);
    EXPECT_EQ(room.roomWait(), 3);
    EXPECT_EQ(room.lv(), 4);
}
