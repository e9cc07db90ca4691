// The Phom table model without views: seats, turns, the fired, eaten and laid rows, menus and endings.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "games/phom/PhomTable.h"
#include "platform/core/Format.h"
#include "shell/UIController.h"

using namespace zuno;

namespace {

constexpr int32_t kMe = 10;
using Row = std::array<int, PhomTable::kFiredRow>;

PlayerPtr player(int32_t id, bool ready = false) {
    auto p = std::make_shared<Player>();
    p->setIDDB(id);
    p->setName(id == -1 ? "" : sys::format("p%d", id));
    p->setIsReady(ready);
    return p;
}

// Players 20, me (10), 30 and 40 in the server's order: seats 0 me, 1 player 30, 2 player 40, 3 player 20.
class PhomTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto me = player(kMe);
        me->setMoney(5000);
        UIController::setMyInfo(me);
        seating.money = 1000;
        seating.ownerID = 20;
        seating.players = {player(20), me, player(30), player(40)};
        seating.seatPlayersFrom(kMe);
    }
    CardTableModel seating;
    PhomTable t{seating};
};

}  // namespace

TEST_F(PhomTableTest, SeatsFollowRoundTheTableFromMe) {
    EXPECT_EQ(seating.seats, (std::array<int, 4>{1, 2, 3, 0}));
    EXPECT_EQ(t.getSeatFromID(kMe), 0);
    EXPECT_EQ(t.getSeatFromID(30), 1);
    EXPECT_EQ(t.getSeatFromID(20), 3);
    EXPECT_EQ(t.getSeatFromID(77), -1);
    EXPECT_EQ(t.getSeatFromID(-1), -1);
}

TEST_F(PhomTableTest, DealMenusAndTheTurnClock) {
    t.start(20, {0, 5, 9, 13, 17, 22, 26, 30, 34}, kMe, kMe, 100);
    EXPECT_EQ(t.menu, PhomMenu::Fire);
    EXPECT_FALSE(t.isDoFire);  // the first card goes with the button
    EXPECT_EQ(seating.dieTime, 120);
    EXPECT_EQ(t.hand.myCards.size(), 9u);
    EXPECT_FALSE(seating.isGameEnd);

    t.start(0, {0, 5, 9, 13, 17, 22, 26, 30, 34}, 30, 30, 100);
    EXPECT_EQ(t.menu, PhomMenu::Wait);
    // A fire with no turn time runs a 30 s turn; the next player (me, row empty) may eat or draw.
    t.onFire(kMe, 30, 44, 0, 200);
    EXPECT_EQ(seating.dieTime, 230);
    EXPECT_EQ(t.menu, PhomMenu::EatOrDraw);
    EXPECT_TRUE(t.isEatCard);
    EXPECT_EQ(t.cardShow[1], (Row{44, -1, -1, -1}));
    EXPECT_EQ(t.cardCurrent, 44);
    EXPECT_EQ(t.currentPlayers, kMe);
    EXPECT_EQ(t.firstPlayer, 30);
}

TEST_F(PhomTableTest, FireEvents) {
    t.start(20, {0, 5, 9, 13, 17, 22, 26, 30, 34, 38}, kMe, kMe, 0);
    // My own fire: the card leaves my hand and the buttons clear.
    t.onFire(30, kMe, 5, 0, 0);
    EXPECT_EQ(t.menu, PhomMenu::Cleared);
    EXPECT_EQ(t.hand.myCards.size(), 9u);
    EXPECT_EQ(t.cardShow[0], (Row{5, -1, -1, -1}));

    // A place outside the row writes no row; the turn moves all the same.
    t.onFire(40, 30, 12, 4, 0);
    t.onFire(40, 30, 13, -1, 0);
    EXPECT_EQ(t.cardShow[1], (Row{-1, -1, -1, -1}));
    EXPECT_EQ(t.currentPlayers, 40);
    EXPECT_EQ(t.cardCurrent, 13);

    // A firer without a seat changes only whose turn the clock runs for.
    t.onFire(20, 77, 14, 0, 0);
    EXPECT_EQ(seating.currentPlayer, 20);
    EXPECT_EQ(t.currentPlayers, 40);

    // With my own row full, no eat or draw is offered.
    t.cardShow[0] = {1, 2, 3, 4};
    t.menu = PhomMenu::Wait;
    t.onFire(kMe, 40, 15, 1, 0);
    EXPECT_EQ(t.menu, PhomMenu::Wait);
}

