// A join at a Blocks table over TCP: the stand-in server answers with the join reply and the game's
// decoder, installed by the game choice, hands it to the game's logic handler. (The other board games'
// join replies come from the robot tables, BoardRobotTablesTest.)
#include <gtest/gtest.h>

#include "client/Games.h"
#include "games/blocks/BlocksMessageHandler.h"
#include "lobby/GlobalService.h"
#include "shell/UIController.h"
#include "standin-server/StandinBoardTables.h"
#include "standin-server/StandinLobbyLists.h"
#include "standin-server/StandinServer.h"
#include "standin-server/StandinSignIn.h"
#include "support/RecordingBoardLogic.h"
#include "support/SignedInClientTest.h"

using namespace zuno;
using namespace zuno::standin;
using namespace zuno::testing;

namespace {

class BoardTablesTest : public SignedInClientTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.start());
        auto signIn = StandinSignIn::installOn(server);
        signIn->addAccount(account);
        // The table knows a balance other than the sign-in's, which the join reply then sets.
        StandinAccount seated = account;
        seated.money = 2400000;
        StandinBoardTables::installOn(server, StandinLobbyLists::installOn(server))->setPlayer(seated);
        registerGameMessageHandlers();

        useStandinServer();
    }

    void signIn() {
        signInAs(account.name, account.password);
        ASSERT_TRUE(pump([&] { return logic->count("onLoginSuccess") == 1; }));
    }

    // Chooses the game, waits for its decoder, then joins table 3 of room 1 and waits for the reply.
    template <typename Recorder, typename Handler>
    std::vector<std::string> joinTableOf(int8_t gameType, std::shared_ptr<Handler> handler) {
        auto recorder = std::make_shared<Recorder>();
        handler->setGameLogicHandler(recorder);
        GlobalService::getInstance().setGameType(gameType);
        EXPECT_TRUE(pump([&] { return dispatcher().gameMessageHandler() == handler; }));
        GlobalService::getInstance().joinBoardWithroomId(1, 3, std::string());
        EXPECT_TRUE(pump([&] { return !recorder->lines().empty(); }));
        handler->setGameLogicHandler(nullptr);
        return recorder->lines();
    }

    StandinAccount account{"Lan", "hoa sen", 4711, 2500000, 12, 250};
};

}  // namespace

TEST_F(BoardTablesTest, BlocksDecodesItsJoinReply) {
    signIn();
    const std::string seats = "{[9001 'chu ban' 2000000 2 500 ready],[4711 'lan' 2400000 12 250 -]}";
    EXPECT_EQ(joinTableOf<RecordingBlocks>(8, BlocksMessageHandler::getInstance()),
              std::vector<std::string>{"join 1 3 9001 1000 " + seats});
    EXPECT_EQ(UIController::myInfo()->money(), 2400000);
}
