// Friends, chat, mail, rankings, tell a friend and table invitations in the desktop program, headless,
// against the stand-in's robots: the demo account's five friends (three online), a conversation
// answered by a robot while another is open, a friend added by nick and one deleted, feedback, a
// robot's mail read and answered from the main menu, the rankings paged with a player's card, the
// tell-a-friend text, and a waiting robot invited to the Tien Len table.
#include <gtest/gtest.h>

#include "Program.h"
#include "games/tienlen/TienLenView.h"
#include "net/MobileClient.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "screens/FriendListView.h"
#include "screens/InviteFriendView.h"
#include "screens/LoginView.h"
#include "screens/MainView.h"
#include "screens/MessageView.h"
#include "screens/PlayerDetailView.h"
#include "screens/RankingView.h"
#include "screens/SocialSheets.h"
#include "screens/SubRankingView.h"
#include "screens/TellFriendView.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "standin-server/StandinRobotTables.h"
#include "standin-server/StandinRobots.h"
#include "standin-server/StandinSocial.h"
#include "standin-server/StandinTienLen.h"
#include "support/AlertButtons.h"
#include "support/ProgramRoadTest.h"
#include "table/PlayerMenuSheets.h"

using namespace zuno;
using namespace zuno::standin;
using zuno::testing::answerAlert;

namespace {

constexpr int32_t kDemo = StandinRobots::kDemoId;
constexpr int32_t kChi = 9003, kDung = 9004, kHung = 9007, kKhanh = 9008;

class SocialRoadTest : public zuno::testing::ProgramRoadTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(startStandin());
        StandinRobots::addTo(*signIn);
        StandinSocial::Options options;
        options.answerDelay = 0.5;
        social = StandinSocial::installOn(server, signIn, options);
        StandinRobotTables::Options table;
        table.invitationDelay = 100000;  // the test invites when it is ready
        table.robotDelay = 0;
        table.turnSeconds = 120;
        robots = StandinRobotTables::installOn(server, signIn, nullptr, table);
        StandinTienLen::addTo(*robots, 3);
        robots->setInvitationRotation({3});
        ASSERT_NO_FATAL_FAILURE(launchProgram("social-road"));
        UIController::setInviting(true);
        settle();
    }

    // Waits for the notice with the text, then presses its OK (its only button).
    bool waitForDialog(const std::string& text) {
        const bool shown = pump([&] { return dialogText() == text; });
        if (shown) {
            answerAlert(true);
            settle();
        }
        return shown;
    }
    template <class Screen>
    std::shared_ptr<Screen> back() {
        program->navigation().popViewControllerAnimated(false);
        return waitForTop<Screen>();
    }
    std::vector<int32_t> friendsOnTheServer() const { return signIn->accountWithId(kDemo)->friendIds; }

    std::shared_ptr<StandinSocial> social;
};

}  // namespace

