// The friends screen with its chat panels and sheets, the mailbox, the invitation list, the ranking
// pages with the player-detail sheet, and tell a friend: what they send, show and keep.
#include <gtest/gtest.h>

#include "Program.h"
#include "lobby/GameRegistry.h"
#include "lobby/GlobalLogicHandler.h"
#include "lobby/SMSDelegate.h"
#include "net/MobileClient.h"
#include "platform/core/Device.h"
#include "platform/services/ContactPicker.h"
#include "platform/services/MessageComposer.h"
#include "platform/ui/Application.h"
#include "platform/ui/TextView.h"
#include "screens/ChatView.h"
#include "screens/FriendListView.h"
#include "screens/InviteFriendView.h"
#include "screens/MessageView.h"
#include "screens/PlayerDetailView.h"
#include "screens/RankingView.h"
#include "screens/SocialSheets.h"
#include "screens/SubRankingView.h"
#include "screens/TellFriendView.h"
#include "src/screens/LobbyScreensFixture.h"
#include "tools/artwork/PicturePixels.h"
#include "shell/ChatCell.h"
#include "support/AlertButtons.h"
#include "support/ListMargins.h"
#include "support/TextContrast.h"

using namespace zuno;
using namespace zuno::testing;
namespace pictures = zuno::testing::pictures;

namespace {

PlayerPtr player(int32_t id, const std::string& name, int64_t money, bool online, std::optional<std::string> status,
                 int32_t exp = 0) {
    auto p = std::make_shared<Player>();
    p->setIDDB(id);
    p->setName(name);
    p->setMoney(money);
    p->setIsReady(online);
    p->setExp(exp);
    auto profile = std::make_shared<User>();
    profile->setStatus(std::move(status));
    p->setUserProfile(profile);
    return p;
}

std::vector<PlayerPtr> fiveFriends() {
    return {player(9003, "Chi", 980000, true, "Hello everyone <3"), player(9004, "Dung", 3100000, true, "Winning streak B-)"),
            player(9005, "Giang", 450000, true, std::nullopt), player(9006, "Ha", 1200000, false, "Out for lunch :("),
            player(9007, "Hung", 6800000, false, "Poker is life ;)")};
}

std::shared_ptr<ZunoMessage> mail(int32_t from, const std::string& name, const std::string& text) {
    auto m = std::make_shared<ZunoMessage>();
    m->setFromID(from);
    m->setFromName(name);
    m->setMessage(text);
    return m;
}

class SocialScreensTest : public LobbyScreensTest {
protected:
    void SetUp() override {
        LobbyScreensTest::SetUp();
        UIController::setListMessage({});
        auto me = std::make_shared<Player>();
        me->setIDDB(1001);
        me->setName("demo");
        UIController::setMyInfo(me);
        // Tell a friend connects by itself: to a port where nobody listens.
        GlobalService::setIP("127.0.0.1");
        GlobalService::setPORT(1);
    }
    void TearDown() override {
        MobileClient::getInstance()->manualDisconnect();
        GlobalService::getInstance().setConnectOKListener({});
        GlobalService::setPORT(0);
        UIController::setListMessage({});
        UIController::setBtnAlertMessage(nullptr);
        UIController::setGameType(-1);
        sys::Device::clearOverride();
        sys::MessageComposer::resetForTests();
        sys::ContactPicker::resetForTests();
        LobbyScreensTest::TearDown();
    }

    std::shared_ptr<FriendListView> friendsWith(std::vector<PlayerPtr> list) {
        auto screen = std::make_shared<FriendListView>();
        show(screen);
        screen->setFriendList(std::move(list));
        GlobalLogicHandler::onReloadTableView(screen);
        run(0.5);
        sent();
        return screen;
    }
    static std::vector<std::string> tabTitles(const FriendListView& screen) {
        std::vector<std::string> out;
        for (const auto& b : screen.listButtonChatView()) out.push_back(b->currentTitle().value_or(""));
        return out;
    }
};

}  // namespace

TEST_F(SocialScreensTest, FriendRowsShowMoneyStatusAndOnlineMarks) {
    auto screen = friendsWith(fiveFriends());
    EXPECT_EQ(title(), "FRIENDS");
    EXPECT_EQ(screen->numberOfRowsInSection(*screen->myTableView, 0), 5);
    EXPECT_TRUE(screen->forceReload);
    auto cell = screen->myTableView->cellForRowAtIndexPath({0, 3});
    ASSERT_TRUE(cell);
    EXPECT_EQ(cell->reuseIdentifier(), "cellFriendList ");
    auto status = std::dynamic_pointer_cast<CustomLabel>(cell->contentView()->viewWithTag(123));
    ASSERT_TRUE(status);
    EXPECT_EQ(status->text(), "Out for lunch :(");
    EXPECT_TRUE(matchesScreen("social_friends"));
}

