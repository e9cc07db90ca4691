#include "screens/MainView.h"

#include "lobby/GlobalService.h"
#include "platform/ui/Application.h"
#include "platform/ui/Image.h"
#include "platform/ui/ScreenFactory.h"
#include "screens/MenuLinks.h"
#include "screens/ScreenTitle.h"
#include "shell/Resources.h"
#include "shell/UIController.h"

namespace zuno {

namespace {
std::string text(const char* key) { return Resources::getInstance().textForKey(key); }

// Where the tiles wait above the screen, and where they fly to, pair by pair.
constexpr ui::Point kLeftAbove{53, -100}, kRightAbove{141, -100};
struct FlyIn {
    double delay;
    std::shared_ptr<ui::View> MainView::*left;
    ui::Point leftCenter;
    std::shared_ptr<ui::View> MainView::*right;
    ui::Point rightCenter;
};
const FlyIn kFlyIns[] = {
    {0.0, &MainView::vieProfile, {60, 63}, &MainView::vieFriends, {150, 63}},
    {0.2, &MainView::vieMoney, {60, 134}, &MainView::vieRange, {150, 134}},
    {0.4, &MainView::vieMail, {60, 206}, &MainView::vieConfig, {150, 206}},
    {0.6, &MainView::vieShopping, {60, 278}, &MainView::vieEvent, {150, 278}},
};
}  // namespace

const ui::BindingTable& MainView::bindings() {
    using B = ui::Bind<MainView>;
    static const ui::BindingTable table(&MenuLinksScreen::bindings(),
                                        {
                                            B::outlet("imgAvatar", &MainView::imgAvatar),
                                            B::outlet("vieProfile", &MainView::vieProfile),
                                            B::outlet("vieFriends", &MainView::vieFriends),
                                            B::outlet("vieGames", &MainView::vieGames),
                                            B::outlet("vieMail", &MainView::vieMail),
                                            B::outlet("vieMoney", &MainView::vieMoney),
                                            B::outlet("vieShopping", &MainView::vieShopping),
                                            B::outlet("vieConfig", &MainView::vieConfig),
                                            B::outlet("vieRange", &MainView::vieRange),
                                            B::outlet("vieEvent", &MainView::vieEvent),
                                            B::outlet("lblProfile", &MainView::lblProfile),
                                            B::outlet("lblFriends", &MainView::lblFriends),
                                            B::outlet("lblGames", &MainView::lblGames),
                                            B::outlet("lblMail", &MainView::lblMail),
                                            B::outlet("lblMoney", &MainView::lblMoney),
                                            B::outlet("lblShopping", &MainView::lblShopping),
                                            B::outlet("lblConfig", &MainView::lblConfig),
                                            B::outlet("lblRange", &MainView::lblRange),
                                            B::outlet("lblEvent", &MainView::lblEvent),
                                            B::outlet("lblQuyDinh", &MainView::lblQuyDinh),
                                            B::outlet("btnPlayGames", &MainView::btnPlayGames),
                                            B::action("doShowProfile:", &MainView::doShowProfile),
                                            B::action("doShowFriends:", &MainView::doShowFriends),
                                            B::action("doShowGames:", &MainView::doShowGames),
                                            B::action("doShowMail:", &MainView::doShowMail),
                                            B::action("doShowMoney:", &MainView::doShowMoney),
                                            B::action("doShowShopping:", &MainView::doShowShopping),
                                            B::action("doShowConfig:", &MainView::doShowConfig),
                                            B::action("doShowRange:", &MainView::doShowRange),
                                            B::action("doShowEvent:", &MainView::doShowEvent),
                                            B::action("showMenuMain", &MainView::showMenuMain),
                                        });
    return table;
}

MainView::MainView(std::string nibName) : MenuLinksScreen(std::move(nibName)) {}

void MainView::viewDidLoad() {
    ZunoViewController::viewDidLoad();
    showLoadingScreen();
    setUpLinkPages();
    hideLoadingScreen();
}

void MainView::viewWillAppear(bool animated) {
    ui::Application::shared().setStatusBarOrientation(ui::InterfaceOrientation::LandscapeRight);
    ZunoViewController::viewWillAppear(animated);

    vieGames->setAlpha(0);
    for (const auto& tile : {vieProfile, vieMoney, vieMail, vieShopping}) {
        tile->setCenter(kLeftAbove);
        tile->setAlpha(0.5);
    }
    for (const auto& tile : {vieConfig, vieEvent, vieRange, vieFriends}) {
        tile->setCenter(kRightAbove);
        tile->setAlpha(0.5);
    }

    if (auto me = UIController::myInfo()) Resources::getInstance().assignAvatarId(me->avatar(), imgAvatar);

    setWindowTitle(text("ZUNO_Zuno"));
    lblProfile->setText(text("ZUNO_selfI"));
    lblFriends->setText(text("ZUNO_friendI"));
    lblGames->setText(text("ZUNO_game"));
    lblMail->setText(text("ZUNO_viewMessage"));
    lblMoney->setText(text("ZUNO_recharge"));
    lblShopping->setText(text("ZUNO_shop"));
    lblRange->setText(text("ZUNO_ranking"));
    lblEvent->setText(text("ZUNO_event"));
    lblConfig->setText(text("ZUNO_setting"));
    lblGopY->setText(text("ZUNO_Comment"));
    lblGoiTroGiup->setText(text("ZUNO_callHelp"));
    lblTangBanBe->setText(text("ZUNO_tellFriend"));
    lblHuongDan->setText(text("ZUNO_guide"));
    lblQuyDinh->setText(text("ZUNO_term"));
    lblDangXuat->setText(text("ZUNO_logout"));

    const bool vi = Resources::getInstance().currentLanguage() == "vi";
    btnPlayGames->setBackgroundImage(ui::Image::imageNamed(vi ? "icon-trochoi.png" : "icon-games.png"));
}

void MainView::viewDidAppear(bool animated) {
    ZunoViewController::viewDidAppear(animated);
    const unsigned options = ui::AnimationOption::LayoutSubviews | ui::AnimationOption::AllowUserInteraction;
    for (const FlyIn& pair : kFlyIns) {
        auto left = this->*pair.left;
        auto right = this->*pair.right;
        ui::View::animate(
            1.0, pair.delay, options,
            [left, right, pair] {
                left->setCenter(pair.leftCenter);
                right->setCenter(pair.rightCenter);
            },
            [left, right](bool) {
                left->setAlpha(1.0);
                right->setAlpha(1.0);
            });
    }
    auto games = vieGames;
    ui::View::animate(0, [games] { games->setAlpha(1.0); });
}

void MainView::doShowProfile(ui::Object*) { menu::pushNamed(*this, "ProfileView"); }

void MainView::doShowFriends(ui::Object*) {
    menu::pushNamed(*this, "FriendListView");
    GlobalService::getInstance().requestFriendList(29);
}

void MainView::doShowGames(ui::Object*) { menu::pushNamed(*this, "GameView"); }
void MainView::doShowMail(ui::Object*) { menu::pushNamed(*this, "MessageView"); }
void MainView::doShowMoney(ui::Object*) { menu::pushNamed(*this, "MoneyView"); }
void MainView::doShowShopping(ui::Object*) { menu::pushNamed(*this, "ShopView"); }
void MainView::doShowConfig(ui::Object*) { menu::pushNamed(*this, "ConfigView"); }
void MainView::doShowRange(ui::Object*) { menu::pushNamed(*this, "RankingView"); }
void MainView::doShowEvent(ui::Object*) { menu::openEventPage(*this, "ZUNO_event"); }

void MainView::showMenuMain() {
    menu::closeSideMenu(*this);
    if (!accountSheet) accountSheet = ui::ScreenFactory::create("menuMain");
    if (!accountSheet) return;
    view()->addSubview(accountSheet->view());
    accountSheet->viewWillAppear(false);
}

ZUNO_REGISTER_SCREEN(MainView)

}  // namespace zuno
