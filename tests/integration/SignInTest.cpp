// The sign-in road and the lobby lists over TCP: the real connection and dispatcher against the
// stand-in server. The session logic is a recording one that, once the client information is
// accepted, sends what the server list sends then: the information request with key 8 and the login.
#include <gtest/gtest.h>

#include "client/Games.h"
#include "games/poker/PokerMessageHandler.h"
#include "lobby/GlobalService.h"
#include "net/MobileClient.h"
#include "shell/UIController.h"
#include "standin-server/StandinLobbyLists.h"
#include "standin-server/StandinServer.h"
#include "standin-server/StandinSignIn.h"
#include "support/SignedInClientTest.h"

using namespace zuno;
using namespace zuno::standin;
using zuno::testing::SignedInClientTest;

namespace {

class SignInTest : public SignedInClientTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.start());
        signIn = StandinSignIn::installOn(server);
        lists = StandinLobbyLists::installOn(server);
        signIn->addAccount({"lan", "hoa sen", 4711, 2500000000LL, 12, 250});
        registerGameMessageHandlers();

        useStandinServer();
    }

    static void send(int8_t commandId, std::initializer_list<int8_t> fields = {}) {
        Message request(commandId);
        for (int8_t b : fields) request.writeByte(b);
        MobileClient::getInstance()->sendMessage(std::move(request));
    }

    void signInAs(const std::string& name, const std::string& password) {
        SignedInClientTest::signInAs(name, password, [] { send(72, {8}); });
    }

    std::vector<int8_t> receivedByServer() {
        std::vector<int8_t> ids;
        if (auto session = server.latestClient())
            for (const Message& m : session->received()) ids.push_back(m._commandId());
        return ids;
    }

    std::shared_ptr<StandinSignIn> signIn;
    std::shared_ptr<StandinLobbyLists> lists;
};

}  // namespace

TEST_F(SignInTest, SignInRoadEndsInLoginSuccessWithThePlayer) {
    PlayerPtr signedIn;
    logic->then["onLoginSuccess"] = [&] { signedIn = UIController::myInfo(); };
    signInAs("lan", "hoa sen");

    ASSERT_TRUE(pump([&] { return logic->count("onLoginSuccess") == 1; }));
    ASSERT_TRUE(signedIn);
    EXPECT_EQ(signedIn->IDDB(), 4711);
    EXPECT_EQ(signedIn->money(), 2500000000LL);
    EXPECT_EQ(signedIn->avatar(), 12);
    EXPECT_EQ(signedIn->exp(), 250);
    EXPECT_EQ(signedIn->level()->lv(), 2);
    EXPECT_EQ(signedIn->name(), "lan");
    EXPECT_EQ((logic->last<std::tuple<int8_t, std::optional<std::string>>>("onGetInfoWithSubId")),
              std::make_tuple(int8_t(8), std::optional<std::string>("1-2.3.0")));

    // The second client information follows the login.
    ASSERT_TRUE(pump([&] { return receivedByServer().size() == 4; }));
    EXPECT_EQ(receivedByServer(), (std::vector<int8_t>{-36, 72, 1, -35}));
}

TEST_F(SignInTest, RefusedLoginShowsTheRefusalAndEndsTheConnectionAsALogout) {
    signInAs("lan", "wrong");

    // The refusal is shown on the main thread while the close is reported from the connection's
    // thread: wait for both.
    ASSERT_TRUE(pump([&] {
        return logic->count("onDisconnect") == 1 && UIController::shownDialogMessage().has_value();
    }));
    EXPECT_EQ(UIController::shownDialogMessage(), StandinSignIn::kLoginRefused);
    EXPECT_EQ(MobileClient::getInstance()->connectStatus(), MobileClient::kClosedByLogout);
    EXPECT_EQ(logic->count("onLoginSuccess"), 0);
}

TEST_F(SignInTest, RefusedClientInformationFailsTheConnectionQuietly) {
    signIn->setClientInformationStatus(0);
    GlobalService::getInstance().connect();

    ASSERT_TRUE(pump([&] { return logic->count("onConnectFail") == 1; }));
    ASSERT_TRUE(pump([] { return !MobileClient::getInstance()->isConnected(); }));
    EXPECT_EQ(MobileClient::getInstance()->connectStatus(), MobileClient::kClosedSilently);
    EXPECT_EQ(logic->count("onSetClientInfoOK"), 0);
    EXPECT_EQ(logic->count("onDisconnect"), 0);
}

TEST_F(SignInTest, GameChoiceRoomsAndTables) {
    signInAs("lan", "hoa sen");
    ASSERT_TRUE(pump([&] { return logic->count("onLoginSuccess") == 1; }));

    send(61, {4});
    ASSERT_TRUE(pump([&] { return !ui->shown().empty(); }));
    EXPECT_EQ(dispatcher().gameMessageHandler(), PokerMessageHandler::getInstance());
    EXPECT_EQ(UIController::gameType(), 4);

    send(6);
    ASSERT_TRUE(pump([&] { return logic->count("onRoomList") == 1; }));
    auto rooms = logic->last<std::vector<std::shared_ptr<RoomInfo>>>("onRoomList");
    ASSERT_EQ(rooms.size(), 3u);
    EXPECT_EQ(rooms[2]->lv(), 2);

    send(7, {2});
    ASSERT_TRUE(pump([&] { return logic->count("onBoardListWithRoomId") == 1; }));
    auto [roomId, boards] =
        logic->last<std::tuple<int32_t, std::vector<std::shared_ptr<Board>>>>("onBoardListWithRoomId");
    EXPECT_EQ(roomId, 2);
    ASSERT_EQ(boards.size(), 8u);
    EXPECT_TRUE(boards[5]->isPass());
    EXPECT_EQ(boards[1]->money(), 4000);
}

TEST_F(SignInTest, RegistrationMakesAnAccountThatSignsIn) {
    using Answer = std::tuple<std::optional<std::string>, bool, std::optional<std::string>, std::optional<std::string>>;
    logic->then["onSetClientInfoOK"] = [] { GlobalService::getInstance().requestRegisterWithUsername("mai", "sen"); };
    GlobalService::getInstance().connect();
    ASSERT_TRUE(pump([&] { return logic->count("onRegisterInfoWithUsername") == 1; }));
    EXPECT_EQ(logic->last<Answer>("onRegisterInfoWithUsername"),
              Answer("mai", true, std::string(StandinSignIn::kRegisterSmsPrefix) + " mai",
                     StandinSignIn::kRegisterSmsNumber));

    // A second registration of the name is refused; the account signs in.
    GlobalService::getInstance().requestRegisterWithUsername("mai", "other");
    ASSERT_TRUE(pump([&] { return logic->count("onRegisterInfoWithUsername") == 2; }));
    EXPECT_FALSE(std::get<1>(logic->last<Answer>("onRegisterInfoWithUsername")));
    GlobalService::getInstance().loginWithUsername("mai", "sen", GlobalService::VERSION());
    ASSERT_TRUE(pump([&] { return logic->count("onLoginSuccess") == 1; }));
    EXPECT_EQ(UIController::myInfo()->money(), StandinSignIn::kNewAccountMoney);
}
