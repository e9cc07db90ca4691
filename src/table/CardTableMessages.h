#pragma once

#include <cstdint>

#include "net/Message.h"
#include "table/CardTableLogicHandler.h"
#include "table/CardTableWire.h"

namespace zuno {

// The command ids that every card table's decoder reads alike.
struct CardTableCommand {
    static constexpr int8_t SC_JOINBOARD_SUCCESS = 8;
    static constexpr int8_t SC_CHAT_FROM_BOARD = 9;
    static constexpr int8_t SC_KICK = 11;
    static constexpr int8_t SC_SOMEONE_JOINBOARD = 12;
    static constexpr int8_t SC_SOMEONE_LEAVEBOARD = 14;
    static constexpr int8_t SC_BUZZ = 103;
};

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
