#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "lobby/model/Player.h"
#include "table/TableHandOver.h"

namespace zuno {

// What the Tien Len logic handlers do to the table screen: the operations of TienLenView and
// TienLenMBView that table events call, always on the main thread. The screens implement it.
class TienLenTableScreen {
public:
    using Players = std::vector<PlayerPtr>;
    using CardIds = std::vector<int8_t>;

    virtual ~TienLenTableScreen() = default;

    // The table shown.
    virtual int8_t roomId() const = 0;
    virtual int8_t boardId() const = 0;
    // The four places in seat order; an empty place has IDDB -1.
    virtual Players players() const = 0;
    // The next deal is the first since the table's players changed (the 3 of spades leads it).
    virtual bool isFirstMatch() const = 0;
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

    // A deal: the first player, seconds per turn and the 13 ids in the order dealt.
    virtual void startWithWhoMoveFirst(int32_t whoMoveFirst, uint8_t interval, const CardIds& myCards) = 0;
    virtual void moveWithPlayerId(int32_t playerId, const CardIds& movedCards, int32_t nextMove) = 0;
    virtual void skipWithWho(int32_t who, int32_t nextMove, bool isClearCurrentCards) = 0;
    virtual void moveErrorWithInfo(const std::string& info) = 0;
    virtual void stopGame() = 0;
    virtual void showCardsWithWho(int32_t who, const CardIds& cards, int cardCount) = 0;
    virtual void finishWithWho(int32_t who, int8_t finishPosition, int32_t money, int32_t exp) = 0;

    virtual void onChatFromWithId(int32_t playerId, const std::optional<std::string>& name,
                                  const std::string& text) = 0;
    virtual void showFlyTextWirhFromId(int32_t playerId, int32_t money) = 0;
    virtual void updateMoneyForPlayer(int32_t playerId, int32_t money) = 0;
    virtual void onBuzzWithContent(const std::string& content) = 0;
};

// How the Tien Len logic handlers reach their table screen.
using TienLenScreenAccess = TableScreenAccess<TienLenTableScreen>;

}  // namespace zuno