TEST_F(SocialScreensTest, ConversationsOpenFromTheListFlagTheirTabsAndCloseAfterTheTyping) {
    auto screen = friendsWith(fiveFriends());
    screen->didSelectRowAtIndexPath(*screen->myTableView, {0, 0});
    screen->didSelectRowAtIndexPath(*screen->myTableView, {0, 1});
    EXPECT_TRUE(screen->myTableView->isHidden());
    EXPECT_EQ(tabTitles(*screen), (std::vector<std::string>{"Chi", "Dung"}));

    // Dung's panel is shown: Chi's answer flags Chi's tab, a third conversation opens without switching.
    screen->onChatFromWithMessage(mail(9003, "Chi", "Chi here: good to hear from you :)"));
    EXPECT_EQ(screen->activeChatView(), screen->chatView("Dung"));
    EXPECT_EQ(screen->tabs().tab("Chi")->tag, ChatTabStrip::kTagFlagged);
    screen->onChatFromWithMessage(mail(9005, "Giang", "Hi :D"));
    EXPECT_EQ(tabTitles(*screen), (std::vector<std::string>{"Chi", "Dung", "Giang"}));
    // Each tab's title reads on its picture, Chi's on the light mark of an unread line too.
    for (const auto& tab : screen->listButtonChatView()) {
        auto under = pictures::meanColour(*tab->backgroundImageForState(ui::ControlState::Normal), 0.15, 0.35, 0.85, 0.65);
        ASSERT_TRUE(under);
        EXPECT_GE(pictures::contrast(tab->titleColorForState(ui::ControlState::Normal).value_or(ui::Color::white()), *under), 4.5)
            << tab->currentTitle().value_or("");
    }
    ASSERT_EQ(screen->chatView("Chi")->arrChat.size(), 1u);
    EXPECT_FALSE(screen->chatView("Chi")->arrChat[0]->isMe());

    // The player writes to Dung with an emoticon from the palette, after a long line of Dung's.
    screen->showChatViewForUser("Dung");
    screen->onChatFromWithMessage(
        mail(9004, "Dung", "Dung here: the Poker table in the first room has two seats free tonight, come along :D"));
    auto dung = screen->chatView("Dung");
    auto smile = std::dynamic_pointer_cast<ui::Button>(dung->viewChat->viewWithTag(1000));
    ASSERT_TRUE(smile);
    // Typing keeps the bar below the lines (a lift would hide them: no keyboard covers the window);
    // the close button then cancels the typing, and says so in the player's language.
    const ui::Rect bar = dung->viewChat->frame();
    EXPECT_EQ(dung->btnClose->currentTitle(), "Close");
    dung->beginEdit();
    run(1);
    EXPECT_EQ(dung->viewChat->frame(), bar);
    EXPECT_EQ(dung->btnClose->currentTitle(), "Cancel");
    EXPECT_LE(dung->btnClose->titleLabel()->font().widthOfText("Cancel") + 4, dung->btnClose->frame().width())
        << "the title fits its button with a margin";
    dung->txtChat->setText("Good luck");
    dung->onClickEmotion(smile.get());
    EXPECT_EQ(dung->txtChat->text(), "Good luck:)");
    dung->endEditing();
    EXPECT_EQ(sent(), (std::vector<sys::Data>{bytes({{5}, int32Bytes(9004), utf("Good luck:)")})}));
    EXPECT_EQ(dung->btnClose->currentTitle(), "Close");
    ASSERT_EQ(dung->arrChat.size(), 2u);
    EXPECT_TRUE(dung->arrChat[1]->isMe());
    EXPECT_EQ(dung->arrChat[1]->name(), "demo");
    run(1);
    EXPECT_EQ(dung->txtChat->placeholder(), "Type here...");
    EXPECT_TRUE(matchesScreen("social_friends_chat"));
    // The player's own name reads on the panel, and the line starts just after it.
    auto line = std::dynamic_pointer_cast<cellChat>(dung->tblContent->cellForRowAtIndexPath({0, 1}));
    ASSERT_TRUE(line);
    EXPECT_GE(textContrast(*line->lblName), 4.5);
    const double nameEnd = line->lblName->frame().x() + line->lblName->font().widthOfText("demo");
    EXPECT_GT(line->lblContent->frame().x(), nameEnd);
    EXPECT_LT(line->lblContent->frame().x(), nameEnd + 12);

    // Return with an empty field sends nothing; close while typing only cancels the typing.
    dung->beginEdit();
    dung->endEditing();
    EXPECT_TRUE(sent().empty());
    dung->beginEdit();
    EXPECT_TRUE(screen->takeEscapeKey());
    EXPECT_EQ(dung->btnClose->currentTitle(), "Close");
    EXPECT_FALSE(screen->takeEscapeKey()) << "nothing typed: Escape goes back";
    dung->beginEdit();
    dung->txtChat->setText("never sent");
    dung->onClose();
    EXPECT_EQ(dung->txtChat->text(), "");
    EXPECT_EQ(tabTitles(*screen).size(), 3u);
    dung->onClose();
    EXPECT_EQ(tabTitles(*screen), (std::vector<std::string>{"Chi", "Giang"}));
    EXPECT_EQ(screen->activeChatView(), screen->chatView("Giang"));
    EXPECT_EQ(screen->listButtonChatView()[1]->frame().origin.x, 92);
    EXPECT_TRUE(sent().empty());
}

