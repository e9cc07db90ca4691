#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "games/board/BoardTableModel.h"
#include "games/board/ChessPlayer.h"
#include "table/TableHandOver.h"

namespace zuno {

// What the logic handlers of the two-seat board tables (Co Tuong, Co Vua, Caro, Blocks) do alike to
// their table screen, always on the main thread. Each game's screen interface adds its start and its
// moves.
class BoardTableScreen {
public:
    virtual ~BoardTableScreen() = default;

    virtual BoardTableModel& table() = 0;
    int8_t roomId() { return table().roomID; }
    int8_t boardId() { return table().boardID; }

    // The join reply was seated: the screen shows the signed-in player's side.
    virtual void switchToMe() {}
    virtual void setAtSeat(int8_t seat, std::shared_ptr<ChessPlayer> player) = 0;
    virtual void playerLeaveWithId(int32_t playerId) = 0;
    virtual void setOwnerWithNewOwner(int32_t ownerId) = 0;
    virtual void setReadyWithId(int32_t playerId, bool isReady) = 0;
    virtual void resetReady() = 0;
    // The seats show their players as they stand now (a game result changed their money).
    virtual void redrawSeats() = 0;
    virtual void setMoney(int32_t money) = 0;
    virtual void setKindOfStart(int kind) = 0;
    // The game ended: the text goes to the centre bubble.
    virtual void closeBoardWithInfo(const std::string& info) = 0;
    virtual void onChatFromWithId(int32_t playerId, const std::string& text) = 0;
    virtual void onBuzzWithContent(const std::string& content) = 0;
    // The titles of the draw and resign buttons while a game runs.
    virtual void setDrawTitle(const std::string& title) {}
    virtual void setLoseTitle(const std::string& title) {}
};

using BoardScreenAccess = TableScreenAccess<BoardTableScreen, std::shared_ptr<ChessPlayer>>;

}  // namespace zuno
