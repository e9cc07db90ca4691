// A Tien Len table over TCP: the stand-in's robot invites the signed-in player, the accepted invitation
// joins its table, and the real decoders and logic handler carry a whole deal to a table screen that
// records what it is asked to show.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "client/Games.h"
#include "games/tienlen/CardUtils.h"
#include "games/tienlen/TienLenLogicHandler.h"
#include "games/tienlen/TienLenMessageHandler.h"
#include "games/tienlen/TienLenService.h"
#include "lobby/GlobalService.h"
#include "net/MobileClient.h"
#include "shell/UIController.h"
#include "standin-server/StandinRobotTables.h"
#include "standin-server/StandinServer.h"
#include "standin-server/StandinSignIn.h"
#include "standin-server/StandinTienLen.h"
#include "support/SignedInClientTest.h"

using namespace zuno;
using namespace zuno::standin;
using zuno::testing::SignedInClientTest;

namespace {

constexpr int32_t kMe = 4711;
using Cards = std::vector<int8_t>;

std::string text(const Cards& cards) {
    std::string out;
    for (int8_t c : cards) {
        if (!out.empty()) out += ' ';
        out += std::to_string(c);
    }
    return out;
}

// A table screen that keeps what a screen must know (table, players, hand, cards on the table, whose
// turn) and writes each event as one line.
class TableDouble : public TienLenTableScreen {
public:
    std::vector<std::string> events;
    std::vector<std::string> chats;  // chat and the texts of money changes
    Cards hand, onTable;
    int32_t currentPlayer = -1;
    Players seated;

    void show(int8_t room, int8_t board, const Players& players) {
        room_ = room;
        board_ = board;
        seated = players;
        seated.resize(4);
        for (auto& p : seated)
            if (!p) {
                p = std::make_shared<Player>();
                p->setIDDB(-1);
            }
        events.push_back("joined " + std::to_string(room) + " " + std::to_string(board));
    }
    bool saw(const std::string& line) const { return std::find(events.begin(), events.end(), line) != events.end(); }

