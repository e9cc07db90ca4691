#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "games/tienlen/TienLenLogicHandler.h"
#include "games/tienlen/TienLenMBService.h"
#include "games/tienlen/TienLenService.h"
#include "platform/core/RunLoop.h"
#include "platform/ui/NavigationController.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "support/ServiceRecording.h"

using namespace zuno;
using zuno::testing::ServiceRecording;

namespace {

constexpr int32_t kMe = 4711;

PlayerPtr player(int32_t id, std::string name = "p") {
    auto p = std::make_shared<Player>();
    p->setIDDB(id);
    p->setName(id == -1 ? "" : std::move(name));
    return p;
}

std::string ids(const std::vector<int8_t>& cards) {
    std::string out;
    for (int8_t c : cards) {
        if (!out.empty()) out += ' ';
        out += std::to_string(c);
    }
    return out;
}

// The table screen as the handler sees it: each operation called, in order, as one line.
class RecordingTable : public ui::ViewController, public TienLenTableScreen {
public:
    explicit RecordingTable(int8_t room = 1, int8_t board = 2) : room_(room), board_(board) {}

    std::vector<std::string> calls;
    Players seated{player(kMe, "me"), player(7, "an"), player(-1), player(9, "binh")};
    bool firstMatch = false;
    // The northern screen clears the flag as it starts a deal.
    bool clearsFirstMatchOnDeal = true;

    int8_t roomId() const override { return room_; }
    int8_t boardId() const override { return board_; }
    Players players() const override { return seated; }
    bool isFirstMatch() const override { return firstMatch; }
    void setIsFirstMatch(bool on) override {
        firstMatch = on;
        add("firstMatch", on);
    }
    void setDisableReady(bool on) override { add("disableReady", on); }
    void setModeWithHas(bool on) override { add("mode", on); }
    void resetSeat() override { calls.push_back("resetSeat"); }
    void resetReady() override { calls.push_back("resetReady"); }
    void setAtSeat(int8_t seat, PlayerPtr p) override {
        calls.push_back("atSeat " + std::to_string(seat) + " " + std::to_string(p->IDDB()) +
                        (p->isReady() ? " ready" : ""));
    }
    void playerLeaveWithId(int32_t id) override { calls.push_back("leave " + std::to_string(id)); }
    void setOwnerWithNewOwner(int32_t id) override { calls.push_back("owner " + std::to_string(id)); }
    void setReadyWithPlayerId(int32_t id, bool on) override { add("ready " + std::to_string(id), on); }
    void setMoneyOnBoard(int32_t money) override { calls.push_back("stake " + std::to_string(money)); }
    void startWithWhoMoveFirst(int32_t who, uint8_t interval, const CardIds& cards) override {
        if (clearsFirstMatchOnDeal) firstMatch = false;
        calls.push_back("start " + std::to_string(who) + " " + std::to_string(interval) + " " + ids(cards));
    }
    void moveWithPlayerId(int32_t who, const CardIds& cards, int32_t next) override {
        calls.push_back("move " + std::to_string(who) + " [" + ids(cards) + "] " + std::to_string(next));
    }
    void skipWithWho(int32_t who, int32_t next, bool clear) override {
        add("skip " + std::to_string(who) + " " + std::to_string(next), clear);
    }
    void moveErrorWithInfo(const std::string& info) override { calls.push_back("error " + info); }
    void stopGame() override { calls.push_back("stop"); }
    void showCardsWithWho(int32_t who, const CardIds& cards, int count) override {
        calls.push_back("show " + std::to_string(who) + " [" + ids(cards) + "] " + std::to_string(count));
    }
    void finishWithWho(int32_t who, int8_t pos, int32_t money, int32_t exp) override {
        calls.push_back("finish " + std::to_string(who) + " " + std::to_string(pos) + " " + std::to_string(money) +
                        " " + std::to_string(exp));
    }
    void onChatFromWithId(int32_t id, const std::optional<std::string>& name, const std::string& text) override {
        calls.push_back("chat " + std::to_string(id) + (name ? " " + *name : "") + ": " + text);
    }
    void showFlyTextWirhFromId(int32_t id, int32_t money) override {
        calls.push_back("fly " + std::to_string(id) + " " + std::to_string(money));
    }
    void updateMoneyForPlayer(int32_t id, int32_t money) override {
        calls.push_back("money " + std::to_string(id) + " " + std::to_string(money));
    }
    void onBuzzWithContent(const std::string& text) override { calls.push_back("buzz " + text); }

private:
    void add(const std::string& what, bool on) { calls.push_back(what + (on ? " yes" : " no")); }
    int8_t room_, board_;
};

class TienLenLogicHandlerTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto me = player(kMe, "me");
        me->setMoney(1000);
        UIController::setMyInfo(me);
        install(*TienLenLogicHandler::getInstance());
        install(*TienLenMBLogicHandler::getInstance());
    }
    void TearDown() override {
        TienLenLogicHandler::getInstance()->setScreenAccess({});
        TienLenMBLogicHandler::getInstance()->setScreenAccess({});
    }

    void install(TienLenLogicHandler& handler) {
        handler.setScreenAccess({[this] { return table; },
                                 [this](int8_t r, int8_t b, int32_t owner, int32_t money, const TienLenTableScreen::Players& ps) {
                                     shown.push_back(std::to_string(r) + " " + std::to_string(b) + " " +
                                                     std::to_string(owner) + " " + std::to_string(money) + " " +
                                                     std::to_string(ps.size()));
                                 },
                                 [this] { return navigation; }});
    }

    // What the table was asked to do once the main loop has run the hand-overs.
    std::vector<std::string> applied() {
        sys::RunLoop::main().runFor(0);
        std::vector<std::string> out = table->calls;
        table->calls.clear();
        return out;
    }

    static TienLenLogicHandler& south() { return *TienLenLogicHandler::getInstance(); }
    static TienLenLogicHandler& north() { return *TienLenMBLogicHandler::getInstance(); }

    std::shared_ptr<RecordingTable> table = std::make_shared<RecordingTable>();
    std::shared_ptr<ui::NavigationController> navigation;
    std::vector<std::string> shown;
};

