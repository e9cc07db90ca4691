// Poker tables over TCP: the game chosen, a table of the stand-in's robot loop joined, and the real
// decoder reading each hand into calls on a recording logic handler.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "client/Games.h"
#include "games/poker/PokerMessageHandler.h"
#include "games/poker/PokerService.h"
#include "lobby/GlobalService.h"
#include "net/MobileClient.h"
#include "standin-server/StandinLobbyLists.h"
#include "standin-server/StandinPoker.h"
#include "standin-server/StandinRobotTables.h"
#include "standin-server/StandinRobots.h"
#include "standin-server/StandinSignIn.h"
#include "support/AceLowCards.h"
#include "support/CardTableRecorders.h"
#include "support/SignedInClientTest.h"

using namespace zuno;
using namespace zuno::standin;
using namespace zuno::testing;

namespace {

constexpr int8_t kRoom = StandinPoker::kRoom;
constexpr int8_t kBoard = StandinPoker::kBoard;
constexpr int8_t kFull = StandinPoker::kFullBoard;

std::string cards(const std::string& names) { return CallLog::text(aceLowCards(names)); }

class PokerRobotTableTest : public SignedInClientTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.start());
        accounts = StandinSignIn::installOn(server);
        StandinRobots::addTo(*accounts);
        accounts->addAccount({"lan", "hoa sen", 4711, 500000, 12, 250});
        auto lists = StandinLobbyLists::installOn(server);
        robots = StandinRobotTables::installOn(server, accounts, lists, options);
        poker = StandinPoker::addTo(*robots, lists, pauses);
        registerGameMessageHandlers();
        PokerMessageHandler::getInstance()->setPokerLogicHandler(recorder);
        useStandinServer();
        PokerService::getInstance().set_session(MobileClient::getInstance());
    }
    void TearDown() override {
        SignedInClientTest::TearDown();
        PokerMessageHandler::getInstance()->setPokerLogicHandler(PokerLogicHandler::getInstance());
    }

    void join(int8_t board) {
        signInAs("lan", "hoa sen");
        ASSERT_TRUE(pump([&] { return logic->count("onLoginSuccess") == 1; }));
        const size_t confirmed = ui->shown().size();
        GlobalService::getInstance().setGameType(StandinPoker::kGameType);
        ASSERT_TRUE(pump([&] { return ui->shown().size() > confirmed; }));
        GlobalService::getInstance().joinBoardWithroomId(kRoom, board, "");
    }
    ::testing::AssertionResult seen(const std::string& call) { return seenPrefix(call, true); }
    ::testing::AssertionResult seenPrefix(const std::string& prefix, bool whole = false) {
        auto match = [&](const std::string& c) { return whole ? c == prefix : c.rfind(prefix, 0) == 0; };
        if (pump([&] {
                const auto calls = recorder->log.calls();
                return std::any_of(calls.begin(), calls.end(), match);
            }))
            return ::testing::AssertionSuccess();
        auto failure = ::testing::AssertionFailure() << "no " << prefix << " among:";
        for (const auto& c : recorder->log.calls()) failure << "\n  " << c;
        return failure;
    }

    StandinRobotTables::Options options{60, 0, 20, 7};
    StandinPoker::Pauses pauses{0.2, 0, 0, 0.5, 0};
    std::shared_ptr<StandinSignIn> accounts;
    std::shared_ptr<StandinRobotTables> robots;
    std::shared_ptr<StandinPoker> poker;
    std::shared_ptr<RecordingPokerLogic> recorder = std::make_shared<RecordingPokerLogic>();
};

// My turns run out only when the test says so, whatever the machine's pace.
class PokerHeldTurnTest : public PokerRobotTableTest {
protected:
    PokerHeldTurnTest() { options.holdPlayerTurns = true; }
};

}  // namespace

