// Signing in over TCP with the real session logic: the screen that opened the connection sends the
// login once the client information is accepted, and the session logic answers the server.
#include <gtest/gtest.h>

#include "lobby/GlobalLogicHandler.h"
#include "lobby/GlobalMessageHandler.h"
#include "lobby/GlobalService.h"
#include "net/MobileClient.h"
#include "platform/core/RunLoop.h"
#include "screens/MainView.h"
#include "shell/UIController.h"
#include "standin-server/StandinServer.h"
#include "standin-server/StandinSignIn.h"
#include "support/FakeLobbyUi.h"
#include "support/LoopWaits.h"
#include "support/StandinInStep.h"

using namespace zuno;
using namespace zuno::standin;

namespace {

// The server list as far as signing in goes: the connect-OK listener that sends the information
// request with key 8 and the login.
struct ServerListLogin : ConnectOKListener {
    ServerListLogin(std::string name, std::string password) : name(std::move(name)), password(std::move(password)) {}
    void onConnectOK() override {
        GlobalService::getInstance().getInfoWithKey(8);
        GlobalService::getInstance().loginWithUsername(name, password, GlobalService::VERSION());
    }
    std::string name, password;
};

struct Screens : zuno::testing::FakeLobbyUi {
    std::shared_ptr<ui::ViewController> topScreen() const override { return stack.empty() ? nullptr : stack.back(); }
    void pushScreen(const std::shared_ptr<ui::ViewController>& screen, bool) override { stack.push_back(screen); }
    void popToRootScreen(bool) override {
        ++pops;
        if (stack.size() > 1) stack.resize(1);
    }
    std::vector<std::shared_ptr<ui::ViewController>> stack{std::make_shared<ui::ViewController>()};
    std::atomic<int> pops{0};
};

// The real session logic, noting who was signed in when the login success reached it.
struct WatchedLogic : GlobalLogicHandler {
    void onLoginSuccess() override {
        signedIn = UIController::myInfo();
        GlobalLogicHandler::onLoginSuccess();
    }
    PlayerPtr signedIn;
};

class SessionSignInTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.start());
        signIn = StandinSignIn::installOn(server);
        signIn->addAccount({"lan", "hoa sen", 4711, 2500000000LL, 12, 250});
        GlobalService::setIP("127.0.0.1");
        GlobalService::setPORT(server.port());
        GlobalService::getInstance().set_session(MobileClient::getInstance());
        GlobalMessageHandler::getInstance().setGlobalLogicHandler(logic);
        GlobalMessageHandler::getInstance().setLobbyUi(screens);
    }

    void TearDown() override {
        MobileClient::getInstance()->manualDisconnect();
        EXPECT_TRUE(zuno::testing::connectionThreadsEnded());
        server.stop();
        GlobalMessageHandler::getInstance().setGlobalLogicHandler(nullptr);
        GlobalMessageHandler::getInstance().setLobbyUi(nullptr);
        GlobalService::getInstance().setConnectOKListener({});
        GlobalService::setPORT(0);
    }

    static bool pump(const std::function<bool()>& condition) { return zuno::testing::runInStepUntil(condition, 0.05, 1200); }

    void connectAs(const std::string& name, const std::string& password) {
        listener = std::make_shared<ServerListLogin>(name, password);
        GlobalService::getInstance().setConnectOKListener(listener);
        GlobalService::getInstance().connect();
    }

    std::vector<int8_t> receivedByServer() {
        std::vector<int8_t> ids;
        if (auto session = server.latestClient())
            for (const Message& m : session->received()) ids.push_back(m._commandId());
        return ids;
    }

    StandinServer server;
    zuno::testing::StandinInStep inStep{server};
    std::shared_ptr<StandinSignIn> signIn;
    std::shared_ptr<WatchedLogic> logic = std::make_shared<WatchedLogic>();
    std::shared_ptr<Screens> screens = std::make_shared<Screens>();
    std::shared_ptr<ServerListLogin> listener;
};

}  // namespace

TEST_F(SessionSignInTest, AcceptedClientInformationSendsTheLoginAndItsSuccessOpensTheMainMenu) {
    connectAs("lan", "hoa sen");

    ASSERT_TRUE(pump([&] { return screens->stack.size() == 2; }));
    EXPECT_TRUE(std::dynamic_pointer_cast<MainView>(screens->stack.back()));
    ASSERT_TRUE(logic->signedIn);
    EXPECT_EQ(logic->signedIn->IDDB(), 4711);
    EXPECT_EQ(logic->signedIn->money(), 2500000000LL);
    EXPECT_EQ(logic->signedIn->name(), "lan");
    // The listener was used up.
    EXPECT_EQ(GlobalService::getInstance().getConnectOKListener(), nullptr);
    ASSERT_TRUE(pump([&] { return receivedByServer().size() == 4; }));
    EXPECT_EQ(receivedByServer(), (std::vector<int8_t>{-36, 72, 1, -35}));
}

TEST_F(SessionSignInTest, ARefusedLoginShowsTheRefusalAndClosesWithoutTheTrafficText) {
    // A long password makes the session's traffic one that a logout would report.
    connectAs("lan", std::string(120, 'x'));

    ASSERT_TRUE(pump([&] { return screens->pops.load() == 1; }));
    // Whatever else the main thread still has to do.
    sys::RunLoop::main().runFor(1);
    EXPECT_EQ(UIController::shownDialogMessage(), StandinSignIn::kLoginRefused);
    EXPECT_EQ(MobileClient::getInstance()->connectStatus(), MobileClient::kClosedByLogout);
    EXPECT_FALSE(logic->signedIn);
}