    int8_t roomId() const override { return room_; }
    int8_t boardId() const override { return board_; }
    Players players() const override { return seated; }
    bool isFirstMatch() const override { return firstMatch_; }
    void setIsFirstMatch(bool on) override { firstMatch_ = on; }
    void setDisableReady(bool) override {}
    void setModeWithHas(bool) override {}
    void resetSeat() override {}
    void resetReady() override {}
    void setAtSeat(int8_t seat, PlayerPtr p) override {
        seated[static_cast<size_t>(seat)] = p;
        events.push_back("sits " + p->name() + " at " + std::to_string(seat));
    }
    void playerLeaveWithId(int32_t id) override { events.push_back("leaves " + std::to_string(id)); }
    void setOwnerWithNewOwner(int32_t) override {}
    void setReadyWithPlayerId(int32_t id, bool on) override {
        events.push_back("ready " + std::to_string(id) + (on ? " yes" : " no"));
    }
    void setMoneyOnBoard(int32_t) override {}
    void startWithWhoMoveFirst(int32_t who, uint8_t interval, const CardIds& cards) override {
        hand = cards;
        onTable.clear();
        currentPlayer = who;
        events.push_back("deal " + std::to_string(interval) + "s, first " + std::to_string(who));
    }
    void moveWithPlayerId(int32_t who, const CardIds& cards, int32_t next) override {
        onTable = cards;
        currentPlayer = next;
        if (who == kMe)
            for (int8_t c : cards) hand.erase(std::remove(hand.begin(), hand.end(), c), hand.end());
        events.push_back("move " + std::to_string(who) + " [" + text(cards) + "] next " + std::to_string(next));
    }
    void skipWithWho(int32_t who, int32_t next, bool clear) override {
        currentPlayer = next;
        if (clear) onTable.clear();
        events.push_back("pass " + std::to_string(who) + " next " + std::to_string(next) + (clear ? " clear" : ""));
    }
    void moveErrorWithInfo(const std::string& info) override { events.push_back("refused: " + info); }
    void stopGame() override { events.push_back("stop"); }
    void showCardsWithWho(int32_t who, const CardIds&, int count) override {
        events.push_back("show " + std::to_string(who) + " " + std::to_string(count));
    }
    void finishWithWho(int32_t who, int8_t pos, int32_t money, int32_t) override {
        events.push_back("out " + std::to_string(who) + " place " + std::to_string(pos) + " " + std::to_string(money));
    }
    void onChatFromWithId(int32_t id, const std::optional<std::string>&, const std::string& line) override {
        chats.push_back(std::to_string(id) + ": " + line);
    }
    void showFlyTextWirhFromId(int32_t, int32_t) override {}
    void updateMoneyForPlayer(int32_t id, int32_t money) override {
        events.push_back("money " + std::to_string(id) + " " + std::to_string(money));
    }
    void onBuzzWithContent(const std::string&) override {}

private:
    int8_t room_ = -1, board_ = -1;
    bool firstMatch_ = false;
};

class TienLenTableTest : public SignedInClientTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.start());
        accounts = StandinSignIn::installOn(server);
        accounts->addAccount({"lan", "hoa sen", kMe, 500000, 12, 250});
        robots = StandinRobotTables::installOn(server, accounts, nullptr, {0, 0, 20, 7});
        tienLen = StandinTienLen::addTo(*robots, 3);
        StandinTienLen::addTo(*robots, 12);
        robots->setInvitationRotation({3});
        registerGameMessageHandlers();

        useStandinServer();
        TienLenService::getInstance().set_session(MobileClient::getInstance());
        UIController::setInviting(true);
        TienLenLogicHandler::getInstance()->setScreenAccess(
            {[this] { return table; },
             [this](int8_t room, int8_t board, int32_t, int32_t, const TienLenTableScreen::Players& players) {
                 table->show(room, board, players);
             },
             nullptr});
    }

    void TearDown() override {
        SignedInClientTest::TearDown();
        TienLenLogicHandler::getInstance()->setScreenAccess({});
    }

    bool pumpUntilSeen(const std::string& line) {
        return pump([&] { return table->saw(line); });
    }

    void signIn() { signInAs("lan", "hoa sen"); }

    // What OK on the invitation dialog does: the first decoder of the game takes over, then the join.
    void accept(int8_t gameId, int8_t roomId, int8_t boardId, const std::string& password) {
        for (const auto& handler : GlobalLogicHandler::getGameMessageHandlers()) {
            if (!handler->isGameType(gameId)) continue;
            logic->onSetGameTypeSuccessWithGame(gameId, false);
            GlobalService::getInstance().joinBoardWithroomId(roomId, boardId, password);
            return;
        }
    }

    // Signed in, An's invitation taken; I hold the 3 of spades and lead the first deal.
    void leadTheFirstDealAtAnsTable() {
        signIn();
        ASSERT_TRUE(pump([&] { return logic->count("onInvitedJoinBoardWithGameId") == 1; }));
        accept(3, StandinTienLen::kRoom, StandinTienLen::kBoard, "");
        ASSERT_TRUE(pumpUntilSeen("ready 9002 yes"));
        tienLen->setNextHands({Cards{8, 49}, Cards{0, 4, 9, 14, 20, 24, 28, 33, 37, 41, 44, 45, 47}, Cards{5, 50}});
        GlobalService::getInstance().readyWithRoomId(1, StandinTienLen::kBoard, true);
        ASSERT_TRUE(pumpUntilSeen("deal 20s, first 4711"));
    }

    std::shared_ptr<StandinSignIn> accounts;
    std::shared_ptr<StandinRobotTables> robots;
    std::shared_ptr<StandinTienLen> tienLen;
    std::shared_ptr<TableDouble> table = std::make_shared<TableDouble>();
};

}  // namespace

