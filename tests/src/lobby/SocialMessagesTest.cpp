#include "DispatcherFixture.h"

using namespace zuno;
using namespace zuno::testing;

namespace {
using Players = GlobalLogicHandler::Players;

sys::Data rankedRecord(int32_t id, const std::string& name, int64_t money, int16_t avatar, int32_t exp,
                       const std::string& status) {
    return bytes({i32(id), utf(name), i64(money), i16(avatar), i32(exp), utf(status)});
}

class SocialMessagesTest : public DispatcherTest {};
}  // namespace

TEST_F(SocialMessagesTest, PrivateMessageSearchAndFriendResults) {
    deliver(5, bytes({i32(42), utf("Hùng"), utf("chào bạn")}));
    auto mail = logic->last<std::shared_ptr<ZunoMessage>>("onChatFromWithMessage");
    EXPECT_EQ(mail->fromID(), 42);
    EXPECT_EQ(mail->fromName(), "Hùng");
    EXPECT_EQ(mail->message(), "chào bạn");
    EXPECT_FALSE(mail->isRead());

    deliver(36, bytes({i32(5), utf("an"), i32(6), utf("anh")}));
    Players found = logic->last<Players>("onSearchResult");
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0]->IDDB(), 5);
    EXPECT_EQ(found[1]->name(), "anh");

    deliver(32, {2});
    deliver(33, {0xFF});
    EXPECT_EQ(logic->last<int8_t>("onAddFriendWithResult"), 2);
    EXPECT_EQ(logic->last<int8_t>("onDelFriendResult"), -1);
}

TEST_F(SocialMessagesTest, FriendListCarriesTheOnlineByteAsReady) {
    deliver(29, bytes({i32(1), utf("a"), i64(10), i16(3), {2}, utf("busy"),  //
                       i32(2), utf("b"), i64(20), i16(4), {0}, utf("")}));
    Players friends = logic->last<Players>("onFriendList");
    ASSERT_EQ(friends.size(), 2u);
    EXPECT_EQ(friends[0]->IDDB(), 1);
    EXPECT_EQ(friends[0]->money(), 10);
    EXPECT_EQ(friends[0]->avatar(), 3);
    EXPECT_TRUE(friends[0]->isReady());
    EXPECT_EQ(friends[0]->userProfile()->status(), "busy");
    EXPECT_FALSE(friends[1]->isReady());
}

TEST_F(SocialMessagesTest, RankingsPutTheGameBeforeThePage) {
    deliver(30, bytes({{3, 1}, rankedRecord(7, "vua", 1000000, 5, 300, "top")}));
    auto [page, gameId, players] = logic->last<std::tuple<int32_t, int8_t, Players>>("onStrongestListWithPage");
    EXPECT_EQ(page, 1);
    EXPECT_EQ(gameId, 3);
    ASSERT_EQ(players.size(), 1u);
    EXPECT_EQ(players[0]->name(), "vua");
    EXPECT_EQ(players[0]->level()->lv(), 3);
    EXPECT_TRUE(players[0]->isReady());
    EXPECT_EQ(players[0]->userProfile()->status(), "top");

    deliver(31, {2});
    auto [richPage, rich] = logic->last<std::tuple<int32_t, Players>>("onRichestListWithPage");
    EXPECT_EQ(richPage, 2);
    EXPECT_TRUE(rich.empty());

    // A record cut in the middle drops the whole page.
    deliver(31, bytes({{3}, rankedRecord(1, "x", 1, 1, 1, "s"), i32(2), utf("y")}));
    EXPECT_EQ(logic->count("onRichestListWithPage"), 1);
    EXPECT_EQ(exceptionsLogged(), 1);
}

TEST_F(SocialMessagesTest, PlayerDetailOfNobodyIsOnlyLogged) {
    deliver(34, bytes({i32(-1), utf("x")}));
    EXPECT_TRUE(sys::Log::contains("Không thể xem thông tin"));
    EXPECT_TRUE(calls().empty());

    deliver(34, bytes({i32(77), utf("Mai"), i64(123456789012LL), i16(9), i32(150), i32(10), i32(4), i32(2), i32(1)}));
    auto detail = logic->last<PlayerDetail>("onPlayerDetail");
    EXPECT_EQ(detail.name, "Mai");
    EXPECT_EQ(detail.money, 123456789012LL);
    EXPECT_EQ(detail.avatar, 9);
    EXPECT_EQ(detail.exp, 150);
    EXPECT_EQ(detail.won, 10);
    EXPECT_EQ(detail.lost, 4);
    EXPECT_EQ(detail.drawn, 2);
    EXPECT_EQ(detail.givenUp, 1);
}

TEST_F(SocialMessagesTest, ListsChosenByType) {
    deliver(78, bytes({{1}, {3}, utf("Tiến lên"), {7}, utf("Phỏm")}));
    auto rankings = logic->last<std::vector<std::shared_ptr<Ranking>>>("onGetTopLit");
    ASSERT_EQ(rankings.size(), 2u);
    EXPECT_EQ(rankings[1]->gameId(), 7);
    EXPECT_EQ(rankings[1]->info(), "Phỏm");

    deliver(78, bytes({{2}, rankedRecord(8, "w", 5, 1, 0, "hi")}));
    Players waiting = logic->last<Players>("onWaitingList");
    ASSERT_EQ(waiting.size(), 1u);
    EXPECT_TRUE(waiting[0]->isReady());
    EXPECT_EQ(waiting[0]->userProfile()->status(), "hi");

    deliver(78, bytes({{3}, {1}, utf("Hà Nội"), {2}, utf("Huế")}));
    auto provinces = logic->last<Province::List>("onProvinceList");
    ASSERT_EQ(provinces.size(), 2u);
    EXPECT_EQ(provinces[1]->pId(), 2);
    EXPECT_EQ(provinces[1]->name(), "Huế");

    deliver(78, {3});
    EXPECT_TRUE(logic->last<Province::List>("onProvinceList").empty());

    logic->clear();
    deliver(78, bytes({{5}, {3}, utf("x")}));
    EXPECT_TRUE(calls().empty());
}
