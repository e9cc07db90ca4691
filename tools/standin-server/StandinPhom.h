#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "standin-server/StandinRobotTables.h"

namespace zuno::standin {

// The Phom tables (game type 7) of the stand-in server on the robot-table loop. Nine cards each and a
// tenth for the first mover, who fires first (Phom's deal message carries nine: a player who opens
// gets the tenth as a draw right after it); then each player in turn draws, or eats the card just fired
// when it melds with two of the hand's cards, and fires. On the fourth turn a player lays down its
// melds before firing (nothing when nothing melds: the lay-down is answered all the same, with no cards,
// and the turn goes on to the fire); a hand that melds whole after a draw or eat is a U (after an eat,
// the firer pays for all). After every player's fourth fire the deal ends: unmelded points, lowest
// wins, the stake moves, and the robots get ready for the next (a player who leaves loses it, judged as
// it stands). Robots eat when they can, fire their highest free card and lay down what the judge finds.
// The player's eat and lay-down are judged by the same rules and
// answered with the flags of 64 and 65. A turn the player lets run out (or skips, 49) is played out
// as a robot's, eating aside: a card drawn when none was taken yet, the melds laid down when due, the
// highest free card fired. A skip that comes late is ignored. Only an empty stock still passes a turn
// on (49) without a fire; the deal ends when the next player finds nothing to take either. An eat or a
// lay-down out of its turn is refused with its flag; Phom's table has no refusal of a draw or a fire,
// which are not answered out of their turn.
//
// New Phom (game type 13, listed in the game list) plays the same deal with its own messages (its deal
// carries all of the opener's ten cards): the fire
// event names the firer first, an eat the server refuses comes as a move error with a text, a U has its
// message of its own, the finish comes player by player, and a player who laid down may send cards onto
// the melds on the table (67); the reset-melds reports (68) are taken and need no answer. Every other
// request it refuses comes back as a move error (54) with the reason.
class StandinPhom : public StandinRobotGame {
public:
    static constexpr int8_t kRoom = 1;
    static constexpr int8_t kBoard = 11;
    static constexpr int8_t kNewBoard = 6;
    static constexpr const char* kInvitation = "An invites you to a Phom table.";
    static constexpr const char* kNewInvitation = "An invites you to a new Phom table.";
    // Texts to the player, in English and in Vietnamese as the client chose.
    static constexpr const char* kNotAMeld = "Those cards do not meld with the card.";
    static constexpr const char* kNotAMeldVi = "Những lá bài đó không thành phỏm với lá vừa đánh.";
    // New Phom's reasons for refusing a request (54).
    using Text = StandinRobotTables::Text;
    static constexpr Text kNotYourTurn{"It is not your turn.", "Chưa đến lượt bạn."};
    static constexpr Text kTakeFirst{"Draw or eat a card first.", "Hãy bốc hoặc ăn bài trước."};
    static constexpr Text kTakenAlready{"You have taken a card this turn.", "Bạn đã lấy bài ở lượt này."};
    static constexpr Text kNotHeld{"You do not hold that card.", "Bạn không có lá bài đó."};
    static constexpr Text kLayDownFirst{"Lay your melds down first.", "Hãy hạ phỏm trước."};
    static constexpr Text kNotMelding{kNotAMeld, kNotAMeldVi};
    static constexpr const char* kWon = "Won the deal";
    static constexpr const char* kWonVi = "Thắng ván";
    static constexpr const char* kLost = "Lost the deal";
    static constexpr const char* kLostVi = "Thua ván";
    static constexpr int kHandSize = 9;  // the opener holds one more
    static constexpr int kTurns = 4;

    static std::shared_ptr<StandinPhom> addTo(StandinRobotTables& tables);
    static std::shared_ptr<StandinPhom> addNewTo(StandinRobotTables& tables);

    // Tests: the next deal gives these hands place by place (the rest of the deck follows in order),
    // and the cards drawn come in this order first, the opener's tenth card the first of them; with
    // onlyThisStock, nothing else is left to draw.
    void setNextDeal(std::array<std::vector<int8_t>, 3> hands, std::vector<int8_t> stock, bool onlyThisStock = false);
    std::vector<int8_t> handOf(int32_t playerId) const;
    int dealCount() const;

