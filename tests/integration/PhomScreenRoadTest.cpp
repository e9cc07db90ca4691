// Phom and new Phom deals in the desktop program, headless, against the stand-in's robots; the layout
// is checked at every state a deal goes through (each settle()).
// Phom, reached by the robot's invitation from the main menu. At An's table: ready, the deal, an eat
// of cards that do not meld refused in my bubble with eat and draw offered again, my kings eaten, draws
// and fires by the buttons, An at my left eating Binh's queen and laying his queens down by his seat,
// the lay-down offered on my fourth turn, the finish with its marks and continue; a turn run out with
// the lay-down showing, one run out after a draw and one before it (by my clock and by the stand-in's),
// which the server plays out for me; a lay-down with nothing to lay, answered at once, and the fire
// after it. At my own table: my start deals and I open with ten cards.
// New Phom, reached from the game list: the room and table lists, a table with the robots, ready and
// An's start, the arranged hand reported, an eat the server refuses with its text in my bubble, my kings
// eaten, a fire by dragging, draws, An's queens eaten and laid down, the lay-down, my fourth king sent
// onto my laid kings, stop sending, the finish, continue and the next deal; a turn run out after a draw
// and one before it, played out by the server; a lay-down with nothing to lay, answered at once. At an
// empty table of my own I open with the deal's ten cards.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "games/phom/PhomNewView.h"
#include "games/phom/PhomRequestBytes.h"
#include "games/phom/PhomView.h"
#include "platform/core/RunLoop.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/TableView.h"
#include "platform/ui/Window.h"
#include "screens/BoardView.h"
#include "screens/GameView.h"
#include "screens/MainView.h"
#include "screens/RoomView.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "shell/ZunoOnlineAppDelegate.h"
#include "standin-server/StandinPhom.h"
#include "standin-server/StandinPhomJudge.h"
#include "standin-server/StandinRobotTables.h"
#include "support/AceLowCards.h"
#include "support/AlertButtons.h"
#include "support/ProgramRoadTest.h"
#include "support/TableListTiles.h"
#include "support/ViewTexts.h"

using namespace zuno;
using namespace zuno::standin;
using zuno::testing::aceLowCard;
using zuno::testing::aceLowCards;
using zuno::testing::answerAlert;
using zuno::testing::collectTexts;