TEST_F(SocialRoadTest, FriendsChatMailRankingsAndAnInvitedRobot) {
    ASSERT_NO_FATAL_FAILURE(signInFromTheLoginScreen("demo", "demo"));
    auto menu = waitForTop<MainView>();
    menu->doShowFriends(nullptr);
    auto friends = waitForTop<FriendListView>();
    ASSERT_TRUE(friends);
    ASSERT_TRUE(pump([&] { return friends->friendList.size() == 5; }));
    int online = 0;
    for (const auto& p : friends->friendList) online += p->isReady();
    EXPECT_EQ(online, 3);

    // Chi answers a line a moment later, while Dung's conversation is open: Chi's tab is flagged.
    friends->didSelectRowAtIndexPath(*friends->myTableView, {0, 0});
    auto chi = friends->chatView("Chi");
    ASSERT_TRUE(chi);
    tap(*chi->txtChat);
    type("Hello Chi :)");
    ui::Application::shared().sendReturn();
    settle();
    friends->showMyTableView(nullptr);
    friends->didSelectRowAtIndexPath(*friends->myTableView, {0, 1});
    ASSERT_TRUE(pump([&] { return chi->arrChat.size() == 2; }));
    EXPECT_EQ(chi->arrChat[1]->content(), StandinSocial::answerOf("Chi", *signIn->sessionOf(kDemo)));
    EXPECT_EQ(friends->activeChatView(), friends->chatView("Dung"));
    EXPECT_EQ(friends->tabs().tab("Chi")->tag, ChatTabStrip::kTagFlagged);
    EXPECT_EQ(social->linesTo(kChi).at(0).text, "Hello Chi :)");

    // Add Khanh by nick; delete Hung.
    friends->doAddFriend();
    settle();
    type("khanh");
    ui::Application::shared().sendReturn();
    ASSERT_TRUE(waitForDialog(Resources::getInstance().textForKey("ZUNO_addFriendOK")));
    EXPECT_EQ(friendsOnTheServer().back(), kKhanh);
    friends->showMyTableView(nullptr);
    friends->commitEditingStyle(*friends->myTableView, ui::CellEditingStyle::Delete, {0, 4});
    ASSERT_TRUE(waitForDialog("The friend has been removed."));
    EXPECT_EQ(friends->friendList.size(), 4u);
    const auto kept = friendsOnTheServer();
    EXPECT_EQ(std::count(kept.begin(), kept.end(), kHung), 0);

    // Feedback reaches the administrators' account.
    friends->showSendAdminView();
    settle();
    type("Great game");
    ui::Application::shared().sendReturn();
    ASSERT_TRUE(waitForDialog("Thank you for your feedback!"));
    ASSERT_TRUE(pump([&] { return social->adminLines().size() == 1; }));
    EXPECT_EQ(social->adminLines()[0].text, "Great game");
    EXPECT_EQ(social->adminLines()[0].fromId, kDemo);

    // On the main menu a robot writes: the button shows 1 and opens the mailbox; the reply reaches it.
    menu = back<MainView>();
    ASSERT_TRUE(social->robotWrites(kDung, kDemo, "Are you there?"));
    ASSERT_TRUE(pump([] { return UIController::btnAlertMessage() != nullptr; }));
    auto button = std::dynamic_pointer_cast<ui::Button>(UIController::btnAlertMessage());
    ASSERT_TRUE(button);
    EXPECT_EQ(button->currentTitle(), std::optional<std::string>("1"));
    tap(*button);
    auto mailbox = waitForTop<MessageView>();
    ASSERT_TRUE(mailbox);
    ASSERT_EQ(mailbox->model().listMessage().size(), 1u);
    mailbox->didSelectRowAtIndexPath(*mailbox->myTableView, {0, 0});
    EXPECT_EQ(dialogText(), "Are you there?");
    answerAlert(true);
    settle();
    type("Yes, coming!");
    ui::Application::shared().sendReturn();
    ASSERT_TRUE(waitForDialog("Your reply has been sent."));
    ASSERT_TRUE(pump([&] { return social->linesTo(kDung).size() == 1; }));
    EXPECT_EQ(social->linesTo(kDung)[0].text, "Yes, coming!");

    // The richest players, page by page, and a player's card.
    menu = back<MainView>();
    menu->doShowRange(nullptr);
    auto tables = waitForTop<RankingView>();
    ASSERT_TRUE(pump([&] { return tables->listRanking.size() == 5; }));
    tables->didSelectRowAtIndexPath(*tables->myTableView, {0, 0});
    auto pages = waitForTop<SubRankingView>();
    ASSERT_TRUE(pump([&] { return pages->listSubRanking.size() == 10; }));
    for (int page = 1; page <= 2; ++page) {
        ASSERT_TRUE(pump([&] { return pages->btnNext->isEnabled(); }));
        pages->onNext(nullptr);
        ASSERT_TRUE(pump([&] { return !pages->listSubRanking.empty(); }));
    }
    EXPECT_EQ(pages->listSubRanking.size(), 6u) << "26 accounts: the last page is short";
    EXPECT_EQ(pages->pager().placeOf(5), 26);
    const std::string poorest = pages->listSubRanking.back()->name();
    pages->didSelectRowAtIndexPath(*pages->myTableView, {0, 5});
    auto card = std::dynamic_pointer_cast<PlayerDetailView>(pages->playerDetailView);
    ASSERT_TRUE(pump([&] { return card->playerDetail() && card->lblName->text() == poorest; }));
    settle();

    // Tell a friend while signed in: the text is asked for at once.
    back<RankingView>();
    menu = back<MainView>();
    menu->showTellFriendView();
    auto tell = waitForTop<TellFriendView>();
    ASSERT_TRUE(pump([&] { return tell->txtInfo->text() == StandinSocial::kTellFriendText; }));

    // At the Tien Len table, invite a waiting robot: it sits down; then look at its card.
    back<MainView>();
    robots->inviteNow();
    ASSERT_TRUE(pump([] { return dialogText() == StandinTienLen::kInvitation; }));
    answerAlert(true);
    settle();
    auto table = waitForTop<TienLenView>();
    ASSERT_TRUE(table);
    table->clickInviting();
    settle();
    table->mnuInviting->doInviteWaitPlayer();
    auto invite = waitForTop<InviteFriendView>();
    ASSERT_TRUE(invite);
    EXPECT_EQ(invite->typeInvite, InviteFriendView::kWaitingPlayers);
    ASSERT_TRUE(pump([&] { return !invite->onlineList.empty(); }));
    const PlayerPtr guest = invite->onlineList.front();
    invite->didSelectRowAtIndexPath(*invite->myTableView, {0, 0});
    ASSERT_EQ(waitForTop<TienLenView>(), table);
    ASSERT_TRUE(pump([&] { return table->getSeatFromID(guest->IDDB()) >= 0; }));

    table->showPlayerDetail(table->seatButton(table->getSeatFromID(guest->IDDB())).get());
    settle();
    table->optionView->doViewInfo();
    auto sheet = std::dynamic_pointer_cast<PlayerDetailView>(table->playerDetail);
    ASSERT_TRUE(sheet);
    ASSERT_TRUE(pump([&] { return sheet->playerDetail() && sheet->lblName->text() == guest->name(); }))
        << "seat " << table->getSeatFromID(guest->IDDB()) << " title "
        << table->seatButton(table->getSeatFromID(guest->IDDB()))->titleForState(0).value_or("-") << " control "
        << (table->currentControlPlayer() ? table->currentControlPlayer()->IDDB() : -2);
    EXPECT_EQ(sheet->view()->superview(), table->view());
}

