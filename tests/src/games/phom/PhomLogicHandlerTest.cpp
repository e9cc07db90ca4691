// The Phom hand-over: which screen operations each event calls, in which order, for the table shown.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "games/phom/PhomLogicHandler.h"
#include "games/phom/PhomNewLogicHandler.h"
#include "games/phom/PhomTableScreen.h"
#include "platform/core/RunLoop.h"
#include "platform/ui/NavigationController.h"
#include "shell/UIController.h"
#include "support/RecordingCardTableScreen.h"

using namespace zuno;
using zuno::testing::numberList;

namespace {

constexpr int32_t kMe = 4711;
using Lines = std::vector<std::string>;

PlayerPtr player(int32_t id, std::string name = "p") {
    auto p = std::make_shared<TienLenPlayer>();
    p->setIDDB(id);
    p->setName(id == -1 ? "" : std::move(name));
    return p;
}

// The table screen as the handlers see it: each operation, in order, as one line.
class RecordingScreen : public zuno::testing::RecordingCardTableScreen<PhomTableScreen> {
public:
    RecordingScreen(int8_t room, int8_t board)
        : RecordingCardTableScreen(room, board, {player(kMe, "me"), player(7, "an"), player(-1), player(9, "binh")}) {}

    void setIsFirstMatch(bool on) override { add("firstMatch", on); }
    void setMoneyOnBoard(int32_t money) override { calls.push_back("stake " + std::to_string(money)); }
    void start(int8_t interval, const CardIds& cards, int32_t first, int32_t firstHa) override {
        calls.push_back("start " + std::to_string(interval) + " " + numberList(cards) + " " + std::to_string(first) + " " +
                        std::to_string(firstHa) + " " + readyMarks());
    }
    void onGetCard(uint8_t card) override { calls.push_back("draw " + std::to_string(card)); }
    void onFire(int32_t next, int32_t firer, int8_t card, int8_t numC) override {
        calls.push_back("fire " + std::to_string(next) + " " + std::to_string(firer) + " " + std::to_string(card) + " " +
                        std::to_string(numC));
    }
    void onSkipPlayer(int32_t p, int32_t firHa) override {
        calls.push_back("skip " + std::to_string(p) + " " + std::to_string(firHa));
    }
    void onEatCard(bool isEat, int32_t numEat, int32_t firHa, int8_t nCard) override {
        calls.push_back(std::string("eat ") + (isEat ? "yes " : "no ") + std::to_string(numEat) + " " +
                        std::to_string(firHa) + " " + std::to_string(nCard));
    }
    void onHaPhom(bool isHa, const PhomLaidCards& cards, bool isU, const PhomSeatInts&, int32_t id) override {
        calls.push_back(std::string("haPhom ") + (isHa ? "yes " : "no ") + numberList(cards) + (isU ? " U " : " ") +
                        std::to_string(id));
    }
    void onOnceWin(int32_t money) override { calls.push_back("onceWin " + std::to_string(money)); }
    void setScore(const PhomSeatInts& score) override { calls.push_back("score " + numberList(score)); }
    void onFinish(const PhomSeatInts&, const PhomLeftoverCards& cardR, const PhomSeatInts&) override {
        calls.push_back("finish " + numberList(cardR[0]));
    }
    void onDenBai(int32_t win, const PhomSeatInts&) override { calls.push_back("denBai " + std::to_string(win)); }
    void onResetPhomEat(bool reset) override { add("resetMelds", reset); }
    void onPlaying(int32_t interval, int32_t cur, int32_t fir, const PhomFiredCards&, const PhomEatenCards&,
                   int32_t firHa) override {
        calls.push_back("playing " + std::to_string(interval) + " " + std::to_string(cur) + " " + std::to_string(fir) +
                        " " + std::to_string(firHa));
    }
    void onFinishNew(int32_t score, const std::vector<int32_t>& cards, int32_t user, int32_t numRac) override {
        calls.push_back("finishNew " + std::to_string(score) + " " + numberList(cards) + " " + std::to_string(user) + " " +
                        std::to_string(numRac));
    }
    void onDenBaiNew(int32_t win, int32_t money) override {
        calls.push_back("denBaiNew " + std::to_string(win) + " " + std::to_string(money));
    }
    void onPlayingNew(int32_t, int32_t cur, int32_t, const PhomFiredCards&, const PhomEatenCards&,
                      const PhomSeatInts& users) override {
        calls.push_back("playingNew " + std::to_string(cur) + " " + numberList(users));
    }
    void onUWithUserID(int32_t user, int8_t kind, const CardIds& cards, int32_t len) override {
        calls.push_back("U " + std::to_string(user) + " " + std::to_string(kind) + " " + numberList(cards) + " " +
                        std::to_string(len));
    }
    void onAddCard(int32_t user, int8_t card, const std::vector<int32_t>& cards, int32_t len) override {
        calls.push_back("add " + std::to_string(user) + " " + std::to_string(card) + " " + numberList(cards) + " " +
                        std::to_string(len));
    }
    void moveErrorWithInfo(const std::string& info) override { calls.push_back("error " + info); }
};

class PhomLogicHandlerTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto me = player(kMe, "me");
        me->setMoney(1000);
        UIController::setMyInfo(me);
        for (PhomTableLogicHandler* h : {static_cast<PhomTableLogicHandler*>(&phom()),
                                         static_cast<PhomTableLogicHandler*>(&phomNew())})
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
        phom().setScreenAccess({});
        phomNew().setScreenAccess({});
        UIController::closeDialog();
    }

    Lines applied() {
        sys::RunLoop::main().runFor(0);
        Lines out = table->calls;
        table->calls.clear();
        return out;
    }

    static PhomLogicHandler& phom() { return *PhomLogicHandler::getInstance(); }
    static PhomNewLogicHandler& phomNew() { return *PhomNewLogicHandler::getInstance(); }

    // Room 130 and table 200 arrive as negative bytes.
    static constexpr int8_t kRoom = static_cast<int8_t>(130), kBoard = static_cast<int8_t>(200);
    std::shared_ptr<RecordingScreen> table = std::make_shared<RecordingScreen>(kRoom, kBoard);
    std::shared_ptr<ui::NavigationController> navigation;
    Lines shown;
};

}  // namespace

