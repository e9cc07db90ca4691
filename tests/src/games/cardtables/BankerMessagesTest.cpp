#include <gtest/gtest.h>

#include "DecoderCases.h"
#include "games/banker/BaiCaoMessageHandler.h"
#include "games/banker/BaiCaoPlayer.h"
#include "games/banker/XiZachMessageHandler.h"

using namespace zuno;
using namespace zuno::testing;

namespace {

class BankerMessagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        BaiCaoMessageHandler::getInstance()->setBaiCaoLogicHandler(baiCao);
        XiZachMessageHandler::getInstance()->setXiZachLogicHandler(xiZach);
    }
    void TearDown() override {
        BaiCaoMessageHandler::getInstance()->setBaiCaoLogicHandler(BaiCaoLogicHandler::getInstance());
        XiZachMessageHandler::getInstance()->setXiZachLogicHandler(XiZachLogicHandler::getInstance());
    }
    void expectBaiCao(const std::vector<DecoderCase>& cases) { expectEach(*BaiCaoMessageHandler::getInstance(), baiCao->log, cases); }
    void expectXiZach(const std::vector<DecoderCase>& cases) { expectEach(*XiZachMessageHandler::getInstance(), xiZach->log, cases); }

    std::shared_ptr<RecordingBaiCaoLogic> baiCao = std::make_shared<RecordingBaiCaoLogic>();
    std::shared_ptr<RecordingXiZachLogic> xiZach = std::make_shared<RecordingXiZachLogic>();
};

}  // namespace

TEST_F(BankerMessagesTest, SharedLayouts) {
    const std::vector<DecoderCase> cases = {
        {"join of four seats, two empty", 8,
         bytes({{3, 9}, I(6), I(500), seat(6, "an", 70, 1, 5, true), I(-1), seat(7, "binh", 80, 2, 6, false), I(-1)}),
         {"join(3, 9, 6, 500, [{6 an 70 1 5 ready} {-1  0 0 0 -} {7 binh 80 2 6 -} {-1  0 0 0 -}])"}},
        {"someone sits", 12, bytes({{2}, I(6), utf("an"), L(70), int16Bytes(1), I(5)}), {"sit(2, {6 an 70 1 5 -}, -1)"}},
        {"seat 4 is outside the table", 12, bytes({{4}, I(6), utf("an"), L(70), int16Bytes(1), I(5)}), {}},
        {"ready", 16, bytes({I(6), {0}}), {"ready(6, no)"}},
        {"stake, money first", 24, bytes({{3, 9}, I(500), I(7)}), {"stake(3, 9, 500, 7)"}},
        {"stake, player first", 80, bytes({{3, 9}, I(7), I(500)}), {"stake(3, 9, 500, 7)"}},
        {"bonus", 52, bytes({{3, 9}, I(7), I(-50), utf("thua")}), {"bonus(3, 9, 7, -50, \"thua\")"}},
        {"result text names no table", 91, bytes({I(7), utf("9 nút")}), {"points(7, \"9 nút\")"}},
        {"nudge", 103, bytes({utf("an"), utf("hi")}), {"buzz(\"an: hi\")"}},
    };
    expectBaiCao(cases);
    expectXiZach(cases);
}

TEST_F(BankerMessagesTest, BaiCao) {
    expectBaiCao({
        {"deal of three cards", 20, {3, 9, 30, 1, 2, 51}, {"start(3, 9, [1 2 51], 30)"}},
        {"deal cut inside its cards", 20, {3, 9, 30, 1, 2}, {}},
        {"cards shown", 21, bytes({{3, 9}, I(6), {0xFF, 4, 0xFF}}), {"show(3, 9, 6, [-1 4 -1])"}},
        {"cards shown, cut short", 21, bytes({{3, 9}, I(6), {0xFF, 4}}), {}},
        {"results", 50, bytes({{3, 9, 2}, I(6), {1, 2, 3}, I(7), {4, 5, 6}}), {"stop(3, 9, 2, [[6 1 2 3] [7 4 5 6]])"}},
        {"results without a count", 50, {3, 9}, {"stop(3, 9, 0, [])"}},
        // The end of a deal still ends it: the records that arrived whole are shown.
        {"results cut inside a record", 50, bytes({{3, 9, 2}, I(6), {1, 2, 3}, I(7), {4}}), {"stop(3, 9, 1, [[6 1 2 3]])"}},
        {"running deal", 62, bytes({{3, 9, 20, 1}, I(6), {1, 2, 3}}), {"playing(3, 9, 20, 1, [[6 1 2 3]])"}},
        {"running deal with a negative count", 62, {3, 9, 20, 0xFF}, {"playing(3, 9, 20, 0, [])"}},
    });
}

