// The stand-in's Blocks robot: the shared sequence, its stack rising to the overflow, the garbage its
// clears send, the level, and the player's reports read from the wire.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "standin-server/StandinBlocksRobot.h"

namespace zuno::standin {
namespace {

TEST(StandinBlocksRobotTest, TheSequenceIsSeededAndHoldsEveryKindInRange) {
    StandinBlocksRobot robot(10);
    std::mt19937 a(3), b(3);
    const auto first = robot.start(a, 40);
    EXPECT_EQ(first, robot.start(b, 40));
    ASSERT_EQ(first.size(), 40u);
    EXPECT_TRUE(std::all_of(first.begin(), first.end(), [](int8_t k) { return k >= 0 && k < 7; }));
    EXPECT_GT(std::set<int8_t>(first.begin(), first.end()).size(), 3u);
    EXPECT_EQ(robot.start(a, 0).size(), 1u);  // a device cannot play an empty sequence
}

TEST(StandinBlocksRobotTest, TheStackRisesWithThePlayersLandingsAndOverflowsOnce) {
    StandinBlocksRobot robot(4);
    std::mt19937 random(1);
    robot.start(random, 8);
    std::vector<int> heights{robot.height()};
    std::vector<bool> lost;
    for (int i = 0; i < 6; ++i) {
        lost.push_back(robot.playerLanded());
        heights.push_back(robot.height());
    }
    EXPECT_EQ(heights, (std::vector<int>{0, 5, 10, 15, 20, 20, 20}));
    EXPECT_EQ(lost, (std::vector<bool>{false, false, false, true, false, false}));
    // A new game starts from the floor.
    robot.start(random, 8);
    EXPECT_EQ(robot.height(), 0);
    EXPECT_EQ(robot.landings(), 0);
}

TEST(StandinBlocksRobotTest, ClearedRowsSendOneRowFewerOrAllFourWithHolesInTheWell) {
    StandinBlocksRobot robot(10);
    std::mt19937 random(5);
    std::set<int> clears;
    for (int i = 0; i < 200; ++i) {
        const auto g = robot.clearRows(random);
        clears.insert(g.cleared);
        ASSERT_GE(g.cleared, 1);
        ASSERT_LE(g.cleared, 4);
        EXPECT_EQ(g.holes.size(), size_t(g.cleared == 4 ? 4 : g.cleared - 1));
        for (int8_t hole : g.holes) EXPECT_TRUE(hole >= 0 && hole < 10) << int(hole);
    }
    EXPECT_EQ(clears, (std::set<int>{1, 2, 3, 4}));
}

TEST(StandinBlocksRobotTest, TheLevelRisesToTheFastestAndStartsAgainAtOne) {
    StandinBlocksRobot robot(10);
    std::mt19937 random(1);
    robot.start(random, 4);
    std::vector<int> levels;
    while (auto level = robot.raiseLevel()) levels.push_back(*level);
    EXPECT_EQ(levels, (std::vector<int>{2, 3, 4, 5}));
    robot.start(random, 4);
    EXPECT_EQ(robot.level(), 1);
}

TEST(StandinBlocksRobotTest, ReportsReadFromTheWire) {
    struct Case {
        std::vector<int8_t> fields;
        int32_t id;
        bool loss;
    };
    for (const Case& c : {Case{{2, 4, 3, 4, 20}, 7, false}, Case{{1, 0, 0, 3, 1}, 0, false}, Case{{5, 0, 0, 3, -1}, 12, true}}) {
        Message m(21);
        for (int8_t f : c.fields) m.writeByte(f);
        m.writeInt(c.id);
        m.set_idx(0);
        const auto r = StandinBlocksRobot::Report::read(m);
        EXPECT_EQ((std::vector<int8_t>{r.index, r.type, r.ro, r.posX, r.posY}), c.fields);
        EXPECT_EQ(r.idMessage, c.id);
        EXPECT_EQ(r.loss(), c.loss);
    }
}

}  // namespace
}  // namespace zuno::standin