TEST_F(PhomLogicHandlerTest, JoinOpensTheTableMarksTheOwnerAndTakesMyBalance) {
    auto mine = std::make_shared<TienLenPlayer>();
    mine->setIDDB(kMe);
    mine->setMoney(250);
    auto owner = std::make_shared<TienLenPlayer>();
    owner->setIDDB(7);
    phomNew().onJoinGameSuccessWithRoomId(1, 2, 7, 500, {mine, owner});
    EXPECT_EQ(applied(), (Lines{"firstMatch yes", "disableReady no", "mode no", "resetSeat"}));
    EXPECT_EQ(shown, (Lines{"1 2 7 500 2"}));
    EXPECT_TRUE(owner->isReady());
    EXPECT_EQ(UIController::myInfo()->money(), 250);
}

// Every shared event, for the table shown and for another one, at both games.
TEST_F(PhomLogicHandlerTest, SharedEventsApplyOnlyToTheTableShown) {
    PhomLaidCards laid;
    laid.fill(-1);
    laid[0] = 4;
    const struct {
        std::string name;
        std::function<void(PhomTableLogicHandler&, int8_t board)> event;
        Lines here;
        Lines elsewhere;
    } cases[] = {
        {"chat", [](auto& h, int8_t b) { h.onChatFromBoardWithRoomId(kRoom, b, "hi", 7); }, {"chat 7: hi"}, {}},
        {"kick of another", [](auto& h, int8_t b) { h.onKickedWithRoomId(kRoom, b, 7); }, {"leave 7", "resetSeat"}, {}},
        {"stake", [](auto& h, int8_t b) { h.onOwnerSetMoneyWithRoomeId(kRoom, b, 900); }, {"stake 900"}, {}},
        {"deal: ready flags cleared first, turn time as a signed byte",
         [](auto& h, int8_t b) { h.onStartGameWithRoomId(kRoom, b, {3, 4}, 200, 7, 9); },
         {"start -56 [3 4] 7 9 ----"}, {}},
        {"fire", [](auto& h, int8_t b) { h.onMoveWithRoomId(kRoom, b, 9, 7, 12, 2); }, {"fire 9 7 12 2"}, {}},
        {"skip", [](auto& h, int8_t b) { h.onSkipWithRoomId(kRoom, b, 9, 7); }, {"skip 9 7"}, {}},
        {"eat", [](auto& h, int8_t b) { h.onEatCard(kRoom, b, true, 2, 9, 1); }, {"eat yes 2 9 1"}, {}},
        {"lay down", [&](auto& h, int8_t b) { h.onHaPhom(kRoom, b, true, laid, false, {}, 7); },
         {"haPhom yes [4 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1] 7"}, {}},
        {"instant win", [](auto& h, int8_t b) { h.onOnceWin(kRoom, b, 50); }, {"onceWin 50"}, {}},
        {"bonus", [](auto& h, int8_t b) { h.onBonusMoneyWithRommId(kRoom, b, 7, 300, "won"); },
         {"chat 7: won", "fly 7 300", "money 7 300"}, {}},
        // These name no table.
        {"ready", [](auto& h, int8_t) { h.onSomeOneReadyWithId(7, true); }, {"ready 7 yes", "resetSeat"},
         {"ready 7 yes", "resetSeat"}},
        {"nudge", [](auto& h, int8_t) { h.onBuzzWithContent("an: hey"); }, {"buzz an: hey"}, {"buzz an: hey"}},
    };
    for (PhomTableLogicHandler* handler : {static_cast<PhomTableLogicHandler*>(&phom()),
                                           static_cast<PhomTableLogicHandler*>(&phomNew())}) {
        for (const auto& c : cases) {
            for (auto& p : table->seated) p->setIsReady(true);
            c.event(*handler, kBoard);
            EXPECT_EQ(applied(), c.here) << c.name;
            c.event(*handler, 3);
            EXPECT_EQ(applied(), c.elsewhere) << c.name << " elsewhere";
        }
    }
}

