// The desktop program end to end: its own code, headless, against the stand-in over TCP and HTTP,
// driven by typing and tapping as a person would.
#include <gtest/gtest.h>

#include "HeadlessWalk.h"
#include "net/MobileClient.h"
#include "platform/core/RunLoop.h"
#include "platform/core/UserDefaults.h"
#include "platform/services/UrlOpener.h"
#include "platform/ui/Button.h"
#include "platform/ui/Application.h"
#include "screens/BoardView.h"
#include "screens/ConfigView.h"
#include "screens/EventView.h"
#include "screens/GameView.h"
#include "screens/LoginView.h"
#include "screens/MainView.h"
#include "screens/MessageView.h"
#include "screens/PasswordIntoBoard.h"
#include "screens/RegisterView.h"
#include "screens/RoomView.h"
#include "screens/ServerView.h"
#include "shell/InputDialog.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "standin-server/StandinRobotTables.h"
#include "standin-server/StandinSignIn.h"
#include "standin-server/StandinTienLen.h"
#include "support/AlertButtons.h"
#include "support/LayoutCheck.h"
#include "support/PlatformReset.h"
#include "support/ProgramRoadTest.h"
#include "support/SnapshotCompare.h"
#include "support/TableListTiles.h"

using namespace zuno;
using namespace zuno::standin;
using zuno::testing::answerAlert;

namespace {

class DesktopProgramTest : public zuno::testing::ProgramRoadTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(startStandin());
        signIn->addAccount({"demo", "demo", 1001, 5000000, 1, 350});
        ASSERT_NO_FATAL_FAILURE(launchProgram("desktop-program"));
        settle();
    }

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
    // The main menu's sheets and pages, the game list's feedback sheet, and the Poker lobby down to a
    // locked table's prompt and a stake above the balance, each checked as it is shown.
    void walkTheMenus();

    ::testing::AssertionResult screenMatches(const std::string& name) {
        ui::RasterScreen screen;
        screen.renderApplication();
        return zuno::testing::matchesReference(screen, name);
    }

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

    auto first = servers->tableView->cellForRowAtIndexPath({0, 0});
    ASSERT_TRUE(first);
    tap(*first);
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

    // More games: the question whether to open the download page, whose OK opens it in the browser.
    tap(*games->viewOthers->subviews().front());
    ASSERT_TRUE(pump([] { return dialogText() == Resources::getInstance().textForKey("ZUNO_notice"); }));
    settle();
    answerAlert(true);
    settle();
    EXPECT_FALSE(dialogText().has_value());
    ASSERT_FALSE(sys::UrlOpener::openedUrls().empty());
    EXPECT_EQ(sys::UrlOpener::openedUrls().back(), storeAddress());

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

// Every page the login screen opens, in both languages, each checked as it is shown.
TEST_F(DesktopProgramTest, TheLoginScreensPagesRegistrationAndTheForgottenPasswordInBothLanguages) {
    auto login = waitForTop<LoginView>();
    ASSERT_TRUE(login);
    for (const char* language : {"en", "vi"}) {
        SCOPED_TRACE(language);
        if (Resources::getInstance().currentLanguage() != language) login->doChangeLanguage(nullptr);
        settle();
        EXPECT_EQ(login->lblUsername->text(), Resources::getInstance().textForKey("ZUNO_nick"));

        // The guide, fetched from the configured address.
        login->clickHuongDan(nullptr);
        auto guide = waitForTop<EventView>();
        ASSERT_TRUE(guide);
        ASSERT_TRUE(pump([&] { return !guide->webView->isHidden(); }));
        settle();
        app::goBack();
        ASSERT_EQ(waitForTop<LoginView>(), login);

        // Registration: the logo slides in beside the form.
        login->doRegister(nullptr);
        auto form = waitForTop<RegisterView>();
        ASSERT_TRUE(form);
        sys::RunLoop::main().runFor(1.5);
        settle();
        app::goBack();
        ASSERT_EQ(waitForTop<LoginView>(), login);
        UIController::closeDialog();

        // The forgotten password: the prompt slides in once the server answered.
        login->forgotPassword(nullptr);
        ASSERT_TRUE(pump([&] { return login->inputDialog->view()->superview() != nullptr; }));
        settle();
        app::goBack();
        settle();
        ASSERT_TRUE(pump([&] { return login->inputDialog->view()->superview() == nullptr; }));
    }
    login->doChangeLanguage(nullptr);
    settle();
}