// A long line wraps between words within its row, which grows to hold it; the next row starts below.
TEST_F(SocialScreensTest, AChatRowWrapsALongLineAndIsAsTallAsItsText) {
    auto screen = friendsWith(fiveFriends());
    const std::string longLine =
        "Chi here: the Poker table in the first room has two seats free tonight, and the Tien Len tables are full";
    screen->onChatFromWithMessage(mail(9003, "Chi", longLine));
    screen->onChatFromWithMessage(mail(9003, "Chi", "ok"));
    auto chi = screen->chatView("Chi");
    ASSERT_TRUE(chi);
    run(1);
    auto& table = *chi->tblContent;
    auto row = std::dynamic_pointer_cast<cellChat>(table.cellForRowAtIndexPath({0, 0}));
    ASSERT_TRUE(row);
    const CustomLabel& text = *row->lblContent;
    const auto lines = text.wrappedLines(text.bounds().width());
    ASSERT_GT(lines.size(), 1u);
    std::string joined;
    for (const auto& l : lines) {
        EXPECT_LE(text.advanceOf(l), text.bounds().width()) << l;
        joined += (joined.empty() ? "" : " ") + l;
    }
    EXPECT_EQ(joined, longLine) << "every word whole";
    EXPECT_LE(text.frame().maxX(), table.bounds().width());
    const double height = *chi->heightForRowAtIndexPath(table, {0, 0});
    EXPECT_GE(height, ChatView::kRowHeight + text.font().lineHeight() * double(lines.size() - 1));
    EXPECT_GE(height, text.frame().maxY());
    EXPECT_EQ(chi->heightForRowAtIndexPath(table, {0, 1}), ChatView::kRowHeight);
    EXPECT_EQ(table.rectForRowAtIndexPath({0, 1}).y(), table.rectForRowAtIndexPath({0, 0}).maxY());
}

TEST_F(SocialScreensTest, AChatPanelHidesItsOwnViewAndItsTabShowsItAgain) {
    auto screen = friendsWith(fiveFriends());
    screen->didSelectRowAtIndexPath(*screen->myTableView, {0, 0});
    auto chi = screen->chatView("Chi");
    ASSERT_TRUE(chi);
    EXPECT_FALSE(chi->view()->isHidden());
    chi->hideView();
    EXPECT_TRUE(chi->view()->isHidden());
    EXPECT_TRUE(screen->showChatViewForUser("Chi"));
    EXPECT_FALSE(chi->view()->isHidden());
}

TEST_F(SocialScreensTest, EmoticonButtonsFollowTheBundleTableOrder) {
    auto screen = friendsWith(fiveFriends());
    screen->didSelectRowAtIndexPath(*screen->myTableView, {0, 0});
    auto panel = screen->chatView("Chi");
    int i = 0;
    for (const auto& [token, picture] : Resources::getInstance().xDictEmotion()) {
        auto button = std::dynamic_pointer_cast<ui::Button>(panel->viewChat->viewWithTag(1000 + i));
        ASSERT_TRUE(button) << token;
        EXPECT_EQ(button->frame(), ui::Rect((i % 15) * 26, (i / 15) * 22, 22, 22)) << token;
        panel->txtChat->setText("");
        panel->onClickEmotion(button.get());
        EXPECT_EQ(panel->txtChat->text(), token);
        ++i;
    }
    EXPECT_EQ(i, 12);
}

TEST_F(SocialScreensTest, ALineFromSomeoneWithoutAConversationGoesToTheMailbox) {
    auto screen = std::make_shared<FriendListView>();
    show(screen);
    screen->onChatFromWithMessage(mail(9009, "Khanh", "before the list came"));
    ASSERT_EQ(UIController::listMessage().size(), 1u);
    screen->setFriendList(fiveFriends());
    screen->forceReloadTableView();
    screen->onChatFromWithMessage(mail(9010, "Lan", "not a friend"));
    auto inbox = UIController::listMessage();
    ASSERT_EQ(inbox.size(), 2u);
    EXPECT_EQ(inbox[0]->fromName(), "Lan") << "newest first";
    EXPECT_TRUE(screen->listButtonChatView().empty());
    auto button = UIController::btnAlertMessage();
    ASSERT_TRUE(button);
    EXPECT_EQ(button->superview(), screen->view());
}

