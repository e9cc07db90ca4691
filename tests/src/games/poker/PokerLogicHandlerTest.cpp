// The Poker hand-over: which table screen operations each event calls, in order, for the table shown.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "games/poker/PokerLogicHandler.h"
#include "games/poker/PokerTableScreen.h"
#include "platform/core/RunLoop.h"
#include "platform/ui/NavigationController.h"
#include "shell/UIController.h"

using namespace zuno;

namespace {

constexpr int32_t kMe = 4711;
using Lines = std::vector<std::string>;
using Ints = PokerTableEvents::Ints;

template <class List>
std::string list(const List& values) {
    std::string out;
    for (auto v : values) {
        if (!out.empty()) out += ' ';
        out += std::to_string(v);
    }
    return "[" + out + "]";
}

std::string join(std::initializer_list<std::string> parts) {
    std::string out;
    for (const auto& p : parts) out += (out.empty() ? "" : " ") + p;
    return out;
}

std::string n(int32_t v) { return std::to_string(v); }

// The table screen as the handler sees it: each operation, in order, as one line.
class RecordingScreen : public ui::ViewController, public PokerTableEvents {
public:
    RecordingScreen(int8_t room, int8_t board) : room_(room), board_(board) {}
    Lines calls;

    int8_t roomId() const override { return room_; }
    int8_t boardId() const override { return board_; }
    void resetSeat() override { add({"resetSeat"}); }
    void setIsFirstMatch(bool on) override { add({"firstMatch", on ? "yes" : "no"}); }
    void setAtSeat(int8_t seat, TienLenPlayerPtr p) override {
        add({"atSeat", n(seat), n(p->IDDB()), p->isReady() ? "ready" : "-"});
    }
    void onLeaveBoard(int32_t id) override { add({"leaveBoard", n(id)}); }
    void setOwnerWithNewOwner(int32_t id) override { add({"owner", n(id)}); }
    void playerLeaveWithId(int32_t id) override { add({"leave", n(id)}); }
    void removeAllPlayerCard() override { add({"removeCards"}); }
    void onChatFromWithId(int32_t id, const std::optional<std::string>&, const std::string& text) override {
        add({"chat", n(id), text});
    }
    void onBuzzWithContent(const std::string& text) override { add({"buzz", text}); }
    void moveErrorWithInfo(const std::string& info) override { add({"error", info}); }
    void start(int8_t interval, const Cards& cards, int32_t dealer, int32_t small, int32_t big, int32_t money,
               int32_t first, const Ints& antes, const Ints&) override {
        add({"start", n(interval), list(cards), n(dealer), n(small), n(big), n(money), n(first), list(antes)});
    }
    void onBet(int32_t c, int32_t m, int32_t s, int32_t x, const Ints& a) override { paid("bet", c, m, s, x, a); }
    void onRaise(int32_t c, int32_t m, int32_t s, int32_t x, const Ints& a) override { paid("raise", c, m, s, x, a); }
    void onCall(int32_t c, int32_t m, int32_t s, int32_t x, const Ints& a) override { paid("call", c, m, s, x, a); }
    void onAllIn(int32_t c, int32_t m, int32_t s, int32_t x, const Ints& a) override { paid("allIn", c, m, s, x, a); }
    void onCheck(int32_t c, int32_t x, const Ints& a) override { add({"check", n(c), n(x), list(a)}); }
    void onFold(int32_t c, int32_t s, int32_t x, const Ints& a) override { add({"fold", n(c), n(s), n(x), list(a)}); }
    void onFlop(int32_t c, const Cards& cards, int32_t len, const Ints& pot) override {
        add({"flop", n(c), list(cards), n(len), list(pot)});
    }
    void onTurn(int32_t c, int8_t card, int32_t len, const Ints& pot) override {
        add({"turn", n(c), n(card), n(len), list(pot)});
    }
    void onRiver(int32_t c, int8_t card, int32_t len, const Ints& pot) override {
        add({"river", n(c), n(card), n(len), list(pot)});
    }
    void onStack(int32_t id, int32_t stack) override { add({"stack", n(id), n(stack)}); }
    void onPlaying(int32_t id, int32_t len, const Cards& cards, const Ints& users, const Ints& stacks,
                   const Ints& odd) override {
        add({"playing", n(id), n(len), list(cards), list(users), list(stacks), list(odd)});
    }
    void onShowdown(int32_t exp, const std::string& decs, int32_t winner, int32_t money, int32_t stack,
                    const Cards& cards) override {
        add({"showdown", n(exp), decs, n(winner), n(money), n(stack), list(cards)});
    }
    void onJoinBoard(const Ints& ids, const Ints& stacks) override { add({"joinBoard", list(ids), list(stacks)}); }
    void onSelfResult(const std::string& hand, const Cards& cards) override { add({"self", hand, list(cards)}); }
    void onLastPot(const Ints& pot) override { add({"lastPot", list(pot)}); }
    void onObserver(int32_t id) override { add({"observer", n(id)}); }
    void onFullBoard() override { add({"fullBoard"}); }
    void onSit(int32_t id, int8_t seat) override { add({"sit", n(id), n(seat)}); }
    void onStandUp(int32_t id, int32_t next, int8_t seat, const Ints& a) override {
        add({"standUp", n(id), n(next), n(seat), list(a)});
    }
    void onOverMoney(int32_t id) override { add({"overMoney", n(id)}); }
    void onResult(const Ints& ids, const Ints& stacks) override { add({"result", list(ids), list(stacks)}); }
    void onStopGame() override { add({"stop"}); }

private:
    void add(std::initializer_list<std::string> parts) { calls.push_back(join(parts)); }
    void paid(const char* what, int32_t c, int32_t m, int32_t s, int32_t x, const Ints& a) {
        add({what, n(c), n(m), n(s), n(x), list(a)});
    }
    int8_t room_, board_;
};

class PokerLogicHandlerTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto me = std::make_shared<TienLenPlayer>();
        me->setIDDB(kMe);
        UIController::setMyInfo(me);
        logic().setScreenAccess({[this] { return table; }, nullptr, [this] { return navigation; }});
    }
    void TearDown() override {
        logic().setScreenAccess({});
        UIController::closeDialog();
    }

    Lines applied() {
        sys::RunLoop::main().runFor(0);
        Lines out = table->calls;
        table->calls.clear();
        return out;
    }

    static PokerLogicHandler& logic() { return *PokerLogicHandler::getInstance(); }

    // Room 130 and table 200 arrive as negative bytes.
    static constexpr int8_t kRoom = static_cast<int8_t>(130), kBoard = static_cast<int8_t>(200);
    std::shared_ptr<RecordingScreen> table = std::make_shared<RecordingScreen>(kRoom, kBoard);
    std::shared_ptr<ui::NavigationController> navigation;
};

}  // namespace