void DesktopProgramTest::walkTheMenus() {
    signIn->setInfo(EventView::kEventInfoKey, "This week: double Xu on every Poker table.");
    lists->setTables(4, 1, {{0, 2, true, 100, "sen"}, {1, 3, false, 90000000, ""}, {2, 0, false, 1000, ""}});
    ASSERT_NO_FATAL_FAILURE(signInFromTheLoginScreen("demo", "demo"));
    auto menu = waitForTop<MainView>();
    ASSERT_TRUE(menu);

    // The side menu, then the account sheet it opens; Escape closes each.
    tap(*program->delegate()->btnMenu);
    settle();
    menu->showMenuMain();
    settle();
    app::goBack();
    settle();
    EXPECT_EQ(waitForTop<MainView>(), menu);

    // The links turn by pages: the dots follow, and a tap on them turns back.
    ASSERT_EQ(menu->linkPages->numberOfPages(), 3);
    menu->scrollView->setContentOffset({280, 0});
    EXPECT_EQ(menu->linkPages->currentPage(), 1);
    settle();
    menu->linkPages->setCurrentPage(0);
    menu->linkPageChanged(menu->linkPages.get());
    sys::RunLoop::main().runFor(1);
    EXPECT_EQ(menu->scrollView->contentOffset().x, 0);

    menu->doShowConfig(nullptr);
    ASSERT_TRUE(waitForTop<ConfigView>());
    app::goBack();
    ASSERT_EQ(waitForTop<MainView>(), menu);

    // The event text from the server, then the terms page.
    menu->doShowEvent(nullptr);
    auto page = waitForTop<EventView>();
    ASSERT_TRUE(page);
    ASSERT_TRUE(pump([&] { return !page->tvEvent->isHidden(); }));
    settle();
    app::goBack();
    ASSERT_EQ(waitForTop<MainView>(), menu);
    menu->clickQuyDinh(nullptr);
    page = waitForTop<EventView>();
    ASSERT_TRUE(pump([&] { return !page->webView->isHidden(); }));
    settle();
    app::goBack();
    ASSERT_EQ(waitForTop<MainView>(), menu);

    // An empty mailbox.
    menu->doShowMail(nullptr);
    auto mailbox = waitForTop<MessageView>();
    ASSERT_TRUE(mailbox);
    EXPECT_EQ(mailbox->myTableView->numberOfRowsInSection(0), 0);
    app::goBack();
    ASSERT_EQ(waitForTop<MainView>(), menu);

    // The game list's feedback sheet.
    tap(*menu->btnPlayGames);
    auto games = waitForTop<GameView>();
    ASSERT_TRUE(games);
    games->showSendAdminView();
    settle();
    app::goBack();
    settle();

    // Poker's rooms and the first room's tables.
    tap(*games->viewPoker->subviews().front());
    auto rooms = waitForTop<RoomView>();
    ASSERT_TRUE(rooms);
    ASSERT_TRUE(pump([&] { return rooms->tableView()->numberOfSections() > 0 && rooms->tableView()->numberOfRowsInSection(0) > 0; }));
    settle();
    rooms->didSelectRowAtIndexPath(*rooms->tableView(), {0, 0});
    auto tables = waitForTop<BoardView>();
    ASSERT_TRUE(tables);
    ASSERT_TRUE(pump([&] { return tables->listBoard.size() == 3; }));
    settle();
    // A locked table asks for its password; Escape cancels the prompt.
    auto locked = zuno::testing::tableButton(*tables, 0);
    ASSERT_TRUE(locked);
    tap(*locked);
    ASSERT_TRUE(pump([&] { return tables->passIntoBoard->view()->superview() != nullptr; }));
    settle();
    app::goBack();
    settle();

    // A stake above the balance offers the top-up.
    auto aboveMyMeans = zuno::testing::tableButton(*tables, 1);
    ASSERT_TRUE(aboveMyMeans);
    tap(*aboveMyMeans);
    ASSERT_TRUE(pump([] { return dialogText() == Resources::getInstance().textForKey("ZUNO_wantChargeMoney"); }));
    settle();
    UIController::closeDialog();
    settle();
}