TEST_F(SocialScreensTest, ADeletionRemovesTheFriendAskedForEvenAfterTheListChanged) {
    auto screen = friendsWith(fiveFriends());
    screen->commitEditingStyle(*screen->myTableView, ui::CellEditingStyle::Delete, {0, 1});
    EXPECT_EQ(sent(), (std::vector<sys::Data>{bytes({{33}, int32Bytes(9004)})}));
    screen->commitEditingStyle(*screen->myTableView, ui::CellEditingStyle::Delete, {0, 7});
    EXPECT_TRUE(sent().empty()) << "no friend on that row";

    // A refresh puts Dung last before the answer comes.
    auto list = fiveFriends();
    std::rotate(list.begin() + 1, list.begin() + 2, list.end());
    screen->setFriendList(list);
    screen->forceReloadTableView();
    screen->onDelFriendResult(0);
    std::vector<std::string> names;
    for (const auto& p : screen->friendList) names.push_back(p->name());
    EXPECT_EQ(names, (std::vector<std::string>{"Chi", "Giang", "Ha", "Hung"}));
    EXPECT_EQ(screen->myTableView->numberOfRowsInSection(0), 4);
    EXPECT_EQ(dialogText(), "The friend has been removed.");

    screen->commitEditingStyle(*screen->myTableView, ui::CellEditingStyle::Delete, {0, 0});
    screen->setFriendList({});
    screen->forceReloadTableView();
    screen->onDelFriendResult(0);
    EXPECT_TRUE(screen->friendList.empty()) << "gone from the list already: nothing else removed";
    screen->onDelFriendResult(1);
    EXPECT_EQ(dialogText(), "The friend could not be removed.");
}

TEST_F(SocialScreensTest, TheSheetsCheckTheNickAndThankForFeedbackAtOnce) {
    auto screen = friendsWith(fiveFriends());
    auto add = std::dynamic_pointer_cast<AddFriendView>(screen->addFriendView);
    ASSERT_TRUE(add);
    screen->doAddFriend();
    run(1);
    EXPECT_TRUE(matchesScreen("social_add_friend"));
    struct Case {
        const char* nick;
        std::vector<sys::Data> sent;
        const char* dialog;
    };
    const Case cases[] = {
        {"Chi", {}, "A nick has at least 4 characters."},
        {"Tuấn", {bytes({{36}, utf("Tuấn")})}, ""},
        {"Giang", {bytes({{36}, utf("Giang")})}, ""},
    };
    for (const Case& c : cases) {
        UIController::closeDialog();
        screen->doAddFriend();
        add->txtContent->setText(c.nick);
        add->textFieldDoneEditting(nullptr);
        EXPECT_EQ(sent(), c.sent) << c.nick;
        EXPECT_EQ(dialogText(), c.dialog) << c.nick;
    }
    run(1);

    auto feedback = std::dynamic_pointer_cast<SendAdminView>(screen->sendAdminView);
    ASSERT_TRUE(feedback);
    screen->showSendAdminView();
    run(1);
    EXPECT_TRUE(matchesScreen("social_feedback"));
    feedback->doSendMail();
    EXPECT_TRUE(sent().empty()) << "an empty line is not sent";
    screen->showSendAdminView();
    feedback->txtContent->setText(" ");
    ui::Application::shared().sendReturn();
    EXPECT_EQ(sent(), (std::vector<sys::Data>{bytes({{5}, int32Bytes(5), utf(" ")})}));
    EXPECT_EQ(dialogText(), "Thank you for your feedback!");
    EXPECT_EQ(feedback->txtContent->text(), "");
    run(1);
}

