#pragma once

#include <cstdint>

#include "net/Message.h"
#include "table/CardTableLogicHandler.h"
#include "table/CardTableWire.h"

namespace zuno {

// How a table seats its players: the last seat number, whether its join reply always holds a first
// seat record, and the seat record it makes; then what its decoder logs of seats: the line before a
// player sits down, and whether the join reply's number of seat records follows it.
struct CardTableSeats {
    int lastSeat = cardwire::kCardTableLastSeat;
    bool firstSeatAlwaysRead = false;
    cardwire::SeatPlayerFactory make;
    const char* seatJoinLabel = "SOMEONE JOIN BOARD";
    bool logsPlayerCount = false;
};

// Decodes, inside its own guard, a message that every card table reads alike and hands it to the
// logic handler; false (nothing read) for any other command id.
bool decodeSharedTableMessage(Message& message, CardTableLogicHandler& logic, const CardTableSeats& seats);

}  // namespace zuno
