// A Phom table over TCP: the stand-in's robot invites the signed-in player, the accepted invitation
// joins its table, and the real decoders and logic handler carry deals to a table screen that records
// what it is asked to show.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "client/Games.h"
#include "games/phom/PhomLogicHandler.h"
#include "games/phom/PhomNewLogicHandler.h"
#include "games/phom/PhomNewService.h"
#include "games/phom/PhomService.h"
#include "games/phom/PhomTableScreen.h"
#include "lobby/GlobalService.h"
#include "net/MobileClient.h"
#include "shell/UIController.h"
#include "standin-server/StandinPhom.h"
#include "standin-server/StandinPhomJudge.h"
#include "standin-server/StandinRobotTables.h"
#include "standin-server/StandinServer.h"
#include "standin-server/StandinSignIn.h"
#include "support/RecordingRobotTableScreen.h"
#include "support/SignedInClientTest.h"

using namespace zuno;
using namespace zuno::standin;
using zuno::testing::SignedInClientTest;

namespace {

constexpr int32_t kMe = 4711;
using Cards = std::vector<int8_t>;

int8_t card(const char* name) {
    static const std::string kRanks = "A23456789TJQK", kSuits = "SCDH";
    return static_cast<int8_t>(kRanks.find(name[0]) * 4 + kSuits.find(name[1]));
}

Cards hand(std::initializer_list<const char*> names) {
    Cards out;
    for (const char* n : names) out.push_back(card(n));
    return out;
}

// Each event the handler applies, as one line; my cards kept as the server leaves them.
class ScreenDouble : public zuno::testing::RecordingRobotTableScreen<PhomTableScreen> {
public:
    void setMoneyOnBoard(int32_t) override {}
    void start(int8_t interval, const CardIds& cards, int32_t first, int32_t firstHa) override {
        mine = cards;
        next = first;
        events.push_back("deal " + std::to_string(interval) + "s " + std::to_string(cards.size()) + " cards, first " +
                         std::to_string(first) + " lays down " + std::to_string(firstHa));
    }
    void onGetCard(uint8_t c) override {
        mine.push_back(static_cast<int8_t>(c));
        events.push_back("drew " + std::to_string(c));
    }
    void onFire(int32_t nextId, int32_t firer, int8_t c, int8_t numC) override {
        // New Phom's screen takes the firer first.
        if (firerFirst) std::swap(nextId, firer);
        next = nextId;
        if (firer == kMe) std::erase(mine, c);
        events.push_back("fire " + std::to_string(firer) + " " + std::to_string(c) + " at " + std::to_string(numC) +
                         ", next " + std::to_string(nextId));
    }
    void onSkipPlayer(int32_t p, int32_t) override {
        next = p;
        events.push_back("skip, next " + std::to_string(p));
    }
    void onEatCard(bool isEat, int32_t numEat, int32_t, int8_t) override {
        events.push_back(isEat ? "ate with " + std::to_string(numEat) : std::string("eat refused"));
    }
    void onHaPhom(bool isHa, const PhomLaidCards& cards, bool isU, const PhomSeatInts&, int32_t id) override {
        int laid = 0;
        for (int8_t c : cards)
            if (c != -1) {
                ++laid;
                if (id == kMe) std::erase(mine, c);
            }
        events.push_back(std::string(isHa ? "laid " : "lay-down refused ") + std::to_string(id) +
                         (isHa ? " " + std::to_string(laid) : std::string()) + (isU ? " U" : ""));
    }
    void onOnceWin(int32_t) override {}
    void setScore(const PhomSeatInts& s) override { scores = s; }
    void onFinish(const PhomSeatInts&, const PhomLeftoverCards&, const PhomSeatInts&) override {
        events.push_back("finish");
    }
    void onDenBai(int32_t win, const PhomSeatInts&) override { events.push_back("pays all to " + std::to_string(win)); }
    void onFinishNew(int32_t, const std::vector<int32_t>&, int32_t userId, int32_t) override {
        events.push_back("finish " + std::to_string(userId));
    }
    void onChatFromWithId(int32_t id, const std::optional<std::string>&, const std::string& line) override {
        events.push_back("says " + std::to_string(id) + " " + line);
    }