namespace {

constexpr int32_t kMe = 4711;

std::string text(const char* key) { return Resources::getInstance().textForKey(key); }

// What both games' roads do at the table.
class PhomRoad : public zuno::testing::ProgramRoadTest {
protected:
    static StandinRobotTables::Options robotOptions(uint8_t turnSeconds, double invitationDelay) {
        StandinRobotTables::Options options;
        options.invitationDelay = invitationDelay;
        options.robotDelay = 0;
        options.seed = 7;
        options.turnSeconds = turnSeconds;  // 120: no clock runs my turn out while the test looks
        return options;
    }
    void waitForBinh() {
        ASSERT_TRUE(table);
        ASSERT_TRUE(pump([&] {
            auto binh = table->table().playerAtSeat(table->getSeatFromID(StandinRobotTables::kRobotId));
            return binh && binh->isReady();
        }));
        settle();
    }
    // The stand-in's answer, with the program's clocks standing still: my turn's clock does not run on.
    static bool answered(const std::function<bool()>& condition) {
        sys::RunLoop::main().runFor(0);
        return condition();
    }
    static std::string title(const std::shared_ptr<ui::Button>& button) {
        return button->isHidden() ? std::string() : button->titleForState(ui::ControlState::Normal).value_or("");
    }
    std::string bubbleText(int bubble) const {
        std::string out;
        if (auto view = table->bubble(bubble); view && !view->isHidden()) collectTexts(*view, out);
        return out;
    }
    static std::shared_ptr<ui::Window> window() { return ZunoOnlineAppDelegate::current()->window; }
    // The part of a hand card the bottom bar leaves uncovered.
    std::optional<ui::Point> cardPoint(int8_t id) const {
        for (const auto& sprite : table->handSprites())
            if (sprite->cardID == id) return sprite->convertPointToView({30, 20}, window().get());
        return std::nullopt;
    }
    void tapCard(int8_t id) {
        auto point = cardPoint(id);
        ASSERT_TRUE(point) << "no card " << int{id} << " in my hand";
        window()->tap(*point);
    }
    // My first card outside a meld.
    int8_t firstFreeCard() const {
        for (const auto& sprite : table->handSprites())
            if (sprite->phom == 0) return sprite->cardID;
        return -1;
    }
    // Every bubble of the table says a long line at once.
    void everyoneTalks() {
        everyBubbleSaysALongLine(*table->view(), {0, 1, 2, 3, PhomView::kCentre},
                                 [&](int bubble, const std::string& line) { table->showChatWithSeat(bubble, line); });
    }
    // My turn's draw or eat is offered.
    bool myTakingTurn() const { return title(table->btnStart) == text("ZUNO_eat"); }
    // An at my left ate Binh's queen of diamonds with his other two and laid the three down on his
    // fourth turn, before mine: the eaten queen lies among his laid cards by his seat, where each
    // settled step's layout check sees that no card lies on his name or money.
    void expectAnsQueensLaid() const {
        const int an = table->getSeatFromID(StandinRobotTables::kOwnerId);
        ASSERT_EQ(an, 3);
        EXPECT_EQ(table->phom().numCardEat[static_cast<size_t>(an)], 1);
        EXPECT_TRUE(table->eatenSprites(an).empty());
        std::vector<int8_t> laid;
        for (const auto& card : table->laidSprites(an)) laid.push_back(card->cardID);
        std::sort(laid.begin(), laid.end());
        EXPECT_EQ(laid, aceLowCards("QS QD QH"));
    }
    // An opens with the king of diamonds and I hold the kings of spades and clubs; An holds two queens
    // for the one Binh fires first: the deal started, up to my first turn.
    void dealTheKingsUntilMyTurn() {
        phom->setNextDeal({aceLowCards("QS QH 5D 7H 9S JC KD 2H 4S"), aceLowCards("KS KC 2C 6D 8H TS QC 3D 5H"),
                           aceLowCards("2S 4C 6H 8D TC QD AH 3H 9D")},
                          aceLowCards("7C 7D JS JD 4D 6C 8C TD 3C AC 9C 5C"));
        tap(*table->btnStart);
        ASSERT_TRUE(pump([&] { return myTakingTurn(); }));
        settle();
    }
    // Nothing of mine melds, whatever I draw: my hand and the stock hold no three of a rank and no three
    // of a suit in a row. An opens; the deal started, up to my first turn.
    void dealNothingToLayUntilMyTurn() {
        phom->setNextDeal({aceLowCards("AC 3C 5C 7C 9C JC 2D 6S QH"), aceLowCards("AS 2S 5S 8S JS 4H 7H TH 3D"),
                           aceLowCards("2C 4C 6C 8C TC QC AD 3S 9H")},
                          aceLowCards("KS 4S 7S TS AH 2H 5H 8H JH KH 6D 9D QD"));
        tap(*table->btnStart);
        ASSERT_TRUE(pump([&] { return myTakingTurn(); }));
        settle();
    }
    // I draw on each turn and fire (the button titled by the fire key) until a draw offers the lay-down,
    // on my fourth turn.
    void drawAndFireUntilTheLayDown(const char* fireKey) {
        for (int turn = 1; turn <= StandinPhom::kTurns; ++turn) {
            ASSERT_TRUE(pump([&] { return myTakingTurn(); })) << turn;
            settle();
            tap(*table->btnConfig);
            ASSERT_TRUE(pump([&] {
                return title(table->btnStart) == text(fireKey) || title(table->btnStart) == text("ZUNO_haPhom");
            }));
            settle();
            if (title(table->btnStart) == text("ZUNO_haPhom")) return;
            tapCard(firstFreeCard());
            tap(*table->btnStart);
            settle();
        }
        FAIL() << "no lay-down offered";
    }
    // My lay-down with nothing to lay is answered at once (the clocks stand still meanwhile): nothing
    // laid by my seat, my ten cards still in my hand, and the turn goes on.
    void layDownNothing(const std::function<bool()>& answeredWhen) {
        ASSERT_EQ(title(table->btnStart), text("ZUNO_haPhom"));
        ASSERT_TRUE(StandinPhomJudge::melds(phom->handOf(kMe)).empty());
        tap(*table->btnStart);
        ASSERT_TRUE(answered(answeredWhen)) << "the lay-down was not answered";
        EXPECT_TRUE(table->phom().isHaPhom);
        EXPECT_TRUE(table->laidSprites(0).empty());
        EXPECT_EQ(table->handSprites().size(), 10u);
        settle();
    }
    // I fire my first free card with the button, and the deal runs to its finish.
    void fireToTheFinish() {
        tapCard(firstFreeCard());
        tap(*table->btnStart);
        ASSERT_TRUE(pump([&] { return title(table->btnStart) == text("ZUNO_continuee"); }));
        settle();
    }

