#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "games/tienlen/TienLenTableScreen.h"

namespace zuno {

class TienLenService;

// Takes the decoded table events of Tien Len from the decoder (on the connection's reader thread) and
// applies them to the table screen on the main thread, in the order they arrived. Everything that
// changes what the screen or the own player holds happens there, the room/table match test included:
// an event for another table is dropped without a line. Only a player leaving waits for the main
// thread. After a deal it tests the hand for an instant win and claims it.
//
// The northern game's handler (TienLenMBLogicHandler) is this one with its own screen, rules and
// service.
class TienLenLogicHandler {
public:
    using Players = TienLenTableScreen::Players;
    using CardIds = TienLenTableScreen::CardIds;

    static std::shared_ptr<TienLenLogicHandler> getInstance();
    virtual ~TienLenLogicHandler() = default;

    void setScreenAccess(TienLenScreenAccess access);
    TienLenScreenAccess screenAccess() const;

    // Reader-thread operations, one per decoded table message.
    virtual void onJoinGameSuccessWithRoomId(int8_t roomId, int8_t boardId, int32_t ownerId, int32_t money,
                                             Players players);
    virtual void onChatFromBoardWithRoomId(int8_t roomId, int8_t boardId, std::string text, int32_t from);
    virtual void onKickedWithRoomId(int8_t roomId, int8_t boardId, int32_t kickedId);
    virtual void onSomeOneJoinBoardWithSeat(int8_t seat, PlayerPtr joinPersionInfo);
    virtual void onSomeOneLeaveBoardWithIdLeave(int32_t leaveId, int32_t newOwnerId);
    virtual void onSomeOneReadyWithId(int32_t playerId, bool isReady);
    virtual void onOwnerSetMoneyWithRoomeId(int8_t roomId, int8_t boardId, int32_t money);
    virtual void onStartGameWithRoomId(int8_t roomId, int8_t boardId, CardIds cards, uint8_t interval,
                                       int32_t whoMoveFirst);
    virtual void onMoveWithRoomId(int8_t roomId, int8_t boardId, int32_t whoMove, CardIds cards, int32_t nextMove);
    virtual void onSkipWithRoomId(int8_t roomId, int8_t boardId, int32_t whoSkip, int32_t nextMove,
                                  bool clearCurrentCards);
    // whoShowCard -1: nobody's hand is shown.
    virtual void onStopGameWithRoomId(int8_t roomId, int8_t boardId, int32_t whoShowCard, CardIds cardsShow);
    virtual void onSomeOneFinishWithRoomId(int8_t roomId, int8_t boardId, int32_t whoFinish, int8_t position,
                                           int32_t money, int32_t exp);
    virtual void onBonusMoneyWithRommId(int8_t roomId, int8_t boardId, int32_t whoBonus, int32_t money,
                                        std::string des);
    virtual void onForceFinishWithRoomId(int8_t roomId, int8_t boardId, int32_t owner, CardIds cards);
    virtual void onMoveErrorWithRoomeId(int8_t roomId, int8_t boardId, std::string info);
    virtual void onBuzzWithContent(std::string content);

protected:
    TienLenLogicHandler() = default;

    // What the two games do differently.
    virtual bool isNorthern() const { return false; }
    virtual TienLenService& service() const;
    // The claims of an instant win for a dealt hand, with isFirstMatch as it stood when the deal came.
    virtual void claimInstantWin(int8_t roomId, int8_t boardId, const CardIds& cards, bool isFirstMatch,
                                 int32_t whoMoveFirst) const;

private:
    TableHandOver<TienLenTableScreen> handOver_;
};

// The Tien Len Mien Bac tables: a seat taken, a seat left and a stopped game leave isFirstMatch alone,
// and a dealt hand is also tested for three consecutive pairs with the 3 of spades.
class TienLenMBLogicHandler : public TienLenLogicHandler {
public:
    static std::shared_ptr<TienLenMBLogicHandler> getInstance();

protected:
    TienLenMBLogicHandler() = default;

    bool isNorthern() const override { return true; }
    TienLenService& service() const override;
    void claimInstantWin(int8_t roomId, int8_t boardId, const CardIds& cards, bool isFirstMatch,
                         int32_t whoMoveFirst) const override;
};

}  // namespace zuno