    PhomSeatInts scores{};
    bool firerFirst = false;
};

class PhomRobotTableTest : public SignedInClientTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.start());
        accounts = StandinSignIn::installOn(server);
        accounts->addAccount({"lan", "hoa sen", kMe, 500000, 12, 250});
        robots = StandinRobotTables::installOn(server, accounts, nullptr, options);
        phom = isNew ? StandinPhom::addNewTo(*robots) : StandinPhom::addTo(*robots);
        robots->setInvitationRotation({gameType()});
        registerGameMessageHandlers();
        useStandinServer();
        PhomService::getInstance().set_session(MobileClient::getInstance());
        PhomNewService::getInstance().set_session(MobileClient::getInstance());
        UIController::setInviting(true);
        table->firerFirst = isNew;
        logicHandler()->setScreenAccess(
            {[this] { return table; },
             [this](int8_t room, int8_t board, int32_t, int32_t, const std::vector<TienLenPlayerPtr>& players) {
                 table->show(room, board, players);
             },
             nullptr});
    }
    void TearDown() override {
        SignedInClientTest::TearDown();
        logicHandler()->setScreenAccess({});
    }

    int8_t gameType() const { return isNew ? 13 : 7; }
    int8_t board() const { return isNew ? StandinPhom::kNewBoard : StandinPhom::kBoard; }
    std::shared_ptr<PhomTableLogicHandler> logicHandler() const {
        if (isNew) return PhomNewLogicHandler::getInstance();
        return PhomLogicHandler::getInstance();
    }

    bool pumpUntilSeen(const std::string& prefix) {
        return pump([&] { return table->sawPrefix(prefix); });
    }

    void join() {
        signInAs("lan", "hoa sen");
        ASSERT_TRUE(pump([&] { return logic->count("onInvitedJoinBoardWithGameId") == 1; }));
        for (const auto& handler : GlobalLogicHandler::getGameMessageHandlers()) {
            if (!handler->isGameType(gameType())) continue;
            logic->onSetGameTypeSuccessWithGame(gameType(), false);
            GlobalService::getInstance().joinBoardWithroomId(StandinPhom::kRoom, board(), "");
            break;
        }
        ASSERT_TRUE(pumpUntilSeen("ready 9002 yes"));
    }

    StandinRobotTables::Options options{0, 0, 20, 7};
    bool isNew = false;  // new Phom's table
    std::shared_ptr<StandinSignIn> accounts;
    std::shared_ptr<StandinRobotTables> robots;
    std::shared_ptr<StandinPhom> phom;
    std::shared_ptr<ScreenDouble> table = std::make_shared<ScreenDouble>();
};

}  // namespace