    // My turn played out for me: my highest free card, the king of clubs, lies in my row on the table
    // and my hand is back to nine.
    void expectMyKingOfClubsFired() {
        ASSERT_NO_FATAL_FAILURE(expectMyKingOfClubsShown());
        EXPECT_EQ(phom->handOf(kMe).size(), 9u);
    }
    // The same as the table shows it (the stand-in's lock not taken).
    void expectMyKingOfClubsShown() {
        ASSERT_TRUE(pump([&] { return table->firedSprites(0).size() == 1; }));
        settle();
        EXPECT_EQ(table->firedSprites(0).front()->cardID, aceLowCard("KC"));
        EXPECT_EQ(table->handSprites().size(), 9u);
        EXPECT_FALSE(cardPoint(aceLowCard("KC")));
    }

    // My turn ran out before I took a card and was played out for me: the seven of diamonds drawn and
    // my king of clubs fired; my eat and draw are no longer offered, and the table shows Binh's turn.
    // The caller holds the robots' turns, so that Binh waits while it looks.
    void expectPlayedOutBeforeADraw() {
        ASSERT_NO_FATAL_FAILURE(expectMyKingOfClubsShown());
        EXPECT_TRUE(cardPoint(aceLowCard("7D")));
        EXPECT_FALSE(myTakingTurn());
        EXPECT_NE(title(table->btnConfig), text("ZUNO_get"));
        EXPECT_EQ(table->phom().currentPlayers, StandinRobotTables::kRobotId);
        const std::shared_ptr<ui::Label> names[] = {table->lblName0, table->lblName1, table->lblName2,
                                                    table->lblName3};
        const int binh = table->getSeatFromID(StandinRobotTables::kRobotId);
        ASSERT_GT(binh, 0);
        EXPECT_EQ(names[binh]->textColor(), ui::Color::green());
        EXPECT_EQ(names[0]->textColor(), ui::Color::white());
    }
    // The stand-in's clock runs my turn out now, before I took a card; Binh is held while the test
    // looks at the table.
    void runOutMyTurnBeforeADraw() {
        {
            const HeldRobotTurns held(robots.get());
            ASSERT_TRUE(robots->runOutPlayerTurn());
            ASSERT_NO_FATAL_FAILURE(expectPlayedOutBeforeADraw());
        }
        EXPECT_EQ(phom->handOf(kMe).size(), 9u);
    }
    // I open the deal: ten cards in my hand, dealt and laid out 39 pt apart, the stand-in's hand of
    // mine, and the fire button (its title is the game's).
    void expectMyOpeningHand(const char* fireKey) {
        ASSERT_TRUE(pump([&] { return table->handSprites().size() == 10u && !table->isDealing(); }));
        settle();
        std::vector<int8_t> shown;
        for (const auto& sprite : table->handSprites()) {
            EXPECT_FALSE(sprite->isHidden()) << int{sprite->cardID};
            shown.push_back(sprite->cardID);
        }
        for (size_t k = 1; k < shown.size(); ++k)
            EXPECT_EQ(table->handSprites()[k]->center().x - table->handSprites()[k - 1]->center().x, 39);
        std::vector<int8_t> held = phom->handOf(kMe);
        std::sort(shown.begin(), shown.end());
        EXPECT_EQ(shown, held);
        EXPECT_EQ(title(table->btnStart), text(fireKey));
    }

    std::shared_ptr<StandinPhom> phom;
    std::shared_ptr<PhomView> table;
};

class PhomScreenRoadTest : public PhomRoad {
protected:
    void start(StandinTableKind kind, uint8_t turnSeconds = 120) {
        ASSERT_NO_FATAL_FAILURE(startStandin());
        signIn->addAccount({"lan", "hoa sen", kMe, 500000, 12, 250});
        robots = StandinRobotTables::installOn(server, signIn, nullptr, robotOptions(turnSeconds, 1));
        phom = StandinPhom::addTo(*robots);
        robots->setNextInvitation(7, kind);
        ASSERT_NO_FATAL_FAILURE(launchProgram("phom-road"));
        UIController::setInviting(true);
        settle();
        signInFromTheLoginScreen("lan", "hoa sen");
        ASSERT_TRUE(pump([] { return dialogText() == StandinPhom::kInvitation; })) << dialogText();
        answerAlert(true);
        table = waitForTop<PhomView>();
        waitForBinh();
    }

