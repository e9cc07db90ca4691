#include <gtest/gtest.h>

#include "DecoderCases.h"
#include "games/poker/PokerMessageHandler.h"
#include "games/poker/PokerPlayer.h"
#include "platform/core/Log.h"

using namespace zuno;
using namespace zuno::testing;

namespace {

class PokerMessagesTest : public ::testing::Test {
protected:
    void SetUp() override { PokerMessageHandler::getInstance()->setPokerLogicHandler(poker); }
    void TearDown() override { PokerMessageHandler::getInstance()->setPokerLogicHandler(PokerLogicHandler::getInstance()); }
    void expect(const std::vector<DecoderCase>& cases) { expectEach(*PokerMessageHandler::getInstance(), poker->log, cases); }

    std::shared_ptr<RecordingPokerLogic> poker = std::make_shared<RecordingPokerLogic>();
};

// Sub-command first, then room 3 and table 9.
sys::Data sub(uint8_t s) { return {s, 3, 9}; }

}  // namespace

TEST_F(PokerMessagesTest, TableMessages) {
    expect({
        {"join reads a first seat record", 8, bytes({{3, 9}, I(77), I(500), I(-1)}), {"join(3, 9, 77, 500, [{-1  0 0 0 -}])"}},
        {"join without a seat record is dropped", 8, bytes({{3, 9}, I(77), I(500)}), {}},
        {"someone sits at seat 8", 12, bytes({{8}, I(6), utf("an"), L(70), int16Bytes(2), I(10)}), {"sit(8, {6 an 70 2 10 -}, -1)"}},
        {"seat 9 is outside the table", 12, bytes({{9}, I(6), utf("an"), L(70), int16Bytes(2), I(10)}), {}},
        {"leave board stops like stop game", 15, {3, 9}, {"stop(3, 9)"}},
        {"stop game", 50, {3, 9}, {"stop(3, 9)"}},
        {"stop without its table reads table 0", 50, {3}, {"stop(3, 0)"}},
        {"leave board without its table reads table 0", 15, {3}, {"stop(3, 0)"}},
        {"stop without room and table is dropped", 50, {}, {}},
        {"start", 20, bytes({{3, 9, 15, 12, 40}, I(1), I(2), I(3), I(100), I(2), I(1), I(5000), I(2), I(4000)}),
         {"start(3, 9, 15, [12 40], 1, 2, 3, 100, 2, [1 2], [5000 4000])"}},
        {"start without players", 20, bytes({{3, 9, 15, 12, 40}, I(1), I(2), I(3), I(100), I(2)}),
         {"start(3, 9, 15, [12 40], 1, 2, 3, 100, 2, [], [])"}},
        {"start with a user id but no stack", 20, bytes({{3, 9, 15, 12, 40}, I(1), I(2), I(3), I(100), I(2), I(1)}), {}},
        {"move refused, table first", 54, bytes({{9, 3}, utf("no")}), {"refused(3, 9, \"no\")"}},
        {"nudge", 103, bytes({utf("an"), utf("hi")}), {"buzz(\"an: hi\")"}},
    });
}