// While a dialog shows it has the keys, as the window hands them over: typing, Backspace and Tab do
// nothing under it, Enter is its OK and Escape closes it (and not the sheet under it); the reply field
// it covered then has the keyboard again and what is typed reaches it.
TEST_F(SocialRoadTest, ADialogOverTheReplyHasTheKeysAndTheReplyFieldHasThemBack) {
    ASSERT_NO_FATAL_FAILURE(signInFromTheLoginScreen("demo", "demo"));
    ASSERT_TRUE(social->robotWrites(kDung, kDemo, "Are you there?"));
    ASSERT_TRUE(pump([] { return UIController::btnAlertMessage() != nullptr; }));
    tap(*UIController::btnAlertMessage());
    auto mailbox = waitForTop<MessageView>();
    ASSERT_TRUE(mailbox);
    mailbox->didSelectRowAtIndexPath(*mailbox->myTableView, {0, 0});
    answerAlert(true);
    settle();
    auto sheet = mailbox->sendMessage;
    auto field = sheet->txtContent;
    ASSERT_TRUE(field->isFirstResponder());
    std::shared_ptr<ui::Button> send;
    for (const auto& sub : sheet->actionSheetView()->subviews()) {
        auto button = std::dynamic_pointer_cast<ui::Button>(sub);
        if (button && button->currentTitle() == Resources::getInstance().textForKey("ZUNO_send")) send = button;
    }
    ASSERT_TRUE(send);
    auto& app = ui::Application::shared();
    const std::string empty = Resources::getInstance().textForKey("ZUNO_emptyReply");

    // Send with nothing typed: the refusal has the keys.
    tap(*send);
    ASSERT_TRUE(pump([&] { return dialogText() == empty; }));
    settle();
    type("lost");
    app.sendDeleteBackward();
    app::focusNextField();
    EXPECT_EQ(field->text(), "");
    EXPECT_FALSE(field->isFirstResponder());
    app.sendReturn();
    settle();
    EXPECT_EQ(dialogText(), "");
    EXPECT_TRUE(field->isFirstResponder());

    // Enter in the empty field: the refusal again; Escape closes it, and the field has the keys back.
    app.sendReturn();
    ASSERT_TRUE(pump([&] { return dialogText() == empty; }));
    settle();
    app::goBack();
    settle();
    EXPECT_EQ(dialogText(), "");
    EXPECT_TRUE(sheet->view()->superview()) << "Escape closed the dialog only";
    EXPECT_TRUE(field->isFirstResponder());
    type("On my way");
    app.sendReturn();
    ASSERT_TRUE(waitForDialog("Your reply has been sent."));
    ASSERT_TRUE(pump([&] { return social->linesTo(kDung).size() == 1; }));
    EXPECT_EQ(social->linesTo(kDung)[0].text, "On my way");
}

TEST_F(SocialRoadTest, TellAFriendConnectsByItselfAndStaysWhenTheConnectionFails) {
    auto login = waitForTop<LoginView>();
    ASSERT_TRUE(login);
    login->tellFriend(nullptr);
    auto tell = waitForTop<TellFriendView>();
    ASSERT_TRUE(tell);
    ASSERT_TRUE(pump([&] { return tell->txtInfo->text() == StandinSocial::kTellFriendText; }));

    // Without a server the connect fails: the screen stays, with its text.
    program->navigation().popViewControllerAnimated(false);
    waitForTop<LoginView>();
    MobileClient::getInstance()->manualDisconnect();
    server.stop();
    login->tellFriend(nullptr);
    tell = waitForTop<TellFriendView>();
    ASSERT_TRUE(pump([] { return !MobileClient::getInstance()->isConnected(); }));
    for (int i = 0; i < 20; ++i) settle();
    EXPECT_EQ(program->navigation().topViewController(), tell);
}
