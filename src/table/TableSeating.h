#pragma once

#include <cstdint>
#include <vector>

#include "lobby/model/Player.h"
#include "table/CardTableModel.h"

namespace zuno {

// Which table a card-table screen shows (Tien Len, Phom, Poker, Bai Cao, Xi Zach) and who sits where:
// the registry's openers and the seating operation set it; the dialog actions read it for their table
// requests. The state itself is the screen's table model.
class CardTableSeating {
public:
    virtual ~CardTableSeating() = default;

    int8_t roomId() const { return table_.roomId; }
    void setRoomId(int8_t roomId) { table_.roomId = roomId; }
    int8_t boardId() const { return table_.boardId; }
    void setBoardId(int8_t boardId) { table_.boardId = boardId; }
    int32_t money() const { return table_.money; }
    void setMoney(int32_t money) { table_.money = money; }
    int32_t ownerID() const { return table_.ownerID; }
    const std::vector<PlayerPtr>& players() const { return table_.players; }

    CardTableModel& table() { return table_; }
    const CardTableModel& table() const { return table_; }

    // Back to an empty table before the players are seated.
    virtual void resetView() {}
    // The join reply: room, table, owner, stake and the players (-1 ids for empty seats); the seats
    // are filled from the signed-in player's place.
    virtual void setupPlayersWithRoom(int8_t roomId, int8_t boardId, int32_t ownerId, int32_t money,
                                      std::vector<PlayerPtr> players);

private:
    CardTableModel table_;
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
