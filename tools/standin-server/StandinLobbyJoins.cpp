#include "standin-server/StandinLobbyJoins.h"

namespace zuno::standin {

namespace {
constexpr int8_t CS_JOIN_BOARD = 8;
constexpr int8_t CS_JOIN_ANY_BOARD = 28;
constexpr int8_t CS_SET_LANGUAGE = 100;
constexpr int8_t kPoker = 4;

void alert(StandinSession& session, const char* english, const char* vietnamese) {
    session.send(alertNotice(session.say(english, vietnamese)));
}
}  // namespace

int StandinLobbyJoins::seatCount(int8_t gameType) {
    switch (gameType) {
        case kPoker: return 9;
        case 1:
        case 5:
        case 8:
        case 9: return 2;
        default: return 4;
    }
}

std::shared_ptr<StandinLobbyJoins> StandinLobbyJoins::installOn(StandinServer& server,
                                                                std::shared_ptr<StandinLobbyLists> lists) {
    std::shared_ptr<StandinLobbyJoins> joins(new StandinLobbyJoins(std::move(lists)));
    StandinServer::Handler table = server.handlerFor(CS_JOIN_BOARD);
    server.on(CS_JOIN_BOARD, [joins, table](StandinSession& session, Message& request) {
        const int32_t start = request._idx();
        Join join;
        join.room = request.readByte();
        join.board = request.readByte();
        join.password = request.readUTF().value_or(std::string());
        request.set_idx(start);
        if (joins->refuse(session, join)) {
            if (joins->refused_) joins->refused_(session, join);
        } else if (table) {
            table(session, request);
        }
    });
    StandinServer* owner = &server;
    server.on(CS_JOIN_ANY_BOARD, [joins, owner](StandinSession& session, Message&) { joins->playNow(*owner, session); });
    server.on(CS_SET_LANGUAGE, [joins](StandinSession&, Message& request) {
        request.readInt();  // the sub id
        std::lock_guard<std::mutex> lock(joins->mutex_);
        joins->language_ = request.readUTF();
    });
    return joins;
}

std::vector<StandinLobbyJoins::Join> StandinLobbyJoins::joins() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return joins_;
}

std::optional<std::string> StandinLobbyJoins::language() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return language_;
}

bool StandinLobbyJoins::refuse(StandinSession& session, const Join& join) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        joins_.push_back(join);
    }
    if (auto invited = lists_->invitedGame(session, join.room, join.board, join.password)) {
        // Taking up an invitation chooses its game, on the client and here: the lists answer for it.
        lists_->choose(session, *invited);
        return false;
    }
    const int8_t game = lists_->chosenGame(session);
    std::optional<StandinTable> table = lists_->table(game, join.room, join.board);
    if (!table) return false;  // not one of the listed tables: the game's handlers decide
    // A full Poker table is offered to watch by the table itself.
    if (table->nPlayer >= seatCount(game) && game != kPoker) {
        alert(session, kTableFull, kTableFullVi);
        return true;
    }
    if (table->isPass && join.password != table->password) {
        alert(session, kWrongPassword, kWrongPasswordVi);
        return true;
    }
    return false;
}

void StandinLobbyJoins::playNow(StandinServer& server, StandinSession& session) {
    const int8_t game = lists_->chosenGame(session);
    for (const StandinRoom& room : lists_->rooms(game)) {
        for (int8_t board = 0; board < 127; ++board) {
            std::optional<StandinTable> table = lists_->table(game, room.roomId, board);
            if (!table) continue;
            if (table->isPass || table->nPlayer >= seatCount(game)) continue;
            Message join(CS_JOIN_BOARD);
            join.writeByte(room.roomId);
            join.writeByte(board);
            join.writeUTF(std::string());
            if (StandinServer::Handler handler = server.handlerFor(CS_JOIN_BOARD)) handler(session, join);
            return;
        }
    }
    alert(session, kNoFreeTable, kNoFreeTableVi);
}

}  // namespace zuno::standin
