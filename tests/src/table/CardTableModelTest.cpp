// The card table without views: seats, ready, the turn clock and bar, waiting chat, typed amounts.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "src/table/TableFixture.h"
#include "table/CardTableModel.h"

namespace zuno::testing {
namespace {

CardTableModel tableOf(std::vector<PlayerPtr> players, int32_t me, int32_t owner = -1, int32_t stake = 100) {
    CardTableModel t;
    t.players = std::move(players);
    t.ownerID = owner;
    t.money = stake;
    t.seatPlayersFrom(me);
    return t;
}

TEST(CardTableModel, SeatsStartAtMyPlaceAndWrapAround) {
    struct Case {
        const char* name;
        int count, myIndex;
        std::array<int, 4> seats;
    };
    const Case cases[] = {
        {"first", 4, 0, {0, 1, 2, 3}},
        {"third", 4, 2, {2, 3, 0, 1}},
        {"last", 4, 3, {3, 0, 1, 2}},
        {"two places", 2, 1, {1, 0, 1, 0}},
    };
    for (const auto& c : cases) {
        std::vector<PlayerPtr> players;
        for (int i = 0; i < c.count; ++i) players.push_back(seatPlayer(i == c.myIndex ? 10 : 50 + i, "p"));
        CardTableModel t = tableOf(players, 10);
        EXPECT_EQ(t.indexOfMe, c.myIndex) << c.name;
        EXPECT_EQ(t.seats, c.seats) << c.name;
    }
    CardTableModel empty = tableOf({}, 10);
    EXPECT_EQ(empty.playerAtSeat(0), nullptr);
    EXPECT_EQ(empty.getSeatFromID(10), -1);
}

TEST(CardTableModel, LookUpsAndMarks) {
    CardTableModel t = tableOf({seatPlayer(20, "an", 0, true), seatPlayer(10, "me"), seatPlayer(-1, ""),
                                seatPlayer(40, "chi")},
                               10, 40);
    EXPECT_EQ(t.getSeatFromID(20), 3);
    EXPECT_EQ(t.getSeatFromID(99), -1);
    EXPECT_EQ(t.getPlayerNameFromID(40), "chi");
    EXPECT_EQ(t.getPlayerNameFromID(99), "");
    EXPECT_TRUE(t.isSeatEmpty(1));
    EXPECT_EQ(t.readyMarkAtSeat(0), CardTableModel::Mark::Hidden);  // me, not ready
    EXPECT_EQ(t.readyMarkAtSeat(1), CardTableModel::Mark::Hidden);  // empty
    EXPECT_EQ(t.readyMarkAtSeat(2), CardTableModel::Mark::Owner);
    EXPECT_EQ(t.readyMarkAtSeat(3), CardTableModel::Mark::Ready);
}

TEST(CardTableModel, ReadyAnswers) {
    using A = CardTableModel::ReadyAnswer;
    CardTableModel t = tableOf({seatPlayer(10, "me")}, 10, 20, 500);
    EXPECT_EQ(t.readyAnswer(500), A::SendReady);  // exactly the stake
    EXPECT_EQ(t.readyAnswer(499), A::NotEnoughMoney);
    t.players[0]->setIsReady(true);
    EXPECT_EQ(t.readyAnswer(0), A::SendNotReady);
    t.disableReady = true;
    EXPECT_EQ(t.readyAnswer(1000), A::Refused);
    EXPECT_FALSE(t.leaveNeedsConfirmation(false));
    EXPECT_TRUE(t.leaveNeedsConfirmation(true));
    t.isGameEnd = false;
    EXPECT_TRUE(t.leaveNeedsConfirmation(false));
}

TEST(CardTableModel, ClockBeepsInTheLastFiveSecondsAndPassesMyTurnOnce) {
    CardTableModel t = tableOf({seatPlayer(10, "me")}, 10);
    t.currentPlayer = 10;
    t.dieTime = 1000;
    std::vector<int> beeps;
    int skips = 0, overs = 0;
    for (int64_t now = 990; now <= 1004; ++now) {
        auto tick = t.tickClock(now, true, 10);
        if (tick.beep) beeps.push_back(static_cast<int>(1000 - now));
        skips += tick.sendSkip;
        overs += tick.turnOver;
    }
    EXPECT_EQ(beeps, (std::vector<int>{5, 4, 3, 2, 1, 0}));
    EXPECT_EQ(skips, 1);
    EXPECT_EQ(overs, 1);
    EXPECT_EQ(t.currentPlayer, -1);
    EXPECT_EQ(t.dieTime, 0);

    // Another game's table, or someone else's turn, passes nothing.
    for (auto [passes, current] : {std::pair{false, 10}, std::pair{true, 20}}) {
        t.currentPlayer = current;
        t.dieTime = 1000;
        EXPECT_FALSE(t.tickClock(1001, passes, 10).sendSkip);
        EXPECT_EQ(t.currentPlayer, current);
    }
}

TEST(CardTableModel, TurnBarColoursAndEnd) {
    struct Case {
        int interval, orangeAt, redAt, ticks;  // in ticks of 0.1 s
    };
    for (auto c : {Case{20, 80, 140, 200}, Case{30, 120, 210, 300}, Case{7, 28, 49, 70}, Case{1, 4, 7, 10}}) {
        TurnBar bar(c.interval);
        int ticks = 0, orangeAt = 0, redAt = 0;
        while (bar.tick()) {
            ++ticks;
            if (!orangeAt && bar.colour() == TurnBar::Colour::Orange) orangeAt = ticks;
            if (!redAt && bar.colour() == TurnBar::Colour::Red) redAt = ticks;
        }
        EXPECT_EQ(orangeAt, c.orangeAt) << c.interval;
        EXPECT_EQ(redAt, c.redAt) << c.interval;
        EXPECT_EQ(ticks + 1, c.ticks) << c.interval;
        EXPECT_EQ(bar.progress(), 0.0);
        EXPECT_FALSE(bar.tick());
    }
    for (int none : {0, -1, -128}) {
        TurnBar empty(none);
        EXPECT_TRUE(empty.isEmpty());
        EXPECT_EQ(empty.progress(), 0.0);
        EXPECT_EQ(empty.colour(), TurnBar::Colour::Red);
        EXPECT_FALSE(empty.tick());
    }
}

TEST(TableText, AmountsLinesAndTrimming) {
    struct Case {
        const char* text;
        int64_t amount;
    };
    const Case amounts[] = {{"abc", 0},   {"", 0},         {"  250", 250}, {"12abc", 12},
                            {"-5", -5},   {"+7", 7},       {"4294967296", 4294967296LL},
                            {"99999999999999999999999", INT64_MAX}};
    for (const auto& c : amounts) EXPECT_EQ(tabletext::readAmount(c.text), c.amount) << c.text;

    const std::string viet = "Tiến lên";  // 8 characters, 10 bytes
    EXPECT_EQ(tabletext::firstCharacters(viet, 3), "Tiế");
    EXPECT_EQ(tabletext::firstCharacters(viet, 8), viet);
    EXPECT_EQ(tabletext::firstCharacters(std::string(150, 'x'), 100), std::string(100, 'x'));
    EXPECT_EQ(tabletext::trimmed("  hi there \t"), "hi there");
    EXPECT_EQ(tabletext::trimmed("   "), "");
    EXPECT_EQ(tabletext::trimmed("\u3000chào\u3000"), "chào");
}

}  // namespace
}  // namespace zuno::testing