TEST_F(TienLenTableTest, InvitationJoinDealMovesFinishAndNextDeal) {
    signIn();
    using Invitation = std::tuple<int8_t, int8_t, int8_t, std::optional<std::string>, std::optional<std::string>>;
    ASSERT_TRUE(pump([&] { return logic->count("onInvitedJoinBoardWithGameId") == 1; }));
    const auto [gameId, roomId, boardId, password, message] = logic->last<Invitation>("onInvitedJoinBoardWithGameId");
    EXPECT_EQ(gameId, 3);
    EXPECT_EQ(message, StandinTienLen::kInvitation);

    accept(gameId, roomId, boardId, password.value_or(""));
    ASSERT_TRUE(pumpUntilSeen("ready 9002 yes"));
    EXPECT_EQ(dispatcher().gameMessageHandler(), TienLenMessageHandler::getInstance());
    EXPECT_EQ(table->events, (std::vector<std::string>{"joined 1 10", "sits Binh at 2", "ready 9002 yes"}));
    EXPECT_EQ(table->seated[0]->name(), "An");
    EXPECT_EQ(table->seated[1]->IDDB(), kMe);
    EXPECT_EQ(UIController::myInfo()->money(), 500000);

    // An leads the 3 of spades and is out; Binh holds the 4 of clubs and a 2.
    tienLen->setNextHands({Cards{0}, Cards{4, 9, 14, 20, 24, 28, 33, 37, 41, 44, 45, 47, 50}, Cards{5, 49}});
    GlobalService::getInstance().readyWithRoomId(1, StandinTienLen::kBoard, true);
    ASSERT_TRUE(pumpUntilSeen("money 9001 2000"));
    EXPECT_EQ(table->events, (std::vector<std::string>{"joined 1 10", "sits Binh at 2", "ready 9002 yes", "ready 4711 yes",
                                                       "deal 20s, first 9001", "move 9001 [0] next 4711",
                                                       "out 9001 place 0 2000", "money 9001 2000"}));
    EXPECT_EQ(table->hand.size(), 13u);

    // A set that is no combination is refused with the server's text, and the turn stays mine.
    TienLenService::getInstance().moveWithRoomId(1, StandinTienLen::kBoard, Cards{4, 9});
    ASSERT_TRUE(pumpUntilSeen(std::string("refused: ") + StandinTienLen::kCannotBeat.english));

    // The rules choose a single above the table's card, sent in hand order; Binh beats it.
    TienLenHand mine(table->hand);
    CardUtils::autoSelect(table->onTable, mine);
    const Cards chosen = mine.getSelectedCardsValue();
    ASSERT_EQ(chosen, Cards{4});
    TienLenService::getInstance().moveWithRoomId(1, StandinTienLen::kBoard, chosen);
    ASSERT_TRUE(pumpUntilSeen("move 9002 [5] next 4711"));
    EXPECT_TRUE(table->saw("move 4711 [4] next 9002"));

    // My pass ends the round; Binh leads his 2 and is out, which ends the deal with my hand shown.
    TienLenService::getInstance().skipWithRoomId(1, StandinTienLen::kBoard);
    ASSERT_TRUE(pumpUntilSeen("show 4711 12"));
    const std::vector<std::string> expectedEnd{"pass 4711 next 9002 clear", "move 9002 [49] next -1", "out 9002 place 1 0",
                                               "out 4711 place 2 -2000", "money 4711 -2000", "stop", "show 4711 12"};
    EXPECT_TRUE(std::search(table->events.begin(), table->events.end(), expectedEnd.begin(), expectedEnd.end()) !=
                table->events.end());
    EXPECT_EQ(UIController::myInfo()->money(), 498000);
    EXPECT_EQ(accounts->balance(kMe), 498000) << "the account keeps the stake lost";

    // Ready again: the next deal comes, led by the winner.
    table->events.clear();
    GlobalService::getInstance().readyWithRoomId(1, StandinTienLen::kBoard, true);
    ASSERT_TRUE(pumpUntilSeen("deal 20s, first 9001"));
    EXPECT_EQ(table->hand.size(), 13u);
    EXPECT_EQ(tienLen->dealCount(), 2);
}

