#pragma once

// The card tables' reads: the reads every table family shares, and the seat records of the card tables.

#include <cstdint>
#include <functional>
#include <vector>

#include "net/Message.h"
#include "table/TableWire.h"
#include "table/TienLenPlayer.h"

namespace zuno::cardwire {

using namespace tablewire;

// The seats of the four-seat card tables and of the nine-seat Poker table.
constexpr int kCardTableLastSeat = 3;
constexpr int kPokerLastSeat = 8;

using SeatPlayerFactory = std::function<TienLenPlayerPtr()>;

// The join reply of every card table.
struct JoinReply {
    int8_t roomId = 0;
    int8_t boardId = 0;
    int32_t ownerId = 0;
    int32_t money = 0;
    std::vector<TienLenPlayerPtr> players;
};

// Reads room, table, owner, stake and the seat records to the end of the message (at least one when
// `firstSeatAlwaysRead`). Only a complete reply is applied: the signed-in player's record then gives
// its exp and money to the signed-in player.
JoinReply readJoinReply(Message& message, const SeatPlayerFactory& make, bool firstSeatAlwaysRead = false);

// A player sitting down: byte seat (checked against `lastSeat`), int IDDB, UTF name, long money,
// short avatar, int exp; the player is not ready and has no finish position.
struct SeatJoin {
    int8_t seat = 0;
    TienLenPlayerPtr player;
};
SeatJoin readSeatJoin(Message& message, const SeatPlayerFactory& make, int lastSeat);

}  // namespace zuno::cardwire
