#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "standin-server/StandinServer.h"
#include "standin-server/StandinSignIn.h"
#include "standin-server/StandinTasks.h"

namespace zuno::standin {

// A Tien Len table of the stand-in server (southern or northern rules), played by the signed-in player
// and two robots. Once the player is signed in and sits in the lobby, the robot An invites the player
// to the table; the join that the accepted invitation sends seats the player with An (the owner) and,
// a moment later, Binh. Robots get ready, An deals when everyone is, and robots play the simplest
// legal set of the client's own rules engine or pass. The server orders the turns (a player who lets
// the turn time run out passes, or plays the lowest card when leading), refuses a bad move with a
// text, sends finish places, money changes, the end of the deal with the last hand shown, and deals
// again once everyone is ready. A claimed instant win is judged by the same rules.
//
// The player at the table may invite (74) an online robot, who sits down in the fourth place and gets
// ready, or an account with a connection, who is invited to the table.
//
// Once the player leaves, An invites again (to the other game when alternateGames is set).
// It serves one player at a time (the latest to sign in). Messages it does not take (a join to
// another table, a leave from elsewhere, ...) go on to the handler installed before it.
class StandinTienLen : public std::enable_shared_from_this<StandinTienLen> {
public:
    static constexpr int8_t kRoom = 1;
    static constexpr int8_t kBoard = 3;
    static constexpr int32_t kStake = 1000;
    static constexpr int32_t kOwnerId = 9001;  // An
    static constexpr int32_t kRobotId = 9002;  // Binh
    static constexpr const char* kInvitation = "An invites you to a Tien Len table.";
    static constexpr const char* kNotYourTurn = "It is not your turn.";
    static constexpr const char* kNotInHand = "You do not hold those cards.";
    static constexpr const char* kCannotBeat = "Those cards cannot be played on the table.";
    static constexpr const char* kMustLead = "You lead: play a card.";
    static constexpr const char* kNoInstantWin = "That hand does not win at once.";

    struct Options {
        int8_t gameType = 3;  // 3 southern, 12 northern
        // After each leave, the next invitation is to the other game.
        bool alternateGames = false;
        double invitationDelay = 2;
        double robotDelay = 1;
        uint8_t turnSeconds = 20;
        std::optional<uint32_t> seed;  // a fixed deck order for tests
    };

    static std::shared_ptr<StandinTienLen> installOn(StandinServer& server, std::shared_ptr<StandinSignIn> signIn,
                                                     Options options);
    ~StandinTienLen();
    StandinTienLen(const StandinTienLen&) = delete;
    StandinTienLen& operator=(const StandinTienLen&) = delete;

    // What the tests may look at: a player's cards now (ascending) and the number of deals so far.
    std::vector<int8_t> handOf(int32_t playerId) const;
    int dealCount() const;

    // The next deal gives these hands, place by place (An, the player, Binh), each ascending; the rest
    // of the deck is not dealt.
    void setNextHands(std::array<std::vector<int8_t>, 3> hands);
    // An invites the signed-in player now (unless seated), whatever the invitation delay.
    void inviteNow();

private:
    struct Place {
        int32_t id = -1;
        std::string name;
        int64_t money = 0;
        int16_t avatar = 0;
        int32_t exp = 0;
        bool robot = false;
        bool ready = false;
        std::vector<int8_t> hand;
        bool passed = false;
        int8_t finished = -1;
    };
    using Cards = std::vector<int8_t>;
    using Task = std::function<void()>;
    static constexpr int kPlaces = 4;
    static constexpr int kOwnerPlace = 0, kPlayerPlace = 1, kRobotPlace = 2, kGuestPlace = 3;

    StandinTienLen(std::shared_ptr<StandinSignIn> signIn, Options options);
    static Place seat(int32_t id, std::string name, int64_t money, int16_t avatar, int32_t exp, bool robot);
    void install(StandinServer& server);
    void chain(StandinServer& server, int8_t commandId,
               std::function<bool(StandinSession&, Message&)> take);

    // Every private operation below runs with mutex_ held.
    void schedule(double delay, Task task);
    void send(const Message& message);
    void inviteLater();
    void sendInvitation();
    bool join(StandinSession& session, Message& request);
    bool invite(int32_t userId);
    void leaveTable();
    void setReady(int place, bool ready);
    void startWhenReady();
    void deal();
    void startTurn(int place);
    void robotTurn(int place);
    void turnTimeOver(int place, uint64_t serial);
    void refuse(const char* text);
    bool playerMove(Message& request);
    bool playerSkip();
    bool playerClaim();
    void play(int place, Cards cards);
    void pass(int place);
    void finish(int place, int playersInDeal);
    void endDeal(int lastPlace);

    int8_t typeOf(const Cards& cards) const;
    bool beats(const Cards& cards) const;
    Cards robotChoice(const Place& place) const;
    int nextActive(int after, bool skipPassed) const;
    int activeCount() const;

    std::shared_ptr<StandinSignIn> signIn_;
    const Options options_;
    int8_t gameType_;

    mutable std::mutex mutex_;

    std::shared_ptr<StandinSession> session_;
    std::optional<StandinAccount> account_;
    bool invited_ = false;
    bool seated_ = false;
    std::array<Place, kPlaces> places_;
    bool playing_ = false;
    bool firstMatch_ = true;
    bool dealFirstMatch_ = false;
    int movesInDeal_ = 0;
    int playersInDeal_ = 0;
    int nextPosition_ = 0;
    int winnerPlace_ = -1;
    int turn_ = -1;
    uint64_t turnSerial_ = 0;
    Cards table_;
    int lastMover_ = -1;
    int deals_ = 0;
    std::mt19937 random_;
    std::optional<std::array<Cards, 3>> nextHands_;
    // Last, so that its thread ends before anything its tasks touch goes.
    StandinTasks tasks_;
};

}  // namespace zuno::standin
