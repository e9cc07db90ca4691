#include "games/blocks/BlocksMessageHandler.h"

#include "lobby/GlobalMessageHandler.h"
#include "platform/core/Log.h"
#include "screens/BoardView.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "table/TableWire.h"

namespace zuno {

namespace {
using C = BoardTableCommand;

const BoardTableDialect kDialect{.logsMessageId = true};
}  // namespace

BlocksMessageHandler::BlocksMessageHandler() : BoardTableMessageHandler(kDialect) {}

void BlocksMessageHandler::onPostSetupGameType() {
    // The game's own table messages come here from now on, whatever installed it.
    GlobalMessageHandler::getInstance().setGameMessageHandler(getInstance());
    BoardView::setType(0);  // two-seat tables
    UIController::setGameTitle(Resources::getInstance().textForKey("ZUNO_blocks"));
}

void BlocksMessageHandler::decode(Message& message, BlocksLogicHandler& logic) {
    const int8_t commandId = message._commandId();
    switch (commandId) {
        case C::SC_START: {
            logBoardTableCase(commandId, kDialect);
            const int8_t roomId = message.readByte();
            const int8_t boardId = message.readByte();
            std::vector<int8_t> bricks = tablewire::readBytes(message, message.readByte());
            for (int8_t kind : bricks) sys::Log::format("++++ %d", kind);
            logic.onStartGameWithRoomId(roomId, boardId, std::move(bricks));
            return;
        }
        case SC_BLOCKS_COMMAND:
            decodeBlocksCommand(message, logic);
            return;
        default:
            decodeBoardTableMessage(message, logic, kDialect);
    }
}

void BlocksMessageHandler::decodeBlocksCommand(Message& message, BlocksLogicHandler& logic) {
    const int8_t sub = message.readByte();
    sys::Log::format("SC_BLOCKS_COMMAND %d", sub);
    switch (sub) {
        case SC_SUB_BLOCKS_ADD_ROWS: {
            const int8_t nDel = message.readByte();
            const int32_t targetUserId = message.readInt();
            const int8_t rows = message.readByte();
            std::vector<int8_t> holes = tablewire::readBytes(message, rows);
            // Garbage rows for the other player concern only his device.
            PlayerPtr me = UIController::myInfo();
            if (!me || me->IDDB() != targetUserId) return;
            logic.setRowsOfOpponentWithnDel(nDel);
            logic.readRowAddWithUserId(targetUserId, rows, std::move(holes));
            return;
        }
        case SC_SUB_BLOCKS_HEIGHT:
            logic.getHeightFromServerWithHeight(message.readByte());
            return;
        default:  // the level message, whatever its sub
            logic.ReadLevelFromServerWithSpeed(message.readByte());
            return;
    }
}

}  // namespace zuno
