#include "games/covua/CoVuaGames.h"

#include "games/board/BoardGames.h"
#include "games/covua/CoVuaLogicHandler.h"
#include "games/covua/CoVuaMessageHandler.h"
#include "games/covua/CoVuaService.h"
#include "games/covua/CoVuaView.h"
#include "table/GameController.h"

namespace zuno {

namespace {
BoardTableService& service() { return CoVuaService::getInstance(); }
}  // namespace

void GameController::showCoVuaScreenWithRoom(int8_t room, int8_t board, int32_t owner, int32_t money, Players players) {
    openBoardTable(madeOnFirstJoin(getCoVuaView, setCoVuaView, "CoVuaView"),
                   room, board, owner, money, std::move(players));
}

GameDescriptor coVuaGame() {
    GameDescriptor game = boardGame({.type = CoVuaMessageHandler::kGameType,
                                     .titleKey = "ZUNO_coVua",
                                     .achievementTitleKey = "ZUNO_coVua",
                                     .roomNameKey = "ZUNO_roomCoVua",
                                     .family = TableFamily::BoardDuel,
                                     .screenClass = "CoVuaView",
                                     .interfaceFile = "CoVuaView",
                                     .tableListSeats = 2,
                                     .tableBackground = "bg_chess.png"},
                                    GameController::getCoVuaView, service);
    describeResignation(game, GameController::getCoVuaView, service);
    game.openTable = GameController::showCoVuaScreenWithRoom;
    game.messageHandler = [] { return CoVuaMessageHandler::getInstance(); };
    game.start = [] {
        CoVuaLogicHandler::getInstance()->setScreenAccess(
            boardScreenAccess(GameController::getCoVuaView, GameController::showCoVuaScreenWithRoom));
    };
    return game;
}

}  // namespace zuno
