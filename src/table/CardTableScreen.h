#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "lobby/model/Player.h"

namespace zuno {

// What the logic handlers of every card table (Tien Len, Phom, ...) do alike to their table screen,
// always on the main thread: seats, ready flags, the owner and the stake, chat, money and nudges. Each
// game's screen interface adds its deal.
class CardTableScreen {
public:
    using Players = std::vector<PlayerPtr>;
    using CardIds = std::vector<int8_t>;

    virtual ~CardTableScreen() = default;

    // The table shown.
    virtual int8_t roomId() const = 0;
    virtual int8_t boardId() const = 0;
    // The four places in the server's order; an empty place has IDDB -1.
    virtual Players players() const = 0;

    virtual void setIsFirstMatch(bool isFirstMatch) = 0;
    virtual void setDisableReady(bool disable) = 0;
    virtual void setModeWithHas(bool has) = 0;
    virtual void resetSeat() = 0;
    virtual void resetReady() = 0;
    virtual void setAtSeat(int8_t seat, PlayerPtr joinPersonInfo) = 0;
    virtual void playerLeaveWithId(int32_t playerId) = 0;
    virtual void setOwnerWithNewOwner(int32_t ownerId) = 0;
    virtual void setReadyWithPlayerId(int32_t playerId, bool isReady) = 0;
    virtual void setMoneyOnBoard(int32_t money) = 0;

    virtual void onChatFromWithId(int32_t playerId, const std::optional<std::string>& name,
                                  const std::string& text) = 0;
    virtual void showFlyTextWirhFromId(int32_t playerId, int32_t money) = 0;
    virtual void updateMoneyForPlayer(int32_t playerId, int32_t money) = 0;
    virtual void onBuzzWithContent(const std::string& content) = 0;
};

}  // namespace zuno