TEST_F(SocialScreensTest, TheMailboxKeepsItsSelectionAndRepliesToTheMessageShown) {
    UIController::setListMessage({mail(9003, "Chi", "Fancy a game of Tien Len tonight? I will be in room 3 :D"),
                                  mail(9004, "Dung", "B-)"), mail(9005, "Giang", "Thanks"), mail(9006, "Ha", "later")});
    auto box = std::make_shared<MessageView>();
    show(box);
    EXPECT_TRUE(box->lblNoMail->isHidden());
    EXPECT_TRUE(matchesScreen("social_mailbox"));
    auto cell = box->myTableView->cellForRowAtIndexPath({0, 0});
    auto preview = std::dynamic_pointer_cast<CustomLabel>(cell->contentView()->viewWithTag(123));
    ASSERT_TRUE(preview);
    EXPECT_EQ(preview->text(), "Fancy a game of Tien Len tonight? I ...");

    box->didSelectRowAtIndexPath(*box->myTableView, {0, 2});
    EXPECT_EQ(dialogText(), "Thanks");
    EXPECT_EQ(UIController::unreadMessageCount(), 3u);
    box->onNewMessage(mail(9007, "Hung", "new"));
    EXPECT_EQ(box->model().selectedIndex(), 3);
    EXPECT_EQ(UIController::listMessage().front()->fromName(), "Hung");
    box->commitEditingStyle(*box->myTableView, ui::CellEditingStyle::Delete, {0, 0});
    EXPECT_EQ(box->model().selectedIndex(), 2);
    EXPECT_EQ(UIController::listMessage().size(), 4u);

    // Tapped twice, then answered: the reply goes to the message of the dialog.
    box->didSelectRowAtIndexPath(*box->myTableView, {0, 2});
    EXPECT_EQ(box->model().selectedIndex(), -1);
    answerAlert(true);
    run(1);
    EXPECT_TRUE(matchesScreen("social_reply"));
    box->sendMessage->txtContent->setText("See you");
    box->sendMessage->doSendMail();
    EXPECT_EQ(sent(), (std::vector<sys::Data>{bytes({{5}, int32Bytes(9005), utf("See you")})}));
    EXPECT_TRUE(UIController::listMessage()[2]->isReply());
    EXPECT_EQ(dialogText(), "Your reply has been sent.");

    auto row = box->myTableView->cellForRowAtIndexPath({0, 1});
    ASSERT_TRUE(row);
    box->onAddFriend(row->accessoryView().get());
    EXPECT_EQ(sent(), (std::vector<sys::Data>{bytes({{36}, utf("Dung")})}));

    box->onRemoveAll(nullptr);
    EXPECT_TRUE(UIController::listMessage().empty());
    EXPECT_EQ(UIController::unreadMessageCount(), 0u);
    EXPECT_FALSE(box->lblNoMail->isHidden());
    box->onNewMessage(mail(9003, "Chi", "again"));
    EXPECT_EQ(box->myTableView->numberOfRowsInSection(0), 1);
    EXPECT_TRUE(box->lblNoMail->isHidden());
    run(1);
}

// An empty reply, or one of white space only, is refused with a message: nothing is sent, the sheet
// stays for the reply and the message is not marked replied.
TEST_F(SocialScreensTest, AnEmptyReplyIsRefusedAndNothingIsSent) {
    UIController::setListMessage({mail(9003, "Chi", "Fancy a game of Tien Len tonight?")});
    auto box = std::make_shared<MessageView>();
    show(box);
    box->didSelectRowAtIndexPath(*box->myTableView, {0, 0});
    answerAlert(true);
    run(1);
    for (const char* reply : {"", " \t  "}) {
        box->sendMessage->txtContent->setText(reply);
        box->sendMessage->doSendMail();
        run(1);
        EXPECT_TRUE(sent().empty()) << "\"" << reply << "\"";
        EXPECT_EQ(dialogText(), Resources::getInstance().textForKey("ZUNO_emptyReply"));
        EXPECT_TRUE(box->sendMessage->view()->superview()) << "the sheet stays";
        UIController::closeDialog();
    }
    EXPECT_FALSE(UIController::listMessage()[0]->isReply());

    box->sendMessage->txtContent->setText("Sure, room 3");
    box->sendMessage->doSendMail();
    EXPECT_EQ(sent(), (std::vector<sys::Data>{bytes({{5}, int32Bytes(9003), utf("Sure, room 3")})}));
    EXPECT_EQ(dialogText(), "Your reply has been sent.");
    run(1);
}

// Mail that came while another screen covered the mailbox is in the shared inbox; the mailbox shows it
// when it is back on top, and a tap or a delete there changes only what it names.
TEST_F(SocialScreensTest, MailThatCameWhileTheMailboxWasCoveredSurvivesTapsAndDeletes) {
    auto a = mail(9003, "Chi", "A"), b = mail(9004, "Dung", "B"), c = mail(9005, "Giang", "C");
    UIController::setListMessage({a, b});
    auto box = std::make_shared<MessageView>();
    show(box);
    box->didSelectRowAtIndexPath(*box->myTableView, {0, 1});
    UIController::closeDialog();
    show(std::make_shared<ui::ViewController>());
    GlobalLogicHandler::onViewControllerChatFromWithMessage(c);
    nav().popViewControllerAnimated(false);
    run(1);
    EXPECT_EQ(box->myTableView->numberOfRowsInSection(0), 3);
    EXPECT_EQ(box->model().selectedIndex(), 2) << "the selection follows B";

    box->didSelectRowAtIndexPath(*box->myTableView, {0, 1});
    UIController::closeDialog();
    EXPECT_EQ(UIController::listMessage(), (UIController::MessageList{c, a, b}));
    box->commitEditingStyle(*box->myTableView, ui::CellEditingStyle::Delete, {0, 2});
    EXPECT_EQ(UIController::listMessage(), (UIController::MessageList{c, a}));
    EXPECT_EQ(UIController::unreadMessageCount(), 1u);
    run(1);
}

