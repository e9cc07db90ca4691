#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "standin-server/StandinRobotTables.h"

namespace zuno::standin {

// The Tien Len tables of the stand-in server (southern or northern rules) on the robot-table loop: the
// signed-in player with the robots An and Binh. An deals when everyone is ready (or the player, owning
// an empty table), and robots play the simplest legal set of the client's own rules engine or pass. The
// game orders the turns (a player who lets the turn time run out passes, or plays the lowest card when
// leading), refuses a bad move with a text, sends finish places, money changes, the end of the deal
// with the last hand shown, and deals again once everyone is ready. A round ends when nobody still
// holding cards answers the set on the table; the deal, when only one player holds cards, every player
// dealt in having his place (a player who leaves takes the last). A claimed instant win is judged by
// the same rules.
class StandinTienLen : public StandinRobotGame {
public:
    static constexpr int8_t kRoom = 1;
    static constexpr int8_t kBoard = 10;
    static constexpr int32_t kStake = StandinRobotTables::kStake;
    static constexpr int32_t kOwnerId = StandinRobotTables::kOwnerId;  // An
    static constexpr int32_t kRobotId = StandinRobotTables::kRobotId;  // Binh
    static constexpr int8_t kSouthern = 3;
    static constexpr int8_t kNorthern = 12;  // Tien Len Mien Bac
    static constexpr const char* kInvitation = "An invites you to a Tien Len table.";
    static constexpr const char* kNorthernInvitation = "An invites you to a Tien Len Mien Bac table.";
    // A refusal in the client's language.
    using Refusal = StandinRobotTables::Text;
    static constexpr Refusal kNotYourTurn{"It is not your turn.", "Chưa đến lượt bạn."};
    static constexpr Refusal kNotInHand{"You do not hold those cards.", "Bạn không có những lá bài này."};
    static constexpr Refusal kCannotBeat{"Those cards cannot be played on the table.",
                                         "Những lá bài này không chặn được bài trên bàn."};
    static constexpr Refusal kMustLead{"You lead: play a card.", "Bạn đi đầu: hãy đánh bài."};
    static constexpr Refusal kNoInstantWin{"That hand does not win at once.", "Bài này không thắng trắng."};

    // The game of the given type (kSouthern or kNorthern), added to the loop.
    static std::shared_ptr<StandinTienLen> addTo(StandinRobotTables& tables, int8_t gameType);

    // What the tests may look at: a player's cards now (ascending) and the number of deals so far.
    std::vector<int8_t> handOf(int32_t playerId) const;
    int dealCount() const;

    // The next deal gives these hands, place by place (at a robot's table An, the player, Binh), each
    // ascending; the rest of the deck is not dealt.
    void setNextHands(std::array<std::vector<int8_t>, 3> hands);

    int8_t gameType() const override { return gameType_; }
    int8_t room() const override { return kRoom; }
    int8_t board() const override { return kBoard; }
    const char* invitationText() const override { return gameType_ == kNorthern ? kNorthernInvitation : kInvitation; }
    std::vector<int8_t> commands() const override;
    void seatsChanged(StandinRobotTables& table, bool newTable) override;
    void deal(StandinRobotTables& table) override;
    void robotTurn(StandinRobotTables& table, int place) override;
    // A pass, or the lowest card when leading, as a turn that runs out plays.
    void robotFallback(StandinRobotTables& table, int place) override;
    void turnTimeOver(StandinRobotTables& table, int place) override;
    void playerLeaves(StandinRobotTables& table, int place) override;
    bool take(StandinRobotTables& table, int8_t commandId, Message& request) override;
    Dealt dealt() const override;

private:
    struct Hand {
        std::vector<int8_t> cards;
        bool passed = false;
        int8_t finished = -1;
    };
    using Cards = std::vector<int8_t>;
    static constexpr int kPlaces = StandinRobotTables::kCardPlaces;

    StandinTienLen(int8_t gameType, std::weak_ptr<StandinRobotTables> tables)
        : gameType_(gameType), tables_(std::move(tables)) {}

    // Every operation below runs with the loop's lock held.
    void refuse(StandinRobotTables& table, const Refusal& text);
    bool playerMove(StandinRobotTables& table, Message& request);
    bool playerSkip(StandinRobotTables& table);
    bool playerClaim(StandinRobotTables& table);
    using RobotMove = StandinRobotTables::RobotMove;
    void robotMoves(StandinRobotTables& table, int place, Cards cards, RobotMove kind);
    // What a turn that runs out plays: a pass (no cards), or the lowest card when leading.
    Cards timeOutChoice(int place) const;
    void play(StandinRobotTables& table, int place, Cards cards);
    void pass(StandinRobotTables& table, int place);
    int newRound(StandinRobotTables& table);
    // The pass of `place`, and the turn of `next` (on a cleared table when the round is over).
    void passTo(StandinRobotTables& table, int place, int next, bool clear);
    void finish(StandinRobotTables& table, int place, int playersInDeal);
    void endDeal(StandinRobotTables& table, int lastPlace);

    // Why the rules refuse the place's play of the cards now, or its pass; none when they allow it. The
    // player's requests and the robots' moves are judged by these alike.
    const Refusal* refusalToPlay(const StandinRobotTables& table, int place, const Cards& cards) const;
    const Refusal* refusalToPass(const StandinRobotTables& table, int place) const;
    int8_t typeOf(const Cards& cards) const;
    bool beats(const Cards& cards) const;
    Cards robotChoice(const Hand& hand) const;
    int nextActive(StandinRobotTables& table, int after, bool skipPassed) const;
    int activeCount(StandinRobotTables& table) const;

    const int8_t gameType_;
    std::weak_ptr<StandinRobotTables> tables_;
    std::array<Hand, kPlaces> hands_;
    bool firstMatch_ = true;
    bool dealFirstMatch_ = false;
    int movesInDeal_ = 0;
    int playersInDeal_ = 0;
    int nextPosition_ = 0;
    int winnerPlace_ = -1;
    Cards table_;
    int lastMover_ = -1;
    int deals_ = 0;
    std::optional<std::array<Cards, 3>> nextHands_;
};

}  // namespace zuno::standin
