#include "games/board/BoardTableService.h"

namespace zuno {

namespace {
constexpr int8_t CS_MOVE = 21;
constexpr int8_t CS_MOVE_AND_WIN = 22;
constexpr int8_t CS_WANT_DRAW = 24;
constexpr int8_t CS_WANT_LOSE = 27;
constexpr int8_t CS_ADD_FRIEND = 32;
constexpr int8_t CS_SEND_SMS_SUCCESS = 57;
constexpr int8_t CS_SET_PROVIDER = 58;
}  // namespace

void BoardTableService::requestDrawWithRoomId(int8_t roomId, int8_t boardId) { answerDrawWithRoomId(roomId, boardId, true); }

void BoardTableService::answerDrawWithRoomId(int8_t roomId, int8_t boardId, bool isAccept) {
    sendTableRequest(CS_WANT_DRAW, roomId, boardId, [&](Message& m) { m.writeBool(isAccept); });
}

void BoardTableService::requestLoseWithRoomId(int8_t roomId, int8_t boardId) {
    sendTableRequest(CS_WANT_LOSE, roomId, boardId);
}

void BoardTableService::addFriendWithID(int32_t userId) {
    send(CS_ADD_FRIEND, [&](Message& m) { m.writeInt(userId); });
}

void BoardTableService::sendSMSSuccessWithContent(const std::string& content,
                                                  const std::string& smsTo) {
    send(CS_SEND_SMS_SUCCESS, [&](Message& m) {
        m.writeUTF(content);
        m.writeUTF(smsTo);
    });
}

void BoardTableService::setProvider(int8_t provider) {
    send(CS_SET_PROVIDER, [&](Message& m) { m.writeByte(provider); });
}

void BoardTableService::moveWithRoomId(int8_t roomId, int8_t boardId, int8_t x, int8_t y) {
    sendTableRequest(CS_MOVE, roomId, boardId, [&](Message& m) {
        m.writeByte(x);
        m.writeByte(y);
    });
}

void BoardTableService::moveAndWinWithRoomId(int8_t roomId, int8_t boardId, int8_t winX, int8_t winY, int8_t winDX,
                                             int8_t winDY, int8_t x, int8_t y) {
    sendTableRequest(CS_MOVE_AND_WIN, roomId, boardId, [&](Message& m) {
        for (int8_t b : {x, y, winX, winY, winDX, winDY}) m.writeByte(b);
    });
}

}  // namespace zuno
