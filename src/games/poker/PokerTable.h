#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "games/poker/PokerPlayer.h"
#include "games/poker/PokerShowdown.h"

namespace zuno {

// What a Poker table is apart from any view: nine seats and the watchers, who acts and what he may
// do, the amount to call, the winners still to show, the community cards and the pots. The screen
// applies each server event here and draws from it; the own user's id is given, not looked up.
class PokerTable {
public:
    using Record = std::shared_ptr<PokerPlayer>;
    using Ints = std::vector<int32_t>;
    static constexpr int kSeats = 9;
    static constexpr int kPots = 8;

    // What a seat button offers: nothing on a taken seat, a free seat to sit on (to a watcher) or to
    // invite someone to (to a seated player).
    enum class SeatOffer : uint8_t { None, Sit, Invite };

    // What an amount from the slider or the stake sheet sends.
    enum class Send : uint8_t { Nothing, Bet, Raise, AllIn };

    // One winner of the showdown, shown one after another.
    struct Winner {
        int32_t id = -1;
        int32_t money = 0;          // the pot it takes (0..7), 100 for all of them
        std::vector<int8_t> cards;  // the best five, then the two hole cards
        std::string hand;
    };

    // Whom the dealer, small blind, big blind and ante markers mark: seated players only.
    struct Markers {
        Record dealer, smallBlind, bigBlind;
        std::vector<Record> antes;
    };

    // The markers and words the start of a hand asks the screen to show.
    struct StartMarks : Markers {
        Ints allIn;  // players the blinds or antes put all in
    };

    explicit PokerTable(int32_t myId) : myId_(myId) {}

    // Server order: entries 0..8 the seats, then the watchers in the order they came. Empty seats
    // and empty watcher entries have the player id -1.
    std::vector<Record> allPlayers;
    // The nine seats in display order: mine first, then on round the table; a watcher's in server order.
    std::vector<Record> playingPlayers;
    Ints actionList;            // what the player to act may do
    std::vector<int8_t> buttons;  // the action buttons shown on this screen, in list order
    int32_t nowPlaying = -1;
    int32_t pokerMoney = 0;  // what the player to act must add to call
    bool isShowBet = false, isShowRaise = false;
    bool isWatching = false;
    bool isGameEnd = true, isPlaying = false;
    int32_t ownerID = -1;
    std::array<SeatOffer, kSeats> seatOffers{};  // by display seat
    std::vector<int8_t> showCards;               // the community cards
    std::array<std::optional<int32_t>, kPots> pots;  // the pot labels shown
    std::vector<Winner> winners;
    std::string selfPokerHand;
    std::vector<int8_t> selfResultList;
    // The markers of the hand, from its start until the screen takes them off the table. They go with
    // their players as the seats change, and a player who leaves the seats takes his off the table.
    Markers markers;

    int32_t myId() const { return myId_; }
    bool isMe(int32_t id) const { return id == myId_; }
    // The first seat record of that player in display order; none for a watcher or a stranger.
    Record seatOf(int32_t id) const;
    // My chips for the bet slider: the last of my seat records, 0 when I only watch.
    int32_t myStack() const;

    // The table as joined: one record per listed player, the first nine being the seats.
    void setupPlayers(const std::vector<std::shared_ptr<TienLenPlayer>>& players, int32_t owner);
    // Someone sat down from the lobby's join message at that server seat.
    void setAtSeat(int seat, std::shared_ptr<TienLenPlayer> player);
    void onJoinBoard(const Ints& ids, const Ints& stacks);
    void onStack(int32_t id, int32_t stack);
    // Display order again after the seats changed.
    void resetLocalSeat();
    // Who watches and which free seats are offered to whom.
    void resetSeatPoker();

    void onSit(int32_t id, int seat);
    // A player moved off the table's seats: he becomes a watcher and his seat an empty record.
    void kickPokerPlayer(int32_t id);
    // Answers whether the turn clock stops (he was to act).
    bool onStandUp(int32_t id, int32_t nextId, const Ints& actions);
    void onLeaveBoard(int32_t id);
    void onOverMoney(int32_t id);
    void onFullBoard();

    // The hand.
    StartMarks start(const std::vector<int8_t>& myCards, int32_t dealerID, int32_t smallID, int32_t bigID,
                     int32_t money, int32_t firstUserID, const Ints& antes);
    // BET, RAISE, CALL and ALL IN: the actor's round total and stack, then the turn passes.
    void onPaid(int32_t actor, int32_t money, int32_t stack, int32_t next, const Ints& actions);
    // CHECK and FOLD.
    void onPassed(int32_t actor, int32_t next, const Ints& actions);
    // A new street: its cards, the bets swept into the pots, a fresh round for `firstUser`.
    void onStreet(const std::vector<int8_t>& cards, const Ints& pots, int32_t firstUser);
    void drawPot(const Ints& pots);
    void onSelfResult(const std::string& hand, std::vector<int8_t> cards);
    void onShowdown(int32_t winnerID, int32_t winMoney, std::vector<int8_t> cards, const std::string& hand);
    void onResult(const Ints& ids, const Ints& stacks);
    // The next winner to show, taken off the queue; none once the stop emptied it.
    std::optional<Winner> nextWinner();
    void onStopGame();
    // Opened during a hand: the players' stacks and bets (the first entry of an id listed twice), the
    // community cards; I hold no cards in it.
    void onPlaying(const Ints& users, const Ints& stacks, const Ints& bets, const std::vector<int8_t>& communityCards);
    // The hand's cards gone: everyone's hole cards face down, no community cards, no allowed actions,
    // no own hand.
    void clearHand();

    // Shows the buttons of the allowed actions when `next` is me.
    void handleMenu(int32_t next);
    void switchTurn(int32_t actor, int32_t next, int32_t money, int32_t stack);
    void switchTurn(int32_t actor, int32_t next);
    // What an amount from the slider or the stake sheet sends: all in from the stack up, else the
    // offered bet or raise (taken off the offer until the server answers).
    Send sendBetRaise(int32_t amount);
    // The server refused the last bet or raise: it is on offer again.
    void onMoveError();

    // What the hand moved of my money: my chips now against my chips as it began, once, when the hand
    // is settled at the table (its final stacks, or its stop); 0 when I was not dealt in. A hand I leave
    // is settled by the server, which tells me my balance.
    int64_t settleMyHand();

private:
    void showAvailableSeats();
    void followMarkers();
    void postBlind(PokerPlayer& p, int32_t amount, StartMarks& marks);

    int32_t myId_;
    Send refusedOffer_ = Send::Nothing;
    std::optional<int32_t> myStackAtStart_;  // set while a hand I was dealt in is unsettled
};

}  // namespace zuno
