// Every way into a table and back out ends on that game's rooms and tables: the desktop program,
// headless, against the stand-in as the demo runs it, each game with lists of its own. Before each way
// in, another game's rooms are open, so that a game left over on either side would show. After the
// table is left, the room and table lists show the joined game's title and rows, also after Refresh.
// The game list shows only Poker's and new Phom's tiles; every other game is reached by invitation
// and, after one, by its own lists and play now.
#include <gtest/gtest.h>

#include "standin-server/StandinPoker.h"
#include "standin-server/StandinTienLen.h"
#include "support/LobbyRoadSteps.h"

using namespace zuno;
using namespace zuno::standin;

namespace {

constexpr int kPoker = StandinPoker::kGameType;
constexpr int kNewPhom = 13;
constexpr int kPhom = 7;
constexpr int kTienLenMB = StandinTienLen::kNorthern;

class WaysIntoATableRoadTest : public zuno::testing::LobbyRoadSteps {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(startDemoWalk("ways-into-a-table"));
        giveEveryGameListsOfItsOwn();
    }
};

}  // namespace

TEST_F(WaysIntoATableRoadTest, TheGameListsTablesAndPlayNowEndOnTheirGamesLists) {
    // Poker's rooms, then new Phom's from the game list; a table of its first room, left.
    ASSERT_TRUE(openTheRoomsOf(kPoker));
    auto rooms = openTheRoomsOf(kNewPhom);
    ASSERT_TRUE(rooms);
    auto tables = openTheRoom(*rooms, 0);
    ASSERT_TRUE(tables);
    ASSERT_NO_FATAL_FAILURE(leave(joinTheTable(*tables, 0, kNewPhom)));
    ASSERT_NO_FATAL_FAILURE(expectTheTablesAndRoomsOf(kNewPhom));
    ASSERT_EQ(top(), rooms);

    // Play now from new Phom's rooms.
    ASSERT_NO_FATAL_FAILURE(leave(playNow(*rooms, kNewPhom)));
    ASSERT_NO_FATAL_FAILURE(expectTheRoomsOf(kNewPhom));

    // Poker's rooms from the game list, play now from its first room's tables.
    rooms = openTheRoomsOf(kPoker);
    ASSERT_TRUE(rooms);
    tables = openTheRoom(*rooms, 0);
    ASSERT_TRUE(tables);
    ASSERT_NO_FATAL_FAILURE(leave(playNow(*tables, kPoker)));
    ASSERT_NO_FATAL_FAILURE(expectTheTablesAndRoomsOf(kPoker));
}

// The road: an invitation taken up over Poker's tables leaves the player on Tien Len Mien Bac's.
TEST_F(WaysIntoATableRoadTest, AnInvitationEndsOnTheInvitedGamesListsWhereItsTablesAndPlayNowSeat) {
    auto rooms = openTheRoomsOf(kPoker);
    ASSERT_TRUE(rooms);
    ASSERT_TRUE(openTheRoom(*rooms, 0));
    demo.robots->setNextInvitation(kTienLenMB);
    auto table = acceptTheInvitation(kTienLenMB);
    ASSERT_TRUE(table) << "not seated; dialog: " << dialogText();
    ASSERT_NO_FATAL_FAILURE(leave(table));
    ASSERT_NO_FATAL_FAILURE(expectTheTablesAndRoomsOf(kTienLenMB));
    ASSERT_EQ(top(), rooms);

    // Play now from its rooms, and a table of its first room, seat the player at its tables.
    ASSERT_NO_FATAL_FAILURE(leave(playNow(*rooms, kTienLenMB)));
    ASSERT_NO_FATAL_FAILURE(expectTheRoomsOf(kTienLenMB));
    auto tables = openTheRoom(*rooms, 0);
    ASSERT_TRUE(tables);
    ASSERT_NO_FATAL_FAILURE(leave(joinTheTable(*tables, 0, kTienLenMB)));
    ASSERT_NO_FATAL_FAILURE(expectTheTablesAndRoomsOf(kTienLenMB));

    // An invitation taken up over the room list: Phom's rooms after it.
    demo.robots->setNextInvitation(kPhom);
    table = acceptTheInvitation(kPhom);
    ASSERT_TRUE(table) << "not seated; dialog: " << dialogText();
    ASSERT_NO_FATAL_FAILURE(leave(table));
    ASSERT_NO_FATAL_FAILURE(expectTheRoomsOf(kPhom));
}
