#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "games/phom/PhomHand.h"
#include "games/phom/PhomMenu.h"
#include "games/phom/PhomTableLogicHandler.h"
#include "lobby/model/Player.h"
#include "table/CardTableModel.h"

namespace zuno {

// What a Phom table is apart from any view: the players and the screen seat each is drawn at (0 bottom,
// always me; 1 right; 2 top; 3 left), the turn (who acts, who fired last, who lays down first), each
// seat's fired, eaten and laid rows, the own hand (PhomHand), and the bottom menu the state offers.
// The screen applies each server event here and then draws what changed; the answer of an event says
// what the screen shows besides (a refusal in my bubble, end marks).
class PhomTable {
public:
    static constexpr int kSeats = 4;
    static constexpr int kFiredRow = 4;
    static constexpr int kEatenRow = 3;
    static constexpr int kLaidRow = 12;
    static constexpr int kLeftoverRow = 11;
    static constexpr int kDefaultTurnSeconds = 30;  // a fire with no turn time runs this one

    // What an event asks the screen to show besides the state.
    struct Shown {
        std::optional<std::string> myBubble;  // a text key for my bubble
        std::array<std::optional<PhomEndMark>, kSeats> endMarks{};  // by screen seat
        bool stopped = false;                 // the deal ended (stopGame)
        std::optional<std::pair<int, std::string>> seatBubble;  // a text for one seat's bubble
    };

    // The table's identity, players, seats, ready flags and turn clock (`currentPlayer`, `interval`,
    // `dieTime`), which the screen's seating keeps.
    CardTableModel& seating;

    // The deal.
    bool isGameBegin = false, isFirstMatch = true;
    bool notPlay = false, finish = false;
    // I have pressed continue: the deal's end is cleared, and its results that come later are not shown.
    bool endCleared = false;
    int32_t currentPlayers = -1;  // who must act next
    int32_t firstPlayer = -1;     // who fired last
    int32_t firstHa = -1;         // who lays down first this round
    int cardCurrent = -1;
    std::array<int8_t, kSeats> numberCard{};  // by seat: place of the last fired card in its row
    std::array<int, kSeats> numC{};
    std::array<std::array<int, kFiredRow>, kSeats> cardShow{};
    std::array<std::array<int, kEatenRow>, kSeats> showCardEat{};
    std::array<int, kSeats> numCardEat{};
    std::array<std::array<int, kLaidRow>, kSeats> ShowHaPhom{};
    std::array<int, kSeats> numCardPhom{};
    std::array<std::array<int, kLeftoverRow>, kSeats> cardRac{};  // by players index at the end
    bool isU = false, isHaPhom = false, isGetCard = false, isEatCard = false, isDoFire = false, fire = false;
    int denBai = -1;              // seat of the player who pays for all
    int32_t denBaiWinnerId = -1;  // the den bai's winner, a player id (the hand's `winer` is an index)
    PhomHand hand;
    PhomMenu menu = PhomMenu::Wait;

    explicit PhomTable(CardTableModel& seating) : seating(seating) { reset(); }

    int getSeatFromID(int32_t userId) const { return userId == -1 ? -1 : seating.getSeatFromID(userId); }
    bool isMe(int32_t userId) const;
    bool iAmOwner() const;

    // Start of every deal and rejoin.
    void reset();
    // Sets `menu` as createBottomMenu does (fire also marks the fire button live, eat or draw the eat
    // buttons).
    void setMenu(PhomMenu code);
    // The menu between deals: start for the owner, ready for the others.
    PhomMenu idleMenu() const { return iAmOwner() ? PhomMenu::OwnerIdle : PhomMenu::Idle; }

    // Server events; `now` is the clock in whole seconds.
    void start(int8_t turnSeconds, const std::vector<int8_t>& myCards, int32_t firstMove, int32_t firstLayDown,
               int64_t now);
    void onGetCard(uint8_t card);
    void onFire(int32_t next, int32_t firer, int8_t card, int8_t index, int64_t now);
    Shown onEatCard(bool accepted, int32_t newFirstHa, int8_t nCard);
    Shown onHaPhom(bool accepted, const PhomLaidCards& cards, bool u, int32_t playerId);
    void onSkipPlayer(int32_t player, int32_t newFirstHa, int64_t now);
    Shown onDenBai(int32_t winnerId);
    Shown onOnceWin();
    Shown onFinish(const PhomSeatInts& scores, const PhomLeftoverCards& leftovers);
    void onPlaying(int32_t turnSeconds, int32_t current, int32_t firer, const PhomFiredCards& fired,
                   const PhomEatenCards& eaten, int32_t firstLayDown);
    Shown stop();

    // New Phom's own rows (its screen keeps its own hand): cards sent onto a laid meld move to the end
    // of the seat's laid row, which never grows past its 12 places; a player's end of deal with at most
    // 11 leftover ids (the score goes to that player's bubble only); a rejoin whose rows belong to the
    // players named by id.
    void onAddCardNew(int32_t userId, const std::vector<int32_t>& cards);
    // A lay-down of the player whose turn it is: appended to the seat's row; a U waits for its own
    // message and the end of the deal. Answers the seat (-1: nobody seated, nothing changed).
    int onHaPhomNew(const PhomLaidCards& cards, bool u, int32_t playerId);
    Shown onFinishNew(int32_t score, const std::vector<int32_t>& leftovers, int32_t userId, int32_t numRac);
    void onPlayingNew(int32_t turnSeconds, int32_t current, int32_t firer, const PhomFiredCards& fired,
                      const PhomEatenCards& eaten, const PhomSeatInts& users);

    // The continue button: ready for the next deal.
    void continueToNextDeal();

    // The start button (only the owner's): sent when another player is ready and none is not, and my
    // money covers the stake; else the refusal for my bubble, or nothing at all.
    enum class Start { Nothing, Send, NotEnoughMoney };
    Start doStartGame(int64_t myBalance) const;

private:
    void appendLaid(int seat, const PhomLaidCards& cards);
    void syncHand();
};

}  // namespace zuno
