#include "table/CardTableWire.h"

#include "shell/UIController.h"

namespace zuno::cardwire {

namespace {
constexpr int32_t kEmptySeat = -1;
}  // namespace

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
