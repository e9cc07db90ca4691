// The session logic of the lobby lists and the social events.
#include "SessionLogicFixture.h"
#include "games/poker/PokerView.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "screens/FriendListView.h"
#include "screens/InviteFriendView.h"
#include "screens/MainView.h"
#include "screens/RoomView.h"
#include "screens/SubRankingView.h"

using namespace zuno;
using zuno::testing::SessionLogicTest;

namespace {
struct Rooms : RoomView {
    void setNames(std::map<int, RoomView::Rooms> n) override { names = std::move(n); }
    void setKeys(std::vector<int> k) override { keys = std::move(k); }
    bool isReloading() const override { return true; }
    void dataSourceDidFinishLoadingNewData() override { ++refreshEnded; }
    std::map<int, RoomView::Rooms> names;
    std::vector<int> keys;
    int refreshEnded = 0;
};

struct Friends : FriendListView {
    void setFriendList(std::vector<PlayerPtr> f) override { list = std::move(f); }
    void forceReloadTableView() override { ++reloads; }
    void hideLoadingScreen() override { ++spinnerHidden; }
    void onChatFromWithMessage(std::shared_ptr<ZunoMessage> m) override { chats.push_back(m); }
    std::vector<PlayerPtr> list;
    std::vector<std::shared_ptr<ZunoMessage>> chats;
    int reloads = 0, spinnerHidden = 0;
};

struct Invite : InviteFriendView {
    void setOnlineList(std::vector<PlayerPtr> p) override { list = std::move(p); }
    void showDataTableView() override { ++reloads; }
    std::vector<PlayerPtr> list;
    int reloads = 0;
};

struct SubRanking : SubRankingView {
    void onRequestDetail(const PlayerDetail& d) override { details.push_back(d.name.value_or("")); }
    std::vector<std::string> details;
};

struct Poker : PokerView {
    void onRequestDetail(const PlayerDetail& d) override { details.push_back(d.name.value_or("")); }
    std::vector<std::string> details;
};

PlayerPtr player(int32_t id, bool online) {
    auto p = std::make_shared<Player>();
    p->setIDDB(id);
    p->setIsReady(online);
    return p;
}

std::shared_ptr<RoomInfo> room(int8_t level) {
    auto r = std::make_shared<RoomInfo>();
    r->setLv(level);
    return r;
}
}  // namespace

