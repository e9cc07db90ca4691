// The sign-in road's screens on a launched shell: the server-list text, the login form, the
// change-password checks and the game list.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "lobby/GlobalService.h"
#include "lobby/model/User.h"
#include "net/MobileClient.h"
#include "platform/core/Format.h"
#include "platform/core/UserDefaults.h"
#include "platform/ui/ActivityIndicatorView.h"
#include "platform/ui/Image.h"
#include "screens/ChangePassView.h"
#include "screens/GameView.h"
#include "screens/LoginView.h"
#include "screens/MainView.h"
#include "screens/ScreenTitle.h"
#include "screens/ServerListText.h"
#include "screens/ServerView.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "src/shell/ShellFixture.h"
#include "standin-server/http/HttpServer.h"
#include "support/PlatformReset.h"
#include "support/ServiceRecording.h"
#include "support/SnapshotCompare.h"

namespace zuno::testing {
namespace {

TEST(ServerListText, PiecesAndPorts) {
    struct Case {
        const char* name;
        const char* text;
        std::vector<std::string> entries;  // "name host port"
    };
    const std::vector<Case> cases{
        {"two entries with the usual trailing ;", "A|1.2.3.4:5000;B|5.6.7.8:5001;", {"A 1.2.3.4 5000", "B 5.6.7.8 5001"}},
        {"no trailing ;", "A|1.2.3.4:5000", {"A 1.2.3.4 5000"}},
        {"empty text", "", {}},
        {"empty and malformed pieces are skipped", ";;junk;C:1|2;A|h:1;|:;B|h2:2", {"A h 1", "B h2 2"}},
        {"no name or no port between good ones", "x;A|h:1;:B|h:2;C|h;D|h:4", {"A h 1", "D h 4"}},
        {"the host ends at the first colon", "A|h:1:2;", {"A h 1:2"}},
        {"a port without digits stays text", "A|h:x;", {"A h x"}},
        {"a name in Vietnamese", "Khu vực 1|h:3;", {"Khu vực 1 h 3"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> got;
        for (const auto& s : parseServerList(c.text)) got.push_back(s->sNAME() + " " + s->sIP() + " " + s->sPORT());
        EXPECT_EQ(got, c.entries);
    }
    EXPECT_EQ(serverPortValue("5001"), 5001);
    EXPECT_EQ(serverPortValue("5001ab"), 5001);
    EXPECT_EQ(serverPortValue("ab"), 0);
    EXPECT_EQ(serverPortValue("99999999999"), 0);
}

TEST(ScreenTitle, CapitalsIncludeVietnameseLetters) {
    EXPECT_EQ(upperCased("Chọn khu vực"), "CHỌN KHU VỰC");
    EXPECT_EQ(upperCased("games"), "GAMES");
}

class SignInScreens : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        sys::UserDefaults::standard().setObject(sys::Value(std::string("en")), "language");
    }
    void TearDown() override {
        MobileClient::getInstance()->manualDisconnect();
        ShellTest::TearDown();
    }
    template <class Screen>
    std::shared_ptr<Screen> showNew() {
        auto screen = std::make_shared<Screen>();
        show(screen);
        run(2);
        return screen;
    }
    ::testing::AssertionResult screenMatches(const std::string& name) {
        ui::RasterScreen screen;
        screen.renderApplication();
        return matchesReference(screen, name);
    }
    sys::UserDefaults& defaults() { return sys::UserDefaults::standard(); }
};

TEST_F(SignInScreens, FirstLaunchStaysOnTheLoginScreenWithEmptyFields) {
    launch();
    auto login = std::dynamic_pointer_cast<LoginView>(nav().topViewController());
    ASSERT_TRUE(login);
    run(1);
    EXPECT_EQ(nav().viewControllers().size(), 1u);
    EXPECT_EQ(login->txvUser->text(), "");
    EXPECT_EQ(login->btnSaveLogin->tag(), 0);
    EXPECT_EQ(login->btnSaveLogin->currentImage()->name(), "off1.png");
    EXPECT_EQ(login->lblVersion->text(), "Version: 2.3.0");
}

TEST_F(SignInScreens, TheLoginScreenCanPushTheMainMenu) {
    launch();
    auto login = std::dynamic_pointer_cast<LoginView>(nav().topViewController());
    ASSERT_TRUE(login);
    login->showMainView();
    run(1);
    EXPECT_EQ(nav().viewControllers().size(), 2u);
    EXPECT_TRUE(std::dynamic_pointer_cast<MainView>(nav().topViewController()));
}

TEST_F(SignInScreens, StaySignedInFillsTheFormAndOpensTheServerListByItself) {
    defaults().setBool(true, "savednextLogin");
    defaults().setObject(sys::Value(std::string("lan")), "uname");
    defaults().setObject(sys::Value(std::string("hoa sen")), "password");
    defaults().setObject(sys::Value(std::string("Z|127.0.0.1:1;")), "serverdata");
    launch();
    run(2);
    auto servers = std::dynamic_pointer_cast<ServerView>(nav().topViewController());
    ASSERT_TRUE(servers);
    auto login = std::dynamic_pointer_cast<LoginView>(nav().viewControllers().front());
    EXPECT_EQ(login->txvPass->text(), "hoa sen");
    EXPECT_EQ(login->btnSaveLogin->currentImage()->name(), "on1.png");
    ASSERT_EQ(servers->listServers.size(), 1u);
    EXPECT_EQ(app->lblWindowTitle->text(), "CHOOSE A SERVER");
}

TEST_F(SignInScreens, ThePasswordReachesTheFileOnlyWhileStaySignedInIsOn) {
    const auto inFile = [&] { return sys::UserDefaults(defaults().filePath()).stringForKey("password"); };
    launch();
    auto login = std::dynamic_pointer_cast<LoginView>(nav().topViewController());
    login->txvPass->setText("hoa sen");
    login->doLogin(nullptr);
    EXPECT_EQ(defaults().stringForKey("password"), "hoa sen");  // what the sign-in reads back
    EXPECT_EQ(inFile(), std::nullopt);
    login->onSaveLogin(nullptr);
    login->doLogin(nullptr);
    EXPECT_EQ(inFile(), "hoa sen");
    login->onSaveLogin(nullptr);
    EXPECT_EQ(inFile(), std::nullopt);
    EXPECT_EQ(defaults().stringForKey("password"), "hoa sen");
}

// Signing out returns to the first login screen. After a sign-in from a later one (the side menu's
// further login screen) it shows the form that sign-in stored, with no password unless that sign-in
// stays signed in; a way back without a sign-in keeps what was typed.
TEST_F(SignInScreens, BackFromASessionTheLoginFormIsTheLastSignInsWithoutAPasswordUnlessKept) {
    launch();
    auto root = std::dynamic_pointer_cast<LoginView>(nav().topViewController());
    ASSERT_TRUE(root);
    auto signIn = [&](LoginView& screen, const std::string& name, const std::string& password, bool stay) {
        screen.txvUser->setText(name);
        screen.txvPass->setText(password);
        if ((screen.btnSaveLogin->tag() == 1) != stay) screen.onSaveLogin(nullptr);
        screen.doLogin(nullptr);
        run(1);
        UIController::closeDialog();
        auto player = std::make_shared<Player>();
        player->setName(name);
        UIController::setMyInfo(player);
        nav().pushViewController(std::make_shared<MainView>(), false);
        run(1);
    };
    auto signOut = [&] {
        nav().popToRootViewControllerAnimated(false);
        run(1);
    };
    struct Case {
        const char* name;
        bool secondStays;
        const char* password;
    };
    // (A first sign-in that stays signed in would sign in again by itself on the further screen.)
    const Case cases[] = {
        {"the second does not stay signed in", false, ""},
        {"the second stays signed in", true, "pb"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        signIn(*root, "an", "pa", false);
        auto further = std::make_shared<LoginView>();
        nav().pushViewController(further, false);
        run(1);
        signIn(*further, "binh", "pb", c.secondStays);
        signOut();
        EXPECT_EQ(root->txvUser->text(), "binh");
        EXPECT_EQ(root->txvPass->text(), c.password);
        EXPECT_EQ(root->btnSaveLogin->tag(), c.secondStays ? 1 : 0);
    }

    // The server list left without signing in: what was typed stays for another try.
    root->txvPass->setText("typed");
    root->doLogin(nullptr);
    run(1);
    UIController::closeDialog();
    signOut();
    EXPECT_EQ(root->txvPass->text(), "typed");
}

TEST_F(SignInScreens, LanguageFlipsBackAndStoresEachTimeKeepingTheToggleState) {
    launch();
    auto login = std::dynamic_pointer_cast<LoginView>(nav().topViewController());
    login->onSaveLogin(nullptr);
    login->doChangeLanguage(nullptr);
    EXPECT_EQ(defaults().stringForKey("language"), "vi");
    EXPECT_EQ(login->btnSaveLogin->currentImage()->name(), "on.png");
    EXPECT_EQ(login->imgChangLanguage->image()->name(), "en.png");
    EXPECT_EQ(login->lblUsername->text(), Resources::getInstance().textForKey("ZUNO_nick"));
    run(1);
    EXPECT_TRUE(screenMatches("login_vi"));
    login->doChangeLanguage(nullptr);
    EXPECT_EQ(defaults().stringForKey("language"), "en");
    EXPECT_EQ(login->btnSaveLogin->currentImage()->name(), "on1.png");
    // The choice is stored only by a login.
    EXPECT_FALSE(defaults().boolForKey("savednextLogin"));
}

// The form rises once, and no further than keeps both fields whole below the top bar: the field being
// typed into stays in sight, and so does the other one a player may click next.
TEST_F(SignInScreens, TheFormRisesOnceAndALoginWithoutTypingStoresEmptyTexts) {
    launch();
    auto login = std::dynamic_pointer_cast<LoginView>(nav().topViewController());
    const ui::Point rest = login->viewScroll->center();
    const ui::Rect inSight(0, LoginView::kTopBarHeight, 480, 320 - LoginView::kTopBarHeight);
    auto expectFieldsInSight = [&](const char* how) {
        for (const auto& field : {login->txvUser, login->txvPass}) {
            const ui::Rect frame = field->convertRectToView(field->bounds(), nullptr);
            EXPECT_TRUE(inSight.contains(frame)) << how << ": " << field->identifier() << " at " << frame.y();
        }
    };
    app->window->tapView(*login->txvUser);
    run(1);
    expectFieldsInSight("user name clicked");
    app->window->tapView(*login->txvPass);
    run(1);
    expectFieldsInSight("password clicked");
    const double lifted = rest.y - login->viewScroll->center().y;
    EXPECT_GT(lifted, 0);
    EXPECT_LE(lifted, LoginView::kRaise);
    login->backGroundHidden(nullptr);
    login->backGroundHidden(nullptr);
    run(1);
    EXPECT_EQ(login->viewScroll->center().y, rest.y);
    login->doLogin(nullptr);
    run(1);
    EXPECT_EQ(defaults().stringForKey("uname"), "");
    EXPECT_TRUE(std::dynamic_pointer_cast<ServerView>(nav().topViewController()));
}

TEST_F(SignInScreens, ServerListFromTheCacheConnectsToTheChosenEntry) {
    defaults().setObject(sys::Value(std::string("A|1.2.3.4:5000;B|127.0.0.1:9x;")), "serverdata");
    launch();
    auto servers = showNew<ServerView>();
    ASSERT_EQ(servers->listServers.size(), 2u);
    // A fresh list was asked for (nothing listens at the configured address: it may have failed already).
    EXPECT_TRUE(servers->isFetching() || servers->fetchError());
    EXPECT_EQ(servers->heightForRowAtIndexPath(*servers->tableView, {0, 1}), ServerView::kRowHeight);
    EXPECT_TRUE(screenMatches("server_list"));
    servers->didSelectRowAtIndexPath(*servers->tableView, {0, 1});
    EXPECT_EQ(GlobalService::IP(), "127.0.0.1");
    EXPECT_EQ(GlobalService::PORT(), 9);
    EXPECT_EQ(UIController::okValue(), UIController::okConnectLogin);
    EXPECT_EQ(UIController::shownDialogMessage(), Resources::getInstance().textForKey("ZUNO_logging"));
}

TEST_F(SignInScreens, PullToRefreshStartsOnlyPastTheThresholdAndAlwaysFinishes) {
    defaults().setObject(sys::Value(std::string("A|h:1;")), "serverdata");
    launch();
    auto servers = showNew<ServerView>();
    auto& table = *servers->tableView;
    table.setContentOffset({0, -64});
    servers->scrollViewDidEndDragging(table, false);
    EXPECT_FALSE(servers->isReloading());
    // Exactly at the threshold starts a refresh; a second pull meanwhile does nothing.
    table.setContentOffset({0, -65});
    servers->scrollViewDidEndDragging(table, false);
    EXPECT_TRUE(servers->isReloading());
    EXPECT_EQ(servers->refreshHeaderView->state(), RefreshTableHeaderView::kLoading);
    servers->scrollViewDidEndDragging(table, false);
    // The configured address answers nothing here: the fetch fails, the cache stays, the refresh ends.
    ASSERT_TRUE(sys::RunLoop::main().runUntil([&] { return !servers->isFetching(); }, 20));
    run(1);
    EXPECT_FALSE(servers->isReloading());
    EXPECT_EQ(servers->refreshHeaderView->state(), RefreshTableHeaderView::kNormal);
    EXPECT_TRUE(servers->listServers.empty());
    EXPECT_EQ(defaults().stringForKey("serverdata"), "A|h:1;");
}

TEST_F(SignInScreens, ScrollingWhileARefreshFetchesShowsNoStaleRows) {
    std::string text;
    for (int i = 0; i < 12; ++i) text += sys::format("S%d|h:%d;", i, i);
    defaults().setObject(sys::Value(text), "serverdata");
    launch();
    auto servers = showNew<ServerView>();
    auto& table = *servers->tableView;
    table.setContentOffset({0, -65});
    servers->scrollViewDidEndDragging(table, false);
    ASSERT_TRUE(servers->isFetching());
    // Rows further down come into view before the new list has arrived.
    table.setContentOffset({0, 500});
    table.layoutSubviews();
    EXPECT_FALSE(table.cellForRowAtIndexPath({0, 10}));
    ASSERT_TRUE(sys::RunLoop::main().runUntil([&] { return !servers->isFetching(); }, 20));
}

// The server list served over HTTP by a local server that the configuration points at.
class ServedServerList : public SignInScreens {
protected:
    void SetUp() override {
        SignInScreens::SetUp();
        ASSERT_NE(http.start(), 0);
        std::ifstream bundled(std::string(ZUNO_BUNDLE_DIR) + "/ZunoOnlineConfig.plist");
        std::stringstream config;
        config << bundled.rdbuf();
        std::string plist = config.str();
        const std::string configured = "http://127.0.0.1:20106/serverlist";
        plist.replace(plist.find(configured), configured.size(), http.url("/serverlist"));
        const std::string file = makeTemporaryFolder("served-list") + "/config.plist";
        std::ofstream(file) << plist;
        Resources::setConfigurationFile(file);
        Resources::resetForTests();
    }
    void TearDown() override {
        SignInScreens::TearDown();
        http.stop();
        Resources::setConfigurationFile(std::nullopt);
        Resources::resetForTests();
    }
    standin::HttpServer http;
};

TEST_F(ServedServerList, ABodyThatIsNotUtf8CountsAsNoText) {
    struct Case {
        const char* name;
        std::string body;
        size_t rows;
        std::optional<std::string> cached;
    };
    const std::vector<Case> cases{
        {"a good list is shown and cached", "A|1.2.3.4:5000;", 1, "A|1.2.3.4:5000;"},
        {"not UTF-8: no rows, nothing cached", "A|1.2.3.4:5000;B\xff|h:1;", 0, std::nullopt},
    };
    launch();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        defaults().removeObjectForKey("serverdata");
        http.route("/serverlist", standin::ServerResponse::text(c.body));
        auto servers = std::make_shared<ServerView>();
        nav().pushViewController(servers, false);
        ASSERT_TRUE(sys::RunLoop::main().runUntil([&] { return http.requestCount() > 0 && !servers->isFetching(); }, 20));
        http.clearRequests();
        EXPECT_EQ(servers->listServers.size(), c.rows);
        EXPECT_EQ(defaults().stringForKey("serverdata"), c.cached);
        nav().popViewControllerAnimated(false);
        run(1);
    }
}

// A list that cannot be fetched (nothing cached): the page says so instead of staying empty. Its button
// fetches again, and so does a pull on the list under it.
TEST_F(ServedServerList, AFailedFetchSaysSoAndTryingAgainFetchesAgain) {
    http.route("/serverlist", standin::ServerResponse::text("", 503));
    launch();
    auto servers = std::make_shared<ServerView>();
    nav().pushViewController(servers, false);
    auto fetched = [&](size_t requests) {
        return sys::RunLoop::main().runUntil(
            [&] { return http.requestCount() >= requests && !servers->isFetching(); }, 20);
    };
    auto failureShown = [&] { return !servers->lblFetchError->isHidden() && !servers->btnTryAgain->isHidden(); };
    ASSERT_TRUE(fetched(1));
    run(1);
    EXPECT_TRUE(servers->listServers.empty());
    EXPECT_TRUE(failureShown());
    EXPECT_EQ(servers->lblFetchError->text(), Resources::getInstance().textForKey("ZUNO_serverListFailed"));
    EXPECT_TRUE(screenMatches("server_list_failed"));

    // The pull still fetches; failing again, it ends and says so again.
    auto& table = *servers->tableView;
    table.setContentOffset({0, -70});
    servers->scrollViewDidEndDragging(table, false);
    EXPECT_FALSE(failureShown()) << "not while the list is on its way";
    ASSERT_TRUE(fetched(2));
    run(1);
    EXPECT_FALSE(servers->isReloading());
    EXPECT_TRUE(failureShown());

    http.route("/serverlist", standin::ServerResponse::text("A|1.2.3.4:5000;"));
    app->window->tapView(*servers->btnTryAgain);
    ASSERT_TRUE(fetched(3));
    run(1);
    EXPECT_EQ(servers->listServers.size(), 1u);
    EXPECT_FALSE(failureShown());
}

// Servers move: once a fetched list no longer names the server picked last, the connections that pick
// none (tell a friend, the hotline) go to the configured one again, as at the program's start.
TEST_F(ServedServerList, AServerTheListNoLongerNamesIsLeftForTheConfiguredOne) {
    struct Case {
        const char* name;
        std::string list;
        std::string ip;
        int32_t port;
    };
    const Case cases[] = {
        {"the same server listed: it stays", "A|10.0.0.9:9;B|10.0.0.9:11;", "10.0.0.9", 9},
        {"the server moved to another port", "A|10.0.0.9:10;B|10.0.0.9:11;", "127.0.0.1", 20105},
        {"no list came: nothing changes", "", "10.0.0.9", 9},
    };
    launch();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GlobalService::setIP("10.0.0.9");
        GlobalService::setPORT(9);
        defaults().removeObjectForKey("serverdata");
        if (c.list.empty()) http.route("/serverlist", standin::ServerResponse::text("", 500));
        else http.route("/serverlist", standin::ServerResponse::text(c.list));
        auto servers = std::make_shared<ServerView>();
        nav().pushViewController(servers, false);
        ASSERT_TRUE(sys::RunLoop::main().runUntil([&] { return http.requestCount() > 0 && !servers->isFetching(); }, 20));
        http.clearRequests();
        EXPECT_EQ(GlobalService::IP(), c.ip);
        EXPECT_EQ(GlobalService::PORT(), c.port);
        nav().popViewControllerAnimated(false);
        run(1);
    }
    GlobalService::useConfiguredAddress();
}

// A server picked from the cached list while the fresh one is on its way is the one signed in to (and
// stored as the last server), whatever the fresh list says.
TEST_F(ServedServerList, AListArrivingAfterAPickLeavesThePickedServer) {
    auto late = standin::ServerResponse::text("A|127.0.0.1:2;");
    late.delaySeconds = 0.3;
    http.route("/serverlist", late);
    defaults().setObject(sys::Value(std::string("A|127.0.0.1:1;")), "serverdata");
    launch();
    auto servers = showNew<ServerView>();
    ASSERT_TRUE(servers->isFetching());
    servers->didSelectRowAtIndexPath(*servers->tableView, {0, 0});
    ASSERT_TRUE(sys::RunLoop::main().runUntil([&] { return !servers->isFetching(); }, 20));
    EXPECT_EQ(GlobalService::PORT(), 1);
    run(1);
    UIController::closeDialog();
    GlobalService::useConfiguredAddress();
}

TEST_F(ServedServerList, AFetchStartedWhileAnotherRunsLeavesNoSpinnerOrRefreshBehind) {
    auto slow = standin::ServerResponse::text("A|1.2.3.4:5000;");
    slow.delaySeconds = 0.3;
    http.route("/serverlist", slow);
    launch();
    auto servers = std::make_shared<ServerView>();
    nav().pushViewController(servers, false);
    auto& table = *servers->tableView;
    auto spinnerShown = [&] {
        for (const auto& sub : servers->view()->subviews())
            if (std::dynamic_pointer_cast<ui::ActivityIndicatorView>(sub)) return true;
        return false;
    };
    auto settled = [&] {
        EXPECT_TRUE(sys::RunLoop::main().runUntil([&] { return !servers->isFetching(); }, 20));
        run(1);
        EXPECT_FALSE(spinnerShown());
        EXPECT_FALSE(servers->isReloading());
        EXPECT_EQ(servers->listServers.size(), 1u);
    };
    {
        SCOPED_TRACE("a pull while the first list is on its way");
        ASSERT_TRUE(sys::RunLoop::main().runUntil([&] { return servers->isFetching(); }, 5));
        ASSERT_TRUE(spinnerShown());
        table.setContentOffset({0, -70});
        servers->scrollViewDidEndDragging(table, false);
        settled();
    }
    {
        SCOPED_TRACE("the screen appears again while a pull fetches");
        defaults().removeObjectForKey("serverdata");
        table.setContentOffset({0, -70});
        servers->scrollViewDidEndDragging(table, false);
        ASSERT_TRUE(servers->isFetching());
        servers->viewDidAppear(false);
        settled();
    }
}

TEST_F(SignInScreens, ChangePasswordChecksInOrderAndAlwaysCloses) {
    launch();
    ServiceRecording requests{GlobalService::getInstance()};
    defaults().setObject(sys::Value(std::string("old")), "ZUNO_LOGIN_OLDPASS");
    struct Case {
        const char* name;
        const char *oldPass, *newPass, *again;
        std::optional<const char*> dialogKey;
        bool sent;
    };
    const std::vector<Case> cases{
        {"old empty: nothing at all", "", "x", "y", std::nullopt, false},
        {"old wrong wins over new wrong", "Old", "a", "b", "ZUNO_invalidOldPass", false},
        {"new empty", "old", "", "", "ZUNO_invalidNewPass", false},
        {"new differs from its repetition", "old", "a", "b", "ZUNO_invalidNewPass", false},
        {"all good", "old", "new", "new", std::nullopt, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        UIController::closeDialog();
        auto sheet = std::make_shared<ChangePassView>();
        sheet->userData = std::make_shared<User>();
        nav().topViewController()->view()->addSubview(sheet->view());
        sheet->viewWillAppear(false);
        run(1);
        EXPECT_EQ(sheet->actionSheetView()->frame().origin, (ui::Point{0, 30}));
        sheet->txtOldPass->setText(c.oldPass);
        sheet->txtNewPass->setText(c.newPass);
        sheet->txtConfirmNewPass->setText(c.again);
        sheet->doChangePass();
        run(1);
        if (c.dialogKey) {
            EXPECT_EQ(UIController::shownDialogMessage(), Resources::getInstance().textForKey(*c.dialogKey));
        } else {
            EXPECT_FALSE(UIController::shownDialogMessage().has_value());
        }
        EXPECT_EQ(requests.session->sent().size(), c.sent ? 1u : 0u);
        requests.session->clear();
        // The change goes out in a copy: the profile's own record never carries it into later saves.
        EXPECT_FALSE(sheet->userData->isChangePass());
        EXPECT_EQ(sheet->userData->newPass(), std::nullopt);
        if (c.sent) {
            EXPECT_EQ(defaults().stringForKey("ZUNO_LOGIN_NEWPASS"), "new");
        }
        EXPECT_FALSE(sheet->view()->superview());
    }
}

TEST_F(SignInScreens, MainMenuTilesFlyInEachTimeAndThePlayButtonFollowsTheLanguage) {
    launch();
    auto menu = std::make_shared<MainView>();
    show(menu);
    run(3);
    EXPECT_EQ(menu->vieRange->center(), (ui::Point{150, 134}));
    EXPECT_EQ(menu->vieEvent->alpha(), 1.0);
    EXPECT_EQ(menu->btnPlayGames->backgroundImageForState(ui::ControlState::Normal)->name(), "icon-games.png");
    EXPECT_TRUE(screenMatches("main_menu"));
    // The side menu slides in over the right side: top-up, logout and the account sheet.
    menu->showMenu();
    run(1);
    EXPECT_TRUE(screenMatches("main_menu_side_menu"));
    menu->showMenu();
    run(1);
    menu->viewWillAppear(false);
    EXPECT_EQ(menu->vieRange->center(), (ui::Point{141, -100}));
    Resources::getInstance().setCurrentLanguage("vi");
    menu->viewWillAppear(false);
    EXPECT_EQ(menu->btnPlayGames->backgroundImageForState(ui::ControlState::Normal)->name(), "icon-trochoi.png");
}

TEST_F(SignInScreens, AtScaleTwoTheMainMenuDrawsItsOwnPicturesSharp) {
    ui::Screen::setScale(2);
    launch();
    auto menu = std::make_shared<MainView>();
    show(menu);
    run(3);
    EXPECT_EQ(menu->btnPlayGames->backgroundImageForState(ui::ControlState::Normal)->scale(), 2);
    EXPECT_TRUE(screenMatches("main_menu_x2"));
}

TEST_F(SignInScreens, GameListOffersThreeTilesAndWritesClickedPokerOnce) {
    launch();
    auto games = std::make_shared<GameView>();
    show(games);
    run(2);
    EXPECT_EQ(games->viewPhomMoi->center(), games->viewTienlen->center());
    EXPECT_EQ(games->viewOthers->center(), games->viewTienlenMB->center());
    EXPECT_EQ(games->viewOthers->alpha(), 1.0);
    EXPECT_TRUE(games->viewBlocks->isHidden());
    EXPECT_EQ(app->lblWindowTitle->text(), "GAMES");
    EXPECT_TRUE(screenMatches("game_list"));

    EXPECT_FALSE(defaults().boolForKey("clickedPoker"));
    games->doJoinRoomPoker(nullptr);
    EXPECT_TRUE(defaults().boolForKey("clickedPoker"));
}

}  // namespace
}  // namespace zuno::testing
