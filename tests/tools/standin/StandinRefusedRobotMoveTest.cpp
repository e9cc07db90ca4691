// A robot's move that its game's rules refuse (a test has the robot propose it): the refusal is told to
// the tables' watch and logged as a warning, the robot makes the move its game always allows instead (at
// Tien Len a pass, or its lowest card when it leads; at Poker a fold), and the table goes on turn by turn
// to the end of the deal (at Poker also when the robots play a hand out at once after the player left).
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/core/Log.h"
#include "standin-server/StandinPoker.h"
#include "standin-server/StandinRobotTables.h"
#include "standin-server/StandinRobots.h"
#include "standin-server/StandinServer.h"
#include "standin-server/StandinSignIn.h"
#include "standin-server/StandinTienLen.h"

namespace zuno::standin {
namespace {

using Cards = std::vector<int8_t>;
using Strings = std::vector<std::string>;
const StandinAccount kPlayer{"lan", "hoa sen", 4711, 500000, 12, 250};
constexpr int kMostSteps = 2000;
constexpr int8_t SC_MOVE = 21;

class StandinRefusedRobotMoveTest : public ::testing::Test {
protected:
    void SetUp() override {
        signIn = StandinSignIn::installOn(server);
        signIn->addAccount(kPlayer);
        StandinRobots::addTo(*signIn);
        StandinRobotTables::Options options;
        options.seed = 5;
        options.holdPlayerTurns = true;
        options.stepsRunByTests = true;
        tables = StandinRobotTables::installOn(server, signIn, nullptr, options);
        StandinRobotTables::Watch watch;
        watch.sent = [this](const Message& sent, bool) {
            Message m = sent;
            m.set_idx(0);
            if (m._commandId() != SC_MOVE || m.readByte() != StandinPokerHand::FOLD) return;
            m.readByte(), m.readByte();
            folded.push_back(m.readInt());
        };
        watch.robotMoveRefused = [this](const std::string& why) { refused.push_back(why); };
        tables->watchForTests(watch);
        sys::Log::startCapture();
    }
    void TearDown() override {
        sys::Log::stopCapture();
        tables->watchForTests({});
    }

    // The table's steps run until `done` holds (read with the lock), the player's turns running out as
    // they come; a failure when nothing is due before.
    ::testing::AssertionResult runUntil(const std::function<bool()>& done) {
        for (int step = 0; step < kMostSteps; ++step) {
            if (tables->locked(done)) return ::testing::AssertionSuccess();
            if (!tables->runOutPlayerTurn() && !tables->runNextStep())
                return ::testing::AssertionFailure()
                       << "the table stalls at place " << tables->locked([&] { return tables->turn(); }) << "'s turn";
        }
        return ::testing::AssertionFailure() << "the table never gets there";
    }
    int32_t idAt(int place) const {
        return tables->locked([&] { return tables->place(place).id; });
    }

    StandinServer server;  // never started
    std::shared_ptr<StandinSignIn> signIn;
    std::shared_ptr<StandinRobotTables> tables;
    Strings refused;
    std::vector<int32_t> folded;
};

TEST_F(StandinRefusedRobotMoveTest, TienLenRobotLeadsItsLowestCardOrPassesInstead) {
    auto tienLen = StandinTienLen::addTo(*tables, StandinTienLen::kSouthern);
    tables->seatForTests(StandinTienLen::kSouthern, StandinTableKind::Robots, kPlayer);
    ASSERT_TRUE(runUntil([&] { return !tables->place(2).empty(); }));  // Binh
    // An leads with the 3 of spades.
    tienLen->setNextHands({Cards{0, 8, 30}, Cards{4, 9, 14}, Cards{5, 40, 49}});
    tables->locked([&] { tables->startDeal(); });

    tables->proposeNextRobotMove({4});  // the player's card
    ASSERT_TRUE(runUntil([&] { return tables->turn() == tables->playerPlace(); }));
    ASSERT_EQ(refused, Strings{"An (9001) plays [4] on []: You do not hold those cards."});
    EXPECT_TRUE(sys::Log::contains(refused.back()));
    EXPECT_EQ(tienLen->handOf(StandinRobotTables::kOwnerId), (Cards{8, 30}));

    // The player's turn runs out (a pass); Binh's two cards are no set.
    tables->proposeNextRobotMove({40, 49});
    ASSERT_TRUE(runUntil([&] { return tables->turn() == 0; }));  // everyone passed: An leads again
    ASSERT_EQ(refused.size(), 2u);
    EXPECT_EQ(refused.back(), "Binh (9002) plays [40 49] on [0]: Those cards cannot be played on the table.");
    EXPECT_TRUE(sys::Log::contains(refused.back()));
    EXPECT_EQ(tienLen->handOf(StandinRobotTables::kRobotId), (Cards{5, 40, 49}));

    ASSERT_TRUE(runUntil([&] { return !tables->playing(); }));
    EXPECT_EQ(refused.size(), 2u);
}

TEST_F(StandinRefusedRobotMoveTest, PokerRobotFoldsInstead) {
    auto poker = StandinPoker::addTo(*tables, nullptr, {});
    tables->seatForTests(StandinPoker::kGameType, StandinTableKind::Robots, kPlayer);
    ASSERT_TRUE(runUntil([&] { return tables->playing(); }));
    // An has the button, the player and Binh the blinds: the robot after Binh acts first.
    const int first = tables->locked([&] { return tables->turn(); });
    ASSERT_EQ(first, 4);
    const int32_t robot = idAt(first);
    const std::string name = tables->locked([&] { return tables->place(first).name; });

    tables->proposeNextRobotMove({StandinPokerHand::CHECK});
    ASSERT_TRUE(runUntil([&] { return tables->turn() != first; }));
    ASSERT_EQ(refused, Strings{name + " (" + std::to_string(robot) + ") checks with 200 to call and " +
                               std::to_string(poker->stackOf(robot)) + " in the stack: You cannot do that now."});
    EXPECT_TRUE(sys::Log::contains(refused.back()));
    EXPECT_EQ(folded, std::vector<int32_t>{robot});

    ASSERT_TRUE(runUntil([&] { return !tables->playing(); }));
    EXPECT_EQ(refused.size(), 1u);

    // The next hand: the player has the button, Binh the small blind. The player leaves at his turn, and
    // the robots play the hand out at once, Binh folding in place of his refused check.
    ASSERT_TRUE(runUntil([&] { return tables->playing() && tables->turn() == tables->playerPlace(); }));
    const auto stock = [&] { return tables->locked([&] { return poker->dealt().stock.size(); }); };
    const size_t preFlop = stock();
    const int32_t binhsStack = poker->stackOf(StandinRobotTables::kRobotId) - 100;  // the small blind posted
    tables->proposeNextRobotMove({StandinPokerHand::CHECK});
    tables->leaveForTests();
    ASSERT_EQ(refused.size(), 2u);
    EXPECT_EQ(refused.back(), "Binh (9002) checks with 100 to call and " + std::to_string(binhsStack) +
                                  " in the stack: You cannot do that now.");
    EXPECT_EQ(folded.back(), StandinRobotTables::kRobotId);
    EXPECT_EQ(stock(), preFlop - 5);  // the board ran out to the river
}

}  // namespace
}  // namespace zuno::standin
