#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "table/TableHandOver.h"
#include "table/TienLenPlayer.h"

namespace zuno {

// What the Poker logic handler does to the Poker table screen, always on the main thread: one
// operation per table event, with the event's fields as decoded. (The session logic knows the same
// screen by its PokerTableScreen mark.)
class PokerTableEvents {
public:
    using Ints = std::vector<int32_t>;
    using Cards = std::vector<int8_t>;

    virtual ~PokerTableEvents() = default;

    // The table shown.
    virtual int8_t roomId() const = 0;
    virtual int8_t boardId() const = 0;

    // Seats and the people at the table.
    virtual void resetSeat() = 0;
    virtual void setIsFirstMatch(bool isFirstMatch) = 0;
    virtual void setAtSeat(int8_t seat, TienLenPlayerPtr joinPersonInfo) = 0;
    virtual void onLeaveBoard(int32_t userId) = 0;
    virtual void setOwnerWithNewOwner(int32_t ownerId) = 0;
    virtual void playerLeaveWithId(int32_t userId) = 0;
    virtual void removeAllPlayerCard() = 0;
    virtual void onChatFromWithId(int32_t userId, const std::optional<std::string>& name, const std::string& text) = 0;
    virtual void onBuzzWithContent(const std::string& content) = 0;
    virtual void moveErrorWithInfo(const std::string& info) = 0;

    // The hand.
    virtual void start(int8_t interval, const Cards& myCards, int32_t dealerID, int32_t smallID, int32_t bigID,
                       int32_t money, int32_t firstUserID, const Ints& userID, const Ints& userStack) = 0;
    virtual void onBet(int32_t curUser, int32_t money, int32_t stack, int32_t nextUserID, const Ints& action) = 0;
    virtual void onRaise(int32_t curUser, int32_t money, int32_t stack, int32_t nextUserID, const Ints& action) = 0;
    virtual void onCall(int32_t curUser, int32_t money, int32_t stack, int32_t nextUserID, const Ints& action) = 0;
    virtual void onAllIn(int32_t curUser, int32_t money, int32_t stack, int32_t nextUserID, const Ints& action) = 0;
    virtual void onCheck(int32_t curUser, int32_t nextUserID, const Ints& action) = 0;
    virtual void onFold(int32_t curUser, int32_t stack, int32_t nextUserID, const Ints& action) = 0;
    virtual void onFlop(int32_t curUser, const Cards& flopCard, int32_t lengthPot, const Ints& pot) = 0;
    virtual void onTurn(int32_t curUser, int8_t turnCard, int32_t lengthPot, const Ints& pot) = 0;
    virtual void onRiver(int32_t curUser, int8_t riverCard, int32_t lengthPot, const Ints& pot) = 0;
    virtual void onStack(int32_t userID, int32_t stack) = 0;
    virtual void onPlaying(int32_t userID, int32_t cardLength, const Cards& communityCards, const Ints& user,
                           const Ints& stack, const Ints& odd) = 0;
    virtual void onShowdown(int32_t exp, const std::string& decs, int32_t winnerID, int32_t winMoney, int32_t stack,
                            const Cards& cardID) = 0;
    virtual void onJoinBoard(const Ints& userID, const Ints& stack) = 0;
    virtual void onSelfResult(const std::string& pokerHand, const Cards& cardID) = 0;
    virtual void onLastPot(const Ints& pot) = 0;
    virtual void onObserver(int32_t userID) = 0;
    virtual void onFullBoard() = 0;
    virtual void onSit(int32_t userID, int8_t seat) = 0;
    virtual void onStandUp(int32_t userID, int32_t nextID, int8_t seat, const Ints& action) = 0;
    virtual void onOverMoney(int32_t userID) = 0;
    virtual void onResult(const Ints& userID, const Ints& stack) = 0;
    virtual void onStopGame() = 0;
};

// How the Poker logic handler reaches its table screen.
using PokerScreenAccess = TableScreenAccess<PokerTableEvents, TienLenPlayerPtr>;

}  // namespace zuno