    static std::string dialogText() { return UIController::shownDialogMessage().value_or(""); }
    // Fires my first card outside a meld with the button.
    void fireAFreeCard() {
        const int8_t card = firstFreeCard();
        ASSERT_NE(card, -1);
        tapCard(card);
        ASSERT_EQ(title(table->btnStart), text("ZUNO_fire"));
        tap(*table->btnStart);
    }
};

class PhomNewScreenRoadTest : public PhomRoad {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(startStandin());
        signIn->addAccount({"lan", "hoa sen", kMe, 500000, 12, 250});
        // No invitation: the game list leads to the table.
        robots = StandinRobotTables::installOn(server, signIn, lists, robotOptions(120, 3600));
        phom = StandinPhom::addNewTo(*robots);
        ASSERT_NO_FATAL_FAILURE(launchProgram("phomnew-road"));
        settle();
    }
    PhomNewView& newTable() const { return static_cast<PhomNewView&>(*table); }
    // From the main menu through the game list, a room and the table list to a table with the robots.
    void openATable() {
        signInFromTheLoginScreen("lan", "hoa sen");
        auto menu = waitForTop<MainView>();
        ASSERT_TRUE(menu);
        tap(*menu->btnPlayGames);
        auto games = waitForTop<GameView>();
        ASSERT_TRUE(games);
        tap(*games->viewPhomMoi);
        auto rooms = waitForTop<RoomView>();
        ASSERT_TRUE(rooms);
        ASSERT_TRUE(pump([&] { return rooms->tableView()->numberOfSections() > 0; }));
        EXPECT_EQ(UIController::gameType(), 13);
        rooms->didSelectRowAtIndexPath(*rooms->tableView(), {0, 0});
        auto tables = waitForTop<BoardView>();
        ASSERT_TRUE(tables);
        ASSERT_TRUE(pump([&] { return !tables->listBoard.empty(); }));
        settle();
        auto tile = zuno::testing::tableButton(*tables, 0);
        ASSERT_TRUE(tile);
        tile->sendActionsForControlEvents(ui::ControlEvent::TouchDown);
        tile->sendActionsForControlEvents(ui::ControlEvent::TouchUpInside);
        table = waitForTop<PhomNewView>();
        ASSERT_NO_FATAL_FAILURE(waitForBinh());
    }
    void dragToFire(int8_t id) {
        auto point = cardPoint(id);
        ASSERT_TRUE(point);
        window()->drag(*point, {point->x, point->y - 120}, 6);
    }
};

}  // namespace

