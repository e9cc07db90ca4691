// A robot's move that its game's rules refuse (a test makes them refuse the robots' own moves, for a
// while or for good): the refusal is told to the tables' watch and logged as a warning, the table makes
// a move for the robot that the rules allow whatever it chose (at Tien Len a pass, or its lowest card
// when it leads; at Phom the play-out of a turn whose time ran out; at Poker a fold), and the table goes
// on turn by turn to the end of the deal (at Poker also when the robots play a hand out at once after
// the player left). Where the rules refuse that fallback too, the robot gives its part in the deal up as
// a leaver (at Poker it folds out) and the deal still comes to its end.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/Log.h"
#include "standin-server/StandinPhom.h"
#include "standin-server/StandinPhomJudge.h"
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
using Tables = StandinRobotTables;
const StandinAccount kPlayer{"lan", "hoa sen", 4711, 500000, 12, 250};
constexpr int kMostSteps = 2000;
constexpr int8_t SC_MOVE = 21;
constexpr int8_t SC_SKIP = 49;
constexpr int8_t SC_FINISH = 51;
constexpr int8_t SC_HA_PHOM = 65;
const std::string kRefusedForTests = Tables::kRefusedForTests;
const std::string kGivesUp = " (gives the deal up)";

// The id of the player whose move (a fire, a play, a pass) the message tells; none for another message.
using MoverOf = std::function<std::optional<int32_t>(Message&)>;

std::optional<int32_t> phomFirer(Message& m) {
    if (m._commandId() != SC_MOVE) return std::nullopt;
    m.readByte(), m.readByte(), m.readInt();  // room, table, the next to move
    return m.readInt();
}

std::optional<int32_t> tienLenMover(Message& m) {
    if (m._commandId() != SC_MOVE && m._commandId() != SC_SKIP) return std::nullopt;
    m.readByte(), m.readByte();
    return m.readInt();
}

std::optional<int32_t> pokerFolder(Message& m) {
    if (m._commandId() != SC_MOVE || m.readByte() != StandinPokerHand::FOLD) return std::nullopt;
    m.readByte(), m.readByte();
    return m.readInt();
}

class StandinRefusedRobotMoveTest : public ::testing::Test {
protected:
    void SetUp() override {
        signIn = StandinSignIn::installOn(server);
        signIn->addAccount(kPlayer);
        StandinRobots::addTo(*signIn);
        Tables::Options options;
        options.seed = 5;
        options.holdPlayerTurns = true;
        options.stepsRunByTests = true;
        tables = Tables::installOn(server, signIn, nullptr, options);
        Tables::Watch watch;
        watch.sent = [this](const Message& sent, bool) {
            Message m = sent;
            m.set_idx(0);
            if (m._commandId() == SC_FINISH) ++finishes;
            if (m._commandId() == SC_HA_PHOM) {
                m.readByte(), m.readByte();
                layDowns.push_back(m.readInt());
            }
            if (!moverOf) return;
            if (auto id = moverOf(m)) {
                moves.push_back(*id);
                transcript.push_back(std::to_string(*id) + " moves");
            }
        };
        watch.paid = [this](int32_t id, int64_t amount) { paid[id] += amount; };
        watch.robotMoveRefused = [this](const std::string& why) {
            refused.push_back(why);
            transcript.push_back(why);
        };
        tables->watchForTests(watch);
        sys::Log::startCapture();
    }
    void TearDown() override {
        sys::Log::stopCapture();
        tables->watchForTests({});
    }