// Every table event, for the table shown and for the next table of the room.
TEST_F(PokerLogicHandlerTest, TableEventsApplyOnlyToTheTableShown) {
    const struct {
        std::function<void(PokerLogicHandler&, int8_t board)> event;
        std::string line;
    } cases[] = {
        {[](auto& h, int8_t b) { h.onStartGameWithRoomId(kRoom, b, 30, {4, 9}, 1, 2, 3, 50, 1, {2}, {}); },
         "start 30 [4 9] 1 2 3 50 1 [2]"},
        {[](auto& h, int8_t b) { h.onStopGameWithRoomID(kRoom, b); }, "stop"},
        {[](auto& h, int8_t b) { h.onMoveErrorWithRoomeId(kRoom, b, "too little"); }, "error too little"},
        {[](auto& h, int8_t b) { h.onBetWithRoomId(kRoom, b, 1, 200, 800, 2, {3, 5}); }, "bet 1 200 800 2 [3 5]"},
        {[](auto& h, int8_t b) { h.onRaiseWithRoomId(kRoom, b, 1, 400, 600, 2, {}); }, "raise 1 400 600 2 []"},
        {[](auto& h, int8_t b) { h.onCallWithRoomId(kRoom, b, 1, 400, 600, 2, {4}); }, "call 1 400 600 2 [4]"},
        {[](auto& h, int8_t b) { h.onAllInWithRoomId(kRoom, b, 1, 900, 0, 2, {3}); }, "allIn 1 900 0 2 [3]"},
        {[](auto& h, int8_t b) { h.onCheckWithRoomId(kRoom, b, 1, 2, {4}); }, "check 1 2 [4]"},
        {[](auto& h, int8_t b) { h.onFoldWithRoomId(kRoom, b, 1, 700, 2, {5}); }, "fold 1 700 2 [5]"},
        {[](auto& h, int8_t b) { h.onFlopWithRoomId(kRoom, b, 2, {1, 2, 3}, 1, {300}); }, "flop 2 [1 2 3] 1 [300]"},
        {[](auto& h, int8_t b) { h.onTurnWithRoomId(kRoom, b, 2, 7, 2, {300, 50}); }, "turn 2 7 2 [300 50]"},
        {[](auto& h, int8_t b) { h.onRiverWithRoomId(kRoom, b, 2, -1, 1, {300}); }, "river 2 -1 1 [300]"},
        {[](auto& h, int8_t b) { h.onStackWithRoomId(kRoom, b, 2, 1200); }, "stack 2 1200"},
        {[](auto& h, int8_t b) { h.onPlayingWithRoomId(kRoom, b, 2, 3, {1, 2, 3}, {2}, {900}, {100}); },
         "playing 2 3 [1 2 3] [2] [900] [100]"},
        {[](auto& h, int8_t b) { h.onShowdownWithRoomId(kRoom, b, 5, "FLUS", 2, 0, 1500, {1, 5}); },
         "showdown 5 FLUS 2 0 1500 [1 5]"},
        {[](auto& h, int8_t b) { h.onJoinBoardtWithRoomId(kRoom, b, {1, 2}, {500, 600}); }, "joinBoard [1 2] [500 600]"},
        {[](auto& h, int8_t b) { h.onSelfResultWithRoomId(kRoom, b, "ONE PAIR", {4, 5}); }, "self ONE PAIR [4 5]"},
        {[](auto& h, int8_t b) { h.onLastPotWithRoomId(kRoom, b, {100, 20}); }, "lastPot [100 20]"},
        {[](auto& h, int8_t b) { h.onObserverWithRoomId(kRoom, b, 2); }, "observer 2"},
        {[](auto& h, int8_t b) { h.onFullBoardWithRoomId(kRoom, b); }, "fullBoard"},
        {[](auto& h, int8_t b) { h.onSitWithRoomId(kRoom, b, 2, 8); }, "sit 2 8"},
        {[](auto& h, int8_t b) { h.onStandUpWithRoomId(kRoom, b, 2, 3, 8, {4}); }, "standUp 2 3 8 [4]"},
        {[](auto& h, int8_t b) { h.onOverMoneyWithRoomId(kRoom, b, 2); }, "overMoney 2"},
        {[](auto& h, int8_t b) { h.onResultWithRoomId(kRoom, b, {2, -1}, {1500, 0}); }, "result [2 -1] [1500 0]"},
        {[](auto& h, int8_t b) { h.onChatFromBoardWithRoomId(kRoom, b, "hi", 7); }, "chat 7 hi"},
        {[](auto& h, int8_t b) { h.onKickedWithRoomId(kRoom, b, 7); }, "leave 7"},
    };
    for (const auto& c : cases) {
        c.event(logic(), static_cast<int8_t>(kBoard + 1));
        EXPECT_EQ(applied(), Lines{}) << c.line;
        c.event(logic(), kBoard);
        Lines got = applied();
        ASSERT_FALSE(got.empty()) << c.line;
        EXPECT_EQ(got.front(), c.line);
    }
}