TEST_F(DesktopProgramTest, TheMenusSheetsPagesAndTheTableListsPrompts) { walkTheMenus(); }

TEST_F(DesktopProgramTest, TheMenusSheetsPagesAndTheTableListsPromptsInVietnamese) {
    auto login = waitForTop<LoginView>();
    ASSERT_TRUE(login);
    login->doChangeLanguage(nullptr);
    ASSERT_EQ(Resources::getInstance().currentLanguage(), "vi");
    walkTheMenus();
    Resources::getInstance().setCurrentLanguage("en");
    Resources::getInstance().loadLanguage();
}

TEST_F(DesktopProgramTest, ACachedServerListShowsAtOnceAndIsFetchedAgainAndForgottenAfterAFailedConnect) {
    auto& defaults = sys::UserDefaults::standard();
    defaults.setObject(sys::Value(std::string("Gone|127.0.0.1:1;")), "serverdata");
    auto servers = logInAs("demo", "demo");
    ASSERT_TRUE(servers);
    ASSERT_TRUE(pump([&] { return !servers->isFetching(); }));
    ASSERT_EQ(servers->listServers.size(), 2u);
    EXPECT_EQ(servers->listServers[0]->sNAME(), "Zuno 1");

    GlobalService::setIP("127.0.0.1");
    GlobalService::setPORT(1);
    servers->loginning();
    ASSERT_TRUE(pump([&] { return dialogText() == Resources::getInstance().textForKey("ZUNO_connectFail"); }));
    EXPECT_EQ(defaults.stringForKey("serverdata"), std::nullopt);
}

TEST_F(DesktopProgramTest, ARefusedLoginShowsTheServersText) {
    auto servers = logInAs("demo", "wrong");
    ASSERT_TRUE(servers);
    ASSERT_TRUE(pump([&] { return servers->listServers.size() == 2; }));
    servers->didSelectRowAtIndexPath(*servers->tableView, {0, 0});
    ASSERT_TRUE(pump([&] {
        return std::dynamic_pointer_cast<LoginView>(program->navigation().topViewController()) &&
               dialogText() == std::string(StandinSignIn::kLoginRefused);
    }));
    EXPECT_EQ(MobileClient::getInstance()->connectStatus(), MobileClient::kClosedByLogout);
}


// The headless walk of the program taking its pictures, as `zuno --headless --snapshot` does: every
// screen pictured (and the robot's invitation over the game list) passes the layout check.
class HeadlessWalkTest : public zuno::testing::ProgramRoadTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(startStandin());
        signIn->addAccount({"demo", "demo", 1001, 5000000, 1, 350});
        robots = StandinRobotTables::installOn(server, signIn, lists, {.invitationDelay = 0.5});
        StandinTienLen::addTo(*robots, 3);
        robots->setNextInvitation(3);
        programOptions.snapshotDir = zuno::testing::makeTemporaryFolder("headless-walk") + "/shots";
        ASSERT_NO_FATAL_FAILURE(launchProgram("headless-walk"));
    }
};

TEST_F(HeadlessWalkTest, EveryScreenPicturedIsLaidOut) {
    std::vector<std::string> pictured;
    program->setSnapshotObserver([&](const std::string& name) {
        pictured.push_back(name);
        zuno::testing::expectWindowsLaidOut("picture " + name);
    });
    app::HeadlessWalk walk(*program, "demo", "demo");
    ASSERT_TRUE(walk.run()) << walk.why();
    EXPECT_EQ(pictured, (std::vector<std::string>{"LoginView", "ServerView", "MainView", "GameView", "dialog"}));
}

}  // namespace