using Lines = std::vector<std::string>;

}  // namespace

TEST_F(TienLenLogicHandlerTest, JoinOpensTheTableAndTakesTheOwnBalance) {
    auto mine = player(kMe, "me");
    mine->setMoney(250);
    mine->setExp(40);
    auto owner = player(7, "an");
    south().onJoinGameSuccessWithRoomId(1, 2, 7, 500, {mine, owner, player(-1)});
    EXPECT_EQ(applied(), (Lines{"firstMatch yes", "disableReady no", "mode no", "resetSeat"}));
    EXPECT_EQ(shown, (Lines{"1 2 7 500 3"}));
    EXPECT_TRUE(owner->isReady());
    EXPECT_EQ(UIController::myInfo()->money(), 250);
    EXPECT_EQ(UIController::myInfo()->exp(), 40);
}

// Every event that names a table, for the table shown and for another one.
TEST_F(TienLenLogicHandlerTest, EventsApplyOnlyToTheTableShown) {
    const std::vector<int8_t> hand{4, 9, 13, 17, 21, 25, 29, 33, 37, 41, 45, 49, 50};
    const struct {
        std::string name;
        std::function<void(TienLenLogicHandler&, int8_t board)> event;
        Lines here;
        Lines elsewhere;
    } cases[] = {
        {"chat", [](auto& h, int8_t b) { h.onChatFromBoardWithRoomId(1, b, "hi", 7); }, {"chat 7: hi"}, {}},
        {"kick of another", [](auto& h, int8_t b) { h.onKickedWithRoomId(1, b, 7); }, {"leave 7", "resetSeat"}, {}},
        {"stake", [](auto& h, int8_t b) { h.onOwnerSetMoneyWithRoomeId(1, b, 900); }, {"stake 900"}, {}},
        {"deal", [&](auto& h, int8_t b) { h.onStartGameWithRoomId(1, b, hand, 200, 7); },
         {"start 7 200 4 9 13 17 21 25 29 33 37 41 45 49 50"}, {}},
        {"move", [](auto& h, int8_t b) { h.onMoveWithRoomId(1, b, 7, {}, 9); }, {"disableReady yes", "move 7 [] 9"},
         {"disableReady yes"}},
        {"skip", [](auto& h, int8_t b) { h.onSkipWithRoomId(1, b, 7, 9, true); }, {"skip 7 9 yes"}, {}},
        {"finish", [](auto& h, int8_t b) { h.onSomeOneFinishWithRoomId(1, b, 7, 1, -500, 3); }, {"finish 7 1 -500 3"},
         {}},
        {"bonus", [](auto& h, int8_t b) { h.onBonusMoneyWithRommId(1, b, 7, 300, "gift"); },
         {"chat 7: gift", "fly 7 300", "money 7 300"}, {}},
        {"refused", [](auto& h, int8_t b) { h.onMoveErrorWithRoomeId(1, b, "No"); }, {"error No"}, {}},
        {"instant win", [&](auto& h, int8_t b) { h.onForceFinishWithRoomId(1, b, 7, hand); },
         {"stop", "show 7 [4 9 13 17 21 25 29 33 37 41 45 49 50] 13",
          "chat 7: " + Resources::getInstance().textForKey("ZUNO_forceFinish")},
         {}},
        // These name no table, or are not tested against it.
        {"stop", [](auto& h, int8_t) { h.onStopGameWithRoomId(1, 3, -1, {}); }, {"disableReady no", "firstMatch no", "stop"},
         {"disableReady no", "firstMatch no", "stop"}},
        {"nudge", [](auto& h, int8_t) { h.onBuzzWithContent("an: hey"); }, {"buzz an: hey"}, {"buzz an: hey"}},
    };
    for (const auto& c : cases) {
        c.event(south(), 2);
        EXPECT_EQ(applied(), c.here) << c.name;
        c.event(south(), 3);
        EXPECT_EQ(applied(), c.elsewhere) << c.name << " elsewhere";
    }
}