// An goes out first and is paid; I pass on his last card and Binh beats it. Nobody is left to answer
// Binh: that ends the round, not the deal. He leads on a cleared table, goes out, and I take the last
// place and pay what An won.
TEST_F(TienLenTableTest, NobodyLeftToAnswerASetEndsTheRoundNotTheDeal) {
    signIn();
    ASSERT_TRUE(pump([&] { return logic->count("onInvitedJoinBoardWithGameId") == 1; }));
    accept(3, StandinTienLen::kRoom, StandinTienLen::kBoard, "");
    ASSERT_TRUE(pumpUntilSeen("ready 9002 yes"));
    tienLen->setNextHands({Cards{0}, Cards{4, 9, 14, 20, 24, 28, 33, 37, 41, 44, 45, 47, 50}, Cards{5, 49}});
    GlobalService::getInstance().readyWithRoomId(1, StandinTienLen::kBoard, true);
    ASSERT_TRUE(pumpUntilSeen("money 9001 2000"));
    table->events.clear();

    TienLenService::getInstance().skipWithRoomId(1, StandinTienLen::kBoard);
    ASSERT_TRUE(pumpUntilSeen("show 4711 13"));
    // Up to the hand shown (Binh may be ready again already).
    const auto shown = std::find(table->events.begin(), table->events.end(), "show 4711 13");
    EXPECT_EQ(std::vector<std::string>(table->events.begin(), shown + 1),
              (std::vector<std::string>{"pass 4711 next 9002", "move 9002 [5] next 9002", "pass 4711 next 9002 clear",
                                        "move 9002 [49] next -1", "out 9002 place 1 0", "out 4711 place 2 -2000",
                                        "money 4711 -2000", "stop", "show 4711 13"}));
    EXPECT_EQ(accounts->balance(kMe), 498000);
}

TEST_F(TienLenTableTest, MovesOutOfTurnAndPassesWhenLeadingAreRefused) {
    ASSERT_NO_FATAL_FAILURE(leadTheFirstDealAtAnsTable());
    TienLenService::getInstance().skipWithRoomId(1, StandinTienLen::kBoard);
    ASSERT_TRUE(pumpUntilSeen(std::string("refused: ") + StandinTienLen::kMustLead.english));
    TienLenService::getInstance().moveWithRoomId(1, StandinTienLen::kBoard, Cards{1});
    ASSERT_TRUE(pumpUntilSeen(std::string("refused: ") + StandinTienLen::kNotInHand.english));
    TienLenService::getInstance().moveWithRoomId(1, StandinTienLen::kBoard, Cards{0});
    // Binh, then An, answer with their lowest card above the table's.
    ASSERT_TRUE(pumpUntilSeen("move 9001 [8] next 4711"));
    EXPECT_TRUE(table->saw("move 9002 [5] next 9001"));
    TienLenService::getInstance().moveWithRoomId(1, StandinTienLen::kBoard, Cards{4});
    ASSERT_TRUE(pump([&] { return table->events.back() == std::string("refused: ") + StandinTienLen::kCannotBeat.english; }));
    // Once the client asks for Vietnamese, the refusals come in it.
    constexpr int32_t kLanguage = 1;
    GlobalService::getInstance().setLanguageForAppWithSubId(kLanguage, std::string("vi"));
    ASSERT_TRUE(pump([&] { return server.latestClient() && server.latestClient()->language() == "vi"; }));
    TienLenService::getInstance().moveWithRoomId(1, StandinTienLen::kBoard, Cards{4});
    ASSERT_TRUE(pumpUntilSeen(std::string("refused: ") + StandinTienLen::kCannotBeat.vietnamese));
}

