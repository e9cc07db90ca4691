// The bytes of the board tables' own requests.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "games/blocks/BlocksReport.h"
#include "games/blocks/BlocksService.h"
#include "games/caro/CaroService.h"
#include "games/cotuong/CoTuongService.h"
#include "games/covua/CoVuaService.h"
#include "games/covua/CoVuaView.h"
#include "shell/Resources.h"
#include "support/ServiceRecording.h"
#include "table/GameController.h"

using namespace zuno;
using zuno::testing::expectEach;

TEST(BoardServicesTest, MovesAndGameRequests) {
    Resources::getInstance();  // the Co Vua screen's interface file looks its texts up
    auto& coTuong = CoTuongService::getInstance();
    auto& coVua = CoVuaService::getInstance();
    auto& caro = CaroService::getInstance();
    auto& blocks = BlocksService::getInstance();
    expectEach({
        {"Co Tuong move to square 203", coTuong, [&] { coTuong.moveWithRoomId(2, 6, 84, -53); }, {21, 2, 6, 84, 0xCB}},
        {"Co Tuong winning move: the move before the win fields", coTuong,
         [&] { coTuong.moveAndWinWithRoomId(2, 6, 10, 11, 12, 13, 84, 85); }, {22, 2, 6, 84, 85, 10, 11, 12, 13}},
        {"Co Tuong draw offer", coTuong, [&] { coTuong.requestDrawWithRoomId(2, 6); }, {24, 2, 6, 1}},
        {"Co Vua move", coVua, [&] { coVua.sendMove(2, 6, 14, 34); }, {21, 2, 6, 14, 34}},
        {"Co Vua promotion without a Co Vua screen", coVua, [&] { coVua.sendIdElevate(CoVuaService::kQueen); }, {91, 0, 0, 8, 5}},
        {"Co Vua promotion at the screen's table", coVua,
         [&] {
             auto view = std::make_shared<CoVuaView>();
             view->setPlayersWithRoomId(2, 6, 9001, 500, {});
             GameController::setCoVuaView(view);
             coVua.sendIdElevate(CoVuaService::kKnight);
             GameController::setCoVuaView(nullptr);
         },
         {91, 2, 6, 8, 2}},
        {"Co Vua draw offer", coVua, [&] { coVua.requestDrawWithRoomId(2, 6); }, {24, 2, 6, 1}},
        {"Caro move", caro, [&] { caro.moveWithRoomId(2, 6, 7, 19); }, {21, 2, 6, 7, 19}},
        {"Caro winning move", caro, [&] { caro.moveAndWinWithRoomId(2, 6, 11, 9, 1, 0, 7, 9); }, {22, 2, 6, 7, 9, 11, 9, 1, 0}},
        {"Caro draw offer", caro, [&] { caro.requestDrawWithRoomId(2, 6); }, {24, 2, 6, 1}},
        {"Blocks resigns", blocks, [&] { blocks.requestLoseWithRoomId(2, 6); }, {27, 2, 6}},
        {"add friend", caro, [&] { caro.addFriendWithID(0x01020304); }, {32, 1, 2, 3, 4}},
        {"SMS sent", coVua, [&] { coVua.sendSMSSuccessWithContent("ab", "8x"); }, {57, 0, 2, 'a', 'b', 0, 2, '8', 'x'}},
        {"provider", blocks, [&] { blocks.setProvider(64); }, {58, 64}},
        {"a request with a text too long to carry sends nothing", coTuong,
         [&] { coTuong.sendSMSSuccessWithContent(std::string(40000, 'a'), "8x"); }, {}},
    });
}

TEST(BoardServicesTest, BlocksReports) {
    auto& blocks = BlocksService::getInstance();
    // A J piece (kind 4) turned once, landed with its matrix at row 18, column 4.
    const tBlock j(static_cast<int8_t>(4 * 4 + 1), BlocksPoint{18, 4}, 1);
    expectEach({
        {"landing: index, kind, rotation the other way, column, row + 2, pieces landed", blocks,
         [&] { blocks.sendBrickToServer(3, 1, BlocksReport::landing(j, 5, 41)); }, {21, 3, 1, 5, 4, 3, 4, 20, 0, 0, 0, 41}},
        {"loss: the spawn place with row -1", blocks,
         [&] { blocks.sendBrickToServer(3, 1, BlocksReport::loss(6, 300)); }, {21, 3, 1, 6, 0, 0, 3, 0xFF, 0, 0, 1, 44}},
        {"field by field", blocks, [&] { blocks.sendBrickToServer(3, 1, 5, 4, 3, -1, 20, -2); },
         {21, 3, 1, 5, 4, 3, 0xFF, 20, 0xFF, 0xFF, 0xFF, 0xFE}},
    });
}
