#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "games/phom/PhomTableLogicHandler.h"
#include "lobby/model/Player.h"
#include "table/CardTableScreen.h"
#include "table/TableHandOver.h"
#include "table/TienLenPlayer.h"

namespace zuno {

// What the Phom logic handlers do to the table screen, always on the main thread: the operations of
// PhomView and PhomNewView that table events call. Each game's own events have operations of their own
// (the new Phom ones named ...New); a screen leaves the other game's as they are.
class PhomTableScreen : public CardTableScreen {
public:
    // A deal: the turn seconds as a signed byte, my cards, the first mover and the first to lay down.
    virtual void start(int8_t interval, const CardIds& myCards, int32_t firstMove, int32_t firstHa) = 0;
    virtual void onGetCard(uint8_t card) = 0;
    // next acts next, firer fired `card`, the numC-th of the firer's row.
    virtual void onFire(int32_t next, int32_t firer, int8_t card, int8_t numC) = 0;
    virtual void onSkipPlayer(int32_t player, int32_t firHa) = 0;
    virtual void onEatCard(bool isEat, int32_t numEat, int32_t firHa, int8_t nCard) = 0;
    virtual void onHaPhom(bool isHa, const PhomLaidCards& cards, bool isU, const PhomSeatInts& orderMoney,
                          int32_t curID) = 0;
    virtual void onOnceWin(int32_t money) = 0;

    // Phom's own.
    virtual void setScore(const PhomSeatInts& score) {}
    virtual void onFinish(const PhomSeatInts& score, const PhomLeftoverCards& cardR, const PhomSeatInts& money) {}
    virtual void onDenBai(int32_t winId, const PhomSeatInts& orderMoney) {}
    virtual void onResetPhomEat(bool reset) {}
    virtual void onPlaying(int32_t interval, int32_t curPlayer, int32_t firPlayer, const PhomFiredCards& cardShow,
                           const PhomEatenCards& cardEat, int32_t firHa) {}

    // New Phom's own: one player's result (cards widened, sign kept), the den bai with one amount, the
    // running deal with the players' ids by row, a U, cards sent onto a laid meld, a refused move.
    virtual void onFinishNew(int32_t score, const std::vector<int32_t>& cardR, int32_t userId, int32_t numRac) {}
    virtual void onDenBaiNew(int32_t winId, int32_t orderMoney) {}
    virtual void onPlayingNew(int32_t interval, int32_t curPlayer, int32_t firPlayer, const PhomFiredCards& cardShow,
                              const PhomEatenCards& cardEat, const PhomSeatInts& users) {}
    virtual void onUWithUserID(int32_t userId, int8_t uKind, const CardIds& cards, int32_t lenCard) {}
    virtual void onAddCard(int32_t userAdd, int8_t cardId, const std::vector<int32_t>& cardAdd, int32_t len) {}
    virtual void moveErrorWithInfo(const std::string& info) {}
};

// How a Phom logic handler reaches its table screen (the join reply's players are card-table seats).
using PhomScreenAccess = TableScreenAccess<PhomTableScreen, TienLenPlayerPtr>;

}  // namespace zuno