// Seated at once beside An, Binh and two more robots; the button with An, my small blind. A raise
// of no more than the call is refused, a second one goes; the streets with their pots and my hand's name; my
// all in finds three robots all in beside An: a main pot and two side pots, all mine; the stacks,
// the stop, the busted robots moved off; the next hand by itself with the button on me, and a fold.
TEST_F(PokerRobotTableTest, HandsAtATableWithFreeSeats) {
    // Dealt from the place after the button: me, Binh, Khanh (4), Lan (6), An; then the board.
    poker->setNextDeck(aceLowCards("AH 2S 4C 6D 8S KH 3S 5C 7D 9S QH JH TH 2C 3D"));
    join(kBoard);
    // An's money is his account's.
    ASSERT_TRUE(seenPrefix("join(1, 0, 9001, 100, [{9001 An 2400000 3 900 ready} {4711 lan 500000 12 250 -} {-1"));
    ASSERT_TRUE(seen("stacks(1, 0, [9001 4711], [20000 10000])"));
    ASSERT_TRUE(seen("start(1, 0, 30, " + cards("AH KH") + ", 9001, 4711, 9002, 100, 9008, [], [])"));
    ASSERT_TRUE(seen("call(1, 0, 9001, 200, 19800, 4711, [5 3 2 6])"));

    PokerService::getInstance().doRaise(kRoom, kBoard, 100);  // only the call
    ASSERT_TRUE(seen("refused(1, 0, \"The raise must be at least 101.\")"));
    PokerService::getInstance().doRaise(kRoom, kBoard, 300);
    ASSERT_TRUE(seen("raise(1, 0, 4711, 400, 9600, 9002, [5 3 2 6])"));
    ASSERT_TRUE(seen("call(1, 0, 9001, 400, 19600, -1, [])"));
    ASSERT_TRUE(seen("flop(1, 0, 4711, " + cards("QH JH TH") + ", 1, [2000])"));
    ASSERT_TRUE(seen("selfResult(1, 0, \"ROYAL FLUS\", " + cards("AH KH QH JH TH") + ")"));

    PokerService::getInstance().doCheck(kRoom, kBoard);
    ASSERT_TRUE(seen("check(1, 0, 4711, 9002, [1 5 4 6])"));
    ASSERT_TRUE(seen("turn(1, 0, 4711, " + std::to_string(aceLowCard("2C")) + ", 1, [2000])"));
    PokerService::getInstance().doBet(kRoom, kBoard, 500);
    ASSERT_TRUE(seen("bet(1, 0, 4711, 500, 9100, 9002, [5 3 2 6])"));
    ASSERT_TRUE(seen("river(1, 0, 4711, " + std::to_string(aceLowCard("3D")) + ", 1, [4500])"));

    PokerService::getInstance().doAllIn(kRoom, kBoard);
    ASSERT_TRUE(seen("allIn(1, 0, 4711, 9100, 0, 9002, [5 6])"));
    ASSERT_TRUE(seen("allIn(1, 0, 9002, 7100, 0, 9008, [5 3 2 6])"));
    ASSERT_TRUE(seen("call(1, 0, 9008, 9100, 2000, 9009, [5 6])"));
    ASSERT_TRUE(seen("lastPot(1, 0, [40000 4000 3000])"));
    ASSERT_TRUE(seen("showdown(1, 0, 10, \"ROYAL FLUS\", 4711, 100, 47000, " + cards("AH KH QH JH TH AH KH") + ")"));
    ASSERT_TRUE(seen("result(1, 0, [9001 4711 9002 9008 9009], [10000 47000 0 2000 0])"));
    ASSERT_TRUE(seen("stop(1, 0)"));
    ASSERT_TRUE(seen("overMoney(1, 0, 9002)"));
    ASSERT_TRUE(seen("overMoney(1, 0, 9009)"));
    EXPECT_EQ(poker->stackOf(4711), 47000);
    EXPECT_EQ(accounts->balance(4711), 500000 + 47000 - 10000) << "the account keeps what the hand won";

    // Three left with chips: the button on me, Khanh the small blind, An the big; I act first.
    auto starts = [&] {
        std::vector<std::string> found;
        for (const auto& c : recorder->log.calls())
            if (c.rfind("start", 0) == 0) found.push_back(c);
        return found;
    };
    ASSERT_TRUE(pump([&] { return starts().size() == 2; }));
    EXPECT_NE(starts().back().find(", 4711, 9008, 9001, 100, 4711, [], [])"), std::string::npos) << starts().back();
    PokerService::getInstance().doFold(kRoom, kBoard);
    ASSERT_TRUE(seen("fold(1, 0, 4711, 47000, 9008, [5 3 2 6])"));
    ASSERT_TRUE(pump([&] { return recorder->log.calls().back() == "stop(1, 0)"; }));
}

