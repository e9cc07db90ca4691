#include "table/CardTableMessages.h"

#include "platform/core/Log.h"

namespace zuno {

bool decodeSharedTableMessage(Message& message, CardTableLogicHandler& logic, const CardTableSeats& seats) {
    using C = TableCommand;
    using namespace cardwire;
    switch (message._commandId()) {
        case C::SC_JOINBOARD_SUCCESS:
            guardCase("joined board", [&] {
                JoinReply r = readJoinReply(message, seats.make, seats.firstSeatAlwaysRead);
                if (seats.logsPlayerCount) sys::Log::format("player count %zu", r.players.size());
                logic.onJoinGameSuccessWithRoomId(r.roomId, r.boardId, r.ownerId, r.money, std::move(r.players));
            });
            return true;
        case C::SC_CHAT_FROM_BOARD:
            guardCase("chat from board", [&] {
                int8_t roomId = readByte(message);
                int8_t boardId = readByte(message);
                int32_t from = message.readInt();
                std::string text = readText(message);
                logic.onChatFromBoardWithRoomId(roomId, boardId, std::move(text), from);
            });
            return true;
        case C::SC_KICK:
            guardCase("Kick", [&] {
                int8_t roomId = readByte(message);
                int8_t boardId = readByte(message);
                int32_t kickedId = message.readInt();
                logic.onKickedWithRoomId(roomId, boardId, kickedId);
            });
            return true;
        case C::SC_SOMEONE_JOINBOARD:
            guardCase(seats.seatJoinLabel, [&] {
                SeatJoin join = readSeatJoin(message, seats.make, seats.lastSeat);
                logic.onSomeOneJoinBoardWithSeat(join.seat, std::move(join.player));
            });
            return true;
        case C::SC_SOMEONE_LEAVEBOARD:
            guardCase("some one leave board", [&] {
                int32_t leaveId = message.readInt();
                int32_t newOwnerId = message.readInt();
                logic.onSomeOneLeaveBoardWithIdLeave(leaveId, newOwnerId);
            });
            return true;
        case C::SC_BUZZ:
            guardCase(nullptr, [&] { logic.onBuzzWithContent(readBuzz(message)); });
            return true;
        default:
            return false;
    }
}

}  // namespace zuno
