// The banker games' hand-over: which screen operations each event calls, in which order, for which table.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "games/banker/BaiCaoLogicHandler.h"
#include "games/banker/BaiCaoPlayer.h"
#include "games/banker/BankerTableScreen.h"
#include "games/banker/XiZachLogicHandler.h"
#include "platform/core/RunLoop.h"
#include "platform/ui/NavigationController.h"
#include "shell/UIController.h"
#include "support/RecordingCardTableScreen.h"

using namespace zuno;
using zuno::testing::numberList;

namespace {

constexpr int32_t kMe = 4711;
using Lines = std::vector<std::string>;

TienLenPlayerPtr player(int32_t id, std::string name = "p") {
    auto p = std::make_shared<BaiCaoPlayer>();
    p->setIDDB(id);
    p->setName(id == -1 ? "" : std::move(name));
    return p;
}

// The table screen as the handlers see it: each operation, in order, as one line.
class RecordingScreen : public zuno::testing::RecordingCardTableScreen<BankerTableScreen> {
public:
    RecordingScreen(int8_t room, int8_t board)
        : RecordingCardTableScreen(room, board, {player(kMe, "me"), player(7, "an"), player(-1), player(9, "binh")}) {}

    void setIsFirstMatch(bool) override {}
    void setMoneyOnBoardWithWho(int32_t money, int32_t who) override {
        calls.push_back("stake " + std::to_string(money) + " of " + std::to_string(who));
    }
    void startWithInterval(int8_t interval, std::optional<int32_t> whoMove, const CardIds& cards) override {
        calls.push_back("start " + std::to_string(interval) + " " + (whoMove ? std::to_string(*whoMove) : "-") + " " +
                        numberList(cards) + " " + readyMarks());
    }
    void moveWithPlayerId(int32_t id, const CardIds& cards) override {
        calls.push_back("show " + std::to_string(id) + " " + numberList(cards));
    }
    void stopGame() override { calls.push_back("stop"); }
    void showCardsWithPlayers(const std::vector<BankerHand>& hands) override {
        std::string line = "hands";
        for (const auto& h : hands) {
            line += ' ';
            line += std::to_string(h.playerId);
            line += numberList(h.cards);
        }
        calls.push_back(line);
    }
    void playingWithInterval(int8_t interval, const std::vector<BankerHand>& hands) override {
        calls.push_back("playing " + std::to_string(interval) + " " + std::to_string(hands.size()));
    }
    void getRemainTimeWithPlayerId(int32_t id, int8_t seconds) override {
        calls.push_back("turn " + std::to_string(id) + " " + std::to_string(seconds));
    }
    void getCardWithPlayerId(int32_t id, int8_t card) override {
        calls.push_back("drawn " + std::to_string(id) + " " + std::to_string(card));
    }
};

class BankerLogicHandlerTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto me = player(kMe, "me");
        me->setMoney(1000);
        UIController::setMyInfo(me);
        for (BankerTableLogicHandler* h : handlers())
            h->setScreenAccess({[this] { return table; },
                                [this](int8_t r, int8_t b, int32_t owner, int32_t money,
                                       const std::vector<TienLenPlayerPtr>& ps) {
                                    shown.push_back(std::to_string(r) + " " + std::to_string(b) + " " +
                                                    std::to_string(owner) + " " + std::to_string(money) + " " +
                                                    std::to_string(ps.size()));
                                },
                                [this] { return navigation; }});
    }
    void TearDown() override {
        for (BankerTableLogicHandler* h : handlers()) h->setScreenAccess({});
        UIController::closeDialog();
    }

    Lines applied() {
        sys::RunLoop::main().runFor(0);
        Lines out = table->calls;
        table->calls.clear();
        return out;
    }

    static BaiCaoLogicHandler& baiCao() { return *BaiCaoLogicHandler::getInstance(); }
    static XiZachLogicHandler& xiZach() { return *XiZachLogicHandler::getInstance(); }
    static std::vector<BankerTableLogicHandler*> handlers() { return {&baiCao(), &xiZach()}; }

    // Room 130 and table 200 arrive as negative bytes.
    static constexpr int8_t kRoom = static_cast<int8_t>(130), kBoard = static_cast<int8_t>(200);
    std::shared_ptr<RecordingScreen> table = std::make_shared<RecordingScreen>(kRoom, kBoard);
    std::shared_ptr<ui::NavigationController> navigation;
    Lines shown;
};

}  // namespace

