#include "games/blocks/BlocksGames.h"

#include "games/board/BoardGames.h"
#include "games/blocks/BlocksLogicHandler.h"
#include "games/blocks/BlocksMessageHandler.h"
#include "games/blocks/BlocksService.h"
#include "games/blocks/BlocksView.h"
#include "table/GameController.h"

namespace zuno {

namespace {
BoardTableService& service() { return BlocksService::getInstance(); }
}  // namespace

void GameController::showBlocksScreenWithRoom(int8_t room, int8_t board, int32_t owner, int32_t money, Players players) {
    openBoardTable(madeOnFirstJoin(getBlocksView, setBlocksView, "BlocksView"),
                   room, board, owner, money, std::move(players));
}

GameDescriptor blocksGame() {
    GameDescriptor game = boardGame({.type = BlocksMessageHandler::kGameType,
                                     .titleKey = "ZUNO_blocks",
                                     .roomNameKey = "ZUNO_roomBlocks",
                                     .family = TableFamily::Blocks,
                                     .screenClass = "BlocksView",
                                     .interfaceFile = "BlocksView",
                                     .orientation = TableOrientation::Portrait,
                                     .tableListSeats = 2},
                                    GameController::getBlocksView, service);
    game.openTable = GameController::showBlocksScreenWithRoom;
    game.messageHandler = [] { return BlocksMessageHandler::getInstance(); };
    game.start = [] {
        BlocksLogicHandler::getInstance()->setScreenAccess(
            boardScreenAccess(GameController::getBlocksView, GameController::showBlocksScreenWithRoom));
    };
    return game;
}

}  // namespace zuno
