#pragma once

#include <cstdint>

namespace zuno {

// The table command ids of Poker. Server messages 21 and 82 put their sub-command first, then room
// and table; requests put room and table first, then the sub-command.
struct PokerCommand {
    static constexpr int8_t SC_LEAVE_BOARD = 15;
    static constexpr int8_t SC_START = 20;
    static constexpr int8_t SC_MOVE = 21;  // also the betting requests
    static constexpr int8_t SC_STOP_GAME = 50;
    static constexpr int8_t SC_MOVE_ERROR = 54;
    static constexpr int8_t SC_POKER_COMMAND = 82;  // also the seat requests
};

// The betting actions: sub-commands of 21 both ways and the entries of the allowed-action lists.
struct PokerAction {
    static constexpr int8_t BET = 1;
    static constexpr int8_t RAISE = 2;
    static constexpr int8_t CALL = 3;
    static constexpr int8_t CHECK = 4;
    static constexpr int8_t FOLD = 5;
    static constexpr int8_t ALL_IN = 6;
};

// The other sub-commands of 21 (server only) and those of 82.
struct PokerSub {
    static constexpr int8_t SC_SUB_POKER_FLOP = 7;
    static constexpr int8_t SC_SUB_POKER_TURN = 8;
    static constexpr int8_t SC_SUB_POKER_RIVER = 9;
    static constexpr int8_t SC_SUB_POKER_STACK = 10;
    static constexpr int8_t SC_SUB_POKER_PLAYING = 11;
    static constexpr int8_t SC_SUB_POKER_SHOWDOWN = 14;
    static constexpr int8_t SC_SUB_POKER_JOIN_BOARD = 28;
    static constexpr int8_t SC_SUB_POKER_SELF_RESULT = 29;
    static constexpr int8_t SC_SUB_POKER_LASTPOT = 35;

    static constexpr int8_t OBSERVER = 12;
    static constexpr int8_t SC_SUB_POKER_FULLBOARD = 18;
    static constexpr int8_t SIT = 19;
    static constexpr int8_t STANDUP = 30;
    static constexpr int8_t SC_SUB_POKER_OVERMONEY = 32;
    static constexpr int8_t SC_SUB_POKER_RESULT = 34;
};

}  // namespace zuno