TEST_F(BankerLogicHandlerTest, JoinOpensTheTableMarksTheOwnerTakesMyBalanceAndShowsTheStake) {
    auto mine = player(kMe);
    mine->setMoney(250);
    auto owner = player(7);
    for (BankerTableLogicHandler* h : handlers()) {
        owner->setIsReady(false);
        h->onJoinGameSuccessWithRoomId(1, 2, 7, 500, {mine, owner});
        EXPECT_FALSE(owner->isReady());  // nothing on the reader thread
        EXPECT_EQ(applied(), (Lines{"disableReady no", "stake 500 of 4711", "mode no", "resetSeat"}));
        EXPECT_TRUE(owner->isReady());
        EXPECT_EQ(UIController::myInfo()->money(), 250);
    }
    EXPECT_EQ(shown, (Lines{"1 2 7 500 2", "1 2 7 500 2"}));
}

// Every shared event, for the table shown and for another one, at both games.
TEST_F(BankerLogicHandlerTest, SharedEventsApplyToTheTableShownButResultsAlways) {
    const struct {
        std::string name;
        std::function<void(BankerTableLogicHandler&, int8_t board)> event;
        Lines here;
        Lines elsewhere;
    } cases[] = {
        {"chat", [](auto& h, int8_t b) { h.onChatFromBoardWithRoomId(kRoom, b, "hi", 7); }, {"chat 7: hi"}, {}},
        {"kick of another", [](auto& h, int8_t b) { h.onKickedWithRoomId(kRoom, b, 7); }, {"leave 7", "resetSeat"}, {}},
        {"stake of one player", [](auto& h, int8_t b) { h.onOwnerSetMoneyWithRoomeId(kRoom, b, 900, 9); },
         {"stake 900 of 9"}, {}},
        {"bonus", [](auto& h, int8_t b) { h.onBonusMoneyWithRommId(kRoom, b, 7, -300, "lost"); },
         {"chat 7: lost", "fly 7 -300", "money 7 -300"}, {}},
        {"move: ready refused whatever the table", [](auto& h, int8_t b) { h.onMoveWithRoomId(kRoom, b, 7, {-1, 12, -1}); },
         {"disableReady yes", "show 7 [-1 12 -1]"}, {"disableReady yes"}},
        // These name no table, or are shown whatever it is.
        {"result text", [](auto& h, int8_t) { h.onDiemSoWithWho(9, "9 nut"); }, {"chat 9: 9 nut"}, {"chat 9: 9 nut"}},
        {"ready", [](auto& h, int8_t) { h.onSomeOneReadyWithId(7, true); }, {"ready 7 yes", "resetSeat"},
         {"ready 7 yes", "resetSeat"}},
        {"nudge", [](auto& h, int8_t) { h.onBuzzWithContent("an: hey"); }, {"buzz an: hey"}, {"buzz an: hey"}},
    };
    for (BankerTableLogicHandler* handler : handlers()) {
        for (const auto& c : cases) {
            c.event(*handler, kBoard);
            EXPECT_EQ(applied(), c.here) << c.name;
            c.event(*handler, 3);
            EXPECT_EQ(applied(), c.elsewhere) << c.name << " elsewhere";
        }
    }
}