TEST_F(TienLenLogicHandlerTest, SeatChangesAndTheFirstMatchFlagOfEachGame) {
    south().onSomeOneJoinBoardWithSeat(3, player(9));
    EXPECT_EQ(applied(), (Lines{"firstMatch yes", "atSeat 3 9", "resetSeat"}));
    north().onSomeOneJoinBoardWithSeat(3, player(9));
    EXPECT_EQ(applied(), (Lines{"atSeat 3 9", "resetSeat"}));
    for (int8_t seat : {-1, 4, 127}) south().onSomeOneJoinBoardWithSeat(seat, player(9));
    EXPECT_EQ(applied(), Lines{});

    // The leave is applied before the reader thread goes on.
    south().onSomeOneLeaveBoardWithIdLeave(7, 9);
    EXPECT_EQ(table->calls, (Lines{"firstMatch yes", "leave 7", "resetReady", "owner 9", "resetSeat"}));
    table->calls.clear();
    north().onSomeOneLeaveBoardWithIdLeave(7, 9);
    EXPECT_EQ(applied(), (Lines{"leave 7", "resetReady", "owner 9", "resetSeat"}));

    south().onSomeOneReadyWithId(7, true);
    EXPECT_EQ(applied(), (Lines{"ready 7 yes", "resetSeat"}));
    south().onStopGameWithRoomId(1, 2, 7, {3, 4});
    EXPECT_EQ(applied(), (Lines{"disableReady no", "firstMatch no", "stop", "show 7 [3 4] 2"}));
    north().onStopGameWithRoomId(1, 2, -1, {});
    EXPECT_EQ(applied(), (Lines{"disableReady no", "stop"}));
}

TEST_F(TienLenLogicHandlerTest, BonusOfNothingAndBonusesOfPlayersNotSeated) {
    south().onBonusMoneyWithRommId(1, 2, kMe, 0, "none");
    EXPECT_EQ(applied(), Lines{});
    EXPECT_EQ(UIController::myInfo()->money(), 1000);

    table->seated = {player(7), player(-1)};
    south().onBonusMoneyWithRommId(1, 2, kMe, 300, "mine");
    south().onBonusMoneyWithRommId(1, 2, 55, 300, "stranger");
    EXPECT_EQ(applied(), Lines{});
    EXPECT_EQ(UIController::myInfo()->money(), 1300);

    table->seated = {player(kMe, "me")};
    south().onBonusMoneyWithRommId(1, 2, kMe, -200, "fee");
    EXPECT_EQ(applied(), (Lines{"chat 4711: fee", "fly 4711 -200", "money 4711 -200"}));
    EXPECT_EQ(UIController::myInfo()->money(), 1100);
}

