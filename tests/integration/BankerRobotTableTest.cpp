// Bai Cao and Xi Zach tables over TCP: the stand-in's robot invites the signed-in player, the accepted
// invitation joins its table, and the real decoders and logic handlers carry deals to a table screen that
// records what it is asked to show.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "client/Games.h"
#include "games/banker/BaiCaoLogicHandler.h"
#include "games/banker/BaiCaoService.h"
#include "games/banker/BankerTableScreen.h"
#include "games/banker/XiZachLogicHandler.h"
#include "games/banker/XiZachService.h"
#include "lobby/GlobalService.h"
#include "net/MobileClient.h"
#include "shell/UIController.h"
#include "standin-server/StandinBanker.h"
#include "standin-server/StandinRobotTables.h"
#include "standin-server/StandinServer.h"
#include "standin-server/StandinSignIn.h"
#include "support/AceLowCards.h"
#include "support/RecordingRobotTableScreen.h"
#include "support/SignedInClientTest.h"

using namespace zuno;
using namespace zuno::standin;
using zuno::testing::SignedInClientTest;

namespace {

constexpr int32_t kMe = 4711;
constexpr int32_t kBinh = StandinRobotTables::kRobotId;
using Cards = std::vector<int8_t>;

int8_t card(const char* name) { return zuno::testing::aceLowCard(name); }

Cards hand(std::initializer_list<const char*> names) {
    Cards out;
    for (const char* n : names) out.push_back(card(n));
    return out;
}

std::string list(const Cards& cards) {
    std::string out;
    for (int8_t c : cards) {
        if (!out.empty()) out += ' ';
        out += std::to_string(c);
    }
    return "[" + out + "]";
}

// Each event the handler applies, as one line.
class ScreenDouble : public zuno::testing::RecordingRobotTableScreen<BankerTableScreen> {
public:
    int32_t firstMover = -1;  // as the deal named him

    void setMoneyOnBoardWithWho(int32_t money, int32_t who) override {
        events.push_back("stake " + std::to_string(who) + " " + std::to_string(money));
    }
    void startWithInterval(int8_t interval, std::optional<int32_t> whoMove, const CardIds& cards) override {
        mine = cards;
        next = firstMover = whoMove.value_or(-1);
        events.push_back("deal " + std::to_string(interval) + "s " + list(cards));
    }
    void moveWithPlayerId(int32_t id, const CardIds& cards) override {
        events.push_back("show " + std::to_string(id) + " " + list(cards));
    }
    void stopGame() override { events.push_back("stop"); }
    void showCardsWithPlayers(const std::vector<BankerHand>& hands) override {
        events.push_back("hands " + std::to_string(hands.size()));
    }
    void playingWithInterval(int8_t, const std::vector<BankerHand>&) override {}
    void getRemainTimeWithPlayerId(int32_t id, int8_t) override {
        next = id;
        events.push_back("turn " + std::to_string(id));
    }
    void getCardWithPlayerId(int32_t id, int8_t c) override {
        if (id == kMe) mine.push_back(c);
        events.push_back("drew " + std::to_string(id) + " " + std::to_string(c));
    }
    void onChatFromWithId(int32_t id, const std::optional<std::string>&, const std::string& text) override {
        events.push_back("says " + std::to_string(id) + " " + text);
    }
};

class BankerRobotTableTest : public SignedInClientTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.start());
        accounts = StandinSignIn::installOn(server);
        accounts->addAccount({"lan", "hoa sen", kMe, 500000, 12, 250});
        robots = StandinRobotTables::installOn(server, accounts, nullptr, options);
        baiCao = StandinBanker::addTo(*robots, StandinBanker::kBaiCao);
        xiZach = StandinBanker::addTo(*robots, StandinBanker::kXiZach);
        registerGameMessageHandlers();
        useStandinServer();
        BaiCaoService::getInstance().set_session(MobileClient::getInstance());
        XiZachService::getInstance().set_session(MobileClient::getInstance());
        UIController::setInviting(true);
        BankerScreenAccess access{
            [this] { return table; },
            [this](int8_t room, int8_t board, int32_t, int32_t, const std::vector<TienLenPlayerPtr>& players) {
                table->show(room, board, players);
            },
            nullptr};
        BaiCaoLogicHandler::getInstance()->setScreenAccess(access);
        XiZachLogicHandler::getInstance()->setScreenAccess(access);
    }
    void TearDown() override {
        SignedInClientTest::TearDown();
        BaiCaoLogicHandler::getInstance()->setScreenAccess({});
        XiZachLogicHandler::getInstance()->setScreenAccess({});
    }

    bool seen(const std::string& line) { return pump([&] { return table->saw(line); }); }

    void join(int8_t gameType, StandinTableKind kind) {
        robots->setNextInvitation(gameType, kind);
        signInAs("lan", "hoa sen");
        ASSERT_TRUE(pump([&] { return logic->count("onInvitedJoinBoardWithGameId") == 1; }));
        logic->onSetGameTypeSuccessWithGame(gameType, false);
        const int8_t board = gameType == StandinBanker::kBaiCao ? StandinBanker::kBaiCaoBoard : StandinBanker::kXiZachBoard;
        GlobalService::getInstance().joinBoardWithroomId(StandinBanker::kRoom, board, "");
        ASSERT_TRUE(seen("ready 9002 yes"));
    }

    StandinRobotTables::Options options{0, 0, 20, 7};
    std::shared_ptr<StandinSignIn> accounts;
    std::shared_ptr<StandinRobotTables> robots;
    std::shared_ptr<StandinBanker> baiCao, xiZach;
    std::shared_ptr<ScreenDouble> table = std::make_shared<ScreenDouble>();
};

}  // namespace