TEST_F(BankerMessagesTest, XiZach) {
    expectXiZach({
        {"deal of two cards, first player before the interval", 20, bytes({{3, 9}, I(6), {30, 1, 2}}),
         {"start(3, 9, 6, [1 2], 30)"}},
        {"deal cut inside its cards", 20, bytes({{3, 9}, I(6), {30, 1}}), {}},
        {"a card drawn", 21, bytes({{3, 9, 0}, I(6), {12}}), {"draw(3, 9, 6, 12)"}},
        {"a card drawn, cut short", 21, bytes({{3, 9, 0}, I(6)}), {}},
        {"turn time", 21, bytes({{3, 9, 1}, I(6), {20}}), {"turn(3, 9, 6, 20)"}},
        {"turn time without its seconds reads 0", 21, bytes({{3, 9, 1}, I(6)}), {"turn(3, 9, 6, 0)"}},
        {"hand shown without its count", 21, bytes({{3, 9, 2}, I(6)}), {"show(3, 9, 6, [])"}},
        {"hand shown", 21, bytes({{3, 9, 2}, I(6), {3, 1, 2, 3}}), {"show(3, 9, 6, [1 2 3])"}},
        {"hand shown, cut short", 21, bytes({{3, 9, 2}, I(6), {3, 1, 2}}), {}},
        {"type 3 is ignored", 21, bytes({{3, 9, 3}, I(6), {1}}), {}},
        {"record of two cards", 50, bytes({{3, 9, 1}, I(6), {2, 10, 11}}), {"stop(3, 9, 1, [[6 2 10 11 -1 -1 -1]])"}},
        {"record of seven cards keeps five", 50, bytes({{3, 9, 2}, I(6), {7, 1, 2, 3, 4, 5, 6, 7}, I(8), {0}}),
         {"stop(3, 9, 2, [[6 5 1 2 3 4 5] [8 0 -1 -1 -1 -1 -1]])"}},
        {"last record without its card count", 50, bytes({{3, 9, 1}, I(6)}), {"stop(3, 9, 1, [[6 0 -1 -1 -1 -1 -1]])"}},
        {"running deal", 62, bytes({{3, 9, 20, 1}, I(6), {1, 9}}), {"playing(3, 9, 20, 1, [[6 1 9 -1 -1 -1 -1]])"}},
    });
}

TEST(BaiCaoPlayerTest, EmptySeatsOfTheJoinReplyAreBankerRecords) {
    std::vector<TienLenPlayerPtr> players;
    struct Keep : RecordingBaiCaoLogic {
        std::vector<TienLenPlayerPtr>* out;
        void onJoinGameSuccessWithRoomId(int8_t, int8_t, int32_t, int32_t, std::vector<TienLenPlayerPtr> p) override { *out = p; }
    };
    auto keep = std::make_shared<Keep>();
    keep->out = &players;
    BaiCaoMessageHandler::getInstance()->setBaiCaoLogicHandler(keep);
    Message join(8, bytes({{3, 9}, I(6), I(500), I(-1), seat(6, "an", 70, 1, 5, true)}));
    BaiCaoMessageHandler::getInstance()->onMessage(join);
    BaiCaoMessageHandler::getInstance()->setBaiCaoLogicHandler(BaiCaoLogicHandler::getInstance());
    ASSERT_EQ(players.size(), 2u);
    for (const auto& p : players) {
        auto record = std::dynamic_pointer_cast<BaiCaoPlayer>(p);
        ASSERT_TRUE(record);
        EXPECT_FALSE(record->isDaXet());
    }
    EXPECT_EQ(players[0]->name(), "");
}