// The full table: nine robots, me among the watchers and the offer to watch; I watch, a robot stands
// up, a taken seat is refused, I sit on the free one with a new stack, then stand up again.
TEST_F(PokerRobotTableTest, TheFullTable) {
    join(kFull);
    ASSERT_TRUE(seenPrefix("join(1, 2, 9001, 100, [{9001 An"));
    const std::string joined = recorder->log.calls().front();
    EXPECT_EQ(std::count(joined.begin(), joined.end(), '{'), 10) << joined;
    EXPECT_NE(joined.find("{9018 "), std::string::npos) << joined;
    EXPECT_NE(joined.find("{4711 lan 500000 12 250 -}])"), std::string::npos) << joined;
    ASSERT_TRUE(seen("full(1, 2)"));

    PokerService::getInstance().doSendObserver(kRoom, kFull, 1);
    ASSERT_TRUE(seen("observer(1, 2, 4711)"));
    ASSERT_TRUE(seen("standUp(1, 2, 9018, -1, 8, [])"));
    PokerService::getInstance().doSit(kRoom, kFull, 3);
    ASSERT_TRUE(seen("refused(1, 2, \"This seat is taken.\")"));
    PokerService::getInstance().doSit(kRoom, kFull, 8);
    ASSERT_TRUE(seen("sitDown(1, 2, 4711, 8)"));
    ASSERT_TRUE(seen("stack(1, 2, 4711, 10000)"));
    PokerService::getInstance().doStandUp(kRoom, kFull);
    ASSERT_TRUE(seenPrefix("standUp(1, 2, 4711, "));
    EXPECT_EQ(robots->locked([&] { return robots->placeOf(4711); }), -1);
}

// My turn runs out facing a call: a fold. In the next hand, with the button on me, my all in loses to
// An's aces: my stack is gone, so I am moved off at the stop and watch; a seat taken again brings a
// new stack.
TEST_F(PokerHeldTurnTest, MyTimeRunsOutThenMyStackIsGone) {
    join(kBoard);
    ASSERT_TRUE(seen("call(1, 0, 9001, 200, 19800, 4711, [5 3 2 6])"));
    // While my turn waits, the next hand's deck, dealt from Binh on: Binh, Khanh, Lan, An, me; then the
    // board. My time runs out after that.
    poker->setNextDeck(aceLowCards("3H TC 8D AS 2C 5S 6C 2H AH 7D AD KS QD 9H 4C"));
    ASSERT_TRUE(robots->runOutPlayerTurn());
    ASSERT_TRUE(seenPrefix("fold(1, 0, 4711, 9900, 9002, "));
    ASSERT_TRUE(seenPrefix("start(1, 0, 30, " + cards("2C 7D") + ", 4711, 9002, 9008, 100, 9009"));
    // This hand's call of An's (the last hand's left him 19800), after which it is my turn.
    ASSERT_TRUE(seen("call(1, 0, 9001, 200, 19600, 4711, [5 3 2 6])"));
    PokerService::getInstance().doAllIn(kRoom, kBoard);
    ASSERT_TRUE(seen("overMoney(1, 0, 4711)"));
    EXPECT_EQ(robots->locked([&] { return robots->placeOf(4711); }), -1);
    EXPECT_EQ(poker->stackOf(4711), 0);
    EXPECT_EQ(accounts->balance(4711), 500000 - 10000) << "the account lost the whole stack";
    PokerService::getInstance().doSit(kRoom, kBoard, 1);
    ASSERT_TRUE(seen("sitDown(1, 0, 4711, 1)"));
    ASSERT_TRUE(seen("stack(1, 0, 4711, 10000)"));
}