// At An's Bai Cao table: my stake, ready, the deal; I show one card twice, then all; the robots show
// theirs at once; the stop lays every hand open with a text and money each. An holds 4,000: with Binh's
// 2,000 down he cannot cover my 3,000. When the cards come he holds 3,000 (as after a deal lost) and
// loses to us both: he pays in turn while his money lasts.
TEST_F(BankerRobotTableTest, BaiCaoAsPunter) {
    join(StandinBanker::kBaiCao, StandinTableKind::Robots);
    constexpr int8_t kBoard = StandinBanker::kBaiCaoBoard;
    ASSERT_TRUE(seen("stake 9002 2000"));
    robots->locked([&] { robots->place(0).money = 4000; });
    GlobalService::getInstance().setMoneyWithRoomId(StandinBanker::kRoom, kBoard, 3000);
    ASSERT_TRUE(pump([&] { return logic->count("onSetMoneyErrorWithError") == 1; }));
    EXPECT_EQ(logic->last<std::optional<std::string>>("onSetMoneyErrorWithError"),
              StandinBanker::kBankerCannotCover.english);
    GlobalService::getInstance().setMoneyWithRoomId(StandinBanker::kRoom, kBoard, 2000);
    ASSERT_TRUE(seen("stake 4711 2000"));
    robots->locked([&] { robots->place(0).money = 3000; });

    // An holds 0 points, I hold 6, Binh 9.
    baiCao->setNextDeal({hand({"TS", "JC", "QD"}), hand({"AS", "2C", "3D"}), hand({"KS", "AH", "8C"}), {}}, {});
    GlobalService::getInstance().readyWithRoomId(StandinBanker::kRoom, kBoard, true);
    ASSERT_TRUE(seen("deal 20s " + list(hand({"AS", "2C", "3D"}))));

    const int8_t as = card("AS"), twoC = card("2C");
    const Cards first{as, -1, -1}, second{as, twoC, -1};
    BaiCaoService::getInstance().moveWithRoomId(StandinBanker::kRoom, kBoard, first);
    ASSERT_TRUE(seen("show 4711 " + list(first)));
    BaiCaoService::getInstance().moveWithRoomId(StandinBanker::kRoom, kBoard, second);
    ASSERT_TRUE(seen("show 4711 " + list(second)));
    BaiCaoService::getInstance().moveWithRoomId(StandinBanker::kRoom, kBoard, hand({"AS", "2C", "3D"}));
    ASSERT_TRUE(seen("hands 3"));
    EXPECT_TRUE(table->saw("show 9002 " + list(hand({"KS", "AH", "8C"}))));
    ASSERT_TRUE(pump([&] { return table->count("money") == 3; }));
    EXPECT_TRUE(table->saw("says 4711 6 points"));
    EXPECT_TRUE(table->saw("says 9001 0 points"));
    EXPECT_TRUE(table->saw("says 4711 Won"));
    EXPECT_TRUE(table->saw("says 9002 Won"));
    EXPECT_TRUE(table->saw("says 9001 Banker"));
    EXPECT_TRUE(table->saw("money 4711 2000"));
    EXPECT_TRUE(table->saw("money 9002 1000"));
    EXPECT_TRUE(table->saw("money 9001 -3000"));
    EXPECT_EQ(accounts->balance(kMe), 502000) << "the account keeps what the deal paid";
}

