// A Phom table over TCP: the stand-in's robot invites the signed-in player, the accepted invitation
// joins its table, and the real decoders and logic handler carry deals to a table screen that records
// what it is asked to show.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "client/Games.h"
#include "games/phom/PhomLogicHandler.h"
#include "games/phom/PhomService.h"
#include "games/phom/PhomTableScreen.h"
#include "lobby/GlobalService.h"
#include "net/MobileClient.h"
#include "shell/UIController.h"
#include "standin-server/StandinPhom.h"
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
    void onChatFromWithId(int32_t id, const std::optional<std::string>&, const std::string& line) override {
        events.push_back("says " + std::to_string(id) + " " + line);
    }

    PhomSeatInts scores{};
};

class PhomRobotTableTest : public SignedInClientTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.start());
        accounts = StandinSignIn::installOn(server);
        accounts->addAccount({"lan", "hoa sen", kMe, 500000, 12, 250});
        robots = StandinRobotTables::installOn(server, accounts, nullptr, options);
        phom = StandinPhom::addTo(*robots);
        robots->setInvitationRotation({7});
        registerGameMessageHandlers();
        useStandinServer();
        PhomService::getInstance().set_session(MobileClient::getInstance());
        UIController::setInviting(true);
        PhomLogicHandler::getInstance()->setScreenAccess(
            {[this] { return table; },
             [this](int8_t room, int8_t board, int32_t, int32_t, const std::vector<TienLenPlayerPtr>& players) {
                 table->show(room, board, players);
             },
             nullptr});
    }
    void TearDown() override {
        SignedInClientTest::TearDown();
        PhomLogicHandler::getInstance()->setScreenAccess({});
    }

    bool pumpUntilSeen(const std::string& prefix) {
        return pump([&] { return table->sawPrefix(prefix); });
    }

    void join() {
        signInAs("lan", "hoa sen");
        ASSERT_TRUE(pump([&] { return logic->count("onInvitedJoinBoardWithGameId") == 1; }));
        for (const auto& handler : GlobalLogicHandler::getGameMessageHandlers()) {
            if (!handler->isGameType(7)) continue;
            logic->onSetGameTypeSuccessWithGame(7, false);
            GlobalService::getInstance().joinBoardWithroomId(StandinPhom::kRoom, StandinPhom::kBoard, "");
            break;
        }
        ASSERT_TRUE(pumpUntilSeen("ready 9002 yes"));
    }

    StandinRobotTables::Options options{0, 0, 20, 7};
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

// A turn I let run out is skipped by the server; my skip after that is ignored.
TEST_F(PhomShortTurnTest, MyTurnRunsOutAndALateSkipIsIgnored) {
    join();
    phom->setNextDeal({hand({"AS", "3C", "5D", "7H", "9S", "JC", "KD", "2H", "4S"}),
                       hand({"KS", "KC", "2C", "6D", "8H", "TS", "QC", "3D", "5H"}),
                       hand({"2S", "4C", "6H", "8D", "TC", "QD", "AH", "3H", "9D"})},
                      {});
    GlobalService::getInstance().readyWithRoomId(StandinPhom::kRoom, StandinPhom::kBoard, true);
    ASSERT_TRUE(pumpUntilSeen("fire 9001"));
    ASSERT_TRUE(pumpUntilSeen("skip, next 9002"));
    PhomService::getInstance().skipWithRoomId(StandinPhom::kRoom, StandinPhom::kBoard);
    ASSERT_TRUE(pumpUntilSeen("fire 9002"));
    EXPECT_EQ(std::count_if(table->events.begin(), table->events.end(),
                            [](const std::string& e) { return e.rfind("skip", 0) == 0; }),
              1);
}
