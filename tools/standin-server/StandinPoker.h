#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "standin-server/StandinLobbyLists.h"
#include "standin-server/StandinPokerHand.h"
#include "standin-server/StandinRobotTables.h"

namespace zuno::standin {

// The Poker tables (game type 4) of the stand-in server on the robot-table loop: nine places and
// watchers, reached from the game list. At a table with free seats the player sits at once beside An
// and the robots of robotPlaces(); at the full table (kFullBoard) nine robots play and the join is
// answered with the offer to watch; a robot there stands up after the player chose to watch, and the
// player may take its seat. Every seated player brings a stack (the player kBuyIn of his balance at
// most, and what each hand wins or loses goes to the balance at once); hands
// start by themselves a moment after the seats fill and after each stop while two seated players have
// chips, the button moving on. Robots check, else call, all in when the call reaches the stack; the
// player's actions are judged by StandinPokerHand and refused with 54 and a text, as are a seat taken
// by a player who has one and a stand-up of a player who has none. After every action the next
// player's allowed actions; streets with the pots; the own hand's name after each street; at the end
// the last pots, each winner, the stacks, and the stop a moment later. A stack of 0 moves its player
// off the seats (82/32) at the stop. A player who leaves mid-hand folds; the robots play the hand out
// at once and it is settled as at its end.
class StandinPoker : public StandinRobotGame {
public:
    using Cards = std::vector<int8_t>;
    static constexpr int8_t kGameType = 4;
    static constexpr int8_t kRoom = 1;
    static constexpr int8_t kBoard = 0;
    static constexpr int8_t kFullBoard = 2;
    static constexpr int32_t kSmallBlind = 100;
    static constexpr int32_t kBuyIn = 10000;
    static constexpr int kPlaces = StandinPokerHand::kPlaces;
    // A turn at a Poker table lasts as long as the table's turn bar runs (the table does not read the
    // turn seconds of the start), whatever the loop's turn seconds; the start announces it all the same.
    static constexpr int kTurnSeconds = 30;

    // The pauses of the table in seconds: before the first hand, from the last action to the winners,
    // from the winners to the stop (and as much again for every further winner), from the stop to the
    // next hand, and between the cards of a board that runs out.
    struct Pauses {
        double start = 2;
        double showdown = 1;
        double stop = 2.5;
        double next = 3;
        double runOut = 1;
    };

    // With `lists`, the Poker tables of room kRoom are listed with kFullBoard full.
    static std::shared_ptr<StandinPoker> addTo(StandinRobotTables& tables, std::shared_ptr<StandinLobbyLists> lists,
                                               Pauses pauses);

    // Tests: the next hand's deck (hole cards round by round from the place after the button, then the
    // board; the rest shuffled after it), the hands so far, a player's stack.
    void setNextDeck(Cards deck);
    int handCount() const;
    int32_t stackOf(int32_t playerId) const;

    int8_t gameType() const override { return kGameType; }
    int8_t room() const override { return kRoom; }
    int8_t board() const override { return kBoard; }
    const char* invitationText() const override { return "An invites you to a Poker table."; }
    int places() const override { return kPlaces; }
    std::vector<int> robotPlaces() const override { return {2, 4, 6}; }
    bool dealsWhenReady() const override { return false; }
    int turnSeconds(const StandinRobotTables&) const override { return kTurnSeconds; }
    Message joinReply(const StandinRobotTables& table) const override;
    std::vector<int8_t> commands() const override;
    void seatsChanged(StandinRobotTables& table, bool newTable) override;
    void deal(StandinRobotTables& table) override;
    void robotTurn(StandinRobotTables& table, int place) override;
    // A fold.
    void robotFallback(StandinRobotTables& table, int place) override;
    // Folded out, as a player who leaves is; the hand goes on.
    void robotGivesUp(StandinRobotTables& table, int place) override;
    void turnTimeOver(StandinRobotTables& table, int place) override;
    void playerLeaves(StandinRobotTables& table, int place) override;
    bool take(StandinRobotTables& table, int8_t commandId, Message& request) override;
    Dealt dealt() const override;

private:
    StandinPoker(std::weak_ptr<StandinRobotTables> tables, Pauses pauses)
        : tables_(std::move(tables)), pauses_(pauses) {}

    // Every operation below runs with the loop's lock held.
    bool atThisTable(const StandinRobotTables& table, uint64_t serial) const;
    Message subMessage(const StandinRobotTables& table, int8_t commandId, int8_t sub) const;
    Message stacksMessage(const StandinRobotTables& table, int8_t commandId, int8_t sub);
    void fillFullTable(StandinRobotTables& table);
    void giveStacks(StandinRobotTables& table, bool announce);
    int seatedWithChips(StandinRobotTables& table) const;
    void startLater(StandinRobotTables& table, double delay);
    int32_t nextId() const;
    void echo(StandinRobotTables& table, int place, const StandinPokerHand::Done& done);
    using RobotMove = StandinRobotTables::RobotMove;
    // The robot at the place acts as chosen, judged as the player's request is (a refused action is not
    // made); false when refused.
    bool robotActs(StandinRobotTables& table, int place, StandinPokerHand::Choice choice, RobotMove kind);
    // A robot's own action was refused: it folds, judged as its fallback; false when refused.
    bool robotFolds(StandinRobotTables& table, int place);
    // A robot whose fold was refused too leaves the hand without a judgement, told as a fold.
    void foldsOut(StandinRobotTables& table, int place);
    void afterAction(StandinRobotTables& table);
    void street(StandinRobotTables& table);
    void selfResult(StandinRobotTables& table);
    void finish(StandinRobotTables& table);
    void showdown(StandinRobotTables& table);
    void stop(StandinRobotTables& table);
    void robotStandsUp(StandinRobotTables& table);
    void observe(StandinRobotTables& table, int8_t choice);
    void sendPlaying(StandinRobotTables& table);
    void sit(StandinRobotTables& table, int8_t seat);
    void standUp(StandinRobotTables& table);
    void refuse(StandinRobotTables& table, const StandinPokerHand::Refusal& why);

    std::weak_ptr<StandinRobotTables> tables_;
    const Pauses pauses_;
    std::map<int32_t, int32_t> stacks_;  // by player id, seated or watching
    std::optional<StandinPokerHand> hand_;
    std::optional<std::vector<StandinPokerHand::Win>> wins_;  // settled, until the winners are shown
    int32_t playerId_ = -1;
    int button_ = -1;
    int hands_ = 0;
    uint64_t table_ = 0;  // counts the tables, so that a pending step of the last one does nothing
    bool startPending_ = false;
    bool robotStandsUp_ = false;  // at the full table, once the player watches
    std::optional<Cards> nextDeck_;
};

}  // namespace zuno::standin
