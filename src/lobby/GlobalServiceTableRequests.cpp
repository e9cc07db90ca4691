// The lobby road from a game to a seat, and the requests every table screen shares.
#include "lobby/GlobalService.h"
#include "lobby/GameRegistry.h"

namespace zuno {

void GlobalService::setGameType(int32_t gameType) {
    send(61, [&](Message& m) { m.writeByte(static_cast<int8_t>(gameType)); });
}

void GlobalService::requestRoomList() { send(6); }

void GlobalService::joinAnyBoard() { send(28); }

void GlobalService::requestBoardListWithRoomId(int8_t roomId) {
    send(7, [&](Message& m) { m.writeByte(roomId); });
}

void GlobalService::joinBoardWithroomId(int8_t roomId, int8_t boardId, const std::optional<std::string>& passOfBoard) {
    sendTableRequest(8, roomId, boardId, [&](Message& m) { m.writeUTF(passOfBoard); });
}

void GlobalService::chatToBoardWithRoom(int8_t roomId, int8_t boardId, const std::optional<std::string>& text) {
    sendTableRequest(9, roomId, boardId, [&](Message& m) { m.writeUTF(text); });
}

void GlobalService::kickWithRoomId(int8_t roomId, int8_t boardId, int32_t kickId) {
    sendTableRequest(11, roomId, boardId, [&](Message& m) { m.writeInt(kickId); });
}

void GlobalService::leaveBoardWithRoomId(int8_t roomId, int8_t boardId) { sendTableRequest(15, roomId, boardId); }

void GlobalService::readyWithRoomId(int8_t roomId, int8_t boardId, bool isReady) {
    sendTableRequest(16, roomId, boardId, [&](Message& m) { m.writeBool(isReady); });
}

void GlobalService::setPasswordWithRoomId(int8_t roomId, int8_t boardId,
                                          const std::optional<std::string>& passOfBoard) {
    sendTableRequest(18, roomId, boardId, [&](Message& m) { m.writeUTF(passOfBoard); });
}

void GlobalService::setMoneyWithRoomId(int8_t roomId, int8_t boardId, int32_t money) {
    // The banker games' servers read the stake under the id the board games use for a draw answer.
    const int8_t command = GameRegistry::currentFamily() == TableFamily::Banker ? 24 : 19;
    sendTableRequest(command, roomId, boardId, [&](Message& m) { m.writeInt(money); });
}

void GlobalService::startGameWithRoomId(int8_t roomId, int8_t boardId) { sendTableRequest(20, roomId, boardId); }

void GlobalService::startGameWithRoomId(int8_t roomId, int8_t boardId, int8_t timeLimit) {
    sendTableRequest(20, roomId, boardId, [&](Message& m) { m.writeByte(timeLimit); });
}

void GlobalService::requestBuzzWithId(int32_t playerId) {
    send(103, [&](Message& m) { m.writeInt(playerId); });
}

void GlobalService::requestInfoOfWithIDDB(int32_t userId) {
    send(34, [&](Message& m) { m.writeInt(userId); });
}

void GlobalService::requestInviteWithUserId(int32_t userId) {
    send(74, [&](Message& m) { m.writeInt(userId); });
}

void GlobalService::requestWaitingList() { getListWithType(2); }

}  // namespace zuno