// An fires the king of diamonds; my eat with cards that do not meld is refused, with my two kings it
// is taken. I fire, the robots play on, I lay my kings down on my fourth turn, and the deal runs to its
// finish with everyone's money moved, told in the language my client chose.
TEST_F(PhomRobotTableTest, EatRefusedThenTakenAndADealToTheFinish) {
    join();
    EXPECT_EQ(table->events, (std::vector<std::string>{"joined 1 11", "sits Binh", "ready 9002 yes"}));
    GlobalService::getInstance().setLanguageForAppWithSubId(1, "vi");
    phom->setNextDeal({hand({"AS", "3C", "5D", "7H", "9S", "JC", "KD", "2H", "4S"}),
                       hand({"KS", "KC", "2C", "6D", "8H", "TS", "QC", "3D", "5H"}),
                       hand({"2S", "4C", "6H", "8D", "TC", "QD", "AH", "3H", "9D"})},
                      hand({"7C", "7D", "JS", "JD", "4D", "6C", "8C", "TD", "QS", "AC", "9C", "5C"}));
    GlobalService::getInstance().readyWithRoomId(StandinPhom::kRoom, StandinPhom::kBoard, true);
    ASSERT_TRUE(pumpUntilSeen("fire 9001"));
    EXPECT_TRUE(table->sawPrefix("deal 20s 9 cards, first 9001 lays down 9001"));
    EXPECT_EQ(table->events.back(), "fire 9001 " + std::to_string(card("KD")) + " at 0, next 4711");

    const int8_t wrong[] = {card("2C"), card("6D"), -1, -1, -1};
    PhomService::getInstance().eatCard(StandinPhom::kRoom, StandinPhom::kBoard, wrong, 0);
    ASSERT_TRUE(pumpUntilSeen("eat refused"));
    const int8_t kings[] = {card("KS"), card("KC"), -1, -1, -1};
    PhomService::getInstance().eatCard(StandinPhom::kRoom, StandinPhom::kBoard, kings, 0);
    ASSERT_TRUE(pumpUntilSeen("ate with 2"));

    // Every turn of mine after that: draw, then fire my first card that is not a king; the fourth lays
    // down first.
    for (int turn = 0; turn < 8 && !table->sawPrefix("finish"); ++turn) {
        ASSERT_TRUE(pump([&] { return table->sawPrefix("finish") || table->next == kMe; }));
        if (table->sawPrefix("finish")) break;
        const size_t seen = table->events.size();
        if (turn > 0) {
            PhomService::getInstance().getCard(StandinPhom::kRoom, StandinPhom::kBoard);
            ASSERT_TRUE(pump([&] { return table->events.size() > seen && table->events.back().rfind("drew", 0) == 0; }));
        }
        if (turn == 3) {
            // My fourth turn: a lay-down of cards that do not meld is refused; my three kings are laid.
            const PhomCard junk[] = {{card("2C"), 1}, {card("6D"), 1}, {card("8H"), 1}};
            PhomService::getInstance().haPhom(StandinPhom::kRoom, StandinPhom::kBoard, junk);
            ASSERT_TRUE(pumpUntilSeen("lay-down refused 4711"));
            const PhomCard kings[] = {{card("KS"), 1}, {card("KC"), 1}, {card("KD"), 1}};
            PhomService::getInstance().haPhom(StandinPhom::kRoom, StandinPhom::kBoard, kings);
            ASSERT_TRUE(pumpUntilSeen("laid 4711 3"));
        }
        const auto pick = std::find_if(table->mine.begin(), table->mine.end(), [](int8_t c) { return c / 4 != 12; });
        ASSERT_NE(pick, table->mine.end());
        table->next = -1;
        PhomService::getInstance().fire(StandinPhom::kRoom, StandinPhom::kBoard, *pick);
    }
    ASSERT_TRUE(pumpUntilSeen("finish"));
    ASSERT_TRUE(pump([&] { return std::count_if(table->events.begin(), table->events.end(), [](const std::string& e) {
                                       return e.rfind("money", 0) == 0;
                                   }) == 3; }));
    // Three players' scores; the fourth place is empty.
    EXPECT_EQ(table->scores[3], -1);
    EXPECT_EQ(table->count("says "), 3u);
    for (const std::string& e : table->events) {
        if (e.rfind("says ", 0) != 0) continue;
        const std::string said = e.substr(e.find(' ', 5) + 1);
        EXPECT_TRUE(said == StandinPhom::kWonVi || said == StandinPhom::kLostVi) << e;
    }
    EXPECT_EQ(phom->dealCount(), 1);
    // The account keeps what the deal paid me or took.
    const auto mine = std::find_if(table->events.begin(), table->events.end(),
                                   [](const std::string& e) { return e.rfind("money 4711 ", 0) == 0; });
    ASSERT_NE(mine, table->events.end());
    EXPECT_EQ(accounts->balance(kMe), 500000 + std::stoll(mine->substr(11)));
}