TEST_F(PhomLogicHandlerTest, SeatsTakenAndLeftAndTheDepartureBeforeTheNextMessage) {
    phom().onSomeOneJoinBoardWithSeat(2, std::static_pointer_cast<TienLenPlayer>(player(9)));
    EXPECT_EQ(applied(), (Lines{"firstMatch yes", "atSeat 2 9"}));
    // Applied before the call returns (here, on the loop's own thread).
    phom().onSomeOneLeaveBoardWithIdLeave(7, 9);
    EXPECT_EQ(table->calls, (Lines{"firstMatch yes", "leave 7", "resetReady", "owner 9", "resetSeat"}));
}

TEST_F(PhomLogicHandlerTest, EachGamesOwnEvents) {
    PhomLeftoverCards cardR;
    for (auto& row : cardR) row.fill(-1);
    cardR[0][0] = 5;
    PhomLaidCards uCards;
    uCards.fill(-1);
    uCards[0] = 1;
    uCards[1] = 2;
    const struct {
        std::string name;
        std::function<void(int8_t board)> event;
        Lines here;
        Lines elsewhere;
    } cases[] = {
        {"draw: ready disabled whatever the table",
         [](int8_t b) { phom().onGetCard(kRoom, b, 200); }, {"disableReady yes", "draw 200"}, {"disableReady yes"}},
        {"new Phom draw", [](int8_t b) { phomNew().onGetCard(kRoom, b, 9, 17); }, {"disableReady yes", "draw 17"},
         {"disableReady yes"}},
        {"finish: the scores are stored first, whatever the table",
         [&](int8_t b) { phom().onFinish(kRoom, b, {5, 3, 3, -1}, cardR, {}); },
         {"score [5 3 3 -1]", "finish [5 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1]"}, {"score [5 3 3 -1]"}},
        {"den bai", [](int8_t b) { phom().onDenBai(kRoom, b, 7, {}); }, {"denBai 7"}, {}},
        {"melds re-arranged", [](int8_t b) { phom().onResetPhomEat(kRoom, b, 1); }, {"resetMelds yes"}, {}},
        {"rejoin", [](int8_t b) { phom().onPlaying(kRoom, b, 20, 7, 9, {}, {}, 9); }, {"playing 20 7 9 9"}, {}},
        {"new Phom finish: a score of 300, cards widened with their sign",
         [](int8_t b) { phomNew().onFinish(kRoom, b, 7, 300, {4, -1, 51}, 3); }, {"finishNew 300 [4 -1 51] 7 3"}, {}},
        {"new Phom den bai", [](int8_t b) { phomNew().onDenBai(kRoom, b, 7, 900); }, {"denBaiNew 7 900"}, {}},
        {"new Phom rejoin", [](int8_t b) { phomNew().onPlaying(kRoom, b, 20, 7, 9, {}, {}, {7, 9, 0, 0}); },
         {"playingNew 7 [7 9 0 0]"}, {}},
        {"U: only the cards counted", [&](int8_t b) { phomNew().onUWithRoomId(kRoom, b, 7, 1, uCards, 2); },
         {"U 7 1 [1 2] 2"}, {}},
        {"U counting more cards than a lay-down holds", [&](int8_t b) { phomNew().onUWithRoomId(kRoom, b, 7, 1, uCards, 90); },
         {"U 7 1 [1 2 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1] 12"}, {}},
        {"cards sent", [](int8_t b) { phomNew().onAddCard(kRoom, b, 7, 30, {31, 32}, 2); }, {"add 7 30 [31 32] 2"}, {}},
        {"cards sent, count past the list", [](int8_t b) { phomNew().onAddCard(kRoom, b, 7, 30, {31}, 5); },
         {"add 7 30 [31] 1"}, {}},
        {"refused move", [](int8_t b) { phomNew().onMoveErrorWithRoomeId(kRoom, b, "no meld"); }, {"error no meld"}, {}},
    };
    for (const auto& c : cases) {
        c.event(kBoard);
        EXPECT_EQ(applied(), c.here) << c.name;
        c.event(3);
        EXPECT_EQ(applied(), c.elsewhere) << c.name << " elsewhere";
    }
}