// e eats what f fired; h lays down first. Rows are by seat: 30 at 1, 40 at 2, 20 at 3.
TEST_F(PhomTableTest, EatCases) {
    const struct {
        std::string name;
        int32_t firer, firstHa;
        std::array<Row, 4> rowsAfter;
        int32_t firstHaAfter;
    } cases[] = {
        {"firer and first lay-down player both seated: h's last card moves into f's slot", 30, 40,
         {Row{-1, -1, -1, -1}, Row{22, -1, -1, -1}, Row{-1, -1, -1, -1}, Row{-1, -1, -1, -1}}, 20},
        {"the firer lays down first: nothing moves", 30, 30,
         {Row{-1, -1, -1, -1}, Row{-1, -1, -1, -1}, Row{22, -1, -1, -1}, Row{-1, -1, -1, -1}}, 20},
        {"no first lay-down player seated: only the eaten card leaves", 30, -1,
         {Row{-1, -1, -1, -1}, Row{-1, -1, -1, -1}, Row{22, -1, -1, -1}, Row{-1, -1, -1, -1}}, 20},
        {"an unseated firer: nothing leaves any row", 77, 40,
         {Row{-1, -1, -1, -1}, Row{11, -1, -1, -1}, Row{22, -1, -1, -1}, Row{-1, -1, -1, -1}}, 40},
    };
    for (const auto& c : cases) {
        t.start(20, {0, 5, 9, 13, 17, 22, 26, 30, 34}, 30, 30, 0);
        t.cardShow[1] = {11, -1, -1, -1};
        t.cardShow[2] = {22, -1, -1, -1};
        t.currentPlayers = 20;  // the eater, at seat 3
        t.firstPlayer = c.firer;
        t.cardCurrent = 11;
        t.firstHa = c.firstHa;
        const auto shown = t.onEatCard(true, 20, 0);
        EXPECT_FALSE(shown.myBubble) << c.name;
        EXPECT_EQ(t.cardShow, c.rowsAfter) << c.name;
        EXPECT_EQ(t.firstHa, c.firstHaAfter) << c.name;
        EXPECT_EQ(t.numCardEat[3], 1) << c.name;
        EXPECT_EQ(t.showCardEat[3][0], 11) << c.name;
    }

    // My eat refused: the server's refusal in my bubble and eat or draw again; an unseated eater: nothing.
    t.currentPlayers = kMe;
    const auto refused = t.onEatCard(false, 20, 0);
    EXPECT_EQ(refused.myBubble, std::string("ZUNO_notPhom"));
    EXPECT_EQ(t.menu, PhomMenu::EatOrDraw);
    t.currentPlayers = 77;
    const auto nobody = t.onEatCard(true, 20, 0);
    EXPECT_FALSE(nobody.myBubble);
}

TEST_F(PhomTableTest, LaidMeldsKeepAGapAndAUEndsTheDeal) {
    t.start(20, {0, 5, 9, 13, 17, 22, 26, 30, 34}, 30, 30, 0);
    PhomLaidCards first;
    first.fill(-1);
    first[0] = 4, first[1] = 5, first[2] = 6;
    t.onHaPhom(true, first, false, 30);
    PhomLaidCards second;
    second.fill(-1);
    second[0] = 40, second[1] = 41, second[2] = 42;
    t.onHaPhom(true, second, false, 30);
    EXPECT_EQ(t.ShowHaPhom[1], (std::array<int, 12>{4, 5, 6, -1, 40, 41, 42, -1, -1, -1, -1, -1}));
    EXPECT_EQ(t.numCardPhom[1], 6);

    const auto refused = t.onHaPhom(false, first, false, kMe);
    EXPECT_EQ(refused.myBubble, std::string("ZUNO_notSamePhom"));

    const auto u = t.onHaPhom(true, first, true, 40);
    EXPECT_TRUE(u.stopped);
    EXPECT_EQ(u.endMarks[2], PhomEndMark::U);
    EXPECT_EQ(t.menu, PhomMenu::Continue);
    EXPECT_TRUE(seating.isGameEnd);
    EXPECT_TRUE(t.isU);
}

