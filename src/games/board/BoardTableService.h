#pragma once

#include <cstdint>
#include <string>

#include "lobby/RequestService.h"

namespace zuno {

// The requests that the services of the board tables (Co Tuong, Co Vua, Caro, Blocks) write alike.
// Room and table come first as signed bytes wherever a request names them.
class BoardTableService : public RequestService {
public:
    // 24: offers a draw.
    void requestDrawWithRoomId(int8_t roomId, int8_t boardId);
    // 24: the answer to the opponent's draw offer; accepting writes the same bytes as offering.
    void answerDrawWithRoomId(int8_t roomId, int8_t boardId, bool isAccept);
    // 27: resigns the game.
    void requestLoseWithRoomId(int8_t roomId, int8_t boardId);
    // 32, 57 and 58 are kept for the server; the client does not send them.
    void addFriendWithID(int32_t userId);
    void sendSMSSuccessWithContent(const std::string& content, const std::string& smsTo);
    void setProvider(int8_t provider);

protected:
    BoardTableService() : RequestService("Exception: ") {}

    // 21: a move from square x to square y, for the games whose service offers it.
    void moveWithRoomId(int8_t roomId, int8_t boardId, int8_t x, int8_t y);
    // 22: the move comes before the win fields, although the operation takes it last.
    void moveAndWinWithRoomId(int8_t roomId, int8_t boardId, int8_t winX, int8_t winY, int8_t winDX, int8_t winDY,
                              int8_t x, int8_t y);
};

}  // namespace zuno
