#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "table/CardTableLogicHandler.h"
#include "table/TableHandOver.h"

namespace zuno {

class PokerTableEvents;

// Receives the decoded events of the Poker table (game type 4) on the reader thread. `action` is the
// next player's allowed action codes (1 bet ... 6 all in), possibly empty; lists of user ids and
// stacks run in parallel. Every event's work runs on the main thread on the table shown (TableHandOver).
class PokerLogicHandler : public CardTableLogicHandler {
public:
    using Ints = std::vector<int32_t>;
    using Cards = std::vector<int8_t>;

    static std::shared_ptr<PokerLogicHandler> getInstance();

    void setScreenAccess(TableScreenAccess<PokerTableEvents, TienLenPlayerPtr> access);

    void onJoinGameSuccessWithRoomId(int8_t roomId, int8_t boardId, int32_t ownerId, int32_t money,
                                     std::vector<TienLenPlayerPtr> players) override;
    void onChatFromBoardWithRoomId(int8_t roomId, int8_t boardId, std::string text, int32_t from) override;
    // Mine leaves the table (if it is still in the stack) with the kick dialog, and clears its cards.
    void onKickedWithRoomId(int8_t roomId, int8_t boardId, int32_t kickedId) override;
    void onSomeOneJoinBoardWithSeat(int8_t seat, TienLenPlayerPtr joinPersionInfo) override;
    void onSomeOneLeaveBoardWithIdLeave(int32_t idLeave, int32_t idNewOwner) override;
    void onBuzzWithContent(std::string content) override;

    // cards: the own two hole cards.
    virtual void onStartGameWithRoomId(int8_t roomId, int8_t boardId, int8_t interval, Cards cards, int32_t dealerID,
                                       int32_t smallID, int32_t bigID, int32_t money, int32_t firstUserID, Ints userID,
                                       Ints userStack);
    virtual void onStopGameWithRoomID(int8_t roomId, int8_t boardId);
    virtual void onMoveErrorWithRoomeId(int8_t roomId, int8_t boardId, std::string info);

    virtual void onBetWithRoomId(int8_t roomId, int8_t boardId, int32_t curUser, int32_t money, int32_t stack,
                                 int32_t nextUserID, Ints action);
    virtual void onRaiseWithRoomId(int8_t roomId, int8_t boardId, int32_t curUser, int32_t money, int32_t stack,
                                   int32_t nextUserID, Ints action);
    virtual void onCallWithRoomId(int8_t roomId, int8_t boardId, int32_t curUser, int32_t money, int32_t stack,
                                  int32_t nextUserID, Ints action);
    virtual void onCheckWithRoomId(int8_t roomId, int8_t boardId, int32_t curUser, int32_t nextUserID, Ints action);
    virtual void onFoldWithRoomId(int8_t roomId, int8_t boardId, int32_t curUser, int32_t stack, int32_t nextUserID,
                                  Ints action);
    virtual void onAllInWithRoomId(int8_t roomId, int8_t boardId, int32_t curUser, int32_t money, int32_t stack,
                                   int32_t nextUserID, Ints action);
    // lengthPot is the number of pots in `pot`, at most eight.
    virtual void onFlopWithRoomId(int8_t roomId, int8_t boardId, int32_t curUser, Cards flopCard, int32_t lengthPot,
                                  Ints pot);
    virtual void onTurnWithRoomId(int8_t roomId, int8_t boardId, int32_t curUser, int8_t turnCard, int32_t lengthPot,
                                  Ints pot);
    virtual void onRiverWithRoomId(int8_t roomId, int8_t boardId, int32_t curUser, int8_t riverCard, int32_t lengthPot,
                                   Ints pot);
    virtual void onStackWithRoomId(int8_t roomId, int8_t boardId, int32_t userID, int32_t stack);
    // cardLength is the number of community cards, at most five.
    virtual void onPlayingWithRoomId(int8_t roomId, int8_t boardId, int32_t userID, int32_t cardLength,
                                     Cards communityCards, Ints user, Ints stack, Ints odd);
    virtual void onShowdownWithRoomId(int8_t roomId, int8_t boardId, int32_t exp, std::string decs, int32_t winnerID,
                                      int32_t winMoney, int32_t stack, Cards cardID);
    virtual void onJoinBoardtWithRoomId(int8_t roomId, int8_t boardId, Ints userID, Ints stack);
    virtual void onSelfResultWithRoomId(int8_t roomId, int8_t boardId, std::string pokerHand, Cards cardID);
    virtual void onLastPotWithRoomId(int8_t roomId, int8_t boardId, Ints pot);

    virtual void onObserverWithRoomId(int8_t roomId, int8_t boardId, int32_t userID);
    virtual void onFullBoardWithRoomId(int8_t roomId, int8_t boardId);
    // `seat` lies in 0..8.
    virtual void onSitWithRoomId(int8_t roomId, int8_t boardId, int32_t userID, int8_t seat);
    virtual void onStandUpWithRoomId(int8_t roomId, int8_t boardId, int32_t userID, int32_t nextID, int8_t seat,
                                     Ints action);
    virtual void onOverMoneyWithRoomId(int8_t roomId, int8_t boardId, int32_t userID);
    virtual void onResultWithRoomId(int8_t roomId, int8_t boardId, Ints userID, Ints stack);

private:
    TableHandOver<PokerTableEvents, TienLenPlayerPtr> handOver_;
};

}  // namespace zuno
