#pragma once

// Small records of the lobby: rooms, tables, chat lines, games, rankings, servers and game results.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/core/Property.h"

namespace zuno {

// A room of a game.
class RoomInfo {
public:
    RoomInfo() = default;
    RoomInfo(int8_t roomId, int8_t roomFree, int8_t roomWait, int8_t level)
        : roomId_(roomId), lv_(level), roomFree_(roomFree), roomWait_(roomWait) {}

    ZUNO_PROPERTY(int8_t, roomId, setRoomId) = 0;
    ZUNO_PROPERTY(int8_t, lv, setLv) = 0;
    ZUNO_PROPERTY(int8_t, roomFree, setRoomFree) = 0;
    ZUNO_PROPERTY(int8_t, roomWait, setRoomWait) = 0;
};

// A table of a room.
class Board {
    ZUNO_PROPERTY(int8_t, boardId, setBoardId) = 0;
    // The table has a password.
    ZUNO_PROPERTY(bool, isPass, setIsPass) = false;
    // The stake.
    ZUNO_PROPERTY(int32_t, money, setMoney) = 0;
    // Players seated.
    ZUNO_PROPERTY(int8_t, nPlayer, setNPlayer) = 0;
};

// One table-chat or private-chat line.
class Chat {
    ZUNO_PROPERTY(std::optional<std::string>, name, setName);
    ZUNO_PROPERTY(std::optional<std::string>, content, setContent);
    // Written by the signed-in player.
    ZUNO_PROPERTY(bool, isMe, setIsMe) = false;
};

// A game and its display name.
class GameId {
public:
    GameId() = default;
    GameId(int8_t gameId, std::optional<std::string> gameName) : gameId_(gameId), gameName_(std::move(gameName)) {}

    ZUNO_PROPERTY(int8_t, gameId, setGameId) = 0;
    ZUNO_PROPERTY(std::optional<std::string>, gameName, setGameName);
};

// A ranking of one game.
class Ranking {
    ZUNO_PROPERTY(int8_t, gameId, setGameId) = 0;
    ZUNO_PROPERTY(std::optional<std::string>, info, setInfo);
};

// One entry of the server list.
class Server {
    ZUNO_PROPERTY(std::string, sNAME, setSNAME);
    ZUNO_PROPERTY(std::string, sIP, setSIP);
    ZUNO_PROPERTY(std::string, sPORT, setSPORT);
};

// One player's result at the end of a board or Blocks game.
class MatchResultInfo {
    ZUNO_PROPERTY(int8_t, result, setResult) = 0;
    ZUNO_PROPERTY(int32_t, ID, setID) = 0;
    ZUNO_PROPERTY(int32_t, d_exp, setD_exp) = 0;
    ZUNO_PROPERTY(int32_t, d_money, setD_money) = 0;
    ZUNO_PROPERTY(std::string, name, setName);
    ZUNO_PROPERTY(int16_t, avatar, setAvatar) = 0;
    ZUNO_PROPERTY(int32_t, d_exp_percent, setD_exp_percent) = 0;
};

}  // namespace zuno
