#pragma once

#include <cstdint>

#include "net/Message.h"

namespace zuno {

// The decoder of one game's table messages. Once the server confirms a game, the lobby dispatcher
// hands it every command id that the lobby does not claim.
class IGameMessageHandler {
public:
    virtual ~IGameMessageHandler() = default;
    // Called once when the decoder becomes the current one: sets up the table list and the game title.
    virtual void onPostSetupGameType() = 0;
    // One table message, the cursor at the start of its payload; on the connection's reader thread.
    // The decoder guards its own cases.
    virtual void onMessage(Message& message) = 0;
    // True for the game type (or types) that the decoder serves.
    virtual bool isGameType(int8_t gameType) const = 0;
};

}  // namespace zuno