// A one-second turn and robots that think for a second. Here my turn runs out by the stand-in's own
// clock (the other tests that let a turn run out hold it until they say so): nothing races that clock.
class PhomShortTurnTest : public PhomRobotTableTest {
protected:
    PhomShortTurnTest() { options = {0, 1, 1, 7}; }
};

// A turn I let run out before I drew is played out for me: the card drawn for me comes to me, then my
// fire; my skip that comes after that is ignored.
TEST_F(PhomShortTurnTest, MyTurnRunsOutBeforeADrawAndALateSkipIsIgnored) {
    join();
    phom->setNextDeal({hand({"AS", "3C", "5D", "7H", "9S", "JC", "KD", "2H", "4S"}),
                       hand({"KS", "KC", "2C", "6D", "8H", "TS", "QC", "3D", "5H"}),
                       hand({"2S", "4C", "6H", "8D", "TC", "QD", "AH", "3H", "9D"})},
                      hand({"7C", "7D"}));
    GlobalService::getInstance().readyWithRoomId(StandinPhom::kRoom, StandinPhom::kBoard, true);
    ASSERT_TRUE(pumpUntilSeen("fire 9001"));
    ASSERT_TRUE(pumpUntilSeen("fire 4711"));
    EXPECT_TRUE(table->sawPrefix("drew " + std::to_string(card("7D"))));
    PhomService::getInstance().skipWithRoomId(StandinPhom::kRoom, StandinPhom::kBoard);
    ASSERT_TRUE(pumpUntilSeen("fire 9002"));
    EXPECT_EQ(table->count("fire 4711"), 1u);
    EXPECT_EQ(table->count("skip"), 0u);
}

// My turns wait until the test runs them out, at a Phom table and at a new Phom table.
class PhomPlayedOutTurnTest : public PhomRobotTableTest, public ::testing::WithParamInterface<bool> {
protected:
    PhomPlayedOutTurnTest() {
        options.holdPlayerTurns = true;
        isNew = GetParam();
    }
    void eatWith(const Cards& two, int8_t fired) {
        const int8_t slots[] = {two[0], two[1], -1, -1, -1};
        if (isNew) PhomNewService::getInstance().eatCard(StandinPhom::kRoom, board(), slots, fired);
        else PhomService::getInstance().eatCard(StandinPhom::kRoom, board(), slots, 0);
    }
    void draw() {
        if (isNew) PhomNewService::getInstance().getCard(StandinPhom::kRoom, board());
        else PhomService::getInstance().getCard(StandinPhom::kRoom, board());
    }
    // An opens with the king of diamonds; I hold the kings of spades and clubs.
    void dealTheKings() {
        phom->setNextDeal({hand({"AS", "3C", "5D", "7H", "9S", "JC", "KD", "2H", "4S"}),
                           hand({"KS", "KC", "2C", "6D", "8H", "TS", "QC", "3D", "5H"}),
                           hand({"2S", "4C", "6H", "8D", "TC", "QD", "AH", "3H", "9D"})},
                          hand({"7C", "7D", "JS", "JD", "4D", "6C", "8C", "TD", "QS", "AC", "9C", "5C"}));
        GlobalService::getInstance().readyWithRoomId(StandinPhom::kRoom, board(), true);
    }
    size_t laidByMe() const {
        size_t n = 0;
        for (const Cards& meld : phom->laidOf(kMe)) n += meld.size();
        return n;
    }
};

