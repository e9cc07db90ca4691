#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "standin-server/StandinPokerJudge.h"

namespace zuno::standin {

// One hand of Texas hold'em at the stand-in's nine places, without any wire: the blinds, the betting
// rounds, the streets, the pots and who takes them. Amounts of BET and RAISE are the chips the actor
// adds; a bet is at least the big blind, a raise more than the call; whatever reaches the stack is all
// in. Every raise opens the betting again; an amount nobody can match is given back when the round
// closes.
class StandinPokerHand {
public:
    using Cards = std::vector<int8_t>;
    static constexpr int kPlaces = 9;
    static constexpr int kHoleCards = 2;
    static constexpr int8_t BET = 1, RAISE = 2, CALL = 3, CHECK = 4, FOLD = 5, ALL_IN = 6;

    enum class Street : uint8_t { PreFlop, Flop, Turn, River, Over };

    struct Player {
        int32_t id = -1;  // -1: nobody dealt in at this place
        int32_t stack = 0;
        int32_t bet = 0;    // put in this round
        int32_t total = 0;  // put in this hand
        bool folded = false;
        bool acted = false;  // since the last raise
        Cards cards;
        bool inHand() const { return id != -1 && !folded; }
        bool allIn() const { return inHand() && stack == 0; }
        bool canAct() const { return inHand() && stack > 0; }
    };

    // Why an action is refused, in the two languages a player may have chosen.
    struct Refusal {
        std::string english, vietnamese;
    };

    // What an accepted action was: a call or raise that took the whole stack is ALL IN.
    // The actor's round bet and stack right after it, before the round is swept.
    struct Done {
        int8_t action = 0;
        std::optional<Refusal> refusal;
        int32_t bet = 0, stack = 0;
    };

    struct Win {
        int pot = 0;  // index in pots(); -1 when one player takes every pot
        int32_t id = -1;
        int32_t amount = 0;
    };

    // Deals in every place with an id and chips (ids -1 elsewhere), posts the blinds after the button
    // (the button itself posts the small blind when two play) and gives the first turn. The deck gives
    // the hole cards one round at a time, then the board.
    StandinPokerHand(const std::array<std::pair<int32_t, int32_t>, kPlaces>& places, int button, int32_t smallBlind,
                     Cards deck);

    const Player& player(int place) const { return players_[static_cast<size_t>(place)]; }
    int placeOf(int32_t id) const;
    int button() const { return button_; }
    int smallBlind() const { return small_; }
    int bigBlind() const { return big_; }
    int32_t smallBlindAmount() const { return smallBlindAmount_; }
    Street street() const { return street_; }
    const Cards& board() const { return board_; }
    // The cards not dealt yet.
    const Cards& rest() const { return deck_; }
    // Whose turn it is; -1 when the round is closed (or the hand over).
    int toAct() const { return toAct_; }
    int32_t highest() const { return highest_; }
    int32_t toCall(int place) const;
    // The actions a place may take now, in the order the table lists them.
    std::vector<int32_t> allowed(int place) const;

    // An action as asked for: BET and RAISE with the chips to add.
    struct Choice {
        int8_t action = 0;
        int32_t amount = 0;
    };

    // Why the action of the place is refused now; none when it is allowed.
    std::optional<Refusal> refusal(int place, int8_t action, int32_t amount = 0) const;
    std::optional<Refusal> refusal(int place, Choice choice) const { return refusal(place, choice.action, choice.amount); }
    // The action of the place to act; a refusal changes nothing.
    Done act(int place, int8_t action, int32_t amount = 0);
    Done act(int place, Choice choice) { return act(place, choice.action, choice.amount); }
    // What a robot asks to do: check, else call, all in when the call reaches the stack.
    Choice robotChoice(int place) const;
    // The place leaves the hand, in turn or not (standing up): folded, and the turn passes on if it
    // was his.
    void foldOut(int place);
    // The place the last closed round gave chips back to (a bet nobody matched); -1 when none.
    int refunded() const { return refunded_; }
    // After the round closed: the next street's cards, the first to act on it (-1 when nobody can bet
    // any more and the board runs out). Nothing when the hand is over.
    std::optional<Cards> nextStreet();
    // The round closed and fewer than two can still act; the board runs out without betting.
    bool runsOut() const;
    // Everyone else folded, or the river round closed.
    bool over() const;

    // Main pot first, then the side pots, of the chips swept in so far.
    std::vector<int32_t> pots() const;
    // A place's best hand from its cards and the board so far.
    pokerjudge::Hand handOf(int place) const;
    // Who takes which pot, the stacks paid; once.
    std::vector<Win> settle();

private:
    Player& at(int place) { return players_[static_cast<size_t>(place)]; }
    int next(int after, bool (Player::*takes)() const) const;
    int inHandCount() const;
    void post(int place, int32_t amount);
    void put(int place, int32_t amount);
    void passTurn(int actor);
    void closeRound();
    struct Pot {
        int32_t amount = 0;
        std::vector<int> eligible;
    };
    std::vector<Pot> splitPots() const;

    std::array<Player, kPlaces> players_;
    int button_, small_ = -1, big_ = -1;
    int32_t smallBlindAmount_;
    int32_t highest_ = 0;
    int toAct_ = -1;
    int refunded_ = -1;
    Street street_ = Street::PreFlop;
    Cards deck_, board_;
    bool settled_ = false;
};

}  // namespace zuno::standin
