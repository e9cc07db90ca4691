#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "standin-server/StandinServer.h"

namespace zuno::standin {

struct StandinRoom {
    int8_t roomId = 0;
    int8_t roomFree = 0;
    int8_t roomWait = 0;
    int8_t lv = 0;
};

struct StandinTable {
    int8_t boardId = 0;
    int8_t nPlayer = 0;
    bool isPass = false;
    int32_t money = 0;
    std::string password;  // what a join of a locked table must bring
};

// The lobby lists of the stand-in server: it confirms a game choice (61) and remembers it for the
// client, then answers the room list (6) with that game's rooms and the table list (7) with the
// tables of a room. The requests name no game: they are answered for the game the client chose last
// or, since then, joined a table of (an invitation's table is of a game the client never chose).
// Every game starts with three rooms (levels 0, 1 and 2) of eight tables each (0 to 7); table 5 of
// each is locked with the password "123". It also keeps the table each client was invited to last:
// its join with the invitation's password is admitted whatever the list says.
class StandinLobbyLists {
public:
    static constexpr int kTablesPerRoom = 8;

    // Registers the handlers; the returned object stays alive with them.
    static std::shared_ptr<StandinLobbyLists> installOn(StandinServer& server);

    void setRooms(int8_t gameType, std::vector<StandinRoom> rooms);
    void setTables(int8_t gameType, int8_t roomId, std::vector<StandinTable> tables);
    // One table of a game's room, as the table list shows it.
    std::optional<StandinTable> table(int8_t gameType, int8_t roomId, int8_t boardId);
    // The tables of a game's room, as the table list shows them.
    std::vector<StandinTable> tables(int8_t gameType, int8_t roomId);
    // The rooms of a game, as the room list shows them.
    std::vector<StandinRoom> rooms(int8_t gameType);
    // The game the client chose or joined a table of last; -1 before any.
    int8_t chosenGame(const StandinSession& session) const;
    // The client plays the game from now on: it chose the game (61) or sat down at one of its tables.
    void choose(const StandinSession& session, int8_t gameType);
    // The client is invited to a table of the game (the invitation carries the password).
    void invited(const StandinSession& session, int8_t gameType, int8_t roomId, int8_t boardId, std::string password);
    // The game of the table the client was invited to last, when this join is of it with the
    // invitation's password; none otherwise.
    std::optional<int8_t> invitedGame(const StandinSession& session, int8_t roomId, int8_t boardId,
                                      const std::string& password) const;

private:
    StandinLobbyLists() = default;
    void confirmGame(StandinSession& session, Message& request);
    void answerRooms(StandinSession& session);
    void answerTables(StandinSession& session, Message& request);
    // With the mutex held: the game's rooms, made on first use.
    std::vector<StandinRoom>& roomsOf(int8_t gameType);
    std::vector<StandinTable>& tablesOf(int8_t gameType, int8_t roomId);

    mutable std::mutex mutex_;
    std::map<int8_t, std::vector<StandinRoom>> rooms_;
    std::map<std::pair<int8_t, int8_t>, std::vector<StandinTable>> tables_;
    std::map<const StandinSession*, int8_t> chosen_;
    struct Invitation {
        int8_t gameType = 0;
        int8_t roomId = 0;
        int8_t boardId = 0;
        std::string password;
    };
    std::map<const StandinSession*, Invitation> invitations_;
};

}  // namespace zuno::standin
