#pragma once

#include <cstdint>

#include "net/Message.h"
#include "table/TableWire.h"

namespace zuno {

class TienLenLogicHandler;

// The table messages of both Tien Len games, read the same way for each and handed to the game's logic
// handler. Each message is read in full before anything is handed on, inside its own guard: a message
// cut short anywhere (a card byte included) is dropped whole with the line "Exception <name>". Ids
// that are not Tien Len table messages are ignored without a line.
struct TienLenCommand : TableCommand {
    static constexpr int8_t SC_SOMEONE_READY = 16;
    static constexpr int8_t SC_SET_MONEY = 19;
    static constexpr int8_t SC_START = 20;
    static constexpr int8_t SC_MOVE = 21;
    static constexpr int8_t SC_SKIP = 49;
    static constexpr int8_t SC_STOP_GAME = 50;
    static constexpr int8_t SC_FINISH = 51;
    static constexpr int8_t SC_BONUS_MONEY = 52;
    static constexpr int8_t SC_FORCE_FINISH = 53;
    static constexpr int8_t SC_MOVE_ERROR = 54;

    // A deal and an instant win always carry a whole hand.
    static constexpr int kHandSize = 13;
};

void decodeTienLenTableMessage(Message& message, TienLenLogicHandler& logic);

}  // namespace zuno