TEST_F(PokerLogicHandlerTest, BettingEventsArriveInOrder) {
    logic().onRaiseWithRoomId(kRoom, kBoard, 1, 400, 600, 2, {5, 3});
    logic().onFoldWithRoomId(kRoom, kBoard, 2, 900, 1, {});
    EXPECT_EQ(applied(), (Lines{"raise 1 400 600 2 [5 3]", "fold 2 900 1 []"}));
}

TEST_F(PokerLogicHandlerTest, SeatsTakenAndLeftAndTheDepartureBeforeTheNextMessage) {
    auto joiner = std::make_shared<TienLenPlayer>();
    joiner->setIDDB(9);
    joiner->setIsReady(true);
    logic().onSomeOneJoinBoardWithSeat(4, joiner);
    EXPECT_EQ(applied(), (Lines{"firstMatch yes", "atSeat 4 9 -", "resetSeat"}));
    // Applied before the call returns (here, on the loop's own thread).
    logic().onSomeOneLeaveBoardWithIdLeave(9, 7);
    EXPECT_EQ(table->calls, (Lines{"leaveBoard 9", "owner 7", "resetSeat"}));
}

TEST_F(PokerLogicHandlerTest, KickOfAnotherRefreshesTheSeatsMineLeavesBelowTheTable) {
    logic().onKickedWithRoomId(kRoom, kBoard, 7);
    EXPECT_EQ(applied(), (Lines{"leave 7", "resetSeat"}));

    auto below = std::make_shared<ui::ViewController>();
    auto sheet = std::make_shared<ui::ViewController>();
    navigation = std::make_shared<ui::NavigationController>();
    navigation->setViewControllers({below, table, sheet}, false);
    UIController::setOkValue(-1);
    logic().onKickedWithRoomId(kRoom, kBoard, kMe);
    EXPECT_EQ(applied(), (Lines{"leave 4711", "removeCards"}));
    ASSERT_EQ(navigation->viewControllers().size(), 1u);
    EXPECT_EQ(navigation->viewControllers().front(), below);
    EXPECT_EQ(UIController::okValue(), UIController::okKicked);
}
