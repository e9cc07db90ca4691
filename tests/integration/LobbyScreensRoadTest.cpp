// The lobby screens over TCP, from a signed-in client on: the real screens, dispatcher and session
// logic against the stand-in server. The game choice pushes the room list; a room opens its tables;
// the join rules, the password prompt and the server's refusals; registration, then signing in with
// the new account; the settings across a restart.
#include <gtest/gtest.h>

#include "client/Games.h"
#include "lobby/GlobalLogicHandler.h"
#include "lobby/GlobalMessageHandler.h"
#include "lobby/GlobalService.h"
#include "net/MobileClient.h"
#include "platform/core/Log.h"
#include "platform/core/UserDefaults.h"
#include "platform/ui/NavigationController.h"
#include "screens/BoardView.h"
#include "screens/ConfigView.h"
#include "screens/PageFetch.h"
#include "screens/PasswordIntoBoard.h"
#include "screens/RegisterView.h"
#include "screens/RoomView.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "src/shell/ShellFixture.h"
#include "standin-server/StandinCardTables.h"
#include "standin-server/StandinLobbyJoins.h"
#include "standin-server/StandinLobbyLists.h"
#include "standin-server/StandinServer.h"
#include "standin-server/StandinSignIn.h"
#include "support/LayoutCheck.h"
#include "support/LoopWaits.h"
#include "support/StandinInStep.h"
#include "support/TableListTiles.h"

using namespace zuno;
using namespace zuno::standin;

namespace {

constexpr int8_t kPhom = 7;

// What the server list does once connected: the information request and the login.
struct Login : ConnectOKListener {
    Login(std::string name, std::string password) : name(std::move(name)), password(std::move(password)) {}
    void onConnectOK() override {
        GlobalService::getInstance().getInfoWithKey(8);
        GlobalService::getInstance().loginWithUsername(name, password, GlobalService::VERSION());
    }
    std::string name, password;
};

class LobbyScreensRoadTest : public zuno::testing::ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        ASSERT_TRUE(server.start());
        signIn = StandinSignIn::installOn(server);
        lists = StandinLobbyLists::installOn(server);
        StandinCardTables::installOn(server, lists);
        joins = StandinLobbyJoins::installOn(server, lists);
        signIn->addAccount({"lan", "hoa sen", 4711, 5000, 12, 250});
        lists->setTables(kPhom, 1,
                         {{0, 1, true, 100, "sen"}, {1, 4, false, 100, ""}, {2, 1, false, 9000, ""}, {3, 2, false, 1000, ""}});
        registerGameMessageHandlers();
        Resources::getInstance().setCurrentLanguage("en");
        Resources::getInstance().loadLanguage();
        launch();
        GlobalService::setIP("127.0.0.1");
        GlobalService::setPORT(server.port());
        GlobalService::getInstance().set_session(MobileClient::getInstance());
        GlobalMessageHandler::getInstance().setGlobalLogicHandler(GlobalLogicHandler::getInstance());
    }
    void TearDown() override {
        MobileClient::getInstance()->manualDisconnect();
        EXPECT_TRUE(zuno::testing::connectionThreadsEnded());
        server.stop();
        setPageFetcher(nullptr);
        UIController::closeDialog();
        GlobalMessageHandler::getInstance().setGlobalLogicHandler(nullptr);
        GlobalService::getInstance().setConnectOKListener({});
        GlobalService::setPORT(0);
        ShellTest::TearDown();
    }

    // The screens and the stand-in in step, a tenth of a second at a time.
    static bool pump(const std::function<bool()>& condition) { return zuno::testing::runInStepUntil(condition, 0.1, 400); }
    template <class Screen>
    std::shared_ptr<Screen> top() {
        return std::dynamic_pointer_cast<Screen>(nav().topViewController());
    }
    static std::string dialog() { return UIController::shownDialogMessage().value_or(std::string()); }
    // The layout check over what is shown, once the screens' animations have ended.
    void laidOut(const std::string& when) {
        run(1);
        zuno::testing::expectWindowsLaidOut(when);
    }

    void signInAs(const std::string& name, const std::string& password) {
        login = std::make_shared<Login>(name, password);
        GlobalService::getInstance().setConnectOKListener(login);
        GlobalService::getInstance().connect();
        ASSERT_TRUE(pump([&] { return UIController::myInfo() && UIController::myInfo()->name() == name; }));
    }
    static void tapTable(BoardView& screen, size_t i) {
        auto button = zuno::testing::tableButton(screen, i);
        if (!button) return;
        button->sendActionsForControlEvents(ui::ControlEvent::TouchDown);
        button->sendActionsForControlEvents(ui::ControlEvent::TouchUpInside);
    }

    StandinServer server;
    zuno::testing::StandinInStep inStep{server};
    std::shared_ptr<StandinSignIn> signIn;
    std::shared_ptr<StandinLobbyLists> lists;
    std::shared_ptr<StandinLobbyJoins> joins;
    std::shared_ptr<Login> login;
};

}  // namespace