TEST_F(SessionLogicTest, RoomsAreGroupedByLevelWithEveryGroupPresent) {
    auto screen = onTop<Rooms>();
    logic().onRoomList({room(0), room(2), room(2), room(5)});
    EXPECT_EQ(screen->keys, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(screen->names[0].size(), 1u);
    EXPECT_EQ(screen->names[1].size(), 0u);
    EXPECT_EQ(screen->names[2].size(), 2u);
    EXPECT_EQ(screen->refreshEnded, 1);
}

TEST_F(SessionLogicTest, FriendListsFillTheFriendScreenOrTheOnlineSubsetOfTheInviteScreen) {
    std::vector<PlayerPtr> three{player(1, false), player(2, true), player(3, false)};
    auto friends = onTop<Friends>();
    logic().onFriendList(three);
    EXPECT_EQ(friends->list.size(), 3u);
    EXPECT_EQ(friends->reloads, 1);
    EXPECT_EQ(friends->spinnerHidden, 1);

    screens->stack = {};
    auto invite = onTop<Invite>();
    logic().onFriendList(three);
    ASSERT_EQ(invite->list.size(), 1u);
    EXPECT_EQ(invite->list[0]->IDDB(), 2);
    EXPECT_EQ(invite->reloads, 1);
}

TEST_F(SessionLogicTest, FriendSearchAndAddResults) {
    logic().onSearchResult({player(77, true), player(88, true)});
    ASSERT_EQ(session->sent().size(), 1u);
    EXPECT_EQ(session->lastBytes(), (sys::Data{32, 0, 0, 0, 77}));

    logic().onSearchResult({});
    EXPECT_EQ(dialog(), text("ZUNO_notFoundNick"));
    EXPECT_EQ(session->sent().size(), 1u);

    // My own nick finds me first: I am told that I cannot add myself, and nothing is asked.
    UIController::setMyInfo(player(88, true));
    logic().onSearchResult({player(88, true), player(77, true)});
    EXPECT_EQ(dialog(), text("ZUNO_cannotAddSelf"));
    EXPECT_EQ(session->sent().size(), 1u);
    UIController::setMyInfo(nullptr);

    for (auto [result, key] : {std::pair<int8_t, const char*>{0, "ZUNO_addFriendOK"}, {1, "ZUNO_friendExist"},
                               {2, "ZUNO_tooMuchFriend"}, {9, "ZUNO_friendExist"}}) {
        UIController::setOkValue(UIController::okAcceptInvite);
        logic().onAddFriendWithResult(result);
        EXPECT_EQ(dialog(), text(key)) << int(result);
        EXPECT_EQ(UIController::okValue(), UIController::okNone);
    }
}

TEST_F(SessionLogicTest, PrivateMessagesReachTheFriendScreenOrWaitBehindOneUnreadButton) {
    auto read = std::make_shared<ZunoMessage>();
    read->setIsRead(true);
    UIController::addMessage(read);
    auto menu = onTop<MainView>();
    logic().onChatFromWithMessage(std::make_shared<ZunoMessage>());
    logic().onChatFromWithMessage(std::make_shared<ZunoMessage>());

    EXPECT_EQ(UIController::listMessage().size(), 3u);
    auto button = std::dynamic_pointer_cast<ui::Button>(UIController::btnAlertMessage());
    ASSERT_TRUE(button);
    const auto& shown = menu->view()->subviews();
    EXPECT_EQ(std::count_if(shown.begin(), shown.end(), [](const auto& v) { return std::dynamic_pointer_cast<ui::Button>(v) != nullptr; }), 1);
    // The count on the corner button every screen shows for mail that waits.
    EXPECT_EQ(button->currentTitle(), std::optional<std::string>("2"));
    EXPECT_EQ(button->frame(), ui::Rect(435, 30, 44, 32));
    button->sendActionsForControlEvents(ui::ControlEvent::TouchUpInside);
    EXPECT_EQ(screens->mailboxOpened, 1);

    auto friends = onTop<Friends>();
    logic().onChatFromWithMessage(std::make_shared<ZunoMessage>());
    EXPECT_EQ(friends->chats.size(), 1u);
    EXPECT_EQ(UIController::listMessage().size(), 3u);
}

TEST_F(SessionLogicTest, PlayerDetailsReachOnlyTheRankingOrATableScreen) {
    PlayerDetail detail;
    detail.name = "hoa";
    onTop<MainView>();
    logic().onPlayerDetail(detail);  // dropped

    auto ranking = onTop<SubRanking>();
    logic().onPlayerDetail(detail);
    auto poker = onTop<Poker>();
    logic().onPlayerDetail(detail);
    EXPECT_EQ(ranking->details, std::vector<std::string>{"hoa"});
    EXPECT_EQ(poker->details, std::vector<std::string>{"hoa"});
}

TEST_F(SessionLogicTest, AnInvitationAsksWithTheInvitationAsPayload) {
    logic().onInvitedJoinBoardWithGameId(4, 2, 7, "pw", "join us");
    EXPECT_EQ(dialog(), "join us");
    EXPECT_EQ(UIController::okValue(), UIController::okAcceptInvite);
    sys::Value invitation = UIController::object();
    EXPECT_EQ(invitation["gameid"].asInteger(), 4);
    EXPECT_EQ(invitation["roomid"].asInteger(), 2);
    EXPECT_EQ(invitation["boardid"].asInteger(), 7);
    EXPECT_EQ(invitation["password"].asText(), "pw");
}
