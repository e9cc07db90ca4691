#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "table/CardTableLogicHandler.h"

namespace zuno {

// The fixed tables the Phom decoders fill; -1 is no card (or no entry).
using PhomLaidCards = std::array<int8_t, 12>;           // cards laid down or declared at a U
using PhomSeatInts = std::array<int32_t, 4>;            // one entry per player index
using PhomLeftoverCards = std::array<std::array<int32_t, 11>, 4>;
using PhomFiredCards = std::array<std::array<int32_t, 4>, 4>;
using PhomEatenCards = std::array<std::array<int32_t, 3>, 4>;

// The events both Phom games receive alike; the game's own handler adds the rest.
class PhomTableLogicHandler : public CardTableLogicHandler {
public:
    virtual void onSomeOneReadyWithId(int32_t playerId, bool isReady) {}
    virtual void onOwnerSetMoneyWithRoomeId(int8_t roomId, int8_t boardId, int32_t money) {}
    // The own hand in deal order; the turn time is an unsigned byte.
    virtual void onStartGameWithRoomId(int8_t roomId, int8_t boardId, std::vector<int8_t> cards, uint8_t interval,
                                       int32_t whoMoveFirst, int32_t firstHa) {}
    // currentP acts next, firstP fired; numCard is the card's place in the firer's row.
    virtual void onMoveWithRoomId(int8_t roomId, int8_t boardId, int32_t currentP, int32_t firstP, int8_t cardFire,
                                  int8_t numCard) {}
    virtual void onSkipWithRoomId(int8_t roomId, int8_t boardId, int32_t curPlayer, int32_t firHa) {}
    virtual void onBonusMoneyWithRommId(int8_t roomId, int8_t boardId, int32_t whoBonus, int32_t money,
                                        std::string des) {}
    virtual void onOnceWin(int8_t roomId, int8_t boardId, int32_t money) {}
    virtual void onEatCard(int8_t roomId, int8_t boardId, bool isEat, int8_t numEat, int32_t firHa, int8_t nCard) {}
    virtual void onHaPhom(int8_t roomId, int8_t boardId, bool isHa, PhomLaidCards mCard, bool isU,
                          PhomSeatInts orderMoney, int32_t curID) {}
};

}  // namespace zuno
