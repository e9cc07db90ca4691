#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "games/phom/PhomCard.h"
#include "games/phom/PhomMenu.h"

namespace zuno {

// What the eat button comes to: a refusal (a text key for my chat bubble) or the eat request.
struct PhomEatRequest {
    std::string refusal;  // empty when the request is to be sent
    std::array<int8_t, 5> cards{-1, -1, -1, -1, -1};  // the selected ids in hand order, -1 after them
    int8_t kind = 0;      // 0: with the fired card they form a set; 1: a run
    bool accepted() const { return refusal.empty(); }
};

// What the fire button comes to: a refusal text key or the one card to fire.
struct PhomFireRequest {
    std::string refusal;
    int8_t cardId = -1;
    bool accepted() const { return refusal.empty(); }
};

// End-of-deal marks drawn at a seat.
enum class PhomEndMark { U = 0, Winner = 1, Loser = 2, PaysForAll = 3 };

// The own hand at a Phom table and the rules the client applies to it: the grouping of the hand
// into melds, the lay-down offer when the hand is (nearly) all melds, the checks behind the eat and
// fire buttons, what a draw, an eat or a lay-down does to the hand, and the winner of a deal.
// The table screen keeps the card sprites in the order of myCards and calls these after every
// change of the hand; nothing here draws or sends.
class PhomHand {
public:
    static constexpr int kSeats = 4;
    static constexpr int kFiredRow = 4;
    static constexpr int kEatenMelds = 3;
    static constexpr int kEatSlots = 5;

    // Meld numbers 1..3 belong to the melds built round eaten cards, in eating order; the melds
    // found in the hand take 4, 5, ... afresh at every regrouping.
    std::vector<PhomCard> myCards;                    // display order, left to right
    std::array<PhomCard, kEatenMelds> cardEat;        // the eaten cards; a free slot has id -1
    int numPhom = 0;                                  // eaten melds so far
    int phomRandom = 3;                               // last automatic meld number
    std::array<int8_t, kEatSlots> cardToEat{};        // ids of the last eat request, -1 = empty
    std::vector<int> upCard;                          // per hand position: 0 selected, -1 not
    int cardCurrent = -1;                             // the last fired card, the one that may be eaten
    std::array<std::array<int, kFiredRow>, kSeats> cardShow{};  // fired cards by display seat
    bool bCheckU = false;                             // a U check is due (after my draw and my eat)
    std::array<int, kSeats> xxx{};                    // end-of-deal scores by player index, -1 none
    std::array<int, kSeats> scorePlayer{};
    int winer = -1;                                   // player index of the deal's winner

    PhomHand() { reset(); }

    // Clears the hand and every field above, as at the start of a deal.
    void reset();

    bool searchCardEat(int group) const;
    void cleanPhomRandom();
    // Regroups the hand (more than 2 cards): detection, attaching, then the U check. Answers
    // whether the U check offers the lay-down.
    bool findPhom();
    void detectPhom();
    void addCard(int position);
    bool checkU();
    // cleanPhomRandom then findPhom, as every change of the hand does.
    bool regroup();

    void getCardsUp();
    void getCheckCard();
    void resetUpCard();
    static void sortWithCards(std::vector<PhomCard>& cards);

    // Eat or draw is offered while my own row of fired cards is not full.
    bool eatOffered() const;
    // After a draw or an eat: lay down when my row holds exactly 3 fired cards, else fire.
    PhomMenu layDownTurnMenu() const;

    // The deal: the hand becomes the cards sorted by id. Answers the first menu: fire for the
    // first mover, else wait, or lay down when the U check offers it.
    PhomMenu start(std::span<const int8_t> cards, bool iMoveFirst);
    // My draw: the card goes before the first card with a higher id, at the left end when there is
    // none, but never inside a meld. Answers the menu that follows.
    PhomMenu onGetCard(int cardGet);
    PhomEatRequest doEat();
    // The server accepted my eat of cardCurrent: the checked cards and the eaten card become a meld
    // at the right end of the hand. Answers the menu that follows.
    PhomMenu onEatCard();
    PhomFireRequest doFire();
    // My fired card leaves the hand.
    void onFire(int8_t cardFire);
    // My lay-down was accepted: the laid cards (-1 entries skipped) leave the hand, the rest is
    // sorted by id and regrouped. The fire button follows unless the lay-down was a U, so the U
    // check's answer is not wanted here.
    void onHaPhom(std::span<const int8_t> laidCards);
    // A drag ends: the dragged card at `from` is deselected and goes to `to` (appended when past the
    // end; -1 or `from` leaves it in place); the hand is then regrouped with a U check due. Answers
    // whether the lay-down is offered.
    bool moveCard(int from, int to);

    void setScore(const std::array<int, kSeats>& scores);
    // Copies the scores and picks the winner: the first player with the lowest score that is not
    // negative. Answers winer (-1: nobody).
    int onFinish();
    // The mark of a player at the end of a deal that did not end by U: winner, loser, or none for a
    // player without a score.
    std::optional<PhomEndMark> endMarkOfPlayer(int playerIndex) const;

private:
    int meldScoreWith(int group, const PhomCard& card) const;
    int freeCardCount() const;
    int drawPosition(int8_t cardId) const;
};

}  // namespace zuno
