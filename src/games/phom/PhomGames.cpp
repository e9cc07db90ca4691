#include "games/phom/PhomGames.h"

#include "games/phom/PhomLogicHandler.h"
#include "games/phom/PhomMessageHandler.h"
#include "games/phom/PhomNewLogicHandler.h"
#include "games/phom/PhomNewMessageHandler.h"
#include "games/phom/PhomNewService.h"
#include "games/phom/PhomNewView.h"
#include "games/phom/PhomService.h"
#include "games/phom/PhomView.h"
#include "table/GameController.h"
#include "table/GameDescription.h"

namespace zuno {

namespace {
constexpr const char* kInterfaceFile = "PhomView";
}  // namespace

void GameController::showPhomScreenWithRoom(int8_t room, int8_t board, int32_t owner, int32_t money, Players players) {
    openCardTable(madeOnFirstJoin(getPhomView, setPhomView, kInterfaceFile), true, room, board, owner, money,
                  std::move(players));
}

void GameController::showPhomNewScreenWithRoom(int8_t room, int8_t board, int32_t owner, int32_t money,
                                               Players players) {
    openCardTable(madeOnFirstJoin(getPhomNewView, setPhomNewView, kInterfaceFile), true, room, board, owner, money,
                  std::move(players));
}

GameDescriptor phomGame() {
    GameDescriptor game{.type = PhomMessageHandler::kGameType,
                        .titleKey = "ZUNO_phom",
                        .achievementTitleKey = "ZUNO_phom",
                        .roomNameKey = "ZUNO_roomPhom",
                        .family = TableFamily::Phom,
                        .screenClass = "PhomView",
                        .interfaceFile = kInterfaceFile};
    describeScreen(game, GameController::getPhomView);
    game.openTable = GameController::showPhomScreenWithRoom;
    game.messageHandler = [] { return PhomMessageHandler::getInstance(); };
    game.start = [] {
        PhomLogicHandler::getInstance()->setScreenAccess(
            cardTableAccess<PhomTableScreen>(GameController::getPhomView, GameController::showPhomScreenWithRoom));
    };
    game.setMaxPlayers = [](int8_t room, int8_t board, int8_t count) {
        PhomService::getInstance().setMaxPlayer(room, board, count);
    };
    // A turn I let run out is passed for me (the skip dialog's OK sends nothing here).
    game.passForMe = [](int8_t room, int8_t board) { PhomService::getInstance().skipWithRoomId(room, board); };
    return game;
}

GameDescriptor phomNewGame() {
    GameDescriptor game{.type = PhomNewMessageHandler::kGameType,
                        .titleKey = "ZUNO_phom",
                        .achievementTitleKey = "ZUNO_phom_moi",
                        .roomNameKey = "ZUNO_roomPhom",
                        .family = TableFamily::Phom,
                        .screenClass = "PhomNewView",
                        .interfaceFile = kInterfaceFile,
                        .tableListSeats = 4};
    describeScreen(game, GameController::getPhomNewView);
    game.openTable = GameController::showPhomNewScreenWithRoom;
    game.messageHandler = [] { return PhomNewMessageHandler::getInstance(); };
    game.start = [] {
        PhomNewLogicHandler::getInstance()->setScreenAccess(
            cardTableAccess<PhomTableScreen>(GameController::getPhomNewView, GameController::showPhomNewScreenWithRoom));
    };
    game.setMaxPlayers = [](int8_t room, int8_t board, int8_t count) {
        PhomNewService::getInstance().setMaxPlayer(room, board, count);
    };
    return game;
}

}  // namespace zuno
