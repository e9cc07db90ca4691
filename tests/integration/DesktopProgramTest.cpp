// The desktop program end to end: its own code, headless, against the stand-in over TCP and HTTP,
// driven by typing and tapping as a person would.
#include <gtest/gtest.h>

#include <fstream>

#include "Program.h"
#include "lobby/GlobalMessageHandler.h"
#include "net/MobileClient.h"
#include "platform/core/RunLoop.h"
#include "platform/core/UserDefaults.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/Button.h"
#include "platform/ui/Animation.h"
#include "platform/ui/Application.h"
#include "platform/ui/Responder.h"
#include "screens/GameView.h"
#include "screens/LoginView.h"
#include "screens/MainView.h"
#include "screens/RoomView.h"
#include "screens/ServerView.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "standin-server/StandinHttp.h"
#include "standin-server/StandinLobbyLists.h"
#include "standin-server/StandinServer.h"
#include "standin-server/StandinSignIn.h"
#include "support/PlatformReset.h"
#include "support/SnapshotCompare.h"

using namespace zuno;
using namespace zuno::standin;

namespace {

class DesktopProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.start());
        signIn = StandinSignIn::installOn(server);
        signIn->addAccount({"demo", "demo", 1001, 5000000, 1, 350});
        StandinLobbyLists::installOn(server);
        StandinHttp::installOn(http, server.port());
        ASSERT_NE(http.start(), 0);

        const std::string folder = zuno::testing::makeTemporaryFolder("desktop-program");
        app::ProgramOptions options;
        options.headless = true;
        options.configFile = folder + "/config.plist";
        std::ofstream(*options.configFile) << configuration();
        program = std::make_unique<app::Program>(options);
        ASSERT_TRUE(program->launch());
        settle();
    }

    void TearDown() override {
        program->shutDown();
        program.reset();
        http.stop();
        server.stop();
        Resources::setConfigurationFile(std::nullopt);
        GlobalMessageHandler::getInstance().setLobbyUi(nullptr);
        ui::Responder::clearFirstResponder();
        ui::Application::shared().reset();
        ui::Animator::shared().reset();
    }

    std::string configuration() const {
        const std::string base = "http://127.0.0.1:" + std::to_string(http.port());
        return R"(<?xml version="1.0" encoding="UTF-8"?><plist version="1.0"><dict>)"
               "<key>Server</key><string>127.0.0.1</string><key>Port</key><string>" +
               std::to_string(server.port()) + "</string><key>LinkServer</key><string>" + base +
               "/serverlist</string><key>Hotline</key><string>19001234</string></dict></plist>";
    }

    // Runs the program (its timers on the virtual clock, the network in real time) until the
    // condition holds.
    static bool pump(const std::function<bool()>& done, int steps = 400) {
        auto& loop = sys::RunLoop::main();
        for (int i = 0; i < steps; ++i) {
            if (done()) return true;
            loop.runFor(0.05);
            loop.runUntil(done, 0.02);
        }
        return done();
    }
    void settle() {
        pump([this] {
            return !program->navigation().isTransitioning() && !ui::Animator::shared().hasRunningAnimations();
        });
    }
    template <class Screen>
    std::shared_ptr<Screen> waitForTop() {
        std::shared_ptr<Screen> screen;
        pump([&] { return bool(screen = std::dynamic_pointer_cast<Screen>(program->navigation().topViewController())); });
        settle();
        return screen;
    }
    void tap(const ui::View& view) { program->delegate()->window->tapView(view); }
    static void type(const std::string& text) { ui::Application::shared().sendText(text); }

    std::vector<int8_t> receivedByServer() const {
        std::vector<int8_t> ids;
        if (auto session = server.latestClient())
            for (const Message& m : session->received()) ids.push_back(m._commandId());
        return ids;
    }
    static bool contains(const std::vector<int8_t>& ids, int8_t id) {
        return std::find(ids.begin(), ids.end(), id) != ids.end();
    }
    static std::optional<std::string> dialogText() { return UIController::shownDialogMessage(); }

    ::testing::AssertionResult screenMatches(const std::string& name) {
        ui::RasterScreen screen;
        screen.renderApplication();
        return zuno::testing::matchesReference(screen, name);
    }

    StandinServer server;
    HttpServer http;
    std::shared_ptr<StandinSignIn> signIn;
    std::unique_ptr<app::Program> program;
};