// How the roads tell who ended my turn: every request of mine that the table's game takes counts,
// answered or refused, and nothing else does (a request for another table, a chat); a turn of mine that
// the stand-in's clock runs out counts apart.
TEST_F(TienLenTableTest, MyRequestsTakenAndMyTurnsRunOutAreCounted) {
    ASSERT_NO_FATAL_FAILURE(leadTheFirstDealAtAnsTable());
    const auto counts = [&] {
        return robots->locked([&] { return std::pair(robots->playerRequestsTaken(), robots->playerTurnsRunOut()); });
    };
    EXPECT_EQ(counts(), std::pair(0, 0));

    robots->holdRobotTurns(true);
    TienLenService::getInstance().skipWithRoomId(1, StandinTienLen::kBoard + 1);
    GlobalService::getInstance().chatToBoardWithRoom(1, StandinTienLen::kBoard, "hello");
    TienLenService::getInstance().skipWithRoomId(1, StandinTienLen::kBoard);
    ASSERT_TRUE(pumpUntilSeen(std::string("refused: ") + StandinTienLen::kMustLead.english));
    EXPECT_EQ(counts(), std::pair(1, 0));

    ASSERT_TRUE(robots->runOutPlayerTurn());
    ASSERT_TRUE(pumpUntilSeen("move 4711 [0] next 9002"));
    EXPECT_EQ(counts(), std::pair(1, 1));
    EXPECT_FALSE(robots->runOutPlayerTurn()) << "the turn is Binh's";
    EXPECT_EQ(counts(), std::pair(1, 1));
    robots->holdRobotTurns(false);
}

// An invitation to an empty table: I own it, a robot sits down, answers my chat and comes back when
// kicked, and my start request deals. After I leave, the next invitation is to the rotation's game.
TEST_F(TienLenTableTest, AnEmptyTableIsMineToStartAndLeavingMovesTheInvitationsOn) {
    robots->setNextInvitation(3, StandinTableKind::Empty);
    robots->setInvitationRotation({12});
    signIn();
    ASSERT_TRUE(pump([&] { return logic->count("onInvitedJoinBoardWithGameId") == 1; }));
    accept(3, StandinTienLen::kRoom, StandinTienLen::kBoard, "");
    ASSERT_TRUE(pumpUntilSeen("ready 9002 yes"));
    EXPECT_EQ(table->events, (std::vector<std::string>{"joined 1 10", "sits Binh at 2", "ready 9002 yes"}));
    EXPECT_EQ(table->seated[0]->IDDB(), kMe);

    GlobalService::getInstance().chatToBoardWithRoom(1, StandinTienLen::kBoard, "hello");
    ASSERT_TRUE(pump([&] { return !table->chats.empty(); }));
    EXPECT_EQ(table->chats.back(), std::string("9002: ") + StandinRobotTables::kChatAnswer);
    GlobalService::getInstance().setLanguageForAppWithSubId(1, std::string("vi"));
    GlobalService::getInstance().chatToBoardWithRoom(1, StandinTienLen::kBoard, "chào");
    ASSERT_TRUE(pump([&] { return table->chats.back() == std::string("9002: ") + StandinRobotTables::kChatAnswerVi; }));

    table->events.clear();
    GlobalService::getInstance().kickWithRoomId(1, StandinTienLen::kBoard, StandinRobotTables::kRobotId);
    ASSERT_TRUE(pumpUntilSeen("ready 9002 yes"));
    EXPECT_EQ(table->events, (std::vector<std::string>{"leaves 9002", "sits Binh at 2", "ready 9002 yes"}));

    tienLen->setNextHands({Cards{0, 4, 9, 14, 20, 24, 28, 33, 37, 41, 44, 45, 47}, Cards{}, Cards{5, 50}});
    GlobalService::getInstance().startGameWithRoomId(1, StandinTienLen::kBoard);
    ASSERT_TRUE(pumpUntilSeen("deal 20s, first 4711"));
    EXPECT_EQ(table->hand.size(), 13u);

    GlobalService::getInstance().leaveBoardWithRoomId(1, StandinTienLen::kBoard);
    ASSERT_TRUE(pump([&] { return logic->count("onInvitedJoinBoardWithGameId") == 2; }));
    using Invitation = std::tuple<int8_t, int8_t, int8_t, std::optional<std::string>, std::optional<std::string>>;
    EXPECT_EQ(std::get<0>(logic->last<Invitation>("onInvitedJoinBoardWithGameId")), 12);
}
