// Unread mail over every screen the main menu leads to, and over a table's invitation lists: the
// desktop program, headless, against the stand-in as the demo runs it, where a robot friend writes
// shortly after signing in. The unread-mail button then lies over the top-right corner of each screen
// shown; on each (its tabs, pages and sheets included, the friends' strip full of conversations) nothing
// a player reads or taps lies under it, and the layout check sees it with the button.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "games/tienlen/TienLenView.h"
#include "lobby/GameRegistry.h"
#include "money/AvatarShopView.h"
#include "money/MoneyView.h"
#include "money/ShopView.h"
#include "money/napGate.h"
#include "platform/ui/Control.h"
#include "screens/BoardView.h"
#include "screens/ConfigView.h"
#include "screens/EventView.h"
#include "screens/FriendListView.h"
#include "screens/GameView.h"
#include "screens/InviteFriendView.h"
#include "screens/LoginView.h"
#include "screens/MainView.h"
#include "screens/MenuSheets.h"
#include "screens/ProfileView.h"
#include "screens/RankingView.h"
#include "screens/RegisterView.h"
#include "screens/RoomView.h"
#include "screens/SubRankingView.h"
#include "screens/TellFriendView.h"
#include "shell/CustomUIActionSheetViewController.h"
#include "shell/UIController.h"
#include "standin-server/StandinDemo.h"
#include "standin-server/StandinTienLen.h"
#include "support/AlertButtons.h"
#include "support/MailCorner.h"
#include "support/DemoRoadTest.h"
#include "support/LeaveButton.h"
#include "support/TableListTiles.h"
#include "table/GameCardView.h"

using namespace zuno;
using namespace zuno::standin;
using zuno::testing::answerAlert;

namespace {

class MailCornerRoadTest : public zuno::testing::DemoRoadTest {
protected:
    void SetUp() override {
        StandinDemo::Options options;
        options.robots.invitationDelay = invitationDelay;
        options.robots.robotDelay = robotDelay;
        programOptions.provider = 121;
        programOptions.sandboxStore = true;
        ASSERT_NO_FATAL_FAILURE(startDemo(options, "mail-corner-road", 0.1));
        ASSERT_TRUE(pump([] { return UIController::unreadMessageCount() == 1; }));
        menu = waitForTop<MainView>();
    }

    // The screen as it stands once settled: the mail button over it, nothing of it under the button.
    void look(const std::string& what) {
        SCOPED_TRACE(what);
        settle();
        auto screen = top();
        auto mail = UIController::btnAlertMessage();
        ASSERT_TRUE(mail);
        EXPECT_EQ(mail->frame(), zuno::testing::kMailButtonFrame);
        EXPECT_EQ(mail->superview(), screen->view());
        EXPECT_EQ(zuno::testing::viewsUnderTheMailButton(*screen, zuno::testing::UnderMail::whatIsSeen),
                  std::vector<std::string>{});
    }
    template <class Screen>
    std::shared_ptr<Screen> open(const std::string& what) {
        auto screen = waitForTop<Screen>();
        EXPECT_TRUE(screen) << what;
        if (screen) look(what);
        return screen;
    }
    void backToTheMenu() {
        program->navigation().popToViewController(menu.get(), false);
        ASSERT_TRUE(waitForTop<MainView>());
    }
    void closeSheet(const std::shared_ptr<ui::ViewController>& sheet) {
        if (auto slide = std::dynamic_pointer_cast<CustomUIActionSheetViewController>(sheet)) slide->slideOut();
        settle();
    }
    std::shared_ptr<ConfigView> openSettings() {
        menu->doShowConfig(nullptr);
        auto settings = waitForTop<ConfigView>();
        if (settings) look("settings");
        return settings;
    }
    void walkEveryScreen();

    std::shared_ptr<MainView> menu;
    double invitationDelay = 3600;  // no invitation comes between the screens
    double robotDelay = 60;
};

}  // namespace

