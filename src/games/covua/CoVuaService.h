#pragma once

#include <cstdint>

#include "lobby/RequestService.h"

namespace zuno {

// The requests only the Co Vua tables send.
class CoVuaService : public RequestService {
public:
    static CoVuaService& getInstance();

    // The answer to the opponent's draw offer.
    void answerDrawWithRoomId(int8_t roomId, int8_t boardId, bool isAccept);
    // Resigns the game.
    void requestLoseWithRoomId(int8_t roomId, int8_t boardId);

private:
    CoVuaService() : RequestService("Exception: ") {}
};

}  // namespace zuno