TEST_F(PokerMessagesTest, BettingSubCommands) {
    const sys::Data betting = bytes({I(1), I(200), I(800), I(2), I(3), I(5)});
    expect({
        {"bet", 21, bytes({sub(1), betting}), {"bet(3, 9, 1, 200, 800, 2, [3 5])"}},
        {"raise", 21, bytes({sub(2), betting}), {"raise(3, 9, 1, 200, 800, 2, [3 5])"}},
        {"call", 21, bytes({sub(3), betting}), {"call(3, 9, 1, 200, 800, 2, [3 5])"}},
        {"all in", 21, bytes({sub(6), betting}), {"allIn(3, 9, 1, 200, 800, 2, [3 5])"}},
        {"bet ending after the next player", 21, bytes({sub(1), I(1), I(200), I(800), I(2)}), {"bet(3, 9, 1, 200, 800, 2, [])"}},
        {"check", 21, bytes({sub(4), I(1), I(2), I(4)}), {"check(3, 9, 1, 2, [4])"}},
        {"fold", 21, bytes({sub(5), I(1), I(800), I(2)}), {"fold(3, 9, 1, 800, 2, [])"}},
        {"flop", 21, bytes({sub(7), I(1), {10, 20, 30}, I(2), I(500), I(80)}), {"flop(3, 9, 1, [10 20 30], 2, [500 80])"}},
        {"flop pots counted past the message", 21, bytes({sub(7), I(1), {10, 20, 30}, I(1000000), I(500)}),
         {"flop(3, 9, 1, [10 20 30], 1, [500])"}},
        {"turn keeps eight pots", 21, bytes({sub(8), I(1), {44}, I(9), I(1), I(2), I(3), I(4), I(5), I(6), I(7), I(8), I(9)}),
         {"turn(3, 9, 1, 44, 8, [1 2 3 4 5 6 7 8])"}},
        {"river", 21, bytes({sub(9), I(1), {45}, I(0)}), {"river(3, 9, 1, 45, 0, [])"}},
        {"stack", 21, bytes({sub(10), I(1), I(700)}), {"stack(3, 9, 1, 700)"}},
        {"playing without community cards", 21, bytes({sub(11), I(1), {0}, I(1), I(700), I(50), I(2), I(600), I(0)}),
         {"playing(3, 9, 1, 0, [], [1 2], [700 600], [50 0])"}},
        {"playing keeps five community cards", 21, bytes({sub(11), I(1), {6, 1, 2, 3, 4, 5, 6}}),
         {"playing(3, 9, 1, 5, [1 2 3 4 5], [], [], [])"}},
        {"playing without its card count", 21, bytes({sub(11), I(1)}), {"playing(3, 9, 1, 0, [], [], [], [])"}},
        {"showdown", 21, bytes({sub(14), I(30), utf("Thùng"), I(1), I(100), I(900), {1, 2, 3, 4, 5, 6, 7}}),
         {"showdown(3, 9, 30, \"Thùng\", 1, 100, 900, [1 2 3 4 5 6 7])"}},
        {"stacks of the players", 21, bytes({sub(28), I(1), I(700), I(2), I(600)}), {"stacks(3, 9, [1 2], [700 600])"}},
        {"own result", 21, bytes({sub(29), utf("Đôi"), {1, 2}}), {"selfResult(3, 9, \"Đôi\", [1 2])"}},
        {"last pots", 21, bytes({sub(35), I(100), I(200)}), {"lastPot(3, 9, [100 200])"}},
        {"unknown sub", 21, bytes({sub(13), I(1)}), {}},
        {"empty move", 21, {}, {}},
    });
}

TEST_F(PokerMessagesTest, SeatSubCommands) {
    expect({
        {"observer", 82, bytes({sub(12), I(1)}), {"observer(3, 9, 1)"}},
        {"full table", 82, sub(18), {"full(3, 9)"}},
        {"full table without its table reads table 0", 82, {18, 3}, {"full(3, 0)"}},
        {"full table with its sub only is dropped", 82, {18}, {}},
        {"sit at seat 8", 82, bytes({sub(19), I(1), {8}}), {"sitDown(3, 9, 1, 8)"}},
        {"sit without its seat reads seat 0", 82, bytes({sub(19), I(1)}), {"sitDown(3, 9, 1, 0)"}},
        {"sit at seat 9 is dropped", 82, bytes({sub(19), I(1), {9}}), {}},
        {"stand up", 82, bytes({sub(30), I(1), I(2), {0}, I(1), I(4)}), {"standUp(3, 9, 1, 2, 0, [1 4])"}},
        {"stand up without its seat reads seat 0", 82, bytes({sub(30), I(1), I(2)}), {"standUp(3, 9, 1, 2, 0, [])"}},
        {"stand up from seat -1 is dropped", 82, bytes({sub(30), I(1), I(2), {0xFF}}), {}},
        {"over money", 82, bytes({sub(32), I(1)}), {"overMoney(3, 9, 1)"}},
        {"result", 82, bytes({sub(34), I(1), I(700)}), {"result(3, 9, [1], [700])"}},
        {"unknown sub", 82, sub(13), {}},
    });
    EXPECT_EQ(sys::Log::captured().back(), "============= UNDEFINE SUB COMMAND  ===============: 13");
}

TEST(PokerPlayerTest, SeatRecord) {
    auto player = std::make_shared<TienLenPlayer>();
    PokerPlayer seat(player, 900, 4);
    EXPECT_EQ(seat.playerMoney(), -1);
    EXPECT_EQ(seat.playerNewSeat(), -1);
    EXPECT_EQ(seat.playerCards(), (PokerPlayer::HoleCards{-1, -1}));
    seat.setCard({12, 40});
    EXPECT_EQ(seat.playerCards(), (PokerPlayer::HoleCards{12, 40}));
    sys::Log::clearCaptured();
    seat.resetCard();
    EXPECT_EQ(seat.playerCards(), (PokerPlayer::HoleCards{-1, -1}));
    EXPECT_TRUE(sys::Log::contains("========== card reset======"));
}
