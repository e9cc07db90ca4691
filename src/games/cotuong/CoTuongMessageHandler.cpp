#include "games/cotuong/CoTuongMessageHandler.h"

#include "lobby/GlobalMessageHandler.h"
#include "platform/core/Log.h"
#include "screens/BoardView.h"
#include "shell/Resources.h"
#include "shell/UIController.h"

namespace zuno {

namespace {
using C = BoardTableCommand;

const BoardTableDialect kDialect{.logsMessageId = true};
}  // namespace

CoTuongMessageHandler::CoTuongMessageHandler() : BoardTableMessageHandler(kDialect) {}

void CoTuongMessageHandler::onPostSetupGameType() {
    // The game's own table messages come here from now on, whatever installed it.
    GlobalMessageHandler::getInstance().setGameMessageHandler(getInstance());
    BoardView::setType(0);  // two-seat tables
    UIController::setGameTitle(Resources::getInstance().textForKey("ZUNO_coTuong"));
}

void CoTuongMessageHandler::decode(Message& message, CoTuongLogicHandler& logic) {
    const int8_t commandId = message._commandId();
    switch (commandId) {
        case C::SC_START: {
            logBoardTableCase(commandId, kDialect);
            const int8_t roomId = message.readByte();
            const int8_t boardId = message.readByte();
            const int32_t interval = message.readInt();
            const int32_t whoMoveFirst = message.readInt();
            const int32_t ownerQuota = message.readInt();
            const int32_t clientQuota = message.readInt();
            sys::Log::format("quota %d %d %d", clientQuota, ownerQuota, interval);
            logic.onStartGameWithRoomId(roomId, boardId, whoMoveFirst, interval, ownerQuota, clientQuota);
            return;
        }
        case C::SC_MOVE: {
            logBoardTableCase(commandId, kDialect);
            const int8_t roomId = message.readByte();
            const int8_t boardId = message.readByte();
            const int32_t whoMove = message.readInt();
            const int8_t x = message.readByte();
            const int8_t y = message.readByte();
            const int32_t nextMove = message.readInt();
            const int32_t remainTime = message.readInt();
            logic.onMoveCaroWithRoomId(roomId, boardId, whoMove, x, y, nextMove, remainTime);
            return;
        }
        case C::SC_MOVE_AND_WIN: {
            logBoardTableCase(commandId, kDialect);
            const int8_t roomId = message.readByte();
            const int8_t boardId = message.readByte();
            const int32_t whoWin = message.readInt();
            const int8_t x = message.readByte();
            const int8_t y = message.readByte();
            logic.onMoveAndWinWithRoomId(roomId, boardId, whoWin, x, y);
            return;
        }
        default:
            decodeBoardDuelMessage(message, logic, kDialect);
    }
}

}  // namespace zuno
