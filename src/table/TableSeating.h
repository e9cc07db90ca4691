#pragma once

#include <cstdint>
#include <vector>

#include "lobby/model/Player.h"

namespace zuno {

// Which table a card-table screen shows (Tien Len, Phom, Poker, Bai Cao, Xi Zach): the registry's
// openers and the seating operation set it; the dialog actions read it for their table requests.
class CardTableSeating {
public:
    virtual ~CardTableSeating() = default;

    int8_t roomId() const { return roomId_; }
    void setRoomId(int8_t roomId) { roomId_ = roomId; }
    int8_t boardId() const { return boardId_; }
    void setBoardId(int8_t boardId) { boardId_ = boardId; }
    int32_t money() const { return money_; }
    void setMoney(int32_t money) { money_ = money; }
    int32_t ownerID() const { return ownerID_; }
    const std::vector<PlayerPtr>& players() const { return players_; }

    // Back to an empty table before the players are seated.
    virtual void resetView() {}
    // The join reply: room, table, owner, stake and the players (-1 ids for empty seats).
    virtual void setupPlayersWithRoom(int8_t roomId, int8_t boardId, int32_t ownerId, int32_t money,
                                      std::vector<PlayerPtr> players) {
        roomId_ = roomId;
        boardId_ = boardId;
        ownerID_ = ownerId;
        money_ = money;
        players_ = std::move(players);
    }

private:
    int8_t roomId_ = 0;
    int8_t boardId_ = 0;
    int32_t money_ = 0;
    int32_t ownerID_ = -1;
    std::vector<PlayerPtr> players_;
};

// The same for the two-player board screens (Co Tuong, Co Vua, Caro, Blocks), which name the ids
// roomID and boardID.
class BoardTableSeating {
public:
    virtual ~BoardTableSeating() = default;

    int8_t roomID() const { return roomID_; }
    int8_t boardID() const { return boardID_; }
    int32_t money() const { return money_; }
    int32_t ownerID() const { return ownerID_; }
    const std::vector<PlayerPtr>& players() const { return players_; }

    virtual void setPlayersWithRoomId(int8_t roomId, int8_t boardId, int32_t ownerId, int32_t money,
                                      std::vector<PlayerPtr> players) {
        roomID_ = roomId;
        boardID_ = boardId;
        ownerID_ = ownerId;
        money_ = money;
        players_ = std::move(players);
    }

private:
    int8_t roomID_ = 0;
    int8_t boardID_ = 0;
    int32_t money_ = 0;
    int32_t ownerID_ = -1;
    std::vector<PlayerPtr> players_;
};

}  // namespace zuno