// My turn runs out after I ate An's king, and after a draw on each later turn: every time the server
// plays it out as it plays its robots' turns. My highest free card is fired for me, the n-th of my row,
// and leaves my hand, which is back to nine cards; on my fourth turn my melds are laid down first.
TEST_P(PhomPlayedOutTurnTest, ATurnRunOutAfterTakingACardIsPlayedOutForMe) {
    join();
    dealTheKings();
    ASSERT_TRUE(pumpUntilSeen("fire 9001 " + std::to_string(card("KD"))));
    eatWith(hand({"KS", "KC"}), card("KD"));
    ASSERT_TRUE(pumpUntilSeen("ate with 2"));

    for (int turn = 1; turn <= StandinPhom::kTurns; ++turn) {
        SCOPED_TRACE("turn " + std::to_string(turn));
        if (turn > 1) {
            ASSERT_TRUE(pump([&] { return table->next == kMe; }));
            const size_t drawn = table->count("drew");
            draw();
            ASSERT_TRUE(pump([&] { return table->count("drew") > drawn; }));
        }
        const Cards held = phom->handOf(kMe);
        ASSERT_EQ(held.size() + laidByMe(), 10u);
        const size_t fired = table->count("fire 4711 ");
        table->next = -1;
        ASSERT_TRUE(robots->runOutPlayerTurn());
        ASSERT_TRUE(pump([&] { return table->count("fire 4711 ") > fired; }));

        const auto fire = std::find_if(table->events.rbegin(), table->events.rend(),
                                       [](const std::string& e) { return e.rfind("fire 4711 ", 0) == 0; });
        const auto firedCard = static_cast<int8_t>(std::stoi(fire->substr(10)));
        EXPECT_NE(fire->find(" at " + std::to_string(turn - 1) + ","), std::string::npos) << *fire;
        EXPECT_NE(std::find(held.begin(), held.end(), firedCard), held.end()) << "a card of my hand: " << *fire;
        const Cards left = phom->handOf(kMe);
        EXPECT_EQ(std::find(left.begin(), left.end(), firedCard), left.end());
        EXPECT_EQ(left.size() + laidByMe(), 9u);
        EXPECT_EQ(laidByMe() > 0, turn == StandinPhom::kTurns) << "laid down on the fourth turn only";
    }
    EXPECT_GE(laidByMe(), 3u) << "my kings";
    ASSERT_TRUE(pumpUntilSeen("finish"));
}

// My first turn runs out by the stand-in's clock before I take a card, my second by my skip: each time
// a card is drawn for me (and told to me), then my highest free card is fired for me, the n-th of my
// row, naming the next player, and my hand is back to nine.
TEST_P(PhomPlayedOutTurnTest, ATurnRunOutBeforeTakingACardDrawsAndFiresForMe) {
    join();
    dealTheKings();
    for (int turn = 1; turn <= 2; ++turn) {
        SCOPED_TRACE("turn " + std::to_string(turn));
        ASSERT_TRUE(pump([&] { return table->next == kMe; }));
        const size_t drawn = table->count("drew"), fired = table->count("fire 4711 ");
        table->next = -1;
        if (turn == 1) ASSERT_TRUE(robots->runOutPlayerTurn());
        else if (isNew) PhomNewService::getInstance().skipWithRoomId(StandinPhom::kRoom, board());
        else PhomService::getInstance().skipWithRoomId(StandinPhom::kRoom, board());
        ASSERT_TRUE(pump([&] { return table->count("fire 4711 ") > fired; }));
        EXPECT_EQ(table->count("drew"), drawn + 1);
        const auto fire = std::find_if(table->events.rbegin(), table->events.rend(),
                                       [](const std::string& e) { return e.rfind("fire 4711 ", 0) == 0; });
        EXPECT_NE(fire->find(" at " + std::to_string(turn - 1) + ", next 9002"), std::string::npos) << *fire;
        EXPECT_EQ(phom->handOf(kMe).size(), 9u);
        EXPECT_EQ(table->count("skip"), 0u);
    }
}