// Write leads to the friends, whose title is theirs; back in the mailbox the title is the mailbox's.
TEST_F(SocialScreensTest, TheMailboxTakesItsTitleBackFromTheFriends) {
    auto box = std::make_shared<MessageView>();
    show(box);
    EXPECT_EQ(title(), "MAIL");
    box->doSendMail();
    run(1);
    ASSERT_TRUE(std::dynamic_pointer_cast<FriendListView>(nav().topViewController()));
    EXPECT_EQ(title(), "FRIENDS");
    nav().popViewControllerAnimated(false);
    run(1);
    EXPECT_EQ(title(), "MAIL");
}

// A sideways swipe shows the row's delete button in place of its add button, which shows again once
// the swipe is let go.
TEST_F(SocialScreensTest, AMailsDeleteButtonTakesThePlaceOfItsAddButton) {
    UIController::setListMessage({mail(9003, "Chi", "Fancy a game?"), mail(9004, "Dung", "B-)")});
    auto box = std::make_shared<MessageView>();
    show(box);
    auto cell = box->myTableView->cellForRowAtIndexPath({0, 0});
    const ui::Point middle = cell->convertPointToView(cell->bounds().center(), nullptr);
    auto window = box->view()->window();
    window->drag({middle.x + 120, middle.y}, {middle.x, middle.y + 2}, 6);
    ASSERT_TRUE(cell->isShowingDeleteConfirmation());
    EXPECT_TRUE(cell->accessoryView()->isHidden());
    EXPECT_TRUE(matchesScreen("social_mailbox_swipe"));
    window->tap(box->lblNoMail->convertPointToView({0, 0}, nullptr));
    EXPECT_FALSE(cell->isShowingDeleteConfirmation());
    EXPECT_FALSE(cell->accessoryView()->isHidden());
}

TEST_F(SocialScreensTest, TheInvitationListInvitesOnceAndGoesBack) {
    auto screen = std::make_shared<InviteFriendView>();
    screen->setTypeInvite(InviteFriendView::kWaitingPlayers);
    show(screen);
    EXPECT_EQ(title(), "WAITING PLAYERS");
    screen->setOnlineList({player(9012, "Minh", 8900000, true, "Co Tuong master"), player(9013, "Nam", 1430000, true, std::nullopt)});
    GlobalLogicHandler::onReloadTableView(screen);
    EXPECT_TRUE(matchesScreen("social_invite"));
    screen->didSelectRowAtIndexPath(*screen->myTableView, {0, 1});
    EXPECT_EQ(sent(), (std::vector<sys::Data>{bytes({{74}, int32Bytes(9013)})}));
    run(1);
    EXPECT_NE(nav().topViewController(), screen);
}

TEST_F(SocialScreensTest, RankingPagesCountPlacesLockTheButtonsAndShowDetails) {
    auto tables = std::make_shared<RankingView>();
    show(tables);
    EXPECT_EQ(sent(), (std::vector<sys::Data>{{78, 1}}));
    auto rich = std::make_shared<Ranking>();
    rich->setGameId(0);
    rich->setInfo("The richest players");
    auto strong = std::make_shared<Ranking>();
    strong->setGameId(3);
    strong->setInfo("The strongest at Tien Len");
    tables->setListRanking({rich, strong});
    GlobalLogicHandler::onReloadTableView(tables);
    EXPECT_TRUE(matchesScreen("social_rankings"));

    tables->didSelectRowAtIndexPath(*tables->myTableView, {0, 1});
    run(1);
    auto pages = std::dynamic_pointer_cast<SubRankingView>(nav().topViewController());
    ASSERT_TRUE(pages);
    EXPECT_EQ(sent(), (std::vector<sys::Data>{{30, 3, 0, 0, 0, 0}}));
    // As the server sends a page: the strongest first.
    std::vector<PlayerPtr> page;
    for (int i = 0; i < 10; ++i)
        page.push_back(player(9001 + i, "P" + std::to_string(i), 1000 * (10 - i), true, ":)", 100 * (9 - i)));
    pages->setListSubRanking(page);
    GlobalLogicHandler::onReloadTableView(pages);
    EXPECT_TRUE(matchesScreen("social_ranking_page"));
    EXPECT_GE(leftmostRowContent(*pages->myTableView), 5);

    auto placeOf = [&](int row) {
        auto cell = pages->cellForRowAtIndexPath(*pages->myTableView, {0, row});
        std::string found;
        for (const auto& v : cell->contentView()->subviews()) {
            auto label = std::dynamic_pointer_cast<ui::Label>(v);
            if (label && label->textAlignment() == ui::TextAlignment::Right) found = label->text().value_or("");
        }
        return found;
    };
    EXPECT_EQ(placeOf(9), "10");

    pages->onNext(nullptr);
    EXPECT_FALSE(pages->btnNext->isEnabled());
    EXPECT_FALSE(pages->btnPrevious->isEnabled());
    EXPECT_EQ(sent(), (std::vector<sys::Data>{{30, 3, 0, 0, 0, 1}}));
    pages->setListSubRanking({page.begin(), page.begin() + 5});
    GlobalLogicHandler::onReloadTableView(pages);
    EXPECT_EQ(placeOf(0), "11");
    EXPECT_EQ(placeOf(4), "15");
    run(1.9);
    EXPECT_FALSE(pages->btnNext->isEnabled()) << "locked for 2.0 s whatever the reply time";
    run(0.2);
    EXPECT_FALSE(pages->btnNext->isEnabled()) << "a short page is the last";
    EXPECT_TRUE(pages->btnPrevious->isEnabled());

    pages->setListSubRanking({});
    GlobalLogicHandler::onReloadTableView(pages);
    EXPECT_EQ(pages->myTableView->numberOfRowsInSection(0), 0) << "an empty page shows no row";

    pages->didSelectRowAtIndexPath(*pages->myTableView, {0, 0});
    EXPECT_TRUE(sent().empty());
    pages->setListSubRanking(page);
    GlobalLogicHandler::onReloadTableView(pages);
    pages->didSelectRowAtIndexPath(*pages->myTableView, {0, 2});
    EXPECT_EQ(sent(), (std::vector<sys::Data>{bytes({{34}, int32Bytes(9003)})}));
    PlayerDetail detail;
    detail.name = "Chi";
    detail.money = 980000;
    detail.exp = 0;
    detail.won = 150;
    detail.lost = 120;
    detail.drawn = 6;
    detail.givenUp = 2;
    pages->onRequestDetail(detail);
    auto sheet = std::dynamic_pointer_cast<PlayerDetailView>(pages->playerDetailView);
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheet->lblLevel->text(), "0 + 0%");
    EXPECT_EQ(sheet->lblMoney->text(), "980,000 Xu");
    EXPECT_EQ(sheet->lblGiveup->text(), "2");
    EXPECT_TRUE(matchesScreen("social_player_detail"));
    sheet->addFriend();
    EXPECT_EQ(sent(), (std::vector<sys::Data>{bytes({{36}, utf("Chi")})}));
}

