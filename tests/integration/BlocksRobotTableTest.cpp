// Blocks tables over TCP: the stand-in's robot invites the signed-in player to its table, starts each
// game with a shared sequence, reports its height, sends garbage rows and raises the level while the
// game runs; the player's landing reports raise the robot's stack to its overflow, and the player's loss
// report ends the game. Once the player has left, nothing of the table reaches him at the next one. The
// real decoder hands every event to a recording logic handler while the test plays the player's side
// with the real service.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "client/Games.h"
#include "games/blocks/BlocksMessageHandler.h"
#include "games/blocks/BlocksService.h"
#include "lobby/GlobalService.h"
#include "net/MobileClient.h"
#include "platform/core/RunLoop.h"
#include "shell/UIController.h"
#include "standin-server/StandinBlocks.h"
#include "standin-server/StandinCaro.h"
#include "standin-server/StandinRobotTables.h"
#include "standin-server/StandinServer.h"
#include "standin-server/StandinSignIn.h"
#include "support/RecordingBoardLogic.h"
#include "support/SignedInClientTest.h"

using namespace zuno;
using namespace zuno::standin;
using namespace zuno::testing;

namespace {

constexpr int32_t kMe = 4711;
constexpr int8_t kRoom = StandinBlocks::kRoom, kBoard = StandinBlocks::kBoard;

class BlocksRobotTableTest : public SignedInClientTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.start());
        signIn = StandinSignIn::installOn(server);
        signIn->addAccount({"Lan", "hoa sen", kMe, 500000, 12, 250});
        registerGameMessageHandlers();
        useStandinServer();
        BlocksService::getInstance().set_session(MobileClient::getInstance());
        BlocksMessageHandler::getInstance()->setGameLogicHandler(events);
        UIController::setInviting(true);
    }
    void TearDown() override {
        SignedInClientTest::TearDown();
        BlocksMessageHandler::getInstance()->setGameLogicHandler(nullptr);
    }

    void join(StandinBlocks::Options blocksOptions) {
        robots = StandinRobotTables::installOn(server, signIn, nullptr, options);
        blocks = StandinBlocks::addTo(*robots, blocksOptions);
        StandinCaro::addTo(*robots);  // a table to go on to
        robots->setNextInvitation(StandinBlocks::kGameType, StandinTableKind::Robots);
        signInAs("Lan", "hoa sen");
        ASSERT_TRUE(pump([&] { return logic->count("onInvitedJoinBoardWithGameId") == 1; }));
        logic->onSetGameTypeSuccessWithGame(StandinBlocks::kGameType, false);
        GlobalService::getInstance().joinBoardWithroomId(kRoom, kBoard, "");
        ASSERT_TRUE(seen("join"));
    }

    bool seen(const std::string& prefix, size_t skip = 0) const {
        return pump([&] { return count(prefix) > skip; });
    }
    size_t count(const std::string& prefix) const {
        auto lines = events->lines();
        return static_cast<size_t>(
            std::count_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(prefix, 0) == 0; }));
    }
    static void land(int8_t index, int32_t landed) {
        // An O piece dropped at column 3 onto the floor.
        BlocksService::getInstance().sendBrickToServer(kRoom, kBoard, index, 0, 0, 3, 19, landed);
    }

    // The number of the Blocks table's commands received so far.
    size_t blocksCommands() const { return count("opponent") + count("garbage") + count("level") + count("drawOffer"); }

    StandinRobotTables::Options options{0, 0, 20, 7};
    std::shared_ptr<StandinSignIn> signIn;
    std::shared_ptr<StandinRobotTables> robots;
    std::shared_ptr<StandinBlocks> blocks;
    std::shared_ptr<RecordingBlocks> events = std::make_shared<RecordingBlocks>();
};

}  // namespace

// The robot plays on its own: the sequence, then its height, garbage from its clears and the level up
// to the fastest, again and again; after three of my landings its stack overflows and I win.
TEST_F(BlocksRobotTableTest, TheRobotPlaysOnItsOwnAndOverflowsAfterMyLandings) {
    ASSERT_NO_FATAL_FAILURE(join({8, 3, 0.02, 0.03, 0.01}));
    EXPECT_EQ(events->lines()[0], "join 1 17 9001 1000 {[9001 'an' shown 'An' 8000000 3 900 ready],[4711 'lan' shown 'Lan' 500000 12 250 -]}");
    GlobalService::getInstance().readyWithRoomId(kRoom, kBoard, true);
    ASSERT_TRUE(seen("start"));
    const auto sequence = blocks->sequence();
    ASSERT_EQ(sequence.size(), 8u);
    const auto lines = events->lines();
    EXPECT_TRUE(std::find(lines.begin(), lines.end(), "start 1 17 " + show(sequence)) != lines.end());

    ASSERT_TRUE(seen("opponentHeight 0", 1));
    ASSERT_TRUE(seen("garbage", 1));
    ASSERT_TRUE(seen("level 5"));
    EXPECT_EQ(count("level"), 4u);  // 2, 3, 4, 5, and no further
    // Garbage is only ever addressed to me, each with the robot's cleared rows first.
    EXPECT_EQ(count("garbage 4711"), count("garbage"));
    EXPECT_GE(count("opponentCleared"), count("garbage"));

    for (int landed = 0; landed < 3; ++landed) land(static_cast<int8_t>(landed), landed);
    ASSERT_TRUE(seen("result"));
    EXPECT_TRUE(seen("opponentHeight 20"));
    EXPECT_EQ(count("result {(-1 9001 -10 -1000),(1 4711 10 1000)}"), 1u);
    EXPECT_EQ(blocks->reports().size(), 3u);
}

