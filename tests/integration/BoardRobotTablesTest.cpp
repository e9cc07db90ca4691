// Co Tuong, Co Vua and Caro tables over TCP: a robot invites the signed-in player, the accepted
// invitation joins its two-seat table, and the real decoders hand every event to a recording logic
// handler while the test plays the player's side with the real services.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "client/Games.h"
#include "games/caro/CaroMessageHandler.h"
#include "games/caro/CaroService.h"
#include "games/cotuong/CoTuongMessageHandler.h"
#include "games/cotuong/CoTuongService.h"
#include "games/covua/CoVuaMessageHandler.h"
#include "games/covua/CoVuaService.h"
#include "lobby/GlobalService.h"
#include "net/MobileClient.h"
#include "shell/UIController.h"
#include "standin-server/StandinCaro.h"
#include "standin-server/StandinCoTuong.h"
#include "standin-server/StandinCoVua.h"
#include "standin-server/StandinRobotTables.h"
#include "standin-server/StandinServer.h"
#include "standin-server/StandinSignIn.h"
#include "support/RecordingBoardLogic.h"
#include "support/SignedInClientTest.h"

using namespace zuno;
using namespace zuno::standin;
using namespace zuno::testing;

namespace {

constexpr int32_t kMe = 4711;
constexpr const char* kResultIWin = "result {(1 4711 10 1000),(-1 9002 -10 -1000)}";

class BoardRobotTablesTest : public SignedInClientTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.start());
        accounts = StandinSignIn::installOn(server);
        accounts->addAccount({"Lan", "hoa sen", kMe, 500000, 12, 250});
        robots = StandinRobotTables::installOn(server, accounts, nullptr, options);
        coTuong = StandinCoTuong::addTo(*robots);
        coVua = StandinCoVua::addTo(*robots);
        caro = StandinCaro::addTo(*robots);
        registerGameMessageHandlers();
        useStandinServer();
        UIController::setInviting(true);
        for (BoardTableService* s : std::initializer_list<BoardTableService*>{
                 &CoTuongService::getInstance(), &CoVuaService::getInstance(), &CaroService::getInstance()})
            s->set_session(MobileClient::getInstance());
        CoTuongMessageHandler::getInstance()->setGameLogicHandler(coTuongEvents);
        CoVuaMessageHandler::getInstance()->setGameLogicHandler(coVuaEvents);
        CaroMessageHandler::getInstance()->setGameLogicHandler(caroEvents);
    }
    void TearDown() override {
        SignedInClientTest::TearDown();
        CoTuongMessageHandler::getInstance()->setGameLogicHandler(nullptr);
        CoVuaMessageHandler::getInstance()->setGameLogicHandler(nullptr);
        CaroMessageHandler::getInstance()->setGameLogicHandler(nullptr);
    }

    void join(int8_t gameType, int8_t board, StandinTableKind kind) {
        robots->setNextInvitation(gameType, kind);
        signInAs("Lan", "hoa sen");
        ASSERT_TRUE(pump([&] { return logic->count("onInvitedJoinBoardWithGameId") == 1; }));
        logic->onSetGameTypeSuccessWithGame(gameType, false);
        GlobalService::getInstance().joinBoardWithroomId(1, board, "");
    }

    // Waits for a line that starts with `prefix` after the first `skip` such lines.
    static bool seen(const Transcript& events, const std::string& prefix, size_t skip = 0) {
        return pump([&] {
            auto lines = events.lines();
            return static_cast<size_t>(std::count_if(lines.begin(), lines.end(), [&](const std::string& l) {
                       return l.rfind(prefix, 0) == 0;
                   })) > skip;
        });
    }
    static size_t count(const Transcript& events, const std::string& prefix) {
        auto lines = events.lines();
        return static_cast<size_t>(
            std::count_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(prefix, 0) == 0; }));
    }

    // Two-second moves announced; mine run out only when the test says so, however busy the machine.
    StandinRobotTables::Options options{0, 0, 2, 7, true};
    std::shared_ptr<StandinSignIn> accounts;
    std::shared_ptr<StandinRobotTables> robots;
    std::shared_ptr<StandinCoTuong> coTuong;
    std::shared_ptr<StandinCoVua> coVua;
    std::shared_ptr<StandinCaro> caro;
    std::shared_ptr<RecordingCoTuong> coTuongEvents = std::make_shared<RecordingCoTuong>();
    std::shared_ptr<RecordingCoVua> coVuaEvents = std::make_shared<RecordingCoVua>();
    std::shared_ptr<RecordingCaro> caroEvents = std::make_shared<RecordingCaro>();
};

}  // namespace