// At an empty Xi Zach table that I own, holding 1,500: Binh joins and gets ready, and plays for the
// table's 1,000 (his 2,000 is more than I cover); I start; Binh draws below 16 and stands; on my turn I
// examine Binh's hand (once, whatever I ask) and draw: my fifth card ends my turn and the deal.
TEST_F(BankerRobotTableTest, XiZachAsDealer) {
    accounts->addToBalance(kMe, 1500 - 500000);
    join(StandinBanker::kXiZach, StandinTableKind::Empty);
    constexpr int8_t kBoard = StandinBanker::kXiZachBoard;
    // The results come in the language the client chose.
    constexpr int32_t kLanguage = 1;
    GlobalService::getInstance().setLanguageForAppWithSubId(kLanguage, std::string("vi"));
    ASSERT_TRUE(pump([&] { return server.latestClient() && server.latestClient()->language() == "vi"; }));
    // Binh: 10 + 2, draws a 3 (15) and a 4 (19), then stands. I: two aces, draw two more and a 2 (16).
    xiZach->setNextDeal({hand({"AS", "AC"}), {}, hand({"TS", "2C"}), {}}, hand({"3D", "4H", "AD", "AH", "2S"}));
    GlobalService::getInstance().startGameWithRoomId(StandinBanker::kRoom, kBoard);
    ASSERT_TRUE(seen("deal 20s " + list(hand({"AS", "AC"}))));
    EXPECT_FALSE(table->sawPrefix("stake 9002"));
    EXPECT_EQ(table->firstMover, kBinh);
    ASSERT_TRUE(seen("turn 4711"));
    EXPECT_EQ(table->count("drew 9002 -1"), 2u);

    XiZachService::getInstance().xetBaiWithRoomId(StandinBanker::kRoom, kBoard, kBinh);
    ASSERT_TRUE(seen("show 9002 " + list(hand({"TS", "2C", "3D", "4H"}))));
    XiZachService::getInstance().xetBaiWithRoomId(StandinBanker::kRoom, kBoard, kBinh);
    for (int draws = 0; draws < 3; ++draws)
        XiZachService::getInstance().moveWithRoomId(StandinBanker::kRoom, kBoard, 0);
    ASSERT_TRUE(seen("hands 2"));
    EXPECT_EQ(robots->locked([&] { return robots->playerTurnsRunOut(); }), 0)
        << "the clock, not my fifth card, ended my turn";
    EXPECT_TRUE(table->saw("drew 4711 " + std::to_string(card("2S"))));
    EXPECT_EQ(table->count("show 9002"), 1u);  // one examination, whatever I ask
    ASSERT_TRUE(pump([&] { return table->count("money") == 2; }));
    EXPECT_TRUE(table->saw("says 4711 16 điểm"));
    EXPECT_TRUE(table->saw("says 9002 Thắng"));
    EXPECT_TRUE(table->saw("says 4711 Nhà cái"));
    EXPECT_TRUE(table->saw("money 9002 1000"));
    EXPECT_TRUE(table->saw("money 4711 -1000"));
}