TEST_F(TienLenLogicHandlerTest, DealClearsReadyMarksAndAnInstantWinSetsFinishPositions) {
    for (auto& p : table->seated) p->setIsReady(true);
    south().onStartGameWithRoomId(1, 2, std::vector<int8_t>(13, 5), 20, 7);
    applied();
    for (auto& p : table->seated) EXPECT_FALSE(p->isReady());

    south().onForceFinishWithRoomId(1, 2, 7, std::vector<int8_t>(13, 5));
    applied();
    std::vector<int> positions;
    for (auto& p : table->seated) positions.push_back(p->finishPosition());
    EXPECT_EQ(positions, (std::vector<int>{3, 4, 3, 3}));
}

// The claim reads the flag as it stood before the screen started the deal.
TEST_F(TienLenLogicHandlerTest, InstantWinClaimsAfterTheDeal) {
    const std::vector<int8_t> fourThrees{0, 1, 2, 3, 5, 9, 14, 18, 22, 27, 31, 35, 40};
    const std::vector<int8_t> pairsWithThreeOfSpades{0, 1, 4, 5, 8, 9, 14, 18, 22, 27, 31, 35, 49};
    const std::vector<int8_t> nothing{0, 5, 9, 14, 18, 22, 27, 31, 35, 40, 44, 47, 51};
    const struct {
        std::string name;
        bool northern;
        std::vector<int8_t> hand;
        bool firstMatch;
        int32_t first;
        size_t claims;
    } cases[] = {
        {"four 3s on the first deal", false, fourThrees, true, 7, 1},
        {"four 3s later", false, fourThrees, false, 7, 0},
        {"no instant win", false, nothing, true, kMe, 0},
        {"north: four 3s on the first deal", true, fourThrees, true, 7, 1},
        {"north: three pairs from the 3 of spades, first deal", true, pairsWithThreeOfSpades, true, 7, 1},
        {"north: three pairs from the 3 of spades, my lead", true, pairsWithThreeOfSpades, false, kMe, 1},
        {"north: three pairs from the 3 of spades, another's lead", true, pairsWithThreeOfSpades, false, 7, 0},
    };
    for (const auto& c : cases) {
        ServiceRecording rec(c.northern ? static_cast<TienLenService&>(TienLenMBService::getInstance())
                                        : TienLenService::getInstance());
        table->firstMatch = c.firstMatch;
        (c.northern ? north() : south()).onStartGameWithRoomId(1, 2, c.hand, 20, c.first);
        applied();
        const auto sent = rec.session->sent();
        EXPECT_EQ(sent.size(), c.claims) << c.name;
        for (const Message& m : sent) {
            EXPECT_EQ(m._commandId(), 53) << c.name;
            EXPECT_EQ(m._data(), (sys::Data{1, 2})) << c.name;
        }
    }
}

TEST_F(TienLenLogicHandlerTest, KickedLeavesTheTableWhereverItStands) {
    auto below = std::make_shared<ui::ViewController>();
    auto sheet = std::make_shared<ui::ViewController>();
    const std::string kicked = Resources::getInstance().textForKey("ZUNO_youAreKicked");
    const struct {
        std::string name;
        std::vector<std::shared_ptr<ui::ViewController>> stack;
        size_t left;
    } cases[] = {
        {"table on top", {below, table}, 1},
        {"a sheet over the table", {below, table, sheet}, 1},
        {"table already left", {below, sheet}, 2},
    };
    for (const auto& c : cases) {
        navigation = std::make_shared<ui::NavigationController>();
        navigation->setViewControllers(c.stack, false);
        UIController::setOkValue(-1);
        south().onKickedWithRoomId(1, 2, kMe);
        EXPECT_EQ(applied(), (Lines{"leave 4711"})) << c.name;
        sys::RunLoop::main().runFor(1);
        EXPECT_EQ(navigation->viewControllers().size(), c.left) << c.name;
        EXPECT_EQ(navigation->viewControllers().front(), below) << c.name;
        EXPECT_EQ(UIController::okValue(), UIController::okKicked) << c.name;
        EXPECT_EQ(UIController::shownDialogMessage(), kicked) << c.name;
        UIController::closeDialog();
    }
}
