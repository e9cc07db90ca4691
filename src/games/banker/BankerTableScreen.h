#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "table/CardTableScreen.h"
#include "table/TableHandOver.h"
#include "table/TienLenPlayer.h"

namespace zuno {

// One player's cards as the server lays them open (-1 where a card stays hidden).
struct BankerHand {
    int32_t playerId = -1;
    CardTableScreen::CardIds cards;

    bool operator==(const BankerHand&) const = default;
};

// What the banker games' logic handlers do to the table screen, always on the main thread: the
// operations of BaiCaoView and XiZachView that table events call. Xi Zach's turns and draws are its own.
class BankerTableScreen : public CardTableScreen {
public:
    // One player's stake (the owner, the banker, has none).
    virtual void setMoneyOnBoardWithWho(int32_t money, int32_t who) = 0;
    void setMoneyOnBoard(int32_t money) override { setMoneyOnBoardWithWho(money, -1); }

    // A deal: the turn seconds, my cards; at Xi Zach also the first to act.
    virtual void startWithInterval(int8_t interval, std::optional<int32_t> whoMove, const CardIds& myCards) = 0;
    // A player's hand laid open (Bai Cao: the cards he shows; Xi Zach: the hand the dealer examined).
    virtual void moveWithPlayerId(int32_t playerId, const CardIds& movedCards) = 0;
    virtual void stopGame() = 0;
    virtual void showCardsWithPlayers(const std::vector<BankerHand>& hands) = 0;
    // A deal already running when I joined.
    virtual void playingWithInterval(int8_t interval, const std::vector<BankerHand>& hands) = 0;

    // Xi Zach's own: who acts now, for how long; a card drawn.
    virtual void getRemainTimeWithPlayerId(int32_t playerId, int8_t remainTime) {}
    virtual void getCardWithPlayerId(int32_t playerId, int8_t cardId) {}
};

// How a banker logic handler reaches its table screen.
using BankerScreenAccess = TableScreenAccess<BankerTableScreen, TienLenPlayerPtr>;

}  // namespace zuno