void MailCornerRoadTest::walkEveryScreen() {
    // The main menu shows the button once it is shown again.
    ASSERT_TRUE(openSettings());
    backToTheMenu();
    look("main menu");
    menu->showMenu();
    look("main menu, side menu");
    menu->showMenu();
    menu->showSendAdminView();
    look("main menu, feedback sheet");

    // The profile and each of its tabs and sheets.
    backToTheMenu();
    menu->doShowProfile(nullptr);
    auto profile = open<ProfileView>("profile");
    ASSERT_TRUE(profile);
    ASSERT_TRUE(pump([&] { return profile->viewingTabIndex() == 1; }));
    look("profile, personal data");
    for (auto tab : {profile->btnTabOwner, profile->btnTabHistory, profile->btnTabTransaction, profile->btnTabStore}) {
        tap(*tab);
        look("profile tab " + tab->currentTitle().value_or(""));
    }
    profile->doTransferMoney(nullptr);
    look("profile, transfer sheet");
    closeSheet(profile->transferSheet());
    profile->doShowChangePasswordView();
    look("profile, password sheet");
    closeSheet(profile->passwordSheet());

    // Friends, a conversation and the add sheet.
    backToTheMenu();
    menu->doShowFriends(nullptr);
    auto friends = open<FriendListView>("friends");
    ASSERT_TRUE(friends);
    ASSERT_TRUE(pump([&] { return !friends->friendList.empty(); }));
    look("friends, listed");
    friends->didSelectRowAtIndexPath(*friends->myTableView, {0, 0});
    look("friends, a conversation");
    // Four conversations fill the strip of tabs beside the friends tab.
    for (int row = 1; row < 4; ++row) {
        friends->showMyTableView(nullptr);
        friends->didSelectRowAtIndexPath(*friends->myTableView, {0, row});
    }
    ASSERT_EQ(friends->listButtonChatView().size(), 4u);
    look("friends, four conversations");
    friends->doAddFriend();
    look("friends, add sheet");
    closeSheet(friends->addFriendView);

    // The game list, a room list and a table list.
    backToTheMenu();
    menu->doShowGames(nullptr);
    auto games = open<GameView>("game list");
    ASSERT_TRUE(games);
    games->doJoinRoomPoker(nullptr);
    auto rooms = waitForTop<RoomView>();
    ASSERT_TRUE(rooms);
    ASSERT_TRUE(pump([&] { return !rooms->roomList.empty(); }));
    look("room list");
    rooms->doTangWin(nullptr);
    look("room list, transfer sheet");
    closeSheet(rooms->transferMoneyView);
    rooms->didSelectRowAtIndexPath(*rooms->tableView(), {0, 0});
    auto tables = waitForTop<BoardView>();
    ASSERT_TRUE(tables);
    ASSERT_TRUE(pump([&] { return tables->listBoard.size() >= 4; }));
    look("table list");

    // Top-up: the list and the scratch card's form.
    backToTheMenu();
    menu->doShowMoney(nullptr);
    auto topUp = waitForTop<MoneyView>();
    ASSERT_TRUE(topUp);
    ASSERT_TRUE(pump([&] { return topUp->tableView()->numberOfRowsInSection(0) == 8; }));
    look("top-up");
    for (size_t row = 0; row < topUp->listMoney.size(); ++row) {
        if (topUp->listMoney[row]->type() != MoneyView::kScratchCard) continue;
        topUp->selectRow(row);
        look("top-up, scratch card");
        closeSheet(topUp->gateView);
    }

    // The shop, its category rows and its tabs.
    backToTheMenu();
    menu->doShowShopping(nullptr);
    auto shop = waitForTop<ShopView>();
    ASSERT_TRUE(shop);
    auto avatars = shop->avatarShopView();
    ASSERT_TRUE(pump([&] { return avatars->firstRow().size() == 5 && avatars->shownItems(); }));
    look("shop");
    for (const auto& tab : avatars->firstRow()) {
        if (tab->tag() == 4 + 6) tap(*tab);  // the shirts hold kinds of their own
    }
    ASSERT_TRUE(pump([&] { return !avatars->secondRow().empty(); }));
    look("shop, second row");
    tap(*shop->btnTabVatPham);
    look("shop, items tab");

    // The rankings and a page of them with a player's card.
    backToTheMenu();
    menu->doShowRange(nullptr);
    auto rankings = waitForTop<RankingView>();
    ASSERT_TRUE(rankings);
    ASSERT_TRUE(pump([&] { return !rankings->listRanking.empty(); }));
    look("rankings");
    rankings->didSelectRowAtIndexPath(*rankings->myTableView, {0, 0});
    auto page = waitForTop<SubRankingView>();
    ASSERT_TRUE(page);
    ASSERT_TRUE(pump([&] { return !page->listSubRanking.empty(); }));
    look("a ranking page");
    page->didSelectRowAtIndexPath(*page->myTableView, {0, 0});
    ASSERT_TRUE(pump([&] { return page->playerDetailView && page->playerDetailView->view()->superview(); }));
    look("a ranking page, player card");

    // The event, guide and terms pages, and tell a friend.
    backToTheMenu();
    menu->doShowEvent(nullptr);
    auto event = waitForTop<EventView>();
    ASSERT_TRUE(pump([&] { return event && !event->tvEvent->isHidden(); }));
    look("event page");
    backToTheMenu();
    menu->clickHuongDan(nullptr);
    auto guide = waitForTop<EventView>();
    ASSERT_TRUE(pump([&] { return guide && !guide->webView->isHidden(); }));
    look("guide page");
    backToTheMenu();
    menu->clickQuyDinh(nullptr);
    auto terms = waitForTop<EventView>();
    ASSERT_TRUE(pump([&] { return terms && !terms->webView->isHidden(); }));
    look("terms page");
    backToTheMenu();
    menu->showTellFriendView();
    auto tell = waitForTop<TellFriendView>();
    ASSERT_TRUE(pump([&] { return tell && !tell->txtInfo->text().empty(); }));
    look("tell a friend");
    backToTheMenu();
}

