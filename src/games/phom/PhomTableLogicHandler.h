#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "table/CardTableLogicHandler.h"
#include "table/TableHandOver.h"

namespace zuno {

// The fixed tables the Phom decoders fill; -1 is no card (or no entry).
using PhomLaidCards = std::array<int8_t, 12>;           // cards laid down or declared at a U
using PhomSeatInts = std::array<int32_t, 4>;            // one entry per player index
using PhomLeftoverCards = std::array<std::array<int32_t, 11>, 4>;
using PhomFiredCards = std::array<std::array<int32_t, 4>, 4>;
using PhomEatenCards = std::array<std::array<int32_t, 3>, 4>;

class PhomTableScreen;

// The events both Phom games receive alike, handed over to the game's table screen by one
// implementation; each game's handler is a small adapter that adds its own events. Reader-thread
// operations, one per decoded message; the screen work runs on the main thread (TableHandOver).
class PhomTableLogicHandler : public CardTableLogicHandler {
public:
    void setScreenAccess(TableScreenAccess<PhomTableScreen, TienLenPlayerPtr> access);

    void onJoinGameSuccessWithRoomId(int8_t roomId, int8_t boardId, int32_t ownerId, int32_t money,
                                     std::vector<TienLenPlayerPtr> players) override;
    void onChatFromBoardWithRoomId(int8_t roomId, int8_t boardId, std::string text, int32_t from) override;
    void onKickedWithRoomId(int8_t roomId, int8_t boardId, int32_t kickedId) override;
    void onSomeOneJoinBoardWithSeat(int8_t seat, TienLenPlayerPtr joinPersionInfo) override;
    void onSomeOneLeaveBoardWithIdLeave(int32_t idLeave, int32_t idNewOwner) override;
    void onBuzzWithContent(std::string content) override;

    virtual void onSomeOneReadyWithId(int32_t playerId, bool isReady);
    virtual void onOwnerSetMoneyWithRoomeId(int8_t roomId, int8_t boardId, int32_t money);
    // The own hand in deal order; the turn time is an unsigned byte.
    virtual void onStartGameWithRoomId(int8_t roomId, int8_t boardId, std::vector<int8_t> cards, uint8_t interval,
                                       int32_t whoMoveFirst, int32_t firstHa);
    // currentP acts next, firstP fired; numCard is the card's place in the firer's row.
    virtual void onMoveWithRoomId(int8_t roomId, int8_t boardId, int32_t currentP, int32_t firstP, int8_t cardFire,
                                  int8_t numCard);
    virtual void onSkipWithRoomId(int8_t roomId, int8_t boardId, int32_t curPlayer, int32_t firHa);
    virtual void onBonusMoneyWithRommId(int8_t roomId, int8_t boardId, int32_t whoBonus, int32_t money,
                                        std::string des);
    virtual void onOnceWin(int8_t roomId, int8_t boardId, int32_t money);
    virtual void onEatCard(int8_t roomId, int8_t boardId, bool isEat, int8_t numEat, int32_t firHa, int8_t nCard);
    virtual void onHaPhom(int8_t roomId, int8_t boardId, bool isHa, PhomLaidCards mCard, bool isU,
                          PhomSeatInts orderMoney, int32_t curID);

protected:
    // What the games' handlers differ in among the shared events: Phom's debug lines.
    virtual bool logsSteps() const { return false; }
    // A card drawn: the ready control is disabled whatever the table, then the table's draw.
    void onDrawnCard(int8_t roomId, int8_t boardId, uint8_t card);

    TableHandOver<PhomTableScreen, TienLenPlayerPtr> handOver_;
};

}  // namespace zuno
