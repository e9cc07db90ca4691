#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "games/banker/BankerTableLogicHandler.h"
#include "net/Message.h"
#include "platform/core/Exception.h"
#include "table/CardTableWire.h"

namespace zuno {

// The table command ids of the banker games (RB below: byte roomId, byte boardId).
struct BankerCommand {
    static constexpr int8_t SC_SOMEONE_READY = 16;
    static constexpr int8_t SC_START = 20;
    static constexpr int8_t SC_MOVE = 21;  // also CS_MOVE
    static constexpr int8_t SC_OPPONENT_WANT_DRAW = 24;
    static constexpr int8_t SC_STOP_GAME = 50;
    static constexpr int8_t SC_BONUS_MONEY = 52;
    static constexpr int8_t CS_SET_MAX_PLAYER = 56;
    static constexpr int8_t SC_PLAYING = 62;
    static constexpr int8_t CS_ADD_CARD = 67;
    static constexpr int8_t SC_BLOCKS_COMMAND = 80;
    static constexpr int8_t CHESS_COMMAND = 91;
};

// Decodes, inside its own guard, a message that both banker games read alike; false (nothing read)
// for the others.
bool decodeSharedBankerMessage(Message& message, BankerTableLogicHandler& logic);

// The result records of 50 and 62: a byte count (none below 1), then that many records. At the end of
// a deal, records cut short are left out and the deal still ends; a running deal cut short is dropped.
template <typename Record>
std::vector<Record> readResultRecords(Message& message, const std::function<Record(Message&)>& readOne,
                                      bool keepWhatArrived) {
    const int8_t count = message.readByte();
    std::vector<Record> records;
    for (int i = 0; i < count; ++i) {
        if (keepWhatArrived && !message.available()) break;
        try {
            records.push_back(readOne(message));
        } catch (const sys::Exception&) {
            if (!keepWhatArrived) throw;
            break;
        }
    }
    return records;
}

// The end of a deal (50: RB, records) and a deal already running (62: RB, interval, records), read alike
// by both banker games into their own records and logic handlers.
template <typename Record, typename Logic>
void decodeBankerResults(Message& message, Logic& logic, const std::function<Record(Message&)>& readOne) {
    const bool playing = message._commandId() == BankerCommand::SC_PLAYING;
    cardwire::guardCase(playing ? "SC_PLAYING" : "SC_STOP_GAME", [&] {
        int8_t roomId = cardwire::readByte(message);
        int8_t boardId = cardwire::readByte(message);
        int8_t interval = playing ? cardwire::readByte(message) : int8_t{0};
        auto records = readResultRecords<Record>(message, readOne, !playing);
        const auto count = static_cast<int32_t>(records.size());
        if (playing) logic.onPlayingWithRoomId(roomId, boardId, interval, count, std::move(records));
        else logic.onStopGameWithRoomId(roomId, boardId, count, std::move(records));
    });
}

}  // namespace zuno
