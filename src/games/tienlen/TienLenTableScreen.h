#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "lobby/model/Player.h"
#include "table/CardTableScreen.h"
#include "table/TableHandOver.h"

namespace zuno {

// What the Tien Len logic handlers do to the table screen: the operations of TienLenView and
// TienLenMBView that table events call, always on the main thread. The screens implement it.
class TienLenTableScreen : public CardTableScreen {
public:
    // The next deal is the first since the table's players changed (the 3 of spades leads it).
    virtual bool isFirstMatch() const = 0;

    // A deal: the first player, seconds per turn and the 13 ids in the order dealt.
    virtual void startWithWhoMoveFirst(int32_t whoMoveFirst, uint8_t interval, const CardIds& myCards) = 0;
    virtual void moveWithPlayerId(int32_t playerId, const CardIds& movedCards, int32_t nextMove) = 0;
    virtual void skipWithWho(int32_t who, int32_t nextMove, bool isClearCurrentCards) = 0;
    virtual void moveErrorWithInfo(const std::string& info) = 0;
    virtual void stopGame() = 0;
    virtual void showCardsWithWho(int32_t who, const CardIds& cards, int cardCount) = 0;
    virtual void finishWithWho(int32_t who, int8_t finishPosition, int32_t money, int32_t exp) = 0;
};

// How the Tien Len logic handlers reach their table screen.
using TienLenScreenAccess = TableScreenAccess<TienLenTableScreen>;

}  // namespace zuno