// At An's table (two seats, nobody else sits down): An starts and moves first; his cannon takes my
// horse (captures first); my soldier's step is played, a sideways one before the river is not; my
// draw offer is refused, An's is refused by me; I resign; the next game I, the loser, move first, and
// my move clock runs out.
TEST_F(BoardRobotTablesTest, CoTuongAtARobotsTable) {
    constexpr int8_t kBoard = StandinCoTuong::kBoard;
    join(StandinCoTuong::kGameType, kBoard, StandinTableKind::Robots);
    ASSERT_TRUE(seen(*coTuongEvents, "join"));
    EXPECT_EQ(coTuongEvents->lines()[0],
              "join 1 14 9001 1000 {[9001 'an' shown 'An' 8000000 3 900 ready],[4711 'lan' shown 'Lan' 500000 12 250 -]}");

    GlobalService::getInstance().readyWithRoomId(1, kBoard, true);
    ASSERT_TRUE(seen(*coTuongEvents, "start 1 14 9001 2000 600000 600000"));
    const auto sq = [](int file, int rank) { return std::to_string(StandinCoTuong::square(file, rank)); };
    ASSERT_TRUE(seen(*coTuongEvents, "move 1 14 9001 " + sq(1, 7) + " " + sq(1, 0) + " 4711 "));
    EXPECT_EQ(robots->locked([&] { return coTuong->pieceOn(StandinCoTuong::square(1, 0)); }), "b_pao");

    CoTuongService::getInstance().moveWithRoomId(1, kBoard, StandinCoTuong::square(0, 3), StandinCoTuong::square(1, 3));
    CoTuongService::getInstance().moveWithRoomId(1, kBoard, StandinCoTuong::square(0, 3), StandinCoTuong::square(0, 4));
    ASSERT_TRUE(seen(*coTuongEvents, "move 1 14 4711 " + sq(0, 3) + " " + sq(0, 4) + " 9001 "));
    EXPECT_EQ(count(*coTuongEvents, "move 1 14 4711"), 1u);
    ASSERT_TRUE(seen(*coTuongEvents, "move 1 14 9001", 1));

    CoTuongService::getInstance().requestDrawWithRoomId(1, kBoard);
    ASSERT_TRUE(seen(*coTuongEvents, "drawRefused 1 14"));
    robots->locked([&] { coTuong->offerDraw(*robots); });
    ASSERT_TRUE(seen(*coTuongEvents, "drawOffer 1 14"));
    CoTuongService::getInstance().answerDrawWithRoomId(1, kBoard, false);
    CoTuongService::getInstance().requestLoseWithRoomId(1, kBoard);
    ASSERT_TRUE(seen(*coTuongEvents, "result"));
    EXPECT_EQ(count(*coTuongEvents, "draw 1 14"), 0u);
    EXPECT_TRUE(seen(*coTuongEvents, "resigned 1 14 4711"));
    EXPECT_TRUE(seen(*coTuongEvents, "result {(1 9001 10 1000),(-1 4711 -10 -1000)}"));
    EXPECT_EQ(accounts->balance(kMe), 499000) << "the account keeps the stake lost";

    GlobalService::getInstance().readyWithRoomId(1, kBoard, true);
    ASSERT_TRUE(seen(*coTuongEvents, "start 1 14 4711 2000"));
    ASSERT_TRUE(robots->runOutPlayerTurn());
    ASSERT_TRUE(seen(*coTuongEvents, "timeLoss 1 14 4711"));
    ASSERT_TRUE(seen(*coTuongEvents, "result", 1));
    EXPECT_FALSE(robots->runOutPlayerTurn()) << "no game is played";
    EXPECT_EQ(count(*coTuongEvents, "sits"), 0u);
}