TEST_F(DesktopProgramTest, SignInPickAServerOpenTheGameListChoosePokerAndLogOut) {
    auto login = waitForTop<LoginView>();
    ASSERT_TRUE(login);
    EXPECT_EQ(login->txvUser->text(), "");
    EXPECT_EQ(login->btnSaveLogin->tag(), 0);
    EXPECT_TRUE(screenMatches("program_login"));

    // Tab moves from the user name to the password; Enter logs in.
    tap(*login->txvUser);
    type("demo");
    app::focusNextField();
    EXPECT_TRUE(login->txvPass->isFirstResponder());
    type("demo");
    ui::Application::shared().sendReturn();

    auto servers = waitForTop<ServerView>();
    ASSERT_TRUE(servers);
    ASSERT_TRUE(pump([&] { return servers->listServers.size() == 2 && !servers->isFetching(); }));
    settle();
    EXPECT_EQ(servers->listServers[1]->sNAME(), "Zuno 2");
    EXPECT_EQ(sys::UserDefaults::standard().stringForKey("uname"), "demo");
    EXPECT_TRUE(screenMatches("program_server_list"));

    tap(*servers->tableView->cellForRowAtIndexPath({0, 0}));
    auto menu = waitForTop<MainView>();
    ASSERT_TRUE(menu);
    EXPECT_TRUE(contains(receivedByServer(), 72));
    EXPECT_TRUE(contains(receivedByServer(), 1));
    EXPECT_EQ(sys::UserDefaults::standard().integerForKey("portServer"), server.port());
    EXPECT_FALSE(dialogText().has_value());
    EXPECT_TRUE(screenMatches("program_main_menu"));

    tap(*menu->btnPlayGames);
    auto games = waitForTop<GameView>();
    ASSERT_TRUE(games);
    EXPECT_TRUE(games->viewTienlen->isHidden());
    EXPECT_FALSE(games->viewPoker->isHidden());
    EXPECT_FALSE(games->viewPhomMoi->isHidden());
    EXPECT_FALSE(games->viewOthers->isHidden());
    EXPECT_TRUE(screenMatches("program_game_list"));

    tap(*games->viewPoker->subviews().front());
    ASSERT_TRUE(pump([&] { return contains(receivedByServer(), 61) && UIController::gameType() == 4; }));
    EXPECT_TRUE(sys::UserDefaults::standard().boolForKey("clickedPoker"));

    // The confirmed game opens its room list; Escape is the back button, twice back to the menu; the
    // logout link ends the session and returns to the login screen.
    ASSERT_TRUE(waitForTop<RoomView>());
    app::goBack();
    ASSERT_EQ(waitForTop<GameView>(), games);
    app::goBack();
    ASSERT_EQ(waitForTop<MainView>(), menu);
    std::shared_ptr<ui::Button> logoutLink;
    for (const auto& sub : menu->scrollView->subviews()) {
        auto button = std::dynamic_pointer_cast<ui::Button>(sub);
        if (button && !button->actionsForTarget(menu.get(), ui::ControlEvent::TouchUpInside).empty() &&
            button->actionsForTarget(menu.get(), ui::ControlEvent::TouchUpInside).front() == "logout:")
            logoutLink = button;
    }
    ASSERT_TRUE(logoutLink);
    menu->scrollView->setContentOffset({menu->scrollView->contentSize().width - 280, 0});
    tap(*logoutLink);
    ASSERT_TRUE(pump([&] {
        return std::dynamic_pointer_cast<LoginView>(program->navigation().topViewController()) &&
               !MobileClient::getInstance()->isConnected();
    }));
    EXPECT_EQ(MobileClient::getInstance()->connectStatus(), MobileClient::kClosedByLogout);
}

TEST_F(DesktopProgramTest, ARefusedLoginShowsTheServersText) {
    auto login = waitForTop<LoginView>();
    ASSERT_TRUE(login);
    tap(*login->txvUser);
    type("demo");
    app::focusNextField();
    type("wrong");
    ui::Application::shared().sendReturn();
    auto servers = waitForTop<ServerView>();
    ASSERT_TRUE(servers);
    ASSERT_TRUE(pump([&] { return servers->listServers.size() == 2; }));
    servers->didSelectRowAtIndexPath(*servers->tableView, {0, 0});
    ASSERT_TRUE(pump([&] {
        return std::dynamic_pointer_cast<LoginView>(program->navigation().topViewController()) &&
               dialogText() == std::string(StandinSignIn::kLoginRefused);
    }));
    EXPECT_EQ(MobileClient::getInstance()->connectStatus(), MobileClient::kClosedByLogout);
}

}  // namespace
