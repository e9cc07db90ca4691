#include <functional>
#include <string>
#include <vector>

#include "games/blocks/BlocksView.h"
#include "games/caro/CaroView.h"
#include "games/cotuong/CoTuongView.h"
#include "games/poker/PokerView.h"
#include "games/tienlen/TienLenView.h"
#include "lobby/GlobalService.h"
#include "money/MoneyView.h"
#include "platform/core/Log.h"
#include "platform/core/UserDefaults.h"
#include "platform/ui/Image.h"
#include "screens/ConfigView.h"
#include "screens/LoginView.h"
#include "screens/MainView.h"
#include "screens/MenuSheets.h"
#include "screens/MessageView.h"
#include "screens/ServerView.h"
#include "shell/ShellLobbyUi.h"
#include "lobby/model/ZunoMessage.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "src/shell/ShellFixture.h"
#include "support/ServiceRecording.h"

namespace zuno::testing {
namespace {

using AppDelegate = ShellTest;

ui::Point barCenter(const ZunoOnlineAppDelegate& d) { return d.viewTopBar->center(); }
const ui::Point kShown{240, 15}, kHidden{240, -20};

TEST_F(AppDelegate, LaunchBuildsTheBarAndDefaultsTheSwitchesKeepingAStoredNo) {
    sys::UserDefaults::standard().setBool(false, "savedInviting");
    ui::Application::shared().setApplicationIconBadgeNumber(7);
    launch();
    EXPECT_EQ(ui::Application::shared().applicationIconBadgeNumber(), 0);
    EXPECT_TRUE(ZunoOnlineAppDelegate::switchOnSMS());
    EXPECT_TRUE(UIController::rung());
    EXPECT_FALSE(UIController::inviting());
    EXPECT_TRUE(sys::UserDefaults::standard().boolForKey("savedRung"));
    EXPECT_EQ(app->controller, UIController::sharedController());
    EXPECT_EQ(GlobalLogicHandler::getGameMessageHandlers().size(), 11u);
    EXPECT_TRUE(std::dynamic_pointer_cast<LoginView>(nav().topViewController()));

    EXPECT_EQ(app->viewTopBar->frame(), ui::Rect(0, 0, 480, 30));
    EXPECT_EQ(app->lblWindowTitle->frame(), ui::Rect(60, 0, 420, 30));
    EXPECT_EQ(app->lblWindowTitle->text(), "Zuno");
    EXPECT_EQ(app->lblWindowTitle->font(), ui::Font::boldSystemFontOfSize(16));
    EXPECT_EQ(app->btnBack->frame(), ui::Rect(0, 0, 40, 30));
    EXPECT_EQ(app->btnMenu->frame(), ui::Rect(440, 0, 40, 30));
    EXPECT_EQ(app->btnMenu->currentImage()->name(), "show.png");
    EXPECT_TRUE(app->btnBack->isHidden());
    EXPECT_EQ(app->lblServerInfo->frame().size, (ui::Size{0, 0}));
    EXPECT_FALSE(app->lblServerInfo->isHidden());
    // The lobby reaches the marquee through the shell.
    EXPECT_TRUE(std::dynamic_pointer_cast<ShellLobbyUi>(GlobalMessageHandler::getInstance().lobbyUi()));
}

TEST_F(AppDelegate, ButtonsAndBackgroundFollowTheScreenShown) {
    launch();
    struct Case {
        const char* name;
        std::function<std::shared_ptr<ui::ViewController>()> make;
        bool backHidden, menuHidden;
        const char* background;
    };
    const std::vector<Case> cases{
        {"server list", [] { return std::make_shared<ServerView>(); }, false, true, "bgmain.png"},
        {"settings", [] { return std::make_shared<ConfigView>(); }, false, true, "bgmain.png"},
        {"top-up", [] { return std::make_shared<MoneyView>(); }, false, true, "bgmain.png"},
        {"mailbox", [] { return std::make_shared<MessageView>(); }, false, false, "bgmain.png"},
        {"plain screen", [] { return std::make_shared<ui::ViewController>(); }, false, false, "bgmain.png"},
        {"Tien Len", [] { return std::make_shared<TienLenView>(); }, true, true, "bgmain.png"},
        {"Caro", [] { return std::make_shared<CaroView>(); }, true, true, "caro-bg.png"},
        {"Co Tuong", [] { return std::make_shared<CoTuongView>(); }, true, true, "bg_chess.png"},
        {"Blocks", [] { return std::make_shared<BlocksView>(); }, true, true, "bgmain.png"},
        {"login", [] { return std::make_shared<LoginView>(); }, true, false, "bgmain.png"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        show(c.make());
        EXPECT_EQ(app->btnBack->isHidden(), c.backHidden);
        EXPECT_EQ(app->btnMenu->isHidden(), c.menuHidden);
        EXPECT_EQ(app->imgBG->image()->name(), c.background);
    }
}

TEST_F(AppDelegate, MenuButtonReachesOnlyScreensWithAMenuAndEachOnce) {
    launch();
    auto login = nav().topViewController();
    EXPECT_EQ(app->btnMenu->actionsForTarget(login.get(), ui::ControlEvent::TouchUpInside),
              (std::vector<std::string>{"showMenu"}));
    auto plain = std::make_shared<ui::ViewController>();
    show(plain);
    EXPECT_TRUE(app->btnMenu->actionsForTarget(plain.get(), ui::ControlEvent::TouchUpInside).empty());
    nav().popViewControllerAnimated(false);
    run(1);
    // Shown again: still one entry; the login screen lost it when it disappeared and got it back.
    EXPECT_EQ(app->btnMenu->actionsForTarget(login.get(), ui::ControlEvent::TouchUpInside).size(), 1u);

    // The login screen's file has no side menu: it got the shared one, waiting off the right edge.
    auto screen = std::static_pointer_cast<ZunoViewController>(login);
    ASSERT_TRUE(screen->viewMenu);
    EXPECT_EQ(screen->viewMenu->superview(), screen->view());
    EXPECT_EQ(screen->viewMenu->center(), ZunoViewController::kMenuClosedCenter);
    EXPECT_GE(screen->viewMenu->frame().x(), 480);
    app->window->tapView(*app->btnMenu);
    run(1);
    EXPECT_EQ(app->btnMenu->tag(), 1);
    EXPECT_EQ(app->btnMenu->currentImage()->name(), "hide.png");
    EXPECT_EQ(screen->viewMenu->center(), ZunoViewController::kMenuOpenCenter);
    // Open, it lies wholly on the screen, below the unread-mail button's place.
    EXPECT_LE(screen->viewMenu->frame().maxX(), 480);
    EXPECT_GE(screen->viewMenu->frame().y(), 62);
    app->window->tapView(*app->btnMenu);
    run(1);
    EXPECT_EQ(app->btnMenu->tag(), 0);
    EXPECT_EQ(screen->viewMenu->center(), ZunoViewController::kMenuClosedCenter);
    // Leaving with the menu open closes it.
    screen->showMenu();
    show(std::make_shared<ServerView>());
    EXPECT_EQ(app->btnMenu->tag(), 0);
    EXPECT_EQ(app->btnMenu->currentImage()->name(), "show.png");
    EXPECT_TRUE(screen->viewMenu->isHidden());
    EXPECT_EQ(screen->viewMenu->center(), ZunoViewController::kMenuClosedCenter);
    // A screen without the menu button gets no side menu.
    EXPECT_FALSE(std::static_pointer_cast<ZunoViewController>(nav().topViewController())->viewMenu);
}

TEST_F(AppDelegate, SideMenuTopsUpOnceSignedInAndOnTheMainMenuOpensTheAccountSheet) {
    launch();
    auto login = std::static_pointer_cast<ZunoViewController>(nav().topViewController());
    // Before sign-in: no top-up (its list would never come) and no logout, but a note saying why.
    app->window->tapView(*app->btnMenu);
    run(1);
    ASSERT_TRUE(login->btnMenuTopUp && login->btnMenuLogout && login->lblMenuSignInFirst);
    EXPECT_TRUE(login->btnMenuTopUp->isHidden());
    EXPECT_TRUE(login->btnMenuLogout->isHidden());
    EXPECT_FALSE(login->lblMenuSignInFirst->isHidden());
    EXPECT_EQ(login->lblMenuSignInFirst->text(), Resources::getInstance().textForKey("ZUNO_signInToTopUp"));
    app->window->tapView(*app->btnMenu);
    run(1);

    // Signed in: a connection on which a login gave the player. The first button is the base screen's
    // top-up, and its screen asks for the channels.
    ServiceRecording lobby(GlobalService::getInstance());
    lobby.session->connected = true;
    auto me = std::make_shared<Player>();
    me->setIDDB(7);
    UIController::setMyInfo(me);
    app->window->tapView(*app->btnMenu);
    run(1);
    EXPECT_TRUE(login->lblMenuSignInFirst->isHidden());
    EXPECT_FALSE(login->btnMenuLogout->isHidden());
    std::shared_ptr<ui::Button> topUp;
    for (const auto& sub : login->viewMenu->subviews())
        if (auto button = std::dynamic_pointer_cast<ui::Button>(sub); button && !topUp) topUp = button;
    ASSERT_TRUE(topUp);
    EXPECT_FALSE(topUp->isHidden());
    EXPECT_EQ(topUp->actionsForTarget(login.get(), ui::ControlEvent::TouchUpInside),
              (std::vector<std::string>{"napWin:"}));
    app->window->tapView(*topUp);
    run(1.5);
    EXPECT_TRUE(std::dynamic_pointer_cast<MoneyView>(nav().topViewController()));
    EXPECT_EQ(app->btnMenu->tag(), 0);
    EXPECT_EQ(lobby.takeOne(), sys::Data{44});

    // The main menu's own file gives it a third entry: the account sheet with the further sign-in.
    auto menu = std::make_shared<MainView>();
    show(menu);
    ASSERT_TRUE(menu->viewMenu);
    std::vector<std::string> actions;
    std::shared_ptr<ui::Button> account;
    for (const auto& sub : menu->viewMenu->subviews()) {
        auto button = std::dynamic_pointer_cast<ui::Button>(sub);
        if (!button) continue;
        for (const auto& action : button->actionsForTarget(menu.get(), ui::ControlEvent::TouchUpInside)) {
            actions.push_back(action);
            if (action == "showMenuMain") account = button;
        }
    }
    EXPECT_EQ(actions, (std::vector<std::string>{"napWin:", "logout:", "showMenuMain"}));
    app->window->tapView(*app->btnMenu);
    run(1);
    ASSERT_TRUE(account);
    app->window->tapView(*account);
    run(1);
    EXPECT_EQ(app->btnMenu->tag(), 0);  // the menu made way for the sheet
    auto sheet = std::dynamic_pointer_cast<menuMain>(menu->accountSheet);
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheet->view()->superview(), menu->view());
}

// The main menu's further sign-in: the side menu's entry and the account sheet's are captioned with a
// login text in either language, and the account sheet's opens the login screen in either.
TEST_F(AppDelegate, TheFurtherSignInIsALoginInEitherLanguage) {
    launch();
    for (const char* language : {"en", "vi"}) {
        SCOPED_TRACE(language);
        Resources::getInstance().setCurrentLanguage(language);
        Resources::getInstance().loadLanguage();
        const std::string login = Resources::getInstance().textForKey("ZUNO_login");
        auto menu = std::make_shared<MainView>();
        show(menu);
        std::optional<std::string> entry;
        for (const auto& sub : menu->viewMenu->subviews())
            if (auto button = std::dynamic_pointer_cast<ui::Button>(sub);
                button && !button->actionsForTarget(menu.get(), ui::ControlEvent::TouchUpInside).empty() &&
                button->actionsForTarget(menu.get(), ui::ControlEvent::TouchUpInside)[0] == "showMenuMain")
                entry = button->currentTitle();
        EXPECT_EQ(entry, login);
        menu->showMenuMain();
        run(1);
        auto sheet = std::dynamic_pointer_cast<menuMain>(menu->accountSheet);
        ASSERT_TRUE(sheet);
        EXPECT_EQ(sheet->lblLogin_Register->text(), login);
        sheet->doRegister(nullptr);
        run(1);
        EXPECT_TRUE(std::dynamic_pointer_cast<LoginView>(nav().topViewController()));
    }
}

TEST_F(AppDelegate, UnreadMailButtonCountsUnreadMessagesAwayFromMailboxAndLogin) {
    launch();
    auto message = [](bool read) {
        auto m = std::make_shared<ZunoMessage>();
        m->setIsRead(read);
        return m;
    };
    UIController::setListMessage({message(true)});
    show(std::make_shared<ServerView>());
    EXPECT_EQ(UIController::btnAlertMessage(), nullptr);

    UIController::setListMessage({message(true), message(false), message(false)});
    auto server = std::make_shared<ServerView>();
    show(server);
    auto button = std::dynamic_pointer_cast<ui::Button>(UIController::btnAlertMessage());
    ASSERT_TRUE(button);
    EXPECT_EQ(button->currentTitle(), "2");
    EXPECT_EQ(button->frame(), ui::Rect(435, 30, 44, 32));
    EXPECT_EQ(button->superview(), server->view());
    EXPECT_EQ(server->view()->subviews().back(), button);

    show(std::make_shared<LoginView>());
    EXPECT_EQ(UIController::btnAlertMessage(), nullptr);
    EXPECT_EQ(button->superview(), nullptr);

    show(std::make_shared<ConfigView>());
    button = std::dynamic_pointer_cast<ui::Button>(UIController::btnAlertMessage());
    ASSERT_TRUE(button);
    app->window->tapView(*button);
    run(1);
    EXPECT_TRUE(std::dynamic_pointer_cast<MessageView>(nav().topViewController()));
    EXPECT_EQ(UIController::btnAlertMessage(), nullptr);
}

TEST_F(AppDelegate, TopBarPlaceFollowsTableScreensAndTheMarquee) {
    launch();
    struct Case {
        const char* name;
        std::function<std::shared_ptr<ui::ViewController>()> make;
        bool marquee;
        ui::Point bar;
    };
    const std::vector<Case> cases{
        {"table, idle: out of sight", [] { return std::make_shared<TienLenView>(); }, false, kHidden},
        {"lobby, idle: back in", [] { return std::make_shared<ServerView>(); }, false, kShown},
        {"table during a marquee: stays", [] { return std::make_shared<PokerView>(); }, true, kShown},
        {"Blocks during a marquee: out of sight", [] { return std::make_shared<BlocksView>(); }, true, kHidden},
        {"lobby during a marquee: stays", [] { return std::make_shared<ServerView>(); }, true, kHidden},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.marquee) app->startEventWithiOS3("news");
        nav().pushViewController(c.make(), false);
        run(1.2);
        EXPECT_EQ(barCenter(*app), c.bar);
        app->stopEvent();
    }
}

TEST_F(AppDelegate, TimerMarqueeScrollsOnATableScreenAndHidesTheBarAgain) {
    launch();
    show(std::make_shared<TienLenView>());
    ASSERT_EQ(barCenter(*app), kHidden);
    const std::string text = "Server event";
    const double width = app->lblServerInfo->font().widthOfText(text);
    app->startEventWithiOS3(text);
    EXPECT_TRUE(app->lblWindowTitle->isHidden());
    EXPECT_EQ(app->lblServerInfo->frame(), ui::Rect(480, 3, width, 24));
    run(ZunoOnlineAppDelegate::kMarqueeInterval * 10 + 0.001);
    EXPECT_DOUBLE_EQ(app->lblServerInfo->frame().origin.x, 480 - 15);
    EXPECT_FLOAT_EQ(app->lenEvent, static_cast<float>(width - 15));
    run(1);
    EXPECT_EQ(barCenter(*app), kShown);  // slid in for the text
    // Until the right end has left the left edge: (480 + width) / 1.5 steps, then one more to stop.
    const int steps = static_cast<int>(std::ceil((480 + width) / 1.5)) + 1;
    run(steps * ZunoOnlineAppDelegate::kMarqueeInterval);
    EXPECT_TRUE(app->lblServerInfo->isHidden());
    EXPECT_FALSE(app->lblWindowTitle->isHidden());
    EXPECT_EQ(app->mytimer, 0u);
    EXPECT_EQ(barCenter(*app), kHidden);
    EXPECT_LE(app->lblServerInfo->frame().origin.x + width, 0.5);
}

TEST_F(AppDelegate, AnimatedMarqueeLastsItsTimeAndASecondTextIsNotCutShort) {
    launch();
    const std::string first = "first", second = "a second, longer event text";
    const double d1 = std::floor(480 + app->lblServerInfo->font().widthOfText(first)) * 23 / 1000;
    const double d2 = std::floor(480 + app->lblServerInfo->font().widthOfText(second)) * 23 / 1000;
    app->startEventWithiOS4(first);
    run(d1 / 2);
    app->startEventWithiOS4(second);
    run(d1);  // past the first text's end
    EXPECT_FALSE(app->lblServerInfo->isHidden());
    run(d2 - d1 + 0.01);
    EXPECT_TRUE(app->lblServerInfo->isHidden());
    EXPECT_FALSE(app->lblWindowTitle->isHidden());
    const double width = app->lblServerInfo->font().widthOfText(second);
    EXPECT_NEAR(app->lblServerInfo->frame().origin.x, -width, 0.01);
}

}  // namespace
}  // namespace zuno::testing
