#include "table/CardTableWire.h"

#include <algorithm>

#include "platform/core/Exception.h"
#include "platform/core/Log.h"
#include "shell/UIController.h"

namespace zuno::cardwire {

namespace {
constexpr int32_t kEmptySeat = -1;

[[noreturn]] void raiseRange(const std::string& reason) { throw sys::Exception(sys::Exception::kRange, reason); }
}  // namespace

int8_t readByte(Message& message) {
    if (!message.available()) raiseRange("a byte past the end of the message");
    return message.readByte();
}

int8_t readByteOrZero(Message& message) { return message.readByte(); }

std::vector<int8_t> readBytes(Message& message, int count) { return readBytesKeeping(message, count, SIZE_MAX); }

std::vector<int8_t> readBytesKeeping(Message& message, int count, size_t keep) {
    std::vector<int8_t> bytes;
    for (int i = 0; i < count; ++i) {
        int8_t b = readByte(message);
        if (bytes.size() < keep) bytes.push_back(b);
    }
    return bytes;
}

std::vector<int8_t> readRest(Message& message, size_t keep) {
    std::vector<int8_t> bytes;
    while (message.available()) {
        int8_t b = message.readByte();
        if (bytes.size() < keep) bytes.push_back(b);
    }
    return bytes;
}

std::string readText(Message& message) { return message.readUTF().value_or(std::string()); }

void checkSeat(int seat, int lastSeat) {
    if (seat < 0 || seat > lastSeat) raiseRange("seat " + std::to_string(seat) + " outside 0.." + std::to_string(lastSeat));
}

void guardCase(const char* label, const std::function<void()>& decode) {
    if (label) sys::Log::line(label);
    try {
        decode();
    } catch (const std::exception& e) {
        sys::Log::line("Exception " + sys::failureName(e));
    }
}

std::string readBuzz(Message& message) {
    std::string from = readText(message);
    std::string text = readText(message);
    return from + ": " + text;
}

JoinReply readJoinReply(Message& message, const SeatPlayerFactory& make, bool firstSeatAlwaysRead) {
    JoinReply reply;
    reply.roomId = readByte(message);
    reply.boardId = readByte(message);
    reply.ownerId = message.readInt();
    reply.money = message.readInt();
    while (message.available() || (firstSeatAlwaysRead && reply.players.empty())) {
        TienLenPlayerPtr player = make();
        player->setIDDB(message.readInt());
        if (player->IDDB() != kEmptySeat) {
            player->setName(readText(message));
            player->setMoney(message.readLong());
            player->setAvatar(message.readShort());
            player->setExp(message.readInt());
            player->setIsReady(message.readBool());
        }
        reply.players.push_back(std::move(player));
    }
    PlayerPtr me = UIController::myInfo();
    for (const TienLenPlayerPtr& player : reply.players) {
        if (player->IDDB() == kEmptySeat || player->IDDB() != me->IDDB()) continue;
        me->setExp(player->exp());
        me->setMoney(player->money());
    }
    return reply;
}

SeatJoin readSeatJoin(Message& message, const SeatPlayerFactory& make, int lastSeat) {
    SeatJoin join;
    join.seat = readByte(message);
    checkSeat(join.seat, lastSeat);
    join.player = make();
    join.player->setIDDB(message.readInt());
    join.player->setName(readText(message));
    join.player->setMoney(message.readLong());
    join.player->setAvatar(message.readShort());
    join.player->setExp(message.readInt());
    join.player->setIsReady(false);
    join.player->setFinishPosition(-1);
    return join;
}

}  // namespace zuno::cardwire