TEST_F(LobbyScreensRoadTest, FromTheChosenGameToAJoinedTable) {
    signInAs("lan", "hoa sen");
    GlobalService::getInstance().setGameType(kPhom);  // as the game list does
    ASSERT_TRUE(pump([&] {
        auto rooms = top<RoomView>();
        return rooms && rooms->tableView()->numberOfSections() == 3 && rooms->tableView()->numberOfRowsInSection(0) > 0;
    }));
    auto rooms = top<RoomView>();
    laidOut("the rooms");

    for (int level = 0; level < 3; ++level) EXPECT_EQ(rooms->tableView()->numberOfRowsInSection(level), 1) << level;

    rooms->didSelectRowAtIndexPath(*rooms->tableView(), {0, 0});
    ASSERT_TRUE(pump([&] { return top<BoardView>() && top<BoardView>()->listBoard.size() == 4; }));
    auto tables = top<BoardView>();
    EXPECT_EQ(tables->roomId(), 1);
    laidOut("the tables");

    tapTable(*tables, 1);
    EXPECT_EQ(dialog(), "This table is full. Please choose another table.");
    laidOut("a full table");
    tapTable(*tables, 2);
    EXPECT_EQ(UIController::okValue(), UIController::okGoTopUp);
    UIController::closeDialog();

    tapTable(*tables, 0);
    run(1);
    ASSERT_TRUE(tables->passIntoBoard->view()->superview());
    laidOut("the password prompt");
    tables->passIntoBoard->txtPassword->setText("lotus");
    tables->passIntoBoard->doOK();
    ASSERT_TRUE(pump([&] { return dialog() == StandinLobbyJoins::kWrongPassword; }));
    EXPECT_EQ(BoardView::numOfTouchUp(), 0);
    UIController::closeDialog();

    tapTable(*tables, 3);
    // Accepted: the join reply reaches the game's decoder.
    ASSERT_TRUE(pump([&] { return sys::Log::contains("joined board"); }));
    EXPECT_EQ(joins->joins(), (std::vector<StandinLobbyJoins::Join>{{1, 0, "lotus"}, {1, 3, ""}}));
}

TEST_F(LobbyScreensRoadTest, ARegisteredAccountSignsIn) {
    const std::string list = "Down|127.0.0.1:1;Up|127.0.0.1:" + std::to_string(server.port()) + ";";
    setPageFetcher([list](const std::string&) {
        sys::HttpFetchResult r;
        r.status = 200;
        r.body = list;
        return r;
    });
    auto form = std::make_shared<RegisterView>();
    show(form);
    laidOut("the registration form");
    form->txvUser->setText("mai");
    form->txvPass->setText("hoa mai");
    form->txvRePass->setText("hoa mai");
    form->onRegister(form->btnRegister.get());
    ASSERT_TRUE(pump([&] { return signIn->account("mai").has_value(); }));
    EXPECT_EQ(form->serverIndex, 2);  // the first server refused, the second answered

    MobileClient::getInstance()->manualDisconnect();
    ASSERT_TRUE(zuno::testing::connectionThreadsEnded());
    signInAs("mai", "hoa mai");
}

TEST_F(LobbyScreensRoadTest, SettingsPersistAcrossARestart) {
    auto settings = std::make_shared<ConfigView>();
    show(settings);
    laidOut("the settings");
    settings->switchRung->setOn(false);
    settings->switchRung->sendActionsForControlEvents(ui::ControlEvent::TouchUpInside);
    settings->doChangeLanguage(nullptr);

    sys::UserDefaults::reopenStandard();
    UIController::resetSessionState();
    launch();
    EXPECT_FALSE(UIController::rung());
    EXPECT_TRUE(UIController::inviting());
    EXPECT_EQ(sys::UserDefaults::standard().stringForKey("language"), "vi");
    auto again = std::make_shared<ConfigView>();
    show(again);
    laidOut("the settings in Vietnamese");
    EXPECT_FALSE(again->switchRung->isOn());
    EXPECT_EQ(again->lblRung->text(), "Rung");
}

// A client that shows Vietnamese says so in its client information: the server speaks Vietnamese to it
// from the start (a robot's invitation right after the sign-in included), before any change of setting.
TEST_F(LobbyScreensRoadTest, TheServerSpeaksTheLanguageTheClientShowsFromTheStart) {
    Resources::getInstance().setCurrentLanguage("vi");
    Resources::getInstance().loadLanguage();
    signInAs("lan", "hoa sen");
    auto session = server.latestClient();
    ASSERT_TRUE(session);
    EXPECT_EQ(session->language(), "vi");
    EXPECT_EQ(session->say("9 points", "9 điểm"), "9 điểm");
}

TEST_F(LobbyScreensRoadTest, TheServerSpeaksTheLanguageTheSettingsChose) {
    signInAs("lan", "hoa sen");
    auto session = server.latestClient();
    ASSERT_TRUE(session);
    EXPECT_EQ(session->language(), "en");
    EXPECT_EQ(session->say("9 points", "9 điểm"), "9 points");
    auto settings = std::make_shared<ConfigView>();
    show(settings);
    settings->doChangeLanguage(nullptr);
    ASSERT_TRUE(pump([&] { return session->language() == "vi"; }));
    EXPECT_EQ(session->say("9 points", "9 điểm"), "9 điểm");
}