// Only an empty stock still passes a turn on without a fire: An opened with the stock's last card and
// fired his king of diamonds to me; my turn runs out with nothing to draw. The king was not fired to
// Binh, who holds two kings: he may not eat it, finds nothing to draw either, and the deal ends.
TEST_P(PhomPlayedOutTurnTest, AnEmptyStockPassesMyTurnOnAndTheCardFiredToMeIsNobodyElses) {
    join();
    phom->setNextDeal({hand({"AS", "3C", "5D", "7H", "9S", "JC", "KD", "2H", "4S"}),
                       hand({"2C", "6D", "8H", "TS", "QC", "3D", "5H", "7D", "JD"}),
                       hand({"KS", "KC", "6H", "8D", "TC", "QD", "AH", "3H", "9D"})},
                      hand({"7C"}), true);
    GlobalService::getInstance().readyWithRoomId(StandinPhom::kRoom, board(), true);
    ASSERT_TRUE(pumpUntilSeen("fire 9001 " + std::to_string(card("KD"))));
    ASSERT_TRUE(pump([&] { return table->next == kMe; }));
    ASSERT_TRUE(robots->runOutPlayerTurn());
    ASSERT_TRUE(pumpUntilSeen("finish"));
    EXPECT_TRUE(table->sawPrefix("skip, next 9002"));
    EXPECT_EQ(table->count("ate"), 0u);
    EXPECT_EQ(table->count("drew"), 0u);
}

// Nothing of mine melds, whatever I draw (my hand and the stock hold no three of a rank and no three
// of a suit in a row). On my fourth turn, after its draw, I lay down with nothing to lay: the lay-down
// is answered at once, with no card laid, and my fire follows; the deal goes on to its finish.
TEST_P(PhomPlayedOutTurnTest, ALayDownWithNothingToLayIsAnsweredAndMyFireFollows) {
    join();
    phom->setNextDeal({hand({"AC", "3C", "5C", "7C", "9C", "JC", "2D", "6S", "QH"}),
                       hand({"AS", "2S", "5S", "8S", "JS", "4H", "7H", "TH", "3D"}),
                       hand({"2C", "4C", "6C", "8C", "TC", "QC", "AD", "3S", "9H"})},
                      hand({"KS", "4S", "7S", "TS", "AH", "2H", "5H", "8H", "JH", "KH", "6D", "9D", "QD"}));
    GlobalService::getInstance().readyWithRoomId(StandinPhom::kRoom, board(), true);
    for (int turn = 1; turn <= StandinPhom::kTurns; ++turn) {
        ASSERT_TRUE(pump([&] { return table->next == kMe; })) << turn;
        const size_t drawn = table->count("drew"), fired = table->count("fire 4711 ");
        draw();
        ASSERT_TRUE(pump([&] { return table->count("drew") > drawn; }));
        if (turn == StandinPhom::kTurns) break;
        table->next = -1;
        ASSERT_TRUE(robots->runOutPlayerTurn());
        ASSERT_TRUE(pump([&] { return table->count("fire 4711 ") > fired; }));
    }
    const Cards held = phom->handOf(kMe);
    ASSERT_TRUE(StandinPhomJudge::melds(held).empty());

    std::vector<PhomCard> free;
    for (int8_t id : held) free.push_back({id});
    if (isNew) PhomNewService::getInstance().haPhom(StandinPhom::kRoom, board(), free);
    else PhomService::getInstance().haPhom(StandinPhom::kRoom, board(), free);
    // New Phom's lay-down names nobody: the screen takes the player whose turn it is.
    ASSERT_TRUE(pumpUntilSeen(isNew ? "laid 0 0" : "laid 4711 0"));
    EXPECT_EQ(phom->handOf(kMe), held);
    EXPECT_TRUE(phom->laidOf(kMe).empty());

    const size_t fired = table->count("fire 4711 ");
    if (isNew) PhomNewService::getInstance().fire(StandinPhom::kRoom, board(), held.front());
    else PhomService::getInstance().fire(StandinPhom::kRoom, board(), held.front());
    ASSERT_TRUE(pump([&] { return table->count("fire 4711 ") > fired; }));
    EXPECT_EQ(phom->handOf(kMe).size(), 9u);
    ASSERT_TRUE(pumpUntilSeen("finish"));
}

INSTANTIATE_TEST_SUITE_P(PhomAndNewPhom, PhomPlayedOutTurnTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "NewPhom" : "Phom"; });