// Next from the last full page brings an empty page: that page is shown again, Next is off there, and
// Back returns to the page before it.
TEST_F(SocialScreensTest, RankingPagesEndOnTheLastPageWithRows) {
    auto pages = std::make_shared<SubRankingView>();
    show(pages);
    auto pageFrom = [](int32_t first) {
        std::vector<PlayerPtr> page;
        for (int32_t id = first; id < first + 10; ++id) page.push_back(player(id, std::to_string(id), 1000, true, ""));
        return page;
    };
    auto arrive = [&](std::vector<PlayerPtr> page) {
        pages->setListSubRanking(std::move(page));
        GlobalLogicHandler::onReloadTableView(pages);
        run(RankingPager::kLockSeconds);
    };
    arrive(pageFrom(100));
    pages->onNext(nullptr);
    arrive(pageFrom(200));
    pages->onNext(nullptr);
    sent();
    arrive({});
    ASSERT_EQ(pages->myTableView->numberOfRowsInSection(0), 10);
    EXPECT_EQ(pages->listSubRanking.front()->IDDB(), 200);
    EXPECT_EQ(pages->pager().placeOf(0), 11);
    EXPECT_FALSE(pages->btnNext->isEnabled());
    pages->onNext(nullptr);
    EXPECT_TRUE(sent().empty());
    pages->onPrevious(nullptr);
    EXPECT_EQ(sent(), (std::vector<sys::Data>{{31, 0}}));
}

TEST_F(SocialScreensTest, TheDetailSheetTakesTheCaroBackgroundAtACaroTable) {
    GameDescriptor caro;
    caro.type = 1;
    caro.caroSheets = true;
    GameRegistry::add(caro);
    UIController::setGameType(1);
    auto sheet = std::make_shared<PlayerDetailView>();
    auto host = std::make_shared<ZunoViewController>();
    show(host);
    PlayerDetail detail;
    detail.name = "Viet";
    detail.money = 7400000;
    detail.exp = 2380;
    sheet->updateViewWithData(detail);
    host->view()->addSubview(sheet->view());
    sheet->viewWillAppear(false);
    EXPECT_TRUE(matchesScreen("social_player_detail_caro"));
    GameRegistry::clearForTests();
}

TEST_F(SocialScreensTest, TellAFriendChecksTheNumberInCharactersAndHasNoSmsOnTheDesktop) {
    auto screen = std::make_shared<TellFriendView>();
    screen->view();
    screen->updateWithInfo(std::string("Play Tien Len, Phom and Poker with me on Zuno: zuno.example/get"));
    nav().pushViewController(screen, false);
    run(1);
    EXPECT_EQ(title(), "TELL A FRIEND");
    EXPECT_TRUE(matchesScreen("social_tell_friend"));

    struct Case {
        const char* number;
        const char* dialog;
    };
    const Case cases[] = {
        {"0903", "That phone number is not valid."},
        {"ＡＢＣＤ", "That phone number is not valid."},
        {"09031", "This device cannot send SMS."},
        {"０９０３１", "This device cannot send SMS."},
    };
    for (const Case& c : cases) {
        screen->txtPhone->setText(c.number);
        screen->onSend(nullptr);
        EXPECT_EQ(dialogText(), c.dialog) << c.number;
    }
    EXPECT_TRUE(sys::MessageComposer::presentedComposers().empty());

    // The desktop's address book is empty: the picker cancels and the number stays.
    screen->chooseContacts();
    EXPECT_EQ(screen->txtPhone->text(), "０９０３１");
}