TEST_F(MailCornerRoadTest, EveryScreenOfTheMenuInEnglish) { walkEveryScreen(); }

// In Vietnamese the captions beside the corner change; the side menu's account sheet leads to a
// further login screen, as in English, and its register button to the registration form. (The screens
// that show the stand-in's own texts, names and status lines, which are English, are walked in English
// only.)
TEST_F(MailCornerRoadTest, TheCaptionsBesideTheCornerInVietnameseAndTheRegistrationForm) {
    auto settings = openSettings();
    ASSERT_TRUE(settings);
    settings->doChangeLanguage(nullptr);
    look("settings");
    backToTheMenu();
    menu->showTellFriendView();
    open<TellFriendView>("tell a friend");

    backToTheMenu();
    menu->showMenuMain();
    settle();
    auto account = std::dynamic_pointer_cast<menuMain>(menu->accountSheet);
    ASSERT_TRUE(account);
    account->doRegister(nullptr);
    auto login = waitForTop<LoginView>();  // no mail button over the login screen
    ASSERT_TRUE(login);
    login->doRegister(nullptr);
    open<RegisterView>("registration");
}

// A table's invitation lists, of the waiting players and of the online friends, are screens of their
// own, under the button as much as the lobby's lists.
TEST_F(MailCornerRoadTest, TheInvitationListsOfATable) {
    UIController::setInviting(true);
    demo.robots->inviteNow();
    ASSERT_TRUE(pump([] { return dialogText() == StandinTienLen::kInvitation; }));
    answerAlert(true);
    auto table = waitForTop<TienLenView>();
    ASSERT_TRUE(table);
    for (const bool waiting : {true, false}) {
        table->clickInviting();
        settle();
        if (waiting) table->mnuInviting->doInviteWaitPlayer();
        else table->mnuInviting->doInviteFriend();
        auto invite = waitForTop<InviteFriendView>();
        ASSERT_TRUE(invite);
        ASSERT_TRUE(pump([&] { return !invite->onlineList.empty(); }));
        look(waiting ? "waiting players" : "online friends");
        program->navigation().popViewControllerAnimated(false);
        ASSERT_EQ(waitForTop<TienLenView>(), table);
    }
}

