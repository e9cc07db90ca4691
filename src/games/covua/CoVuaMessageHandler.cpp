#include "games/covua/CoVuaMessageHandler.h"

#include "lobby/GlobalMessageHandler.h"
#include "screens/BoardView.h"
#include "shell/Resources.h"
#include "shell/UIController.h"

namespace zuno {

namespace {
using C = BoardTableCommand;

const char* logNameOf(int8_t commandId) {
    switch (commandId) {
        case C::SC_JOINBOARD_SUCCESS: return "joined board";
        case C::SC_CHAT_FROM_BOARD: return "chat from board";
        case C::SC_KICK: return "Kick";
        case C::SC_SOMEONE_LEAVEBOARD: return "some one leave board";
        case C::SC_SOMEONE_READY: return "some one ready";
        case C::SC_SET_MONEY: return "set money";
        case CoVuaMessageHandler::SC_PLAYING: return "SC_PLAYING";
        case CoVuaMessageHandler::CHESS_COMMAND: return "CHESS_COMMAND";
        default: return nullptr;
    }
}

const BoardTableDialect kDialect{
    .logNameOf = logNameOf,
    .logsMessageId = false,
    .lowerCasesJoinNames = false,
    .logsSeatAndReadyValues = true,
};

// Castling on the king's side is type 1, on the queen's side type 2.
constexpr int8_t kKingSideType = 1;
constexpr int8_t kQueenSideType = 2;
}  // namespace

CoVuaMessageHandler::CoVuaMessageHandler() : BoardTableMessageHandler(kDialect) {}

void CoVuaMessageHandler::onPostSetupGameType() {
    // The game's own table messages come here from now on, whatever installed it.
    GlobalMessageHandler::getInstance().setGameMessageHandler(getInstance());
    BoardView::setType(0);  // two-seat tables
    UIController::setGameTitle(Resources::getInstance().textForKey("ZUNO_coVua"));
}

void CoVuaMessageHandler::decode(Message& message, CoVuaLogicHandler& logic) {
    const int8_t commandId = message._commandId();
    switch (commandId) {
        case C::SC_START: {
            const int8_t roomId = message.readByte();
            const int8_t boardId = message.readByte();
            const int32_t interval = message.readInt();
            const int32_t whoFirst = message.readInt();
            const int32_t ownerQuotaTime = message.readInt();
            const int32_t quotaTime = message.readInt();
            logic.onStartGame(roomId, boardId, whoFirst, interval, ownerQuotaTime, quotaTime);
            return;
        }
        case C::SC_MOVE: {
            const int32_t whoMove = message.readInt();
            const int8_t from = message.readByte();
            const int8_t to = message.readByte();
            const int32_t next = message.readInt();
            const int32_t quotaTime = message.readInt();
            const int8_t kind = message.readByte();
            // The rook's move or the promotion type goes first, so the screen has it when the move comes.
            if (kind == kCastlingKingSide) {
                logic.intoPalaceWithWhoMove(whoMove, kKingSideType);
            } else if (kind == kCastlingQueenSide) {
                logic.intoPalaceWithWhoMove(whoMove, kQueenSideType);
            } else if (kind != kPlainMove) {
                logic.setElevateIndex(kind);
            }
            logic.onMove(whoMove, from, to, next, quotaTime);
            return;
        }
        case SC_PLAYING:
            logBoardTableCase(commandId, kDialect);
            logic.setFindKing(message.readByte());
            return;
        case CHESS_COMMAND: {
            logBoardTableCase(commandId, kDialect);
            message.readByte();  // carries nothing the client uses
            logic.fElevate(message.readInt());
            return;
        }
        default:
            decodeBoardDuelMessage(message, logic, kDialect);
    }
}

}  // namespace zuno