TEST_F(PhomScreenRoadTest, ARefusedEatMyKingsEatenALayDownAndTheFinish) {
    ASSERT_NO_FATAL_FAILURE(start(StandinTableKind::Robots));
    ASSERT_EQ(title(table->btnStart), text("ZUNO_ready"));
    everyoneTalks();
    ASSERT_NO_FATAL_FAILURE(dealTheKingsUntilMyTurn());
    EXPECT_EQ(table->handSprites().size(), 9u);
    EXPECT_EQ(title(table->btnConfig), text("ZUNO_get"));
    everyoneTalks();

    // Two cards that do not meld with the king: refused in my bubble, eat and draw offered again.
    tapCard(aceLowCard("2C"));
    tapCard(aceLowCard("6D"));
    tap(*table->btnStart);
    ASSERT_TRUE(pump([&] { return bubbleText(4).find(text("ZUNO_notPhom")) != std::string::npos; })) << bubbleText(4);
    EXPECT_TRUE(myTakingTurn());
    settle();

    tapCard(aceLowCard("KS"));
    tapCard(aceLowCard("KC"));
    tap(*table->btnStart);
    ASSERT_TRUE(pump([&] { return title(table->btnStart) == text("ZUNO_fire"); }));
    EXPECT_EQ(table->phom().numCardEat[0], 1);
    settle();
    ASSERT_NO_FATAL_FAILURE(fireAFreeCard());
    settle();  // the robots' turns

    // Then draw and fire each turn; the fourth offers the lay-down of my kings.
    bool laid = false;
    for (int turn = 1; turn < 4; ++turn) {
        ASSERT_TRUE(pump([&] { return myTakingTurn() || table->phom().finish; }));
        if (table->phom().finish) break;
        settle();
        tap(*table->btnConfig);
        ASSERT_TRUE(pump([&] {
            return title(table->btnStart) == text("ZUNO_fire") || title(table->btnStart) == text("ZUNO_haPhom");
        }));
        settle();
        if (title(table->btnStart) == text("ZUNO_haPhom")) {
            expectAnsQueensLaid();
            tap(*table->btnStart);
            ASSERT_TRUE(pump([&] { return table->phom().isHaPhom; }));
            laid = true;
            EXPECT_GE(table->laidSprites(0).size(), 3u);  // my kings, and what my draws melded
            ASSERT_TRUE(pump([&] { return title(table->btnStart) == text("ZUNO_fire"); }));
            settle();
        }
        ASSERT_NO_FATAL_FAILURE(fireAFreeCard());
        settle();
    }
    EXPECT_TRUE(laid);
    ASSERT_TRUE(pump([&] { return title(table->btnStart) == text("ZUNO_continuee"); }));
    settle();
    int marks = 0;
    for (const auto& mark : {table->imgEnd0, table->imgEnd1, table->imgEnd2, table->imgEnd3})
        marks += mark && !mark->isHidden();
    EXPECT_EQ(marks, 3);
    everyoneTalks();

    tap(*table->btnStart);
    settle();
    EXPECT_TRUE(table->handSprites().empty());
    EXPECT_TRUE(pump([&] { return title(table->btnStart) == text("ZUNO_ready"); }));
    settle();
}

// Ten-second turns: on my fourth turn I leave the lay-down button alone; the table lays down for me two
// seconds before the end and passes nothing for me after: the stand-in's clock ends the turn.
TEST_F(PhomScreenRoadTest, MyTurnRunsOutWithTheLayDownShowing) {
    ASSERT_NO_FATAL_FAILURE(start(StandinTableKind::Robots, 10));
    ASSERT_NO_FATAL_FAILURE(dealTheKingsUntilMyTurn());
    tapCard(aceLowCard("KS"));
    tapCard(aceLowCard("KC"));
    tap(*table->btnStart);
    ASSERT_TRUE(answered([&] { return title(table->btnStart) == text("ZUNO_fire"); }));
    ASSERT_NO_FATAL_FAILURE(fireAFreeCard());
    for (int turn = 1; turn < 4; ++turn) {
        ASSERT_TRUE(pump([&] { return myTakingTurn(); }));
        tap(*table->btnConfig);
        ASSERT_TRUE(answered([&] {
            return title(table->btnStart) == text("ZUNO_fire") || title(table->btnStart) == text("ZUNO_haPhom");
        }));
        if (title(table->btnStart) == text("ZUNO_haPhom")) break;
        ASSERT_NO_FATAL_FAILURE(fireAFreeCard());
    }
    ASSERT_EQ(title(table->btnStart), text("ZUNO_haPhom"));
    const int64_t end = table->table().dieTime;
    // My clock lays down for me and stops.
    ASSERT_TRUE(pump([&] { return !table->isTurnClockRunning(); }));
    ASSERT_TRUE(answered([&] { return table->phom().isHaPhom; }));
    EXPECT_GE(GameCardView::clockSeconds(), end - 2);
    EXPECT_LE(GameCardView::clockSeconds(), end - 1);
    const auto taken = [&] { return robots->locked([&] { return robots->playerRequestsTaken(); }); };
    const int layDown = taken();
    ASSERT_TRUE(pump([&] { return robots->locked([&] { return robots->lastPlayerTurnRunOut().has_value(); }); }));
    EXPECT_EQ(robots->locked([&] { return robots->lastPlayerTurnRunOut()->requestsTaken; }), layDown)
        << "my clock sent a request after laying down for me";
    EXPECT_GE(GameCardView::clockSeconds(), end);
}

