#include "games/caro/CaroMessageHandler.h"

#include "lobby/GlobalMessageHandler.h"
#include "screens/BoardView.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "table/TableWire.h"

namespace zuno {

namespace {
using C = BoardTableCommand;

const BoardTableDialect kDialect{};
}  // namespace

CaroMessageHandler::CaroMessageHandler() : BoardTableMessageHandler(kDialect) {}

void CaroMessageHandler::onPostSetupGameType() {
    // The game's own table messages come here from now on, whatever installed it.
    GlobalMessageHandler::getInstance().setGameMessageHandler(getInstance());
    BoardView::setType(0);  // two-seat tables
    UIController::setGameTitle(Resources::getInstance().textForKey("ZUNO_caro"));
}

void CaroMessageHandler::decode(Message& message, CaroLogicHandler& logic) {
    const int8_t commandId = message._commandId();
    switch (commandId) {
        case C::SC_START: {
            logBoardTableCase(commandId, kDialect);
            const int8_t roomId = message.readByte();
            const int8_t boardId = message.readByte();
            const int32_t whoMoveFirst = message.readInt();
            const int32_t interval = message.readInt();
            const bool firstGame = message.readBool();
            logic.onStartGameWithRoomId(roomId, boardId, whoMoveFirst, interval, firstGame);
            return;
        }
        case C::SC_MOVE: {
            logBoardTableCase(commandId, kDialect);
            const int8_t roomId = message.readByte();
            const int8_t boardId = message.readByte();
            const int32_t whoMove = message.readInt();
            const int8_t x = message.readByte();
            const int8_t y = message.readByte();
            logic.onMoveCaroWithRoomId(roomId, boardId, whoMove, x, y, message.readInt());
            return;
        }
        case C::SC_MOVE_AND_WIN: {
            logBoardTableCase(commandId, kDialect);
            const int8_t roomId = message.readByte();
            const int8_t boardId = message.readByte();
            const int32_t whoWin = message.readInt();
            const std::vector<int8_t> b = tablewire::readBytes(message, 5);  // x, y, winX, winY, winDx
            // A message short only of its last byte reads it as 0, as every single-byte read does.
            const int8_t winDy = message.readByte();
            logic.onMoveAndWinWithRoomId(roomId, boardId, whoWin, b[0], b[1], b[2], b[3], b[4], winDy);
            return;
        }
        default:
            decodeBoardDuelMessage(message, logic, kDialect);
    }
}

}  // namespace zuno
