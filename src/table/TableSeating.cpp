#include "table/TableSeating.h"

#include "shell/UIController.h"

namespace zuno {

void CardTableSeating::setupPlayersWithRoom(int8_t roomId, int8_t boardId, int32_t ownerId, int32_t money,
                                            std::vector<PlayerPtr> players) {
    table_.roomId = roomId;
    table_.boardId = boardId;
    table_.ownerID = ownerId;
    table_.money = money;
    table_.players = std::move(players);
    table_.seatPlayersFrom(UIController::myId());
}

}  // namespace zuno