TEST_F(PhomLogicHandlerTest, BonusesOfNothingAndOfMeUnlisted) {
    phom().onBonusMoneyWithRommId(kRoom, kBoard, kMe, 0, "none");
    EXPECT_EQ(applied(), Lines{});
    EXPECT_EQ(UIController::myInfo()->money(), 1000);

    table->seated = {player(7), player(-1)};
    phomNew().onBonusMoneyWithRommId(kRoom, kBoard, kMe, 300, "mine");
    EXPECT_EQ(UIController::myInfo()->money(), 1000);  // nothing on the reader thread
    EXPECT_EQ(applied(), Lines{});
    EXPECT_EQ(UIController::myInfo()->money(), 1300);
}

TEST_F(PhomLogicHandlerTest, KickedWithTheTableGoneShowsTheDialogAndPopsNothing) {
    auto below = std::make_shared<ui::ViewController>();
    navigation = std::make_shared<ui::NavigationController>();
    navigation->setViewControllers({below}, false);
    UIController::setOkValue(-1);
    phom().onKickedWithRoomId(kRoom, kBoard, kMe);
    EXPECT_EQ(applied(), (Lines{"leave 4711"}));
    EXPECT_EQ(navigation->viewControllers().size(), 1u);
    EXPECT_EQ(UIController::okValue(), UIController::okKicked);
}