TEST_F(BankerLogicHandlerTest, EachGamesDealTurnsAndResults) {
    const struct {
        std::string name;
        std::function<void(int8_t board)> event;
        Lines here;
        Lines elsewhere;
    } cases[] = {
        {"Bai Cao deal: the ready flags cleared first", [](int8_t b) { baiCao().onStartGameWithRoomId(kRoom, b, {3, 4, 5}, 30); },
         {"start 30 - [3 4 5] ----"}, {}},
        {"Xi Zach deal with the first to act", [](int8_t b) { xiZach().onStartGameWithRoomId(kRoom, b, 9, {3, 4}, 20); },
         {"start 20 9 [3 4] ----"}, {}},
        {"Xi Zach turn", [](int8_t b) { xiZach().onGetRemainTimeWithRoomId(kRoom, b, 9, 15); }, {"turn 9 15"}, {}},
        {"Xi Zach draw", [](int8_t b) { xiZach().onGetCardWithRoomId(kRoom, b, 9, 51); }, {"drawn 9 51"}, {}},
        {"Bai Cao stop: shown whatever the table",
         [](int8_t b) { baiCao().onStopGameWithRoomId(kRoom, b, 2, {{7, 1, 2, 3}, {9, 4, -1, 6}}); },
         {"disableReady no", "stop", "hands 7[1 2 3] 9[4 -1 6]"}, {"disableReady no", "stop", "hands 7[1 2 3] 9[4 -1 6]"}},
        {"Xi Zach stop: the counted cards only, five at most",
         [](int8_t b) { xiZach().onStopGameWithRoomId(kRoom, b, 2, {{7, 2, 1, 2, -1, -1, -1}, {9, 9, 1, 2, 3, 4, 5}}); },
         {"disableReady no", "stop", "hands 7[1 2] 9[1 2 3 4 5]"},
         {"disableReady no", "stop", "hands 7[1 2] 9[1 2 3 4 5]"}},
        {"Bai Cao joined mid-deal", [](int8_t b) { baiCao().onPlayingWithRoomId(kRoom, b, 30, 1, {{7, 1, 2, 3}}); },
         {"playing 30 1"}, {}},
        {"Xi Zach joined mid-deal", [](int8_t b) { xiZach().onPlayingWithRoomId(kRoom, b, 30, 0, {}); },
         {"playing 30 0"}, {}},
    };
    for (const auto& c : cases) {
        for (auto& p : table->seated) p->setIsReady(true);
        c.event(kBoard);
        EXPECT_EQ(applied(), c.here) << c.name;
        c.event(3);
        EXPECT_EQ(applied(), c.elsewhere) << c.name << " elsewhere";
    }
}

TEST_F(BankerLogicHandlerTest, SeatsTakenAndLeftInTheirOrderAndTheDepartureBeforeTheNextMessage) {
    auto comer = player(9);
    comer->setIsReady(true);
    xiZach().onSomeOneJoinBoardWithSeat(2, comer);
    EXPECT_EQ(applied(), (Lines{"atSeat 2 9", "resetSeat"}));
    // Applied before the call returns (here, on the loop's own thread).
    baiCao().onSomeOneLeaveBoardWithIdLeave(7, 9);
    EXPECT_EQ(table->calls, (Lines{"leave 7", "owner 9", "resetReady", "resetSeat"}));
}

TEST_F(BankerLogicHandlerTest, MyBonusUnlistedChangesOnlyMyBalanceOnTheMainThread) {
    table->seated = {player(7), player(-1)};
    xiZach().onBonusMoneyWithRommId(kRoom, kBoard, kMe, 300, "mine");
    baiCao().onBonusMoneyWithRommId(kRoom, kBoard, -1, 300, "nobody");
    EXPECT_EQ(UIController::myInfo()->money(), 1000);
    EXPECT_EQ(applied(), Lines{});
    EXPECT_EQ(UIController::myInfo()->money(), 1300);
}

TEST_F(BankerLogicHandlerTest, KickedWithTheTableGoneShowsTheNoticeAndPopsNothing) {
    auto below = std::make_shared<ui::ViewController>();
    navigation = std::make_shared<ui::NavigationController>();
    navigation->setViewControllers({below}, false);
    UIController::setOkValue(-1);
    xiZach().onKickedWithRoomId(kRoom, kBoard, kMe);
    EXPECT_EQ(applied(), (Lines{"leave 4711"}));
    EXPECT_EQ(navigation->viewControllers().size(), 1u);
    EXPECT_EQ(UIController::okValue(), UIController::okKicked);
}

TEST_F(BankerLogicHandlerTest, KickedFromTheTableShownGoesBackBelowIt) {
    auto below = std::make_shared<ui::ViewController>();
    navigation = std::make_shared<ui::NavigationController>();
    navigation->setViewControllers({below, table}, false);
    baiCao().onKickedWithRoomId(kRoom, kBoard, kMe);
    applied();
    sys::RunLoop::main().runFor(1);
    ASSERT_EQ(navigation->viewControllers().size(), 1u);
    EXPECT_EQ(navigation->viewControllers().front(), below);
}