// At an empty table I own, the stake is mine to set between games: one above what I hold is refused
// with its reason; 5000 is told to the table, and the game I resign is paid for at that stake.
TEST_F(BoardRobotTablesTest, TheStakeISetAtMyTableIsWhatAGamePays) {
    constexpr int8_t kBoard = StandinCoTuong::kBoard;
    join(StandinCoTuong::kGameType, kBoard, StandinTableKind::Empty);
    ASSERT_TRUE(seen(*coTuongEvents, "ready 9002 yes"));
    const auto stake = [&](int32_t money) {
        Message m(19);
        for (int8_t b : {int8_t{1}, kBoard}) m.writeByte(b);
        m.writeInt(money);
        MobileClient::getInstance()->sendMessage(m);
    };
    stake(600000);
    ASSERT_TRUE(pump([&] { return logic->count("onSetMoneyErrorWithError") == 1; }));
    EXPECT_EQ(logic->last<std::optional<std::string>>("onSetMoneyErrorWithError"),
              StandinRobotTables::kStakeOutOfReach.english);
    stake(5000);
    ASSERT_TRUE(seen(*coTuongEvents, "stake 1 14 5000"));

    GlobalService::getInstance().startGameWithRoomId(1, kBoard);
    ASSERT_TRUE(seen(*coTuongEvents, "start 1 14 4711"));
    stake(7000);
    ASSERT_TRUE(pump([&] { return logic->count("onSetMoneyErrorWithError") == 2; }));
    EXPECT_EQ(logic->last<std::optional<std::string>>("onSetMoneyErrorWithError"),
              StandinRobotTables::kDealUnderWay.english);
    CoTuongService::getInstance().requestLoseWithRoomId(1, kBoard);
    ASSERT_TRUE(seen(*coTuongEvents, "result {(-1 4711 -10 -5000),(1 9002 10 5000)}"));
    EXPECT_EQ(accounts->balance(kMe), 495000);
    EXPECT_EQ(count(*coTuongEvents, "stake"), 1u);
}

// At an empty table I own: Binh sits down and gets ready; I start as White; I castle king-side (kind
// 8 moves the rook); Binh's pawn steps twice; my pawn reaches the last rank, I am asked for the piece
// and choose a rook, which gives check; taking Binh's king ends the game with 27 naming him.
TEST_F(BoardRobotTablesTest, CoVuaCastlingPromotionAndATakenKing) {
    constexpr int8_t kBoard = StandinCoVua::kBoard;
    const auto sq = &StandinCoVua::square;
    robots->locked([&] {
        coVua->setNextPosition({{sq("e1"), 16}, {sq("h1"), 14}, {sq("a7"), 11}, {sq("e8"), 26}, {sq("h7"), 21}});
    });
    join(StandinCoVua::kGameType, kBoard, StandinTableKind::Empty);
    ASSERT_TRUE(seen(*coVuaEvents, "ready 9002 yes"));
    EXPECT_EQ(coVuaEvents->lines()[0], "join 1 15 4711 1000 {[4711 'Lan' 500000 12 250 -],[-1 '']}");
    EXPECT_TRUE(seen(*coVuaEvents, "sits 1 [9002 'Binh'"));

    GlobalService::getInstance().startGameWithRoomId(1, kBoard);
    ASSERT_TRUE(seen(*coVuaEvents, "start 1 15 4711 2 600 600"));
    CoVuaService::getInstance().sendMove(1, kBoard, sq("e1"), sq("g1"));
    ASSERT_TRUE(seen(*coVuaEvents, "move 4711 40 60 9002"));
    EXPECT_TRUE(seen(*coVuaEvents, "castling 4711 1"));
    EXPECT_EQ(robots->locked([&] { return coVua->pieceOn(sq("f1")); }), 14);
    ASSERT_TRUE(seen(*coVuaEvents, "move 9002 76 74 4711"));

    CoVuaService::getInstance().sendMove(1, kBoard, sq("a7"), sq("a8"));
    ASSERT_TRUE(seen(*coVuaEvents, "choosePromotion 4711"));
    Message choice(91);
    for (int8_t b : {int8_t{1}, kBoard, int8_t{8}, CoVuaService::kRook}) choice.writeByte(b);
    MobileClient::getInstance()->sendMessage(choice);
    ASSERT_TRUE(seen(*coVuaEvents, "move 4711 6 7 9002"));
    EXPECT_TRUE(seen(*coVuaEvents, "promotion 4"));
    EXPECT_TRUE(seen(*coVuaEvents, "check 1"));
    EXPECT_EQ(robots->locked([&] { return coVua->pieceOn(sq("a8")); }), 14);

    ASSERT_TRUE(seen(*coVuaEvents, "move 9002", 1));
    CoVuaService::getInstance().sendMove(1, kBoard, sq("a8"), sq("e8"));
    ASSERT_TRUE(seen(*coVuaEvents, "result"));
    EXPECT_TRUE(seen(*coVuaEvents, "move 4711 7 47 9002"));
    EXPECT_TRUE(seen(*coVuaEvents, "resigned 1 15 9002"));
    EXPECT_TRUE(seen(*coVuaEvents, kResultIWin));
}

