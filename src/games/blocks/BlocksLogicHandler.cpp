#include "games/blocks/BlocksLogicHandler.h"

#include "games/blocks/BlocksTableScreen.h"
#include "platform/core/Log.h"

namespace zuno {

namespace {
// The screen of the hand-over is the Blocks table (the registry gives no other to this handler).
BlocksTableScreen* blocks(BoardTableScreen& table) { return dynamic_cast<BlocksTableScreen*>(&table); }

BoardHandOverRules blocksRules() {
    BoardHandOverRules rules;
    rules.closeBeforeOwnResult = true;
    return rules;
}
}  // namespace

BlocksLogicHandler::BlocksLogicHandler() : BoardTableEvents(blocksRules()) {}

std::shared_ptr<BlocksLogicHandler> BlocksLogicHandler::getInstance() {
    // Lives for the whole run.
    static auto* instance = new std::shared_ptr<BlocksLogicHandler>(new BlocksLogicHandler());
    return *instance;
}

void BlocksLogicHandler::onStartGameWithRoomId(int8_t roomId, int8_t boardId, std::vector<int8_t> bricks) {
    handOver().onTable(roomId, boardId, [bricks = std::move(bricks)](BoardTableScreen& table) {
        for (int8_t kind : bricks) sys::Log::format("%d", kind);
        if (auto* screen = blocks(table)) screen->startWithBricks(bricks);
    });
}

void BlocksLogicHandler::setRowsOfOpponentWithnDel(int8_t nDel) {
    handOver().onScreen([nDel](BoardTableScreen& table) {
        if (auto* screen = blocks(table)) screen->setRowsOfOpponent(nDel);
    });
}

void BlocksLogicHandler::readRowAddWithUserId(int32_t, int8_t row, std::vector<int8_t> ros) {
    if (row <= 0) return;
    handOver().onScreen([row, ros = std::move(ros)](BoardTableScreen& table) {
        for (int8_t hole : ros) sys::Log::format("readRowAdd %d", hole);
        if (auto* screen = blocks(table)) screen->addRandomWithRos(ros, row);
    });
}

void BlocksLogicHandler::getHeightFromServerWithHeight(int8_t height) {
    handOver().onScreen([height](BoardTableScreen& table) {
        if (auto* screen = blocks(table)) screen->getHeightFromServerWithHeight(height);
    });
}

void BlocksLogicHandler::ReadLevelFromServerWithSpeed(int8_t speed) {
    handOver().onScreen([speed](BoardTableScreen& table) {
        if (auto* screen = blocks(table)) screen->setSpeedWithSpeed(speed);
    });
}

}  // namespace zuno
