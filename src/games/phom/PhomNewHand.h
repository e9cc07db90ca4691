#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <span>
#include <vector>

#include "games/phom/PhomCard.h"

namespace zuno {

// The own hand at a new Phom table, which arranges itself: after every change the cards are sorted,
// free cards are grouped into melds of exactly three (sets first, then runs), the melds are put at
// the left, each meld's cards together, and the grouping is reported to the server with the
// reset-melds request. A drag can regroup a card with two neighbours. The server alone judges U and
// lay-downs from the groups it is sent.
//
// A meld number marks the cards of one meld; 0 is a free card. isFix marks a card eaten from the
// table, and a meld holding one is an eaten meld: no regrouping leaves an eaten card outside a meld.
class PhomNewHand {
public:
    // Marks a trio for a moment while it is examined; never left on a card.
    static constexpr int kTrialMeld = -99;

    std::vector<PhomCard> myCards;  // display order, left to right
    int phomRandom = 3;             // meld-number counter; only grows during a deal
    int indexOfCard = -1;           // hand position where a drag started
    int indexOfCard2 = -1;          // hand position where it ended; -1 none
    bool _isAnLeft = false, _isAnRight = false, _isAnMid = false;
    bool _isBaLaLeft = false, _isBaLaRight = false, _isBaLaMid = false;
    bool _isOldEat = false;

    // Sends the reset-melds request with the hand; the table screen connects it to its service.
    std::function<void(std::span<const PhomCard>)> sendResetPhom;

    // The deal reset: empty hand, counter back to 3.
    void reset();

    // The whole arrangement, then one reset-melds request.
    void intelligentSort();
    static void sortWithCards(std::vector<PhomCard>& cards);
    void sortChat();
    void findPhom1();
    void detectPhom1();
    void detectPhomBaLa1();
    void detectPhomSanh1();
    void sortPhom();

    // The narrower search after a drop, which keeps the player's order.
    void findPhom2();
    void detectPhom2();
    void detectPhomBaLa2();
    void detectPhomSanh2();

    static bool canBePhom(const PhomCard& card1, const PhomCard& card2, const PhomCard& card3);
    static int valueCard(const PhomCard& card) { return card.value(); }
    int countPhomCard(int phom) const;
    int countPhomValue(int phom) const;
    bool isPhomBaLa(int phom) const;
    bool isPhomAn(int phom) const;
    void clearPhomMove(int phom);

    // Regrouping of the card at indexOfCard2 with two neighbours after a drop.
    void checkDoiPhom();
    bool checkCardIndex() const;
    bool checkLeft();
    bool checkRight();
    bool checkMid();
    void changeLeft();
    void changeRight();
    void changeMid();

    // The turn's moves (the server judges the melds; these only check the selection):
    // the eat button: the two selected cards with the fired card `eatCardId`. A refusal text, or
    // nothing at all for three to five selected cards (`request.cards` then stays empty of ids).
    struct EatAnswer {
        std::string refusal;
        bool send = false;
        bool eatOfferedAgain = false;  // the eat and draw buttons stay usable
        std::array<int8_t, 5> cards{-1, -1, -1, -1, -1};
    };
    EatAnswer doEat();
    // The fire button: the one selected card (its meld's other cards freed), or a refusal.
    struct FireAnswer {
        std::string refusal;
        int8_t cardId = -1;
        bool send = false;
    };
    FireAnswer doFire();
    // My draw: the card goes before the first free card with a higher id (at the left end when there
    // is none), then the hand is arranged again.
    void onGetCard(int8_t card);
    // The server took my eat of `eaten` with the cards of the last eat request: they and the eaten
    // card form a new meld, each taken out of its old one.
    void onEatCard(int8_t eaten, int numEat);
    // My fired card leaves the hand.
    void onFire(int8_t card);
    // Every card among the laid ids leaves the hand.
    void removeCards(std::span<const int> ids);
    // The first card with the id leaves the hand.
    void removeCard(int id);
    std::array<int8_t, 5> cardToEat{-1, -1, -1, -1, -1};

    // A dragged card dropped inside the hand: the card at `from` goes to `to` (appended when past the
    // end), the melds it breaks are freed, the hand is regrouped where the player put it and
    // reported. A drop with to = -1 or to = from only deselects the card.
    void dropCard(int from, int to);

private:
    void resetPhom();
    void detectSets(size_t lookAhead);
    bool inEatenMeld(size_t position) const;
    bool checkTrio(size_t a, size_t b, size_t c, bool& isAn, bool& isBaLa);
    void changeTrio(size_t a, size_t b, size_t c);
    int positionOf(int8_t cardId) const;
};

}  // namespace zuno