// With the robot's own steps off: the garbage, height and level the test asks for reach me as sent; my
// landing reports arrive as the device encodes them; one loss report ends the game with the robot the
// winner, and a report after the end is not answered. The next game starts with a new sequence.
TEST_F(BlocksRobotTableTest, MyLossReportEndsTheGameOnce) {
    ASSERT_NO_FATAL_FAILURE(join({16, 50, 0, 0, 0}));
    GlobalService::getInstance().readyWithRoomId(kRoom, kBoard, true);
    ASSERT_TRUE(seen("start"));
    const auto first = blocks->sequence();

    blocks->sendGarbage(2, {3});
    ASSERT_TRUE(seen("garbage 4711 1 <3>"));
    EXPECT_TRUE(seen("opponentCleared 2"));
    blocks->sendGarbage(1, {});  // one cleared row sends no garbage
    ASSERT_TRUE(seen("opponentCleared 1"));
    EXPECT_TRUE(seen("garbage 4711 0 <>"));
    land(0, 0);
    blocks->sendHeight();
    ASSERT_TRUE(seen("opponentHeight 0"));
    blocks->raiseLevel();
    ASSERT_TRUE(seen("level 2"));

    // A J piece in rotation 1 at row 18, column 4, then the loss at the spawn place.
    BlocksService::getInstance().sendBrickToServer(kRoom, kBoard, 1, 4, 3, 4, 20, 1);
    BlocksService::getInstance().sendBrickToServer(kRoom, kBoard, 2, 0, 0, 3, -1, 2);
    ASSERT_TRUE(seen("result {(1 9001 10 1000),(-1 4711 -10 -1000)}"));
    BlocksService::getInstance().sendBrickToServer(kRoom, kBoard, 2, 0, 0, 3, -1, 2);
    const auto reports = blocks->reports();
    ASSERT_EQ(reports.size(), 3u);
    EXPECT_EQ((std::vector<int>{reports[1].index, reports[1].type, reports[1].ro, reports[1].posX, reports[1].posY,
                                reports[1].idMessage}),
              (std::vector<int>{1, 4, 3, 4, 20, 1}));
    EXPECT_TRUE(reports[2].loss());

    GlobalService::getInstance().readyWithRoomId(kRoom, kBoard, true);
    ASSERT_TRUE(seen("start", 1));
    EXPECT_EQ(count("result"), 1u);
    EXPECT_NE(blocks->sequence(), first);
    EXPECT_TRUE(blocks->reports().empty());
}

// I leave as soon as a game runs and sit down at An's Caro table, where a game starts at once. The
// robot's level step still due, and the test's own garbage, height, level and draw offer of the Blocks
// table, reach me there no more. (The client keeps the Blocks decoder, which records every command of
// the Blocks table it is handed.)
TEST_F(BlocksRobotTableTest, NothingOfTheTableReachesMeAtTheNextOne) {
    constexpr double kLevelEvery = 2;
    ASSERT_NO_FATAL_FAILURE(join({16, 50, 0, 0, kLevelEvery}));
    GlobalService::getInstance().readyWithRoomId(kRoom, kBoard, true);
    ASSERT_TRUE(seen("start"));
    auto& loop = sys::RunLoop::main();
    const double started = loop.now();
    GlobalService::getInstance().leaveBoardWithRoomId(kRoom, kBoard);
    ASSERT_TRUE(pump([&] { return robots->locked([&] { return robots->game() == nullptr; }); }));
    const size_t before = blocksCommands();

    robots->setNextInvitation(StandinCaro::kGameType);
    robots->inviteNow();
    ASSERT_TRUE(pump([&] { return logic->count("onInvitedJoinBoardWithGameId") == 2; }));
    GlobalService::getInstance().joinBoardWithroomId(StandinCaro::kRoom, StandinCaro::kBoard, "");
    GlobalService::getInstance().readyWithRoomId(StandinCaro::kRoom, StandinCaro::kBoard, true);
    ASSERT_TRUE(pump([&] {
        return robots->locked([&] {
            return robots->game() && robots->game()->gameType() == StandinCaro::kGameType && robots->playing();
        });
    }));
    ASSERT_LT(loop.now(), started + kLevelEvery) << "Caro began after the level step was due";

    blocks->sendGarbage(2, {3});
    blocks->sendHeight();
    blocks->raiseLevel();
    robots->locked([&] { blocks->offerDraw(*robots); });
    pump([&] { return loop.now() > started + kLevelEvery; });
    EXPECT_EQ(blocksCommands(), before) << events->lines().back();
}
