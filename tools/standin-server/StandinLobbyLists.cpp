#include "standin-server/StandinLobbyLists.h"

namespace zuno::standin {

namespace {
constexpr int8_t CS_ROOM_LIST = 6;
constexpr int8_t CS_BOARD_LIST = 7;
constexpr int8_t CS_SET_GAME_TYPE = 61;
constexpr int8_t SC_ROOM_LIST = 6;
constexpr int8_t SC_BOARD_LIST = 7;
constexpr int8_t SC_SET_GAME_TYPE_SUCCESS = 61;
}  // namespace

std::shared_ptr<StandinLobbyLists> StandinLobbyLists::installOn(StandinServer& server) {
    std::shared_ptr<StandinLobbyLists> lists(new StandinLobbyLists());
    server.on(CS_SET_GAME_TYPE, [lists](StandinSession& s, Message& m) { lists->confirmGame(s, m); });
    server.on(CS_ROOM_LIST, [lists](StandinSession& s, Message&) { lists->answerRooms(s); });
    server.on(CS_BOARD_LIST, [lists](StandinSession& s, Message& m) { lists->answerTables(s, m); });
    return lists;
}

void StandinLobbyLists::setRooms(int8_t gameType, std::vector<StandinRoom> rooms) {
    std::lock_guard<std::mutex> lock(mutex_);
    rooms_[gameType] = std::move(rooms);
}

void StandinLobbyLists::setTables(int8_t gameType, int8_t roomId, std::vector<StandinTable> tables) {
    std::lock_guard<std::mutex> lock(mutex_);
    tables_[{gameType, roomId}] = std::move(tables);
}

int8_t StandinLobbyLists::chosenGame(const StandinSession& session) const {
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = chosen_.find(&session);
    return it == chosen_.end() ? -1 : it->second;
}

void StandinLobbyLists::choose(const StandinSession& session, int8_t gameType) {
    std::lock_guard<std::mutex> lock(mutex_);
    chosen_[&session] = gameType;
}

void StandinLobbyLists::invited(const StandinSession& session, int8_t gameType, int8_t roomId, int8_t boardId,
                                std::string password) {
    std::lock_guard<std::mutex> lock(mutex_);
    invitations_[&session] = Invitation{gameType, roomId, boardId, std::move(password)};
}

std::optional<int8_t> StandinLobbyLists::invitedGame(const StandinSession& session, int8_t roomId, int8_t boardId,
                                                     const std::string& password) const {
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = invitations_.find(&session);
    if (it == invitations_.end() || it->second.roomId != roomId || it->second.boardId != boardId ||
        it->second.password != password)
        return std::nullopt;
    return it->second.gameType;
}

std::optional<StandinTable> StandinLobbyLists::table(int8_t gameType, int8_t roomId, int8_t boardId) {
    std::lock_guard<std::mutex> lock(mutex_);
    for (const StandinTable& table : tablesOf(gameType, roomId))
        if (table.boardId == boardId) return table;
    return std::nullopt;
}

std::vector<StandinTable> StandinLobbyLists::tables(int8_t gameType, int8_t roomId) {
    std::lock_guard<std::mutex> lock(mutex_);
    return tablesOf(gameType, roomId);
}

std::vector<StandinRoom> StandinLobbyLists::rooms(int8_t gameType) {
    std::lock_guard<std::mutex> lock(mutex_);
    return roomsOf(gameType);
}

std::vector<StandinRoom>& StandinLobbyLists::roomsOf(int8_t gameType) {
    auto it = rooms_.find(gameType);
    if (it != rooms_.end()) return it->second;
    return rooms_[gameType] = {{1, 10, 2, 0}, {2, 6, 1, 1}, {3, 3, 0, 2}};
}

std::vector<StandinTable>& StandinLobbyLists::tablesOf(int8_t gameType, int8_t roomId) {
    auto key = std::make_pair(gameType, roomId);
    auto it = tables_.find(key);
    if (it != tables_.end()) return it->second;
    std::vector<StandinTable> tables;
    for (int i = 0; i < kTablesPerRoom; ++i)
        tables.push_back({int8_t(i), int8_t(i % 5), i == 5, 1000 * (roomId > 0 ? roomId : 1) * (1 + i % 3),
                          i == 5 ? "123" : ""});
    return tables_[key] = std::move(tables);
}

void StandinLobbyLists::confirmGame(StandinSession& session, Message& request) {
    const int8_t gameType = request.readByte();
    choose(session, gameType);
    Message confirmation(SC_SET_GAME_TYPE_SUCCESS);
    confirmation.writeByte(gameType);
    session.send(confirmation);
}

void StandinLobbyLists::answerRooms(StandinSession& session) {
    Message answer(SC_ROOM_LIST);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        auto it = chosen_.find(&session);
        if (it != chosen_.end()) {
            for (const StandinRoom& room : roomsOf(it->second)) {
                answer.writeByte(room.roomId);
                answer.writeByte(room.roomFree);
                answer.writeByte(room.roomWait);
                answer.writeByte(room.lv);
            }
        }
    }
    session.send(answer);
}

void StandinLobbyLists::answerTables(StandinSession& session, Message& request) {
    const int8_t roomId = request.readByte();
    Message answer(SC_BOARD_LIST);
    answer.writeByte(roomId);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        auto it = chosen_.find(&session);
        if (it != chosen_.end()) {
            for (const StandinTable& table : tablesOf(it->second, roomId)) {
                answer.writeByte(table.boardId);
                answer.writeByte(table.nPlayer);
                answer.writeBool(table.isPass);
                answer.writeInt(table.money);
            }
        }
    }
    session.send(answer);
}

}  // namespace zuno::standin