    // The player sits at the game's table and the robots of its places sit down.
    void seatAt(int8_t gameType, const MoverOf& mover) {
        moverOf = mover;
        tables->seatForTests(gameType, StandinTableKind::Robots, kPlayer);
        ASSERT_TRUE(runUntil([&] { return !tables->place(2).empty(); }));  // Binh
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
    int movesOf(int32_t id) const { return static_cast<int>(std::count(moves.begin(), moves.end(), id)); }
    int robotMoves() const { return static_cast<int>(moves.size()) - movesOf(kPlayer.id); }
    // Every refusal in the transcript is followed by a move of the robot it names, made in its place.
    ::testing::AssertionResult eachRefusalFollowedByTheRobotsMove() const {
        for (size_t i = 0; i < transcript.size(); ++i) {
            const std::string& line = transcript[i];
            if (line.find(": ") == std::string::npos) continue;
            const size_t open = line.find(" (");
            const std::string id = line.substr(open + 2, line.find(')') - open - 2);
            if (i + 1 == transcript.size() || transcript[i + 1] != id + " moves")
                return ::testing::AssertionFailure() << "no move of " << id << " follows \"" << line << "\"";
        }
        return ::testing::AssertionSuccess();
    }

    StandinServer server;  // never started
    std::shared_ptr<StandinSignIn> signIn;
    std::shared_ptr<Tables> tables;
    MoverOf moverOf;
    Strings refused;
    Strings transcript;  // the refusals and the moves, in their order
    std::vector<int32_t> moves;
    std::vector<int32_t> layDowns;  // Phom's, by whom
    std::map<int32_t, int64_t> paid;
    int finishes = 0;
};

TEST_F(StandinRefusedRobotMoveTest, TienLenRobotLeadsItsLowestCardOrPassesInstead) {
    auto tienLen = StandinTienLen::addTo(*tables, StandinTienLen::kSouthern);
    ASSERT_NO_FATAL_FAILURE(seatAt(StandinTienLen::kSouthern, tienLenMover));
    // An leads with the 3 of spades.
    tienLen->setNextHands({Cards{0, 8, 30}, Cards{4, 9, 14}, Cards{5, 40, 49}});
    tables->locked([&] { tables->startDeal(); });

    tables->refuseRobotMovesForTests(1);
    ASSERT_TRUE(runUntil([&] { return tables->turn() == tables->playerPlace(); }));
    ASSERT_EQ(refused, Strings{"An (9001) plays [0] on []: " + kRefusedForTests});
    EXPECT_TRUE(sys::Log::contains(refused.back()));
    EXPECT_EQ(tienLen->handOf(Tables::kOwnerId), (Cards{8, 30}));

    // The player's turn runs out (a pass); Binh's answer is refused, and he passes.
    tables->refuseRobotMovesForTests(1);
    ASSERT_TRUE(runUntil([&] { return tables->turn() == 0; }));  // everyone passed: An leads again
    ASSERT_EQ(refused.size(), 2u);
    EXPECT_EQ(refused.back(), "Binh (9002) plays [5] on [0]: " + kRefusedForTests);
    EXPECT_EQ(tienLen->handOf(Tables::kRobotId), (Cards{5, 40, 49}));

    // From here on the rules refuse every move the robots choose: they lead their lowest card or pass
    // to the deal's end.
    tables->refuseRobotMovesForTests(Tables::kEveryMove);
    ASSERT_TRUE(runUntil([&] { return !tables->playing(); }));
    tables->refuseRobotMovesForTests(0);
    EXPECT_EQ(finishes, 3);
    EXPECT_EQ(static_cast<int>(refused.size()), robotMoves());
    EXPECT_TRUE(eachRefusalFollowedByTheRobotsMove());
    for (const std::string& line : refused) EXPECT_TRUE(sys::Log::contains(line)) << line;
}

TEST_F(StandinRefusedRobotMoveTest, PhomRobotsPlayTheirTurnsOutWhileTheRulesRefuseTheirOwnMoves) {
    StandinPhom::addTo(*tables);
    ASSERT_NO_FATAL_FAILURE(seatAt(7, phomFirer));
    // An opens; the robots' first seven turns are refused, up to An's fourth with its lay-down.
    tables->refuseRobotMovesForTests(7);
    tables->locked([&] { tables->startDeal(); });
    ASSERT_TRUE(runUntil([&] { return !tables->playing(); }));

    ASSERT_EQ(refused.size(), 7u);
    for (const std::string& line : refused) {
        EXPECT_TRUE(line.ends_with(": " + kRefusedForTests)) << line;
        EXPECT_TRUE(sys::Log::contains(line)) << line;
    }
    EXPECT_TRUE(eachRefusalFollowedByTheRobotsMove());
    // Every turn was played whole, the four fires and the lay-down of each: the deal ended as it ends.
    EXPECT_EQ(movesOf(Tables::kOwnerId), StandinPhom::kTurns);
    EXPECT_EQ(movesOf(Tables::kRobotId), StandinPhom::kTurns);
    EXPECT_EQ(movesOf(kPlayer.id), StandinPhom::kTurns);
    EXPECT_EQ(layDowns, (std::vector<int32_t>{Tables::kOwnerId, kPlayer.id, Tables::kRobotId}));
    EXPECT_EQ(finishes, 1);
}

TEST_F(StandinRefusedRobotMoveTest, PokerRobotFoldsInstead) {
    auto poker = StandinPoker::addTo(*tables, nullptr, {});
    ASSERT_NO_FATAL_FAILURE(seatAt(StandinPoker::kGameType, pokerFolder));
    ASSERT_TRUE(runUntil([&] { return tables->playing(); }));
    // An has the button, the player and Binh the blinds: the robot after Binh acts first.
    const int first = tables->locked([&] { return tables->turn(); });
    ASSERT_EQ(first, 4);
    const int32_t robot = idAt(first);
    const std::string name = tables->locked([&] { return tables->place(first).name; });

    tables->refuseRobotMovesForTests(1);
    ASSERT_TRUE(runUntil([&] { return tables->turn() != first; }));
    ASSERT_EQ(refused, Strings{name + " (" + std::to_string(robot) + ") calls with 200 to call and " +
                               std::to_string(poker->stackOf(robot)) + " in the stack: " + kRefusedForTests});
    EXPECT_TRUE(sys::Log::contains(refused.back()));
    EXPECT_EQ(moves, std::vector<int32_t>{robot});

    ASSERT_TRUE(runUntil([&] { return !tables->playing(); }));
    EXPECT_EQ(refused.size(), 1u);

    // The next hand: the player has the button, Binh the small blind. The player leaves at his turn, and
    // the robots play the hand out at once, Binh folding in place of his refused call.
    ASSERT_TRUE(runUntil([&] { return tables->playing() && tables->turn() == tables->playerPlace(); }));
    const auto stock = [&] { return tables->locked([&] { return poker->dealt().stock.size(); }); };
    const size_t preFlop = stock();
    const int32_t binhsStack = poker->stackOf(Tables::kRobotId) - 100;  // the small blind posted
    tables->refuseRobotMovesForTests(1);
    tables->leaveForTests();
    ASSERT_EQ(refused.size(), 2u);
    EXPECT_EQ(refused.back(), "Binh (9002) calls with 100 to call and " + std::to_string(binhsStack) +
                                  " in the stack: " + kRefusedForTests);
    EXPECT_EQ(moves.back(), Tables::kRobotId);
    EXPECT_EQ(stock(), preFlop - 5);  // the board ran out to the river
}

// At the card games a robot gives the deal up as a leaver: the deal ends there, settled.
TEST_F(StandinRefusedRobotMoveTest, ARobotWhoseFallbackIsRefusedTooLeavesTheDeal) {
    auto newPhom = StandinPhom::addNewTo(*tables);
    ASSERT_NO_FATAL_FAILURE(seatAt(13, nullptr));
    tables->refuseRobotMovesForTests(Tables::kEveryMove, true);
    tables->locked([&] { tables->startDeal(); });
    const int8_t highestFree = StandinPhomJudge::highestFree(newPhom->handOf(Tables::kOwnerId));
    const std::string fires = "fires " + cardsText({highestFree});
    ASSERT_TRUE(runUntil([&] { return !tables->playing(); }));
    ASSERT_EQ(refused, (Strings{"An (9001) " + fires + ": " + kRefusedForTests,
                                "An (9001) falls back and " + fires + ": " + kRefusedForTests + kGivesUp}));
    EXPECT_TRUE(sys::Log::contains(refused.back()));
    EXPECT_EQ(finishes, 3);
    EXPECT_EQ(paid[Tables::kOwnerId], -Tables::kStake);  // a leaver loses

    // Tien Len: the leaver takes the last place, the others theirs by the cards they hold.
    refused.clear();
    finishes = 0;
    paid.clear();
    auto tienLen = StandinTienLen::addTo(*tables, StandinTienLen::kSouthern);
    ASSERT_NO_FATAL_FAILURE(seatAt(StandinTienLen::kSouthern, nullptr));
    tienLen->setNextHands({Cards{0, 8, 30}, Cards{4, 9}, Cards{5, 40, 49}});
    tables->locked([&] { tables->startDeal(); });
    ASSERT_TRUE(runUntil([&] { return !tables->playing(); }));
    ASSERT_EQ(refused, (Strings{"An (9001) plays [0] on []: " + kRefusedForTests,
                                "An (9001) falls back and plays [0] on []: " + kRefusedForTests + kGivesUp}));
    EXPECT_EQ(finishes, 3);
    const int64_t stake = Tables::kStake;
    EXPECT_EQ(paid, (std::map<int32_t, int64_t>{{kPlayer.id, 2 * stake}, {Tables::kRobotId, 0},
                                                {Tables::kOwnerId, -2 * stake}}));
}

// At Poker the robot folds out, in the hand the table plays on and in the one played out at once.
TEST_F(StandinRefusedRobotMoveTest, APokerRobotWhoseFoldIsRefusedTooFoldsOut) {
    auto poker = StandinPoker::addTo(*tables, nullptr, {});
    ASSERT_NO_FATAL_FAILURE(seatAt(StandinPoker::kGameType, pokerFolder));
    ASSERT_TRUE(runUntil([&] { return tables->playing(); }));
    const int32_t robot = idAt(4);  // the first to act
    const std::string who = tables->locked([&] { return tables->place(4).name; }) + " (" + std::to_string(robot) + ") ";
    const std::string stack = std::to_string(poker->stackOf(robot));
    tables->refuseRobotMovesForTests(2, true);
    ASSERT_TRUE(runUntil([&] { return !tables->playing(); }));
    ASSERT_EQ(refused, (Strings{who + "calls with 200 to call and " + stack + " in the stack: " + kRefusedForTests,
                                who + "falls back and folds with 200 to call and " + stack + " in the stack: " +
                                    kRefusedForTests + kGivesUp}));
    EXPECT_EQ(moves.front(), robot);

    // The player leaves at his turn of the next hand: every robot's call and fold are refused, and each
    // folds out until one is left, who takes the pots.
    ASSERT_TRUE(runUntil([&] { return tables->playing() && tables->turn() == tables->playerPlace(); }));
    refused.clear();
    moves.clear();
    paid.clear();
    tables->refuseRobotMovesForTests(Tables::kEveryMove, true);
    tables->leaveForTests();
    ASSERT_EQ(refused.size(), 2 * moves.size());
    EXPECT_EQ(moves.size(), 3u);
    int64_t sum = 0;
    for (const auto& [id, amount] : paid) sum += amount;
    EXPECT_EQ(sum, 0);
    EXPECT_EQ(std::count_if(paid.begin(), paid.end(), [](const auto& p) { return p.second > 0; }), 1);
}

}  // namespace
}  // namespace zuno::standin