namespace {

// The robots' invitations to every table kind, accepted from the main menu with the mail unread, and
// Poker from the game list: at each table nothing a player reads or taps lies under the button, between
// deals and, at the card tables, once the player is ready and a deal is dealt (the felt, grown for a
// deal, lies under it).
class MailCornerTablesRoadTest : public MailCornerRoadTest {
protected:
    MailCornerTablesRoadTest() {
        invitationDelay = 0.2;
        robotDelay = 0.3;
    }

    // At a card table, ready: the robots get ready too, and a deal is dealt.
    void lookDuringADeal(const std::shared_ptr<ui::ViewController>& screen, const std::string& what) {
        auto cards = std::dynamic_pointer_cast<GameCardView>(screen);
        if (!cards || !cards->btnStart || cards->btnStart->isHidden()) return;
        tap(*cards->btnStart);
        if (!pump([&] { return !cards->isGameEnd(); })) return;
        look(what + ", a deal dealt");
    }
    void leave(const std::shared_ptr<ui::ViewController>& table) {
        auto button = zuno::testing::leaveButtonOf(*table->view(), table.get());
        ASSERT_TRUE(button);
        tap(*button);
        if (UIController::okValue() == UIController::okLeaveBoard && UIController::shownDialogMessage())
            answerAlert(true);
        ASSERT_TRUE(pump([&] { return top() != table && !program->navigation().isTransitioning(); }));
        settle();
    }
};

}  // namespace

TEST_F(MailCornerTablesRoadTest, EveryTableKindKeepsTheCornerFree) {
    for (const StandinInvitation::Choice& choice : StandinDemo::invitationRotation()) {
        const std::string what = "table of game " + std::to_string(choice.gameType) +
                                 (choice.kind == StandinTableKind::Empty ? " (empty)" : "");
        SCOPED_TRACE(what);
        ASSERT_TRUE(pump([] { return UIController::okValue() == UIController::okAcceptInvite &&
                                     UIController::shownDialogMessage(); }));
        answerAlert(true);
        auto table = waitForTable(choice.gameType);
        ASSERT_TRUE(table) << "not seated; dialog: " << dialogText();
        look(what);
        lookDuringADeal(table, what);
        ASSERT_NO_FATAL_FAILURE(leave(table));
    }

    // Poker: the first room's first table seats the player at once.
    backToTheMenu();
    menu->doShowGames(nullptr);
    auto games = waitForTop<GameView>();
    ASSERT_TRUE(games);
    games->doJoinRoomPoker(nullptr);
    auto rooms = waitForTop<RoomView>();
    ASSERT_TRUE(rooms);
    ASSERT_TRUE(pump([&] { return !rooms->roomList.empty(); }));
    rooms->didSelectRowAtIndexPath(*rooms->tableView(), {0, 0});
    auto tables = waitForTop<BoardView>();
    ASSERT_TRUE(tables);
    ASSERT_TRUE(pump([&] { return tables->listBoard.size() >= 4; }));
    settle();
    auto tile = zuno::testing::tableButton(*tables, 1);
    ASSERT_TRUE(tile);
    tap(*tile);
    auto poker = waitForTable(4);
    ASSERT_TRUE(poker);
    look("Poker table");
    ASSERT_NO_FATAL_FAILURE(leave(poker));
}
