#pragma once

// Reading helpers that the card tables' decoders share. Every read here but readByteOrZero raises
// RangeException past the end of the message, bytes included, so a message cut short is dropped whole
// by the decoder's guard and no missing byte reaches a table as card 0.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "net/Message.h"
#include "table/TienLenPlayer.h"

namespace zuno::cardwire {

// The seats of the four-seat card tables and of the nine-seat Poker table.
constexpr int kCardTableLastSeat = 3;
constexpr int kPokerLastSeat = 8;

int8_t readByte(Message& message);
// A single byte field that holds no card (a place, a count, a flag, a seat) and after which nothing
// fixed is read: missing, it reads as 0 and the message is decoded on.
int8_t readByteOrZero(Message& message);
// Exactly `count` bytes (none for a count below 1).
std::vector<int8_t> readBytes(Message& message, int count);
// `count` bytes of which the first `keep` are kept: a list longer than its table is read through and
// its tail ignored.
std::vector<int8_t> readBytesKeeping(Message& message, int count, size_t keep);
// Every byte to the end of the message; the first `keep` are kept.
std::vector<int8_t> readRest(Message& message, size_t keep = SIZE_MAX);
// Texts that are missing or not UTF-8 are empty.
std::string readText(Message& message);
// Raises RangeException unless 0 <= seat <= lastSeat.
void checkSeat(int seat, int lastSeat);

// Runs one case of a decoder: logs the label (when there is one), then decodes; a failure is logged as
// "Exception <name>" and drops the message.
void guardCase(const char* label, const std::function<void()>& decode);

// The nudge, handed on as one text: "sender: text".
std::string readBuzz(Message& message);

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
