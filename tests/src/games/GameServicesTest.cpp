#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "games/banker/BaiCaoService.h"
#include "games/banker/XiZachService.h"
#include "games/blocks/BlocksService.h"
#include "games/caro/CaroService.h"
#include "games/cotuong/CoTuongService.h"
#include "games/covua/CoVuaService.h"
#include "games/phom/PhomNewService.h"
#include "games/phom/PhomService.h"
#include "games/poker/PokerService.h"
#include "games/tienlen/TienLenMBService.h"
#include "games/tienlen/TienLenService.h"
#include "support/ServiceRecording.h"

using namespace zuno;
using zuno::testing::expectEach;

TEST(GameServicesTest, CardGamesPassSeatCountAndWatch) {
    auto& tienLen = TienLenService::getInstance();
    auto& tienLenMB = TienLenMBService::getInstance();
    ASSERT_NE(static_cast<TienLenService*>(&tienLenMB), &tienLen);
    expectEach({
        {"Tien Len pass", tienLen, [&] { tienLen.skipWithRoomId(2, -3); }, {49, 2, 0xFD}},
        {"Tien Len Mien Bac pass", tienLenMB, [&] { tienLenMB.skipWithRoomId(2, -3); }, {49, 2, 0xFD}},
        {"Tien Len seats", tienLen, [&] { tienLen.setMaxPlayerWithRoomId(2, 3, 4); }, {56, 2, 3, 4}},
        {"Tien Len Mien Bac seats", tienLenMB, [&] { tienLenMB.setMaxPlayerWithRoomId(2, 3, 4); }, {56, 2, 3, 4}},
        {"Phom seats", PhomService::getInstance(), [] { PhomService::getInstance().setMaxPlayer(1, 5, 3); },
         {56, 1, 5, 3}},
        {"new Phom seats", PhomNewService::getInstance(), [] { PhomNewService::getInstance().setMaxPlayer(1, 5, 2); },
         {56, 1, 5, 2}},
        {"Bai Cao seats", BaiCaoService::getInstance(),
         [] { BaiCaoService::getInstance().setMaxPlayerWithRoomId(3, 9, 4); }, {56, 3, 9, 4}},
        {"Xi Zach seats", XiZachService::getInstance(),
         [] { XiZachService::getInstance().setMaxPlayerWithRoomId(3, 9, 2); }, {56, 3, 9, 2}},
        {"Poker watch", PokerService::getInstance(), [] { PokerService::getInstance().doSendObserver(1, 7, 1); },
         {82, 1, 7, 12, 1}},
        {"Poker decline", PokerService::getInstance(), [] { PokerService::getInstance().doSendObserver(1, 7, 0); },
         {82, 1, 7, 12, 0}},
    });
}

TEST(GameServicesTest, BoardGamesDrawAnswerAndResignation) {
    auto& coTuong = CoTuongService::getInstance();
    auto& coVua = CoVuaService::getInstance();
    auto& caro = CaroService::getInstance();
    auto& blocks = BlocksService::getInstance();
    expectEach({
        {"Co Tuong accepts", coTuong, [&] { coTuong.answerDrawWithRoomId(2, 6, true); }, {24, 2, 6, 1}},
        {"Co Tuong declines", coTuong, [&] { coTuong.answerDrawWithRoomId(2, 6, false); }, {24, 2, 6, 0}},
        {"Co Vua accepts", coVua, [&] { coVua.answerDrawWithRoomId(2, 6, true); }, {24, 2, 6, 1}},
        {"Co Vua declines", coVua, [&] { coVua.answerDrawWithRoomId(2, 6, false); }, {24, 2, 6, 0}},
        {"Caro accepts", caro, [&] { caro.answerDrawWithRoomId(2, 6, true); }, {24, 2, 6, 1}},
        {"Caro declines", caro, [&] { caro.answerDrawWithRoomId(2, 6, false); }, {24, 2, 6, 0}},
        {"Blocks accepts", blocks, [&] { blocks.answerDrawWithRoomId(0, -1, true); }, {24, 0, 0xFF, 1}},
        {"Blocks declines", blocks, [&] { blocks.answerDrawWithRoomId(0, -1, false); }, {24, 0, 0xFF, 0}},
        {"Co Tuong resigns", coTuong, [&] { coTuong.requestLoseWithRoomId(2, 6); }, {27, 2, 6}},
        {"Co Vua resigns", coVua, [&] { coVua.requestLoseWithRoomId(2, 6); }, {27, 2, 6}},
        {"Caro resigns", caro, [&] { caro.requestLoseWithRoomId(2, 6); }, {27, 2, 6}},
    });
}