// Ten-second turns on my clock: on my first turn I draw and let the time run out. My clock's skip has
// the server play the turn out: my highest free card, the king of clubs, is fired for me and lies in
// my row on the table, and my hand is back to nine.
TEST_F(PhomScreenRoadTest, MyTurnRunsOutAfterADraw) {
    ASSERT_NO_FATAL_FAILURE(start(StandinTableKind::Robots, 10));
    ASSERT_NO_FATAL_FAILURE(dealTheKingsUntilMyTurn());
    tap(*table->btnConfig);
    ASSERT_TRUE(answered([&] { return title(table->btnStart) == text("ZUNO_fire"); }));
    EXPECT_EQ(table->handSprites().size(), 10u);
    ASSERT_NO_FATAL_FAILURE(expectMyKingOfClubsFired());
}

// Ten-second turns on my clock: on my first turn I neither eat nor draw, and my clock's skip has the
// server play the turn out. The test holds Binh's turn while it looks.
TEST_F(PhomScreenRoadTest, MyTurnRunsOutBeforeADrawByMyClock) {
    ASSERT_NO_FATAL_FAILURE(start(StandinTableKind::Robots, 10));
    ASSERT_NO_FATAL_FAILURE(dealTheKingsUntilMyTurn());
    {
        const HeldRobotTurns held(robots.get());
        ASSERT_TRUE(pump([&] { return table->firedSprites(0).size() == 1; }));
        ASSERT_NO_FATAL_FAILURE(expectPlayedOutBeforeADraw());
    }
    EXPECT_EQ(phom->handOf(kMe).size(), 9u);
}

// I leave the deal on my own turn: An's next Phom table shows nothing of that turn.
TEST_F(PhomScreenRoadTest, ILeaveOnMyTurn) {
    ASSERT_NO_FATAL_FAILURE(start(StandinTableKind::Robots));
    ASSERT_NO_FATAL_FAILURE(dealTheKingsUntilMyTurn());
    ASSERT_NO_FATAL_FAILURE(leaveAndJoinTheNext(table, 7, StandinTableKind::Robots));
}

// The same turn run out by the stand-in's clock (here when the test says, holding Binh meanwhile); then
// I leave in the middle of the deal, and nothing of the table follows me.
TEST_F(PhomScreenRoadTest, MyTurnRunsOutBeforeADrawByTheStandinsClock) {
    ASSERT_NO_FATAL_FAILURE(start(StandinTableKind::Robots));
    ASSERT_NO_FATAL_FAILURE(dealTheKingsUntilMyTurn());
    ASSERT_NO_FATAL_FAILURE(runOutMyTurnBeforeADraw());
    ASSERT_NO_FATAL_FAILURE(leave(table));
}

// On my fourth turn nothing of mine melds: Lay down is answered at once with nothing laid, the fire
// follows, and the deal goes on to its finish.
TEST_F(PhomScreenRoadTest, ALayDownWithNothingToLay) {
    ASSERT_NO_FATAL_FAILURE(start(StandinTableKind::Robots));
    ASSERT_NO_FATAL_FAILURE(dealNothingToLayUntilMyTurn());
    ASSERT_NO_FATAL_FAILURE(drawAndFireUntilTheLayDown("ZUNO_fire"));
    ASSERT_NO_FATAL_FAILURE(layDownNothing([&] { return title(table->btnStart) == text("ZUNO_fire"); }));
    ASSERT_NO_FATAL_FAILURE(fireToTheFinish());
}

// At my own table I open: the deal's nine cards and the tenth drawn for me right after, in my hand
// once the deal is dealt, with the fire button. My first turn, a fire, runs out untouched, and so does
// my next, before I draw or eat.
TEST_F(PhomScreenRoadTest, AsOwnerIStartADeal) {
    ASSERT_NO_FATAL_FAILURE(start(StandinTableKind::Empty));
    ASSERT_EQ(table->ownerID(), kMe);
    ASSERT_EQ(title(table->btnStart), text("ZUNO_start"));
    tap(*table->btnStart);
    // The tenth card comes while the deal is being dealt: it shows only once dealt, on my hand's row.
    ASSERT_TRUE(pump([&] { return table->handSprites().size() == 10u; }));
    for (const auto& sprite : table->handSprites()) {
        if (!sprite->isHidden()) {
            EXPECT_EQ(sprite->center().y, PhomView::kHandY) << int{sprite->cardID};
        }
    }
    ASSERT_NO_FATAL_FAILURE(expectMyOpeningHand("ZUNO_fire"));
    EXPECT_EQ(phom->dealCount(), 1);

    ASSERT_TRUE(pump([&] { return table->currentPlayer() == kMe && !table->isDealing(); }));
    settle();
    ASSERT_NO_FATAL_FAILURE(letMyTurnRunOut());
    ASSERT_TRUE(pump([&] { return myTakingTurn(); }));
    settle();
    ASSERT_NO_FATAL_FAILURE(letMyTurnRunOut());
}

