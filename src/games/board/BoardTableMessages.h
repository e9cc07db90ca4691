#pragma once

// The table messages that the two-seat board tables (Co Tuong, Co Vua, Caro, Blocks) share: the same
// layouts under the same command ids. Every integer is big-endian and signed, a text is a 16-bit byte
// count and UTF-8, "RB" is the room byte then the table byte. Each game's decoder reads its own
// commands and hands the rest to these; a message is read whole before anything is handed on, and a
// short or malformed one raises so that the decoder's guard drops it.

#include <cstdint>

#include "games/board/BoardTableLogicHandler.h"
#include "net/Message.h"
#include "table/TableWire.h"

namespace zuno {

// The board tables' own command ids beside the ones every table shares.
struct BoardTableCommand : TableCommand {
    static constexpr int8_t SC_SOMEONE_READY = 16;
    static constexpr int8_t SC_SET_MONEY = 19;
    static constexpr int8_t SC_START = 20;
    static constexpr int8_t SC_MOVE = 21;
    static constexpr int8_t SC_MOVE_AND_WIN = 22;
    static constexpr int8_t SC_FORCE_LOSE = 23;
    static constexpr int8_t SC_OPPONENT_WANT_DRAW = 24;
    static constexpr int8_t SC_DRAW = 25;
    static constexpr int8_t SC_DENY_DRAW = 26;
    static constexpr int8_t SC_WANT_LOSE = 27;
    static constexpr int8_t SC_GAME_RESULT = 37;
};

// The command names as most board decoders log them ("SC_START", ...); null for the buzz.
const char* boardTableCommandName(int8_t commandId);

// Where the games' decoders differ in what they log and in how they keep names; the defaults are the
// common case.
struct BoardTableDialect {
    // The line logged when a case begins; null logs nothing.
    const char* (*logNameOf)(int8_t commandId) = boardTableCommandName;
    // "message id: <id>" before every message.
    bool logsMessageId = false;
    // The names of the join reply are kept in small letters.
    bool lowerCasesJoinNames = true;
    // The newcomer's seat and a ready flag are logged as "seat = <n>" and "san sang <0|1>".
    bool logsSeatAndReadyValues = false;
};

// The board tables have two seats.
constexpr int kBoardTableSeats = 2;


// Logs the line that begins a case, if the dialect has one for the command.
void logBoardTableCase(int8_t commandId, const BoardTableDialect& dialect);

// Decodes one of the commands every board table shares (8, 9, 11, 12, 14, 16, 19, 23, 24, 37, 103)
// and hands it on; answers false, having read nothing, for any other command.
bool decodeBoardTableMessage(Message& message, BoardTableLogicHandler& logic, const BoardTableDialect& dialect);
// The same, with the agreed draw (25), the refused draw (26) and the resignation (27).
bool decodeBoardDuelMessage(Message& message, BoardDuelLogicHandler& logic, const BoardTableDialect& dialect);

}  // namespace zuno
