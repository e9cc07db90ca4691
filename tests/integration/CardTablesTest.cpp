// Joining a table of each card game over TCP: the stand-in server answers the join with the game's
// join reply and the game's own decoder reads it into a call on its logic handler.
#include <gtest/gtest.h>

#include "client/Games.h"
#include "games/banker/BaiCaoMessageHandler.h"
#include "games/banker/XiZachMessageHandler.h"
#include "games/phom/PhomMessageHandler.h"
#include "games/phom/PhomNewMessageHandler.h"
#include "lobby/GlobalService.h"
#include "standin-server/StandinCardTables.h"
#include "standin-server/StandinLobbyLists.h"
#include "standin-server/StandinServer.h"
#include "standin-server/StandinSignIn.h"
#include "support/CardTableRecorders.h"
#include "support/SignedInClientTest.h"

using namespace zuno;
using namespace zuno::standin;
using namespace zuno::testing;

namespace {

class CardTablesTest : public SignedInClientTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.start());
        auto signIn = StandinSignIn::installOn(server);
        StandinCardTables::installOn(server, StandinLobbyLists::installOn(server));
        signIn->addAccount({"lan", "hoa sen", 4711, 2500000000LL, 12, 250});
        registerGameMessageHandlers();
        PhomMessageHandler::getInstance()->setPhomLogicHandler(phom);
        PhomNewMessageHandler::getInstance()->setPhomNewLogicHandler(phomNew);
        BaiCaoMessageHandler::getInstance()->setBaiCaoLogicHandler(baiCao);
        XiZachMessageHandler::getInstance()->setXiZachLogicHandler(xiZach);

        useStandinServer();
    }

    void TearDown() override {
        SignedInClientTest::TearDown();
        PhomMessageHandler::getInstance()->setPhomLogicHandler(PhomLogicHandler::getInstance());
        PhomNewMessageHandler::getInstance()->setPhomNewLogicHandler(PhomNewLogicHandler::getInstance());
        BaiCaoMessageHandler::getInstance()->setBaiCaoLogicHandler(BaiCaoLogicHandler::getInstance());
        XiZachMessageHandler::getInstance()->setXiZachLogicHandler(XiZachLogicHandler::getInstance());
    }

    // Chooses the game, then joins table 3 of room 2; answers the call its decoder made.
    std::vector<std::string> joinTableOf(int8_t gameType, CallLog& log) {
        const size_t confirmed = ui->shown().size();
        GlobalService::getInstance().setGameType(gameType);
        if (!pump([&] { return ui->shown().size() > confirmed; })) return {"no game confirmation"};
        GlobalService::getInstance().joinBoardWithroomId(2, 3, "");
        if (!pump([&] { return !log.calls().empty(); })) return {"no join reply"};
        return log.calls();
    }

    std::shared_ptr<RecordingPhomLogic> phom = std::make_shared<RecordingPhomLogic>();
    std::shared_ptr<RecordingPhomNewLogic> phomNew = std::make_shared<RecordingPhomNewLogic>();
    std::shared_ptr<RecordingBaiCaoLogic> baiCao = std::make_shared<RecordingBaiCaoLogic>();
    std::shared_ptr<RecordingXiZachLogic> xiZach = std::make_shared<RecordingXiZachLogic>();
};

}  // namespace

TEST_F(CardTablesTest, EachCardGameDecodesItsJoinReply) {
    signInAs("lan", "hoa sen");
    ASSERT_TRUE(pump([&] { return logic->count("onLoginSuccess") == 1; }));

    const std::string dealer = "{1 dealer 500000 1 100 ready}";
    const std::string empty = " {-1  0 0 0 -}";
    const std::string fourSeats = "join(2, 3, 1, 1000, [" + dealer + empty + empty + empty + "])";
    EXPECT_EQ(joinTableOf(7, phom->log), std::vector<std::string>{fourSeats});
    EXPECT_EQ(joinTableOf(13, phomNew->log), std::vector<std::string>{fourSeats});
    EXPECT_EQ(joinTableOf(11, baiCao->log), std::vector<std::string>{fourSeats});
    EXPECT_EQ(joinTableOf(2, xiZach->log), std::vector<std::string>{fourSeats});
}