// The message holds the server's whole text on several lines; a click puts the caret where it lands
// and typing, deleting and pasting go there.
TEST_F(SocialScreensTest, TellAFriendsMessageWrapsAndIsEditedWhereItIsClicked) {
    auto screen = std::make_shared<TellFriendView>();
    screen->view();
    const std::string text = "Play Tien Len, Phom and Poker with me on Zuno: zuno.example/get";
    screen->updateWithInfo(text);
    nav().pushViewController(screen, false);
    run(1);
    ui::TextView& body = *screen->txtInfo;
    EXPECT_GE(body.contentSize().height, 2 * body.font().lineHeight()) << "more than one line";
    EXPECT_LE(body.contentSize().height, body.bounds().height()) << "every line in sight";

    const ui::Rect box = body.convertRectToView(body.bounds(), nullptr);
    const double firstLine = box.y() + 8 + body.font().lineHeight() / 2;
    app->window->tap({box.x() + 9, firstLine});
    ASSERT_TRUE(body.isFirstResponder());
    EXPECT_EQ(body.caret(), 0u);
    ui::Application::shared().sendText("Hi! ");
    EXPECT_EQ(body.text(), "Hi! " + text);
    // After "Tien": halfway between its last letter and the space after it.
    const double afterTien = body.font().widthOfText("Hi! Play Tien");
    app->window->tap({box.x() + 8 + afterTien + 1, firstLine});
    EXPECT_EQ(body.caret(), std::string("Hi! Play Tien").size());
    ui::Application::shared().sendText(" MB");
    EXPECT_EQ(body.text(), "Hi! Play Tien MB Len, Phom and Poker with me on Zuno: zuno.example/get");
    for (int i = 0; i < 3; ++i) ui::Application::shared().sendDeleteBackward();
    EXPECT_EQ(body.text(), "Hi! " + text);
    // Below the last line: the caret goes after the text.
    app->window->tap({box.maxX() - 10, box.maxY() - 4});
    EXPECT_EQ(body.caret(), body.text().size());
    const ui::Rect caret = body.convertRectToView(body.caretRect(), nullptr);
    EXPECT_TRUE(box.contains(caret)) << "the caret shows in the box";

    // Tab goes from the number to the message, as to any field.
    screen->txtPhone->becomeFirstResponder();
    app::focusNextField();
    EXPECT_TRUE(body.isFirstResponder());
}

TEST_F(SocialScreensTest, TellAFriendOnAPhoneTakesAPickedNumberAndReportsTheDraft) {
    sys::DeviceInfo phone = sys::Device::current();
    phone.model = "iPhone";
    phone.systemVersion = "5.1";
    sys::Device::override(phone);
    std::shared_ptr<sys::ContactPicker> shown;
    sys::ContactPicker::setPlatform({[&](const std::shared_ptr<sys::ContactPicker>& p) { shown = p; }});
    sys::MessageComposer::setPlatform({[] { return true; }, [](const std::shared_ptr<sys::MessageComposer>&) {}});

    auto screen = std::make_shared<TellFriendView>();
    show(screen);
    screen->updateWithInfo(std::string("Play with me"));
    screen->chooseContacts();
    ASSERT_TRUE(shown);
    shown->selectPerson({"Nobody", {}});
    EXPECT_EQ(screen->txtPhone->text(), "");
    EXPECT_FALSE(shown->isPresented());
    screen->chooseContacts();
    shown->selectPerson({"Lan", {"0903123456", "0912000000"}});
    EXPECT_EQ(screen->txtPhone->text(), "0903123456");

    screen->onSend(nullptr);
    run(0.1);
    auto drafts = sys::MessageComposer::presentedComposers();
    ASSERT_EQ(drafts.size(), 1u);
    EXPECT_EQ(drafts[0]->body(), "Play with me");
    EXPECT_EQ(drafts[0]->recipients(), std::vector<std::string>{"0903123456"});
    auto delegate = std::dynamic_pointer_cast<SMSDelegate>(drafts[0]->messageComposeDelegate());
    ASSERT_TRUE(delegate);
    EXPECT_EQ(delegate->mode(), SMSDelegate::kTellFriend);
    drafts[0]->finish(sys::MessageComposeResult::Sent);
    run(0.1);
    EXPECT_EQ(dialogText(), "Message sent.");
    EXPECT_FALSE(drafts[0]->isPresented());
}