// From the game list to a table, a deal played through its lay-down and sent cards, and the next deal,
// whose first turn of mine runs out untouched.
TEST_F(PhomNewScreenRoadTest, FromTheGameListThroughADealToTheNext) {
    ASSERT_NO_FATAL_FAILURE(openATable());

    // An opens with the king of diamonds; I hold the other three kings, An two queens.
    phom->setNextDeal({aceLowCards("QS QH 5D 7H 9S JC KD 2H 4S"), aceLowCards("KS KC KH 2C 6D 8H TS QC 3D"),
                       aceLowCards("2S 4C 6H 8D TC QD AH 3H 9D")},
                      aceLowCards("7C 7D JS JD 4D 6C 8C TD 3C AC 9C 5C"));
    ASSERT_EQ(title(table->btnStart), text("ZUNO_ready"));
    tap(*table->btnStart);
    ASSERT_TRUE(pump([&] { return myTakingTurn(); }));
    settle();
    // The arranged hand went to the server as it lies.
    ASSERT_TRUE(pump([&] { return !phom->lastReport().empty(); }));
    const auto report = PhomNewRequestBytes::doResetPhom(1, 0, newTable().newHand().myCards);
    EXPECT_EQ(phom->lastReport(), std::vector<int8_t>(report.begin() + 2, report.end()));

    // Two cards that do not meld with the king: the server's text in my bubble.
    tapCard(aceLowCard("2C"));
    tapCard(aceLowCard("6D"));
    tap(*table->btnStart);
    ASSERT_TRUE(pump([&] { return bubbleText(0).find(StandinPhom::kNotAMeld) != std::string::npos; }))
        << bubbleText(0) << " / " << bubbleText(4);
    settle();

    // Two kings take it.
    ASSERT_TRUE(myTakingTurn());
    tapCard(aceLowCard("KS"));
    tapCard(aceLowCard("KC"));
    tap(*table->btnStart);
    ASSERT_TRUE(pump([&] { return title(table->btnStart) == text("ZUNO_discard"); }));
    settle();
    ASSERT_NO_FATAL_FAILURE(dragToFire(firstFreeCard()));
    ASSERT_TRUE(pump([&] { return table->phom().cardShow[0][0] != -1; }));
    settle();

    // Draw and fire until the fourth turn offers the lay-down.
    for (int turn = 1; turn < 4; ++turn) {
        ASSERT_TRUE(pump([&] { return myTakingTurn(); })) << turn;
        settle();
        tap(*table->btnConfig);
        ASSERT_TRUE(pump([&] {
            return title(table->btnStart) == text("ZUNO_discard") || title(table->btnStart) == text("ZUNO_haPhom");
        }));
        settle();
        if (title(table->btnStart) == text("ZUNO_haPhom")) break;
        tapCard(firstFreeCard());
        tap(*table->btnStart);
        settle();
    }
    ASSERT_EQ(title(table->btnStart), text("ZUNO_haPhom"));
    expectAnsQueensLaid();
    tap(*table->btnStart);
    ASSERT_TRUE(pump([&] { return title(table->btnStart) == text("ZUNO_guiPhom"); }));
    settle();
    EXPECT_FALSE(table->btnSkip->isHidden());
    const size_t laid = table->laidSprites(0).size();
    EXPECT_GE(laid, 3u);

    // My fourth king onto my laid kings.
    tapCard(aceLowCard("KH"));
    tap(*table->btnStart);
    ASSERT_TRUE(pump([&] { return table->laidSprites(0).size() == laid + 1; }));
    EXPECT_FALSE(cardPoint(aceLowCard("KH")));
    settle();

    tap(*table->btnSkip);
    ASSERT_EQ(title(table->btnStart), text("ZUNO_discard"));
    settle();
    tapCard(firstFreeCard());
    tap(*table->btnStart);
    ASSERT_TRUE(pump([&] { return title(table->btnStart) == text("ZUNO_continuee"); }));
    settle();
    EXPECT_TRUE(table->btnSkip->isHidden());
    everyoneTalks();

    tap(*table->btnStart);
    settle();
    EXPECT_TRUE(table->handSprites().empty());
    // The ready button comes back after a short delay.
    ASSERT_TRUE(pump([&] { return title(table->btnStart) == text("ZUNO_ready"); }));
    settle();
    tap(*table->btnStart);
    // Nine cards, or ten when I won the first deal and open the next.
    ASSERT_TRUE(pump([&] {
        return phom->dealCount() == 2 && table->handSprites().size() >= 9u &&
               table->handSprites().size() == phom->handOf(kMe).size();
    }));
    settle();

    // My first turn of the next deal runs out untouched.
    ASSERT_TRUE(pump([&] { return table->currentPlayer() == kMe && !table->isDealing(); }));
    settle();
    ASSERT_NO_FATAL_FAILURE(letMyTurnRunOut());
}

