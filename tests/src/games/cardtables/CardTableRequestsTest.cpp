#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "games/banker/BaiCaoService.h"
#include "games/banker/XiZachService.h"
#include "games/phom/PhomNewService.h"
#include "games/phom/PhomService.h"
#include "games/poker/PokerService.h"
#include "platform/core/Log.h"
#include "support/RecordingSession.h"
#include "support/ServiceRecording.h"

using namespace zuno;
using namespace zuno::testing;

namespace {

// [meld 5: 4, 8, 12][free 20][meld 7: 30, 31, 29]
const std::vector<PhomCard> kHand = {{4, 5}, {8, 5}, {12, 5}, {20, 0}, {30, 7}, {31, 7}, {29, 7}};
const std::vector<int8_t> kEatSlots = {12, 13, 14, -1, -1};
}  // namespace

TEST(CardTableRequestsTest, Phom) {
    auto& s = PhomService::getInstance();
    expectEach({
        {"fire", s, [&] { s.fire(3, 9, 51); }, {21, 3, 9, 51}},
        {"skip", s, [&] { s.skipWithRoomId(3, 9); }, {49, 3, 9}},
        {"draw", s, [&] { s.getCard(3, 9); }, {63, 3, 9}},
        {"eat a run", s, [&] { s.eatCard(3, 9, kEatSlots, 1); }, {64, 3, 9, 12, 13, 14, 0xFF, 0xFF, 1}},
        {"eat with four slots sends nothing", s, [&] { s.eatCard(3, 9, std::vector<int8_t>{1, 2, 3, 4}, 0); }, {}},
        {"lay down", s, [&] { s.haPhom(3, 9, kHand); }, {65, 3, 9, 4, 8, 12, 0xFF, 30, 31, 29}},
        {"reset melds", s, [&] { s.doResetPhomEat(3, 9, kEatSlots, 13); }, {68, 3, 9, 13, 12, 13, 14}},
    });
}

TEST(CardTableRequestsTest, NewPhom) {
    auto& s = PhomNewService::getInstance();
    const sys::Data melds = {3, 9, 2, 4, 8, 12, 0xFF, 30, 31, 29, 0xFF};
    expectEach({
        {"fire", s, [&] { s.fire(3, 9, 51); }, {21, 3, 9, 51}},
        {"draw", s, [&] { s.getCard(3, 9); }, {63, 3, 9}},
        {"eat: the discard, then two own cards", s, [&] { s.eatCard(3, 9, std::vector<int8_t>{5, 6}, 7); }, {64, 3, 9, 7, 5, 6}},
        {"eat with one own card sends nothing", s, [&] { s.eatCard(3, 9, std::vector<int8_t>{5}, 7); }, {}},
        {"lay down", s, [&] { s.haPhom(3, 9, kHand); }, bytes({{65}, melds})},
        {"reset melds", s, [&] { s.doResetPhom(3, 9, kHand); }, bytes({{68}, melds})},
        {"add cards", s, [&] { s.addCard(3, 9, std::vector<PhomCard>{{9, 0}, {10, 0}}); }, {67, 3, 9, 9, 10}},
    });
    sys::Log::clearCaptured();
    s.haPhom(3, 9, kHand);
    s.doResetPhom(3, 9, kHand);
    EXPECT_EQ(sys::Log::captured(),
              (std::vector<std::string>{"so luong phom ha: 2", "bai phom ha: 4", "bai phom ha: 8", "bai phom ha: 12",
                                        "bai phom ha: 30", "bai phom ha: 31", "bai phom ha: 29", "so luong phom 2",
                                        "Bai phom 4", "Bai phom 8", "Bai phom 12", "Bai phom 30", "Bai phom 31",
                                        "Bai phom 29"}));
}

TEST(CardTableRequestsTest, Poker) {
    auto& s = PokerService::getInstance();
    expectEach({
        {"bet", s, [&] { s.doBet(3, 9, 70000); }, bytes({{21, 3, 9, 1}, int32Bytes(70000)})},
        {"raise", s, [&] { s.doRaise(3, 9, -2); }, bytes({{21, 3, 9, 2}, int32Bytes(-2)})},
        {"call", s, [&] { s.doCall(3, 9); }, {21, 3, 9, 3}},
        {"check", s, [&] { s.doCheck(3, 9); }, {21, 3, 9, 4}},
        {"fold", s, [&] { s.doFold(3, 9); }, {21, 3, 9, 5}},
        {"all in", s, [&] { s.doAllIn(3, 9); }, {21, 3, 9, 6}},
        {"sit", s, [&] { s.doSit(3, 9, 8); }, {82, 3, 9, 19, 8}},
        {"stand up", s, [&] { s.doStandUp(3, 9); }, {82, 3, 9, 30}},
    });
}

TEST(CardTableRequestsTest, BankerGames) {
    auto& baiCao = BaiCaoService::getInstance();
    auto& xiZach = XiZachService::getInstance();
    expectEach({
        {"Bai Cao shows one card", baiCao, [&] { baiCao.moveWithRoomId(3, 9, std::vector<int8_t>{-1, 7, -1}); },
         {21, 3, 9, 0xFF, 7, 0xFF}},
        {"Xi Zach draws", xiZach, [&] { xiZach.moveWithRoomId(3, 9, 0); }, {21, 3, 9, 0}},
        {"Xi Zach stands", xiZach, [&] { xiZach.moveWithRoomId(3, 9, 1); }, {21, 3, 9, 1}},
        {"Xi Zach examines a hand", xiZach, [&] { xiZach.xetBaiWithRoomId(3, 9, 4711); }, bytes({{67, 3, 9}, int32Bytes(4711)})},
    });
}
