#pragma once

#include <cstdint>
#include <memory>

#include "lobby/RequestService.h"

namespace zuno {

// The requests only the Caro tables send.
class CaroService : public RequestService {
public:
    static CaroService& getInstance();

    // This game's screens name the connection `session`.
    std::shared_ptr<IMobileClient> session() const { return _session(); }
    void setSession(std::shared_ptr<IMobileClient> session) { set_session(std::move(session)); }

    // The answer to the opponent's draw offer.
    void answerDrawWithRoomId(int8_t roomId, int8_t boardId, bool isAccept);
    // Resigns the game.
    void requestLoseWithRoomId(int8_t roomId, int8_t boardId);

private:
    CaroService() : RequestService("Exception: ") {}
};

}  // namespace zuno