// On my fourth turn nothing of mine melds: Lay down is answered at once with nothing laid and the
// send-cards stage follows; I stop sending, fire, and the deal goes on to its finish.
TEST_F(PhomNewScreenRoadTest, ALayDownWithNothingToLay) {
    ASSERT_NO_FATAL_FAILURE(openATable());
    ASSERT_NO_FATAL_FAILURE(dealNothingToLayUntilMyTurn());
    ASSERT_NO_FATAL_FAILURE(drawAndFireUntilTheLayDown("ZUNO_discard"));
    ASSERT_NO_FATAL_FAILURE(layDownNothing([&] { return title(table->btnStart) == text("ZUNO_guiPhom"); }));
    EXPECT_FALSE(table->btnSkip->isHidden());
    tap(*table->btnSkip);
    ASSERT_EQ(title(table->btnStart), text("ZUNO_discard"));
    settle();
    ASSERT_NO_FATAL_FAILURE(fireToTheFinish());
}

// On my first turn I draw and my time runs out (the stand-in's clock, run out here when the test says):
// the server fires my highest free card, the king of clubs, which lies in my row, and my hand is back
// to nine.
TEST_F(PhomNewScreenRoadTest, MyTurnRunsOutAfterADraw) {
    ASSERT_NO_FATAL_FAILURE(openATable());
    ASSERT_NO_FATAL_FAILURE(dealTheKingsUntilMyTurn());
    tap(*table->btnConfig);
    ASSERT_TRUE(pump([&] { return title(table->btnStart) == text("ZUNO_discard"); }));
    settle();
    EXPECT_EQ(table->handSprites().size(), 10u);
    ASSERT_TRUE(robots->runOutPlayerTurn());
    ASSERT_NO_FATAL_FAILURE(expectMyKingOfClubsFired());
}

// My turn runs out before I take a card, by the stand-in's clock (my own clock sends nothing at this
// table): a card drawn for me, my king of clubs fired, and Binh's turn shows while the test holds him.
// Then I leave in the middle of the deal, and nothing of the table follows me.
TEST_F(PhomNewScreenRoadTest, MyTurnRunsOutBeforeADraw) {
    ASSERT_NO_FATAL_FAILURE(openATable());
    ASSERT_NO_FATAL_FAILURE(dealTheKingsUntilMyTurn());
    ASSERT_NO_FATAL_FAILURE(runOutMyTurnBeforeADraw());
    ASSERT_NO_FATAL_FAILURE(leaveAndJoinTheNext(table, 13, StandinTableKind::Empty));
}

// Invited to an empty table of my own, I start and open: all ten cards come with the deal.
TEST_F(PhomNewScreenRoadTest, AsOwnerIOpenWithTenCards) {
    signInFromTheLoginScreen("lan", "hoa sen");
    ASSERT_TRUE(waitForTop<MainView>());
    robots->setNextInvitation(13, StandinTableKind::Empty);
    robots->inviteNow();
    ASSERT_TRUE(pump([] { return UIController::shownDialogMessage().value_or("") == StandinPhom::kNewInvitation; }));
    answerAlert(true);
    table = waitForTop<PhomNewView>();
    ASSERT_NO_FATAL_FAILURE(waitForBinh());
    ASSERT_EQ(title(table->btnStart), text("ZUNO_start"));
    tap(*table->btnStart);
    ASSERT_NO_FATAL_FAILURE(expectMyOpeningHand("ZUNO_discard"));
}