// At an empty table I own, started at the slower speed (moves of twice the two seconds): I move first
// and win with a five closed in its middle (the line runs to its far end); Binh, the loser, moves first
// next at the normal speed and wins along the top row; then, at the faster speed (one second), my
// clock runs out.
TEST_F(BoardRobotTablesTest, CaroFivesBothWaysAndATimeOut) {
    constexpr int8_t kBoard = StandinCaro::kBoard;
    join(StandinCaro::kGameType, kBoard, StandinTableKind::Empty);
    ASSERT_TRUE(seen(*caroEvents, "ready 9002 yes"));

    GlobalService::getInstance().startGameWithRoomId(1, kBoard, 2);
    ASSERT_TRUE(seen(*caroEvents, "start 1 16 4711 4000 yes"));
    EXPECT_EQ(robots->locked([&] { return caro->lastSpeed(); }), std::optional<int8_t>(2));
    const int8_t column[] = {10, 11, 13, 14, 12};
    for (size_t i = 0; i < 4; ++i) {
        CaroService::getInstance().moveWithRoomId(1, kBoard, 10, column[i]);
        ASSERT_TRUE(seen(*caroEvents, "move 1 16 9002 " + std::to_string(i) + " 0 4711"));
    }
    CaroService::getInstance().moveWithRoomId(1, kBoard, 10, 10);  // taken: not answered
    CaroService::getInstance().moveWithRoomId(1, kBoard, 10, 12);
    ASSERT_TRUE(seen(*caroEvents, "winningMove 1 16 4711 10 12 10 14 0 1"));
    ASSERT_TRUE(seen(*caroEvents, kResultIWin));

    ASSERT_TRUE(seen(*caroEvents, "ready 9002 yes", 1));
    GlobalService::getInstance().startGameWithRoomId(1, kBoard, 1);
    ASSERT_TRUE(seen(*caroEvents, "start 1 16 9002 2000 no"));
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(seen(*caroEvents, "move 1 16 9002 " + std::to_string(i) + " 0 4711", 1));
        CaroService::getInstance().moveWithRoomId(1, kBoard, static_cast<int8_t>(2 * i + 5), 9);
    }
    ASSERT_TRUE(seen(*caroEvents, "winningMove 1 16 9002 4 0 0 0 -1 0"));
    ASSERT_TRUE(seen(*caroEvents, "result", 1));

    ASSERT_TRUE(seen(*caroEvents, "ready 9002 yes", 2));
    GlobalService::getInstance().startGameWithRoomId(1, kBoard, 0);
    ASSERT_TRUE(seen(*caroEvents, "start 1 16 4711 1000 no"));
    ASSERT_TRUE(robots->runOutPlayerTurn());
    ASSERT_TRUE(seen(*caroEvents, "timeLoss 1 16 4711"));
}
