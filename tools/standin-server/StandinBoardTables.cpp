#include "standin-server/StandinBoardTables.h"

namespace zuno::standin {

namespace {
constexpr int8_t CS_JOIN_BOARD = 8;
constexpr int8_t SC_JOINBOARD_SUCCESS = 8;

void writeSeat(Message& reply, const StandinAccount& player, bool isReady) {
    reply.writeInt(player.id);
    reply.writeUTF(player.name);
    reply.writeLong(player.money);
    reply.writeShort(player.avatar);
    reply.writeInt(player.exp);
    reply.writeBool(isReady);
}
}  // namespace

std::shared_ptr<StandinBoardTables> StandinBoardTables::installOn(StandinServer& server,
                                                                  std::shared_ptr<StandinLobbyLists> lists) {
    std::shared_ptr<StandinBoardTables> tables(new StandinBoardTables(std::move(lists)));
    StandinServer::Handler previous = server.handlerFor(CS_JOIN_BOARD);
    server.on(CS_JOIN_BOARD, [tables, previous](StandinSession& session, Message& request) {
        if (isBoardGame(tables->lists_->chosenGame(session))) {
            tables->answerJoin(session, request);
        } else if (previous) {
            previous(session, request);
        }
    });
    return tables;
}

bool StandinBoardTables::isBoardGame(int8_t gameType) {
    return gameType == 8;
}

void StandinBoardTables::setPlayer(StandinAccount player) {
    std::lock_guard<std::mutex> lock(mutex_);
    player_ = std::move(player);
}

void StandinBoardTables::answerJoin(StandinSession& session, Message& request) {
    const int8_t roomId = request.readByte();
    const int8_t boardId = request.readByte();
    StandinAccount player;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        player = player_;
    }
    Message reply(SC_JOINBOARD_SUCCESS);
    reply.writeByte(roomId);
    reply.writeByte(boardId);
    reply.writeInt(kHostId);
    reply.writeInt(kStake);
    writeSeat(reply, {"Chu Ban", "", kHostId, 2000000, 2, 500}, true);
    writeSeat(reply, player, false);
    session.send(reply);
}

}  // namespace zuno::standin
