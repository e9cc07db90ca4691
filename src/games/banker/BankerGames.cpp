#include "games/banker/BankerGames.h"

#include "games/banker/BaiCaoLogicHandler.h"
#include "games/banker/BaiCaoMessageHandler.h"
#include "games/banker/BaiCaoService.h"
#include "games/banker/BaiCaoView.h"
#include "games/banker/BankerTableScreen.h"
#include "games/banker/XiZachLogicHandler.h"
#include "games/banker/XiZachMessageHandler.h"
#include "games/banker/XiZachService.h"
#include "games/banker/XiZachView.h"
#include "table/GameController.h"
#include "table/GameDescription.h"

namespace zuno {

namespace {
constexpr const char* kInterfaceFile = "TienLenView";
}  // namespace

// The banker games set room, table and stake only when seating.
void GameController::showBaiCaoScreenWithRoom(int8_t room, int8_t board, int32_t owner, int32_t money, Players players) {
    openCardTable(madeOnFirstJoin(getBaiCaoView, setBaiCaoView, kInterfaceFile), false, room, board, owner, money,
                  std::move(players));
}

void GameController::showXiZachScreenWithRoom(int8_t room, int8_t board, int32_t owner, int32_t money, Players players) {
    openCardTable(madeOnFirstJoin(getXiZachView, setXiZachView, kInterfaceFile), false, room, board, owner, money,
                  std::move(players));
}

GameDescriptor baiCaoGame() {
    GameDescriptor game{.type = BaiCaoMessageHandler::kGameType,
                        .titleKey = "ZUNO_baicao",
                        .achievementTitleKey = "ZUNO_baicao",
                        .roomNameKey = "ZUNO_roomBaiCao",
                        .family = TableFamily::Banker,
                        .screenClass = "BaiCaoView",
                        .interfaceFile = kInterfaceFile,
                        .tableListSeats = 4};
    describeScreen(game, GameController::getBaiCaoView);
    game.openTable = GameController::showBaiCaoScreenWithRoom;
    game.messageHandler = [] { return BaiCaoMessageHandler::getInstance(); };
    game.start = [] {
        BaiCaoLogicHandler::getInstance()->setScreenAccess(
            cardTableAccess<BankerTableScreen>(GameController::getBaiCaoView, GameController::showBaiCaoScreenWithRoom));
    };
    game.setMaxPlayers = [](int8_t room, int8_t board, int8_t count) {
        BaiCaoService::getInstance().setMaxPlayerWithRoomId(room, board, count);
    };
    return game;
}

GameDescriptor xiZachGame() {
    GameDescriptor game{.type = XiZachMessageHandler::kGameType,
                        .titleKey = "ZUNO_xiZach",
                        .achievementTitleKey = "ZUNO_xiZach",
                        .roomNameKey = "ZUNO_roomXiZach",
                        .family = TableFamily::Banker,
                        .screenClass = "XiZachView",
                        .interfaceFile = kInterfaceFile,
                        .tableListSeats = 4};
    describeScreen(game, GameController::getXiZachView);
    game.openTable = GameController::showXiZachScreenWithRoom;
    game.messageHandler = [] { return XiZachMessageHandler::getInstance(); };
    game.start = [] {
        XiZachLogicHandler::getInstance()->setScreenAccess(
            cardTableAccess<BankerTableScreen>(GameController::getXiZachView, GameController::showXiZachScreenWithRoom));
    };
    game.setMaxPlayers = [](int8_t room, int8_t board, int8_t count) {
        XiZachService::getInstance().setMaxPlayerWithRoomId(room, board, count);
    };
    return game;
}

}  // namespace zuno