TEST_F(PhomTableTest, Endings) {
    PhomLeftoverCards leftovers;
    for (auto& row : leftovers) row.fill(-1);

    // Scores by player index 5, 3, 3, -1: index 1 (me) wins, a player without a score gets no mark.
    t.start(20, {0, 5, 9}, 30, 30, 0);
    auto finished = t.onFinish({5, 3, 3, -1}, leftovers);
    EXPECT_EQ(t.hand.winer, 1);
    EXPECT_EQ(finished.endMarks[0], PhomEndMark::Winner);
    EXPECT_EQ(finished.endMarks[1], PhomEndMark::Loser);  // index 2
    EXPECT_FALSE(finished.endMarks[2]);                  // index 3, no score
    EXPECT_EQ(finished.endMarks[3], PhomEndMark::Loser);  // index 0
    EXPECT_EQ(t.menu, PhomMenu::Continue);

    // Den bai: the last firer pays for all; the winner is kept as an id, apart from the hand's index.
    t.start(20, {0, 5, 9}, 30, 30, 0);
    t.firstPlayer = 40;
    seating.currentPlayer = 30;
    t.onDenBai(30);
    EXPECT_EQ(t.denBai, 2);
    EXPECT_EQ(t.denBaiWinnerId, 30);
    finished = t.onFinish({-1, -1, -1, -1}, leftovers);
    EXPECT_EQ(finished.endMarks[1], PhomEndMark::U);
    EXPECT_EQ(finished.endMarks[2], PhomEndMark::PaysForAll);

    // An instant win: mine.
    t.start(20, {0, 5, 9}, 30, 30, 0);
    t.onOnceWin();
    EXPECT_EQ(t.hand.winer, seating.indexOfMe);
    EXPECT_EQ(t.menu, PhomMenu::Continue);
    t.continueToNextDeal();
    EXPECT_EQ(t.menu, PhomMenu::Idle);
}

TEST_F(PhomTableTest, StartRules) {
    seating.ownerID = kMe;
    const struct {
        std::string name;
        std::vector<bool> othersReady;
        int64_t myMoney;
        PhomTable::Start start;
    } cases[] = {
        {"nobody ready", {false, false, false}, 5000, PhomTable::Start::Nothing},
        {"one not ready", {true, false, true}, 5000, PhomTable::Start::Nothing},
        {"all ready", {true, true, true}, 5000, PhomTable::Start::Send},
        {"all ready, my money below the stake", {true, true, true}, 999, PhomTable::Start::NotEnoughMoney},
        {"my money just covers the stake", {true, true, true}, 1000, PhomTable::Start::Send},
    };
    for (const auto& c : cases) {
        seating.players[0]->setIsReady(c.othersReady[0]);
        seating.players[2]->setIsReady(c.othersReady[1]);
        seating.players[3]->setIsReady(c.othersReady[2]);
        EXPECT_EQ(t.doStartGame(c.myMoney), c.start) << c.name;
    }
}

TEST_F(PhomTableTest, NewPhomRows) {
    // Cards sent onto a laid meld go to the end of the row, which keeps twelve places at the most.
    t.ShowHaPhom[1] = {4, 5, 6, -1, 20, 21, 22, -1, -1, -1, -1, -1};
    t.onAddCardNew(30, {7, 5});
    EXPECT_EQ(t.ShowHaPhom[1], (std::array<int, 12>{4, 6, 20, 21, 22, 7, 5, -1, -1, -1, -1, -1}));
    t.onAddCardNew(30, {40, 41, 42, 43, 44, 45, 46});
    EXPECT_EQ(t.ShowHaPhom[1], (std::array<int, 12>{4, 6, 20, 21, 22, 7, 5, 40, 41, 42, 43, 44}));
    EXPECT_EQ(t.numCardPhom[1], 12);
    t.onAddCardNew(77, {1});  // nobody seated
    EXPECT_EQ(t.ShowHaPhom[1][11], 44);

    // One player's end of deal: its leftovers by player index (11 at most), its score in its own bubble.
    const std::vector<int32_t> many{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
    auto shown = t.onFinishNew(300, many, 30, 13);
    EXPECT_EQ(t.cardRac[2], (std::array<int, 11>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    ASSERT_TRUE(shown.seatBubble);
    EXPECT_EQ(*shown.seatBubble, std::make_pair(1, std::string("300")));
    EXPECT_EQ(t.menu, PhomMenu::Continue);
    t.menu = PhomMenu::Wait;
    shown = t.onFinishNew(5, {1, 2}, 77, 2);  // not at the table
    EXPECT_FALSE(shown.stopped);
    EXPECT_EQ(t.menu, PhomMenu::Wait);

    // A rejoin: rows go to the players named by id; an unknown id's row is skipped.
    PhomFiredCards fired;
    PhomEatenCards eaten;
    for (auto& r : fired) r.fill(-1);
    for (auto& r : eaten) r.fill(-1);
    fired[0][0] = 8;
    fired[1][0] = 9;
    eaten[0][0] = 12;
    t.onPlayingNew(20, 40, 30, fired, eaten, {40, 77, 0, 0});
    EXPECT_EQ(t.cardShow[2], (Row{8, -1, -1, -1}));
    EXPECT_EQ(t.showCardEat[2][0], 12);
    for (int s : {0, 1, 3}) EXPECT_EQ(t.cardShow[static_cast<size_t>(s)], (Row{-1, -1, -1, -1})) << s;
    EXPECT_TRUE(t.notPlay);
    EXPECT_EQ(t.currentPlayers, 40);
}