    int8_t gameType() const override { return isNew_ ? 13 : 7; }
    int8_t room() const override { return kRoom; }
    int8_t board() const override { return isNew_ ? kNewBoard : kBoard; }
    const char* invitationText() const override { return isNew_ ? kNewInvitation : kInvitation; }
    // The last reset-melds report of new Phom: its bytes after room and table (tests).
    std::vector<int8_t> lastReport() const;
    // The melds laid at a player's place (tests).
    std::vector<std::vector<int8_t>> laidOf(int32_t playerId) const;
    std::vector<int8_t> commands() const override;
    void seatsChanged(StandinRobotTables& table, bool newTable) override;
    void deal(StandinRobotTables& table) override;
    void robotTurn(StandinRobotTables& table, int place) override;
    // What is left of the robot's turn, played out as a turn whose time ran out.
    void robotFallback(StandinRobotTables& table, int place) override;
    void turnTimeOver(StandinRobotTables& table, int place) override;
    void playerLeaves(StandinRobotTables& table, int place) override;
    bool take(StandinRobotTables& table, int8_t commandId, Message& request) override;
    Dealt dealt() const override;

private:
    using Cards = std::vector<int8_t>;
    enum class Phase { DrawOrEat, LayDown, Fire };
    struct Hand {
        Cards cards;
        Cards fired;
        int turns = 0;
        bool laid = false;
        bool ate = false;  // this turn's card was eaten
        std::vector<Cards> melds;  // laid down
    };
    static constexpr int kPlaces = StandinRobotTables::kCardPlaces;

    StandinPhom(std::weak_ptr<StandinRobotTables> tables, bool isNew) : tables_(std::move(tables)), isNew_(isNew) {}

    // With the loop's lock held.
    void startTurn(StandinRobotTables& table, int place, Phase phase);
    using RobotMove = StandinRobotTables::RobotMove;
    // The turn from where it stands: a robot's own, or its fallback, or (none) the player's played out.
    void playTurn(StandinRobotTables& table, int place, std::optional<RobotMove> robotMove);
    void afterTaking(StandinRobotTables& table, int place);
    std::optional<int8_t> takeFromStock();
    void draw(StandinRobotTables& table, int place);
    // The player's own draw, told to the player.
    void sendDrawn(StandinRobotTables& table, int place, int8_t card);
    void eat(StandinRobotTables& table, int place, const Cards& with);
    // A refused eat or lay-down: Phom's answer with its flag down, new Phom's move error saying why.
    void refuseEat(StandinRobotTables& table, const Text& why);
    void refuseLayDown(StandinRobotTables& table, const Text& why);
    // New Phom tells the player why a request was refused (54); Phom's table has no such message.
    void moveError(StandinRobotTables& table, const Text& why);
    void layDown(StandinRobotTables& table, int place, const std::vector<Cards>& melds, bool u);
    void fire(StandinRobotTables& table, int place, int8_t card);
    void skip(StandinRobotTables& table, int place);
    // The player's turn ran out (its time, or the player's skip): played out as a robot's turn, eating
    // aside.
    void playOut(StandinRobotTables& table, int place);
    void nextTurn(StandinRobotTables& table, int after);
    void endDeal(StandinRobotTables& table, int uPlace, bool payAll, int leaver = -1);
    // A deal runs and the turn is the place's.
    bool hasTurn(const StandinRobotTables& table, int place) const;
    // Why the rules refuse the place's draw, eat (with the cards of its hand), lay-down or fire now; none
    // when they allow it. The player's requests and the robots' moves are judged by these alike.
    const Text* refusalToDraw(const StandinRobotTables& table, int place) const;
    const Text* refusalToEat(const StandinRobotTables& table, int place, const Cards& with) const;
    const Text* refusalToLayDown(const StandinRobotTables& table, int place, const std::vector<Cards>& melds) const;
    const Text* refusalToFire(const StandinRobotTables& table, int place, int8_t card) const;
    // The card that may be eaten now: the last one fired, while it is still to be had; -1 when none.
    int8_t eatable() const;
    void finishMessages(StandinRobotTables& table, const std::array<int32_t, 4>& scores,
                        const std::array<int32_t, 4>& money, int winner, bool payAll);
    // New Phom: the player's cards onto the melds on the table.
    void sendCards(StandinRobotTables& table, const Cards& cards);

    std::weak_ptr<StandinRobotTables> tables_;
    const bool isNew_;
    std::array<Hand, kPlaces> hands_;
    Cards stock_;
    Phase phase_ = Phase::Fire;
    int lastFirer_ = -1;  // whose last fired card may be eaten; -1 none
    int firstHa_ = -1;
    int winner_ = -1;
    int deals_ = 0;
    Cards lastReport_;
    struct NextDeal {
        std::array<Cards, 3> hands;
        Cards stock;
        bool onlyThisStock = false;
    };
    std::optional<NextDeal> nextDeal_;
};

}  // namespace zuno::standin
