#pragma once

// Reading helpers that the decoders of every table family (card tables, board tables, Tien Len) share.
// Every read here raises RangeException past the end of the message, bytes included, so a message cut
// short is dropped whole by the decoder's guard and no missing byte reaches a table as card 0. A single
// byte field after which nothing fixed is read (a place, a count, a flag, a seat) is read with
// Message::readByte instead, which gives 0 when it is missing. The one exception is the card list that
// ends an end-of-deal message (readArrivedBytes): cut short, the deal still ends and shows what arrived.

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "net/Message.h"

namespace zuno {

// The command ids that every table family reads alike (each family adds its own).
struct TableCommand {
    static constexpr int8_t SC_JOINBOARD_SUCCESS = 8;
    static constexpr int8_t SC_CHAT_FROM_BOARD = 9;
    static constexpr int8_t SC_KICK = 11;
    static constexpr int8_t SC_SOMEONE_JOINBOARD = 12;
    static constexpr int8_t SC_SOMEONE_LEAVEBOARD = 14;
    static constexpr int8_t SC_BUZZ = 103;
};

}  // namespace zuno

namespace zuno::tablewire {

int8_t readByte(Message& message);
// Exactly `count` bytes (none for a count below 1).
std::vector<int8_t> readBytes(Message& message, int count);
// `count` bytes of which the first `keep` are kept: a list longer than its table is read through and
// its tail ignored.
std::vector<int8_t> readBytesKeeping(Message& message, int count, size_t keep);
// At most `count` bytes: those of them the message still holds.
std::vector<int8_t> readArrivedBytes(Message& message, int count);
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

// The bonus money of 52 (RB, int whoBonus, int money, UTF description), which the card tables hand over
// alike.
template <class Logic>
void readBonusMoney(Message& message, Logic& logic) {
    const int8_t roomId = readByte(message);
    const int8_t boardId = readByte(message);
    const int32_t whoBonus = message.readInt();
    const int32_t money = message.readInt();
    std::string des = readText(message);
    logic.onBonusMoneyWithRommId(roomId, boardId, whoBonus, money, std::move(des));
}

}  // namespace zuno::tablewire
