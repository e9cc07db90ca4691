#include "standin-server/StandinCardTables.h"

namespace zuno::standin {

namespace {
constexpr int8_t CS_JOIN_BOARD = 8;
constexpr int8_t SC_JOINBOARD_SUCCESS = 8;
constexpr int32_t kEmptySeat = -1;

void answerJoin(StandinSession& session, Message& request, int seats) {
    Message reply(SC_JOINBOARD_SUCCESS);
    reply.writeByte(request.readByte());  // room
    reply.writeByte(request.readByte());  // table
    reply.writeInt(StandinCardTables::kDealerId);
    reply.writeInt(StandinCardTables::kStake);
    reply.writeInt(StandinCardTables::kDealerId);
    reply.writeUTF("dealer");
    reply.writeLong(500000);
    reply.writeShort(1);
    reply.writeInt(100);
    reply.writeBool(true);
    for (int s = 1; s < seats; ++s) reply.writeInt(kEmptySeat);
    session.send(reply);
}
}  // namespace

int StandinCardTables::seatCount(int8_t gameType) {
    switch (gameType) {
        case 7:   // Phom
        case 13:  // new Phom
        case 11:  // Bai Cao
        case 2:   // Xi Zach
            return 4;
        default:
            return 0;
    }
}

void StandinCardTables::installOn(StandinServer& server, std::shared_ptr<StandinLobbyLists> lists) {
    StandinServer::Handler before = server.handlerFor(CS_JOIN_BOARD);
    server.on(CS_JOIN_BOARD, [lists, before](StandinSession& session, Message& request) {
        if (int seats = seatCount(lists->chosenGame(session))) {
            answerJoin(session, request, seats);
        } else if (before) {
            before(session, request);
        }
    });
}

}  // namespace zuno::standin
