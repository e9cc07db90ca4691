#pragma once

#include <cstdint>

#include "games/phom/PhomTableLogicHandler.h"
#include "net/Message.h"

namespace zuno {

// The table command ids of both Phom games (RB below: byte roomId, byte boardId).
struct PhomCommand {
    static constexpr int8_t SC_SOMEONE_READY = 16;
    static constexpr int8_t SC_SET_MONEY = 19;
    static constexpr int8_t SC_START = 20;
    static constexpr int8_t SC_MOVE = 21;  // also CS_MOVE
    static constexpr int8_t SC_SKIP = 49;  // also CS_SKIP
    static constexpr int8_t SC_FINISH = 51;
    static constexpr int8_t SC_BONUS_MONEY = 52;
    static constexpr int8_t SC_MOVE_ERROR = 54;
    static constexpr int8_t CS_SET_MAX_PLAYER = 56;
    static constexpr int8_t SC_PLAYING = 62;
    static constexpr int8_t SC_GET_CARD = 63;  // also CS_GET_CARD
    static constexpr int8_t SC_EAT_CARD = 64;  // also CS_EAT_CARD
    static constexpr int8_t HA_PHOM = 65;      // also CS_HA_PHOM
    static constexpr int8_t SC_U = 66;
    static constexpr int8_t ADD_CARD = 67;             // also CS_ADD_CARD
    static constexpr int8_t SC_RESET_PHOM_EAT = 68;    // also CS_RESET_PHOM
    static constexpr int8_t SC_DEN_BAI = 69;
    static constexpr int8_t SC_ONE_WIN = 70;
};

enum class PhomGame { Phom, NewPhom };

// Decodes, inside its own guard, a message whose layout both Phom games share; false (nothing read)
// for the others. The game decides only a few log lines.
bool decodeSharedPhomMessage(Message& message, PhomTableLogicHandler& logic, PhomGame game);

// The cards laid down (65), to the end of the message, at most twelve kept.
PhomLaidCards readLaidCards(Message& message);

}  // namespace zuno
