#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "standin-server/StandinInvitation.h"
#include "standin-server/StandinLobbyLists.h"
#include "standin-server/StandinServer.h"
#include "standin-server/StandinSignIn.h"
#include "standin-server/StandinTasks.h"

namespace zuno::standin {

class StandinRobotTables;

// Every card of `cards` is in `hand`, each used once.
bool holdsAll(const std::vector<int8_t>& hand, const std::vector<int8_t>& cards);
// Takes each card of `cards` out of `from` once, where it is there.
void removeCards(std::vector<int8_t>& from, const std::vector<int8_t>& cards);
// The card ids as a log line shows them: "[4 17 30]".
std::string cardsText(const std::vector<int8_t>& cards);

// One game's rules at a robot table of the stand-in: what the loop asks of the game. Every operation
// runs on the loop's worker or a session thread with the loop's lock held, so a game keeps its state
// unguarded and talks to the player through the loop.
class StandinRobotGame {
public:
    virtual ~StandinRobotGame() = default;

    virtual int8_t gameType() const = 0;
    // Where the table a robot invites to stands. A game reached only by invitation has it past the
    // listed tables of the room (StandinLobbyLists::kTablesPerRoom), where no listed table's password
    // or seats stand in the way.
    virtual int8_t room() const = 0;
    virtual int8_t board() const = 0;
    virtual const char* invitationText() const = 0;
    // The game's own requests, which the loop hands to take() while the player sits at its table.
    virtual std::vector<int8_t> commands() const = 0;

    // The table's places (at most StandinRobotTables::kMaxPlaces). At a robot's table An owns place 0
    // and the player sits in place 1; at an empty table the player owns place 0.
    virtual int places() const;  // the card tables' four
    // The places robots take a moment after the player sits down, Binh the first, others after him;
    // a place the player holds stays the player's. A kicked robot comes back to its place later.
    virtual std::vector<int> robotPlaces() const { return {2}; }
    // The join reply (8) and the notice of a robot sitting down (12), where a game's differ from the
    // shared ones (StandinRobotTables::joinReply, StandinRobotTables::sitsDown).
    virtual Message joinReply(const StandinRobotTables& table) const;
    virtual Message sitsDown(const StandinRobotTables& table, int place) const;
    // Whether the loop starts a deal once everyone is ready; a game that starts its own deals
    // (StandinRobotTables::startDeal) answers false.
    virtual bool dealsWhenReady() const { return true; }

    // Someone sat down or was kicked; newTable when it is the player at a new table (the last table's
    // deals are forgotten).
    virtual void seatsChanged(StandinRobotTables&, bool newTable) {}
    // The player, owning the table, starts a deal with this request, read past room and table (a
    // game whose start request carries more reads it here).
    virtual void startRequested(StandinRobotTables&, Message&) {}
    // A deal starts: the loop has marked it running; the game deals and starts the first turn.
    virtual void deal(StandinRobotTables& table) = 0;
    virtual void robotTurn(StandinRobotTables& table, int place) = 0;
    // The game's rules refused a move of the robot at the place, and its turn is still open: the table
    // makes a move for it that the rules allow whatever the robot chose before (the play-out of a turn
    // whose time ran out, a fold, a resignation), judged as its fallback (StandinRobotTables::RobotMove)
    // where the rules may refuse such a move at all (a resignation they never refuse). Nothing in a game
    // that does not judge its robots' moves (they pick only what its rules allow).
    virtual void robotFallback(StandinRobotTables&, int) {}
    // The rules refused the robot's fallback all the same, and its turn is still open: the robot gives
    // its part in the deal up as the game lets a player do so (a leave, settled as the player's leave
    // is but told to the table, or a resignation), keeping its seat for the next deal, so that the table
    // goes on.
    virtual void robotGivesUp(StandinRobotTables& table, int place) { playerLeaves(table, place); }
    // How long the player's turns last in the game under way (the loop's turn seconds, unless the
    // game's own speed says otherwise): what the game announces and when the loop runs a turn out.
    virtual int turnSeconds(const StandinRobotTables& table) const;
    // The player let the turn time run out.
    virtual void turnTimeOver(StandinRobotTables& table, int place) = 0;
    // The player at the place leaves (or is gone) while a deal is under way: the game settles the deal
    // as a leaver's deal is settled, so that the deal's money still adds up. Nothing it sends reaches
    // the player, who is no longer at the table; the table ends right after, and the money message
    // tells him his balance where a hand of his was settled (StandinRobotTables::leaversHandSettled).
    // (A card game's robot that gives up is settled by it too, at its own place, and then the table
    // hears it and goes on.)
    virtual void playerLeaves(StandinRobotTables&, int) {}
    // One of commands(), read past room and table; false passes it on to the handler installed before.
    virtual bool take(StandinRobotTables& table, int8_t commandId, Message& request) = 0;

    // Tests: the cards of the deal under way as the game holds them, by place (none for a place dealt
    // nothing), and those still to draw (none where the game keeps no stock); read with the lock held.
    struct Dealt {
        std::vector<std::vector<int8_t>> hands;
        std::vector<int8_t> stock;
    };
    virtual Dealt dealt() const { return {}; }
};

// The robot tables of the stand-in server: the signed-in player sits with robots at one table at a time,
// of whichever game was added. Once the player is in the lobby, a robot invites the player (see
// StandinInvitation); the join that the accepted invitation sends, or the join of a table that the lobby
// lists for the game the player plays (from the table list or play now), seats the player and makes the
// table's game the one the lobby lists answer for. The loop keeps the seats (the player, the robot An,
// and the robots of the game's robotPlaces(), Binh first, who sit down a moment later), the ready flags,
// the owner and the start of each deal (An starts when everyone is ready; at an empty table the player
// owns it and starts), the stake (the player owning the table sets it between deals; any other stake
// request is refused with the stake error), the turn order's clock (a robot plays after a pause, the
// player's turn time runs out just after the turn seconds), leaving, kicking a robot (it comes back
// later), a robot's answer to table chat and the player's invitations (74): an online robot sits down
// in a free place after the robot pause and gets ready, an account with a connection is invited to the
// table. The game does the rest.
// Money is the accounts' balances that the sign-in keeps: read at every join and notice, and changed
// there by every result (moneyOf, pay). A player whose table ends in the middle of a deal hears nothing
// of its settlement but his balance after it, in the money message (kMoneyCommand), where it settled a
// hand of his; after such a leave the next invitation leaves him the time to read it.
//
// A game plugs in as a StandinRobotGame: its number of places (2 at a board table, 4 at a card table,
// up to kMaxPlaces), where the later robots sit, its join reply and robot notice where they differ from
// the shared ones, its own commands, and the deal, the robots' turns and the time-outs.
//
// It serves one player at a time (the latest to sign in). Messages it does not take go on to the
// handler installed before it.
class StandinRobotTables : public std::enable_shared_from_this<StandinRobotTables> {
public:
    static constexpr int32_t kStake = 1000;
    static constexpr int32_t kOwnerId = 9001;  // An
    static constexpr int32_t kRobotId = 9002;  // Binh
    // What An and Binh bring where the server has no account for them.
    static constexpr int64_t kOwnerMoney = 8000000;
    static constexpr int64_t kRobotMoney = 3000000;
    static constexpr const char* kChatAnswer = "Good luck!";
    static constexpr const char* kChatAnswerVi = "Chúc may mắn!";
    static constexpr int kCardPlaces = 4;
    static constexpr int kMaxPlaces = 9;
    // The player's turn runs out this much after its announced seconds, so that the pass the player's
    // own clock sends at the end of the turn arrives first (it would be refused as out of turn).
    static constexpr double kPassGraceSeconds = 0.5;
    // After a leave that the money message told the player of, the next invitation waits at least this
    // long (instead of the invitation delay), so that he can read the notice before its dialog goes.
    static constexpr double kNoticeReadingSeconds = 8;

    struct Options {
        double invitationDelay = 2;
        double robotDelay = 1;
        uint8_t turnSeconds = 20;
        std::optional<uint32_t> seed;  // a fixed deck order for tests
        // Tests: the player's turns never run out by the clock, only by runOutPlayerTurn(), so that a
        // busy machine cannot make one run out under the test (the turn seconds are still announced).
        bool holdPlayerTurns = false;
        // Tests: the table's steps (robots' turns, the player's turn running out, a game's pauses) wait
        // for runNextStep(), which runs them in the order they fall due on a clock of their own.
        bool stepsRunByTests = false;
    };
    // Tests: what the table sends, with whether it would reach the player (nothing does while a leaver's
    // deal is settled), every payment of a result, and every robot's move the game's rules refuse (who,
    // the move and why, in a line), as they happen; called with the lock held.
    struct Watch {
        std::function<void(const Message&, bool toPlayer)> sent;
        std::function<void(int32_t playerId, int64_t amount)> paid;
        std::function<void(const std::string& refused)> robotMoveRefused;
    };

    struct Place {
        int32_t id = -1;
        std::string name;
        // Only a robot the server has no account for keeps its money here; an account's money is its
        // balance with the sign-in (moneyOf, pay).
        int64_t money = 0;
        int16_t avatar = 0;
        int32_t exp = 0;
        bool robot = false;
        bool ready = false;
        bool empty() const { return id == -1; }
    };
    using Task = std::function<void()>;
    // A text for the player, in English and in Vietnamese (say() picks the one of the player's language).
    struct Text {
        const char* english;
        const char* vietnamese;
    };
    // Why a stake is refused (the stake error, 10).
    static constexpr Text kNotTheOwner{"Only the table's owner sets the stake.", "Chỉ chủ bàn mới đặt mức cược."};
    static constexpr Text kDealUnderWay{"The stake cannot change while a deal is under way.",
                                        "Không thể đổi mức cược khi ván đang chơi."};
    static constexpr Text kStakeOutOfReach{"The stake must be more than nothing and no more than you hold.",
                                           "Mức cược phải lớn hơn 0 và không quá số tiền bạn có."};
    // Why a start is refused (an alert).
    static constexpr Text kNotTheOwnerToStart{"Only the table's owner starts a deal.", "Chỉ chủ bàn mới bắt đầu ván."};
    static constexpr Text kAlreadyDealing{"A deal is already under way.", "Ván đang diễn ra."};
    static constexpr Text kNotEveryoneReady{"Not everyone at the table is ready.", "Chưa phải mọi người trong bàn đều sẵn sàng."};

    // `lists` tells which game the player plays and which tables its rooms list; it may be null.
    static std::shared_ptr<StandinRobotTables> installOn(StandinServer& server, std::shared_ptr<StandinSignIn> signIn,
                                                         std::shared_ptr<StandinLobbyLists> lists, Options options);
    ~StandinRobotTables();
    StandinRobotTables(const StandinRobotTables&) = delete;
    StandinRobotTables& operator=(const StandinRobotTables&) = delete;

    // Before the player arrives.
    void addGame(std::shared_ptr<StandinRobotGame> game);
    void setNextInvitation(int8_t gameType, StandinTableKind kind = StandinTableKind::Robots);
    void setInvitationRotation(std::vector<StandinInvitation::Choice> choices);
    // A robot invites the signed-in player in the lobby now, whatever the invitation delay.
    void inviteNow();
    // The lobby refused a join (StandinLobbyJoins::onRefused): when it was of the table the player is
    // invited to, the robots invite to the next table of the rotation.
    void joinRefused(StandinSession& session, int8_t room, int8_t board);
    // Runs the work with the loop's lock held (tests reading a game's state).
    template <class Work>
    auto locked(Work work) const {
        std::lock_guard<std::mutex> lock(mutex_);
        return work();
    }

    // Tests: the player's turn runs out now, as its time running out does; false when no deal is
    // running or the turn is not the player's.
    bool runOutPlayerTurn();
    // Tests: seats the account at a table of the game as an invitation of that kind does, without a
    // connection (what the table sends then goes nowhere).
    void seatForTests(int8_t gameType, StandinTableKind kind, const StandinAccount& player);
    // Tests: while held, a robot whose turn comes waits (as if thinking on) until the hold ends, so that
    // the table as the last turn left it can be looked at; then it plays.
    void holdRobotTurns(bool hold);
    // Tests: runs as each table ends for the player (a leave, or another connection signing in), with
    // the lock held and before anything of the end is settled, so that a test can mark in what the
    // player's connection carries where the table ended. None when empty.
    void whenATableEnds(std::function<void(StandinSession& player)> work);
    // Tests: runs as a step scheduled at a table the player has since left sends something (with the
    // lock held), wherever the player is by then: at the next table, the step's message would pass for
    // that table's. None when empty.
    void whenALeftTableSpeaks(std::function<void(const Message&)> work);
    // Tests (with the lock held): the longest delay of a step scheduled at the table since the player
    // sat down (a robot's pause, the game's pauses and repeating steps; not the player's own turn
    // clock, which ends with his turn): once that long has passed after a leave, every step of the
    // left table has come due.
    double longestStep() const { return longestStep_; }
    // Tests: how many deals have started so far (read with locked()); a quick deal may be over before
    // anyone sees it running.
    int dealsStarted() const { return dealsStarted_; }
    // Tests (read with locked()): the seconds the player's turn under way was given when its clock
    // started (the turn seconds announced for it; the clock runs kPassGraceSeconds longer); none when
    // the turn is not the player's.
    std::optional<int> playerTurnSeconds() const;
    // Tests (read with locked()): how many of the player's turns the clock has started.
    int playerTurnsStarted() const { return playerTurnsStarted_; }
    // Tests (Options::stepsRunByTests; without the lock): the step that falls due first runs now; false
    // when none waits.
    bool runNextStep() { return tasks_.runNext(); }
    void watchForTests(Watch watch);
    // Tests: the rules refuse the robots' own moves, whatever they are, the next `moves` times they
    // would allow one (kEveryMove: until this is called again; 0 ends it), and with `fallbacksToo` their
    // fallback moves as well, as a lasting disagreement between a robot and the judge would.
    static constexpr int kEveryMove = -1;
    static constexpr const char* kRefusedForTests = "refused for the test";
    void refuseRobotMovesForTests(int moves, bool fallbacksToo = false);
    // Tests: the player leaves the table as his leave request does.
    void leaveForTests();
    // Tests: a robot invites the player to a table of the game now, also while he sits at a table.
    void inviteAtTheTableForTests(int8_t gameType, StandinTableKind kind = StandinTableKind::Robots);
    // Tests: the table's owner kicks the player, whatever is under way; the table ends for him as with
    // a leave.
    void kickThePlayerForTests();
    // Tests (read with locked()): how many of the player's turns the clock has run out (its time, or
    // runOutPlayerTurn()).
    int playerTurnsRunOut() const { return playerTurnsRunOut_; }
    // Tests (read with locked()): on the table's clock (now()), when the player's last turn began, and
    // when the clock last ran a turn of his out, with how many of his requests the game had taken by then.
    double playerTurnBeganAt() const { return playerTurnBeganAt_; }
    struct RunOut {
        double at = 0;
        int requestsTaken = 0;
    };
    const std::optional<RunOut>& lastPlayerTurnRunOut() const { return lastPlayerTurnRunOut_; }
    // Tests (read with locked()): how many requests of the player the table's game has taken (answered
    // or refused), of the commands it plays by.
    int playerRequestsTaken() const { return playerRequestsTaken_; }
    // Tests (read with locked()): the connection of the player the tables serve; none before one signs
    // in. What the tables send goes out with the lock held, so what it has sent by then is all they said.
    std::shared_ptr<const StandinSession> playerSession() const { return session_; }

    // For the games, with the lock held.
    const Options& options() const { return options_; }
    int8_t room() const { return room_; }
    int8_t board() const { return board_; }
    Place& place(int i) { return places_[static_cast<size_t>(i)]; }
    const Place& place(int i) const { return places_[static_cast<size_t>(i)]; }
    // Those at the table without a place, in the order they came (only games with watchers fill it;
    // it empties with every new table).
    std::vector<Place>& watchers() { return watchers_; }
    const std::vector<Place>& watchers() const { return watchers_; }
    // The game of the table the player sits at (none between tables).
    const StandinRobotGame* game() const { return game_.get(); }
    // The player moved to another place (a watcher taking a seat).
    void setPlayerPlace(int place) { playerPlace_ = place; }
    // Binh, then the further robots, as the game's robot places take them; none past the last.
    std::optional<Place> laterRobot(int index) const;
    // A deal starts now (for games that start their own): the loop marks it running and asks the game.
    void startDeal();
    // The number of places of the table's game (0 while the player sits at none).
    int placeCount() const;
    // The place of a player id; -1 when nobody there has it.
    int placeOf(int32_t playerId) const;
    // The money of the one at the place: an account's balance as the sign-in holds it now.
    int64_t moneyOf(const Place& place) const;
    // What a table's result pays a player (taken when negative), kept with the account's balance so
    // that the next table and the profile show it.
    void pay(int32_t playerId, int64_t amount);
    // While the player's leave is settled (StandinRobotGame::playerLeaves): the leave settles a hand of
    // his, so the money message tells him his balance after it. Every result the settlement pays him
    // counts as that; a game says so itself for a hand that was paid before the leave but not yet
    // told him.
    void leaversHandSettled();
    int playerPlace() const { return playerPlace_; }
    // The time, in seconds, on the clock the table's steps fall due on.
    double now() const { return tasks_.now(); }
    int ownerPlace() const { return ownerPlace_; }
    bool playing() const { return playing_; }
    int turn() const { return turn_; }
    std::mt19937& random() { return random_; }
    void send(const Message& message);
    // The text in the player's language (English while nobody is signed in).
    std::string say(const std::string& english, const std::string& vietnamese) const;
    std::string say(const Text& text) const { return say(text.english, text.vietnamese); }
    // The stake the table plays for: kStake at a new table, then what its owner set.
    int32_t stake() const { return stake_; }
    // Whose choice a robot's move is: the robot's own, or the fallback the table makes in its place
    // once the rules refused that (robotFallback).
    enum class RobotMove { Own, Fallback };
    // A robot's move at the place (or the robots' play in the player's place, as tests have it), judged
    // as the player's request is judged, by the same rules: `why` is their refusal, null when they allow
    // it. A refused move is not made: it is told to the watch and logged as a warning. Where it leaves a
    // robot's turn open, a refused own move is followed by the game's fallback (robotFallback), and a
    // refused fallback by the robot giving its part in the deal up (robotGivesUp). True when refused.
    bool refusesRobotMove(int place, const char* why, const std::string& move, RobotMove kind = RobotMove::Own);
    bool refusesRobotMove(int place, const Text* why, const std::string& move, RobotMove kind = RobotMove::Own) {
        return refusesRobotMove(place, why ? why->english : nullptr, move, kind);
    }
    // The stake request is refused for this reason (the stake error, 10).
    void refuseStake(const Text& why);
    // The start request is refused for this reason (an alert).
    void refuseStart(const Text& why);
    // The task runs after the delay with the lock held, unless the table it was scheduled at has been
    // left meanwhile (or, scheduled between tables, a table has been taken): nothing of a table the
    // player left reaches him at the next. Its delay counts towards the table's longestStep().
    void schedule(double delay, Task task);
    // The place's turn: a robot plays after the robot pause, the player's time runs out after the
    // game's turn seconds and the pass grace (unless the options hold the player's turns).
    void startTurn(int place);
    // The deal ends: nobody's turn, and the robots other than the owner get ready again.
    void dealOver();
    // The next place after `after` for which `takes` holds; -1 if none.
    int nextPlace(int after, const std::function<bool(int)>& takes) const;
    // Table-message header (room, table) for the game's messages.
    Message tableMessage(int8_t commandId) const;
    // The shared join reply: room, table, owner, stake, then every place and every watcher (an id, and
    // for a seated player name, money, avatar, experience and ready flag).
    Message joinReply(int32_t stake) const;
    // The shared notice of a robot sitting down in `place`: place, id, name, money, avatar, experience.
    Message sitsDown(int place) const;

private:
    StandinRobotTables(std::shared_ptr<StandinSignIn> signIn, std::shared_ptr<StandinLobbyLists> lists,
                       Options options);
    void install(StandinServer& server);
    void chain(int8_t commandId, std::function<bool(StandinSession&, Message&)> take);
    // As schedule(), without counting towards the longest step (the player's turn clock).
    void later(double delay, Task task);

    // Every private operation below runs with mutex_ held.
    std::shared_ptr<StandinRobotGame> gameOf(int8_t gameType) const;
    // The signed-in player's account id; -1 while none is signed in.
    int32_t playerAccountId() const;
    void inviteLater(double delay);
    void sendInvitation(const StandinRobotGame& game);
    void inviteTo(StandinSession& guest, int8_t gameType, int8_t room, int8_t board, const std::string& text);
    // The rotation moves on; the next invitation waits the notice's reading time after a leave he was
    // told the money of, else the invitation delay.
    void inviteToTheNext(bool afterTheNotice);
    void invite(int32_t userId);
    void seatGuest(const StandinAccount& guest);
    void robotSitsDown(int place);
    // Seats the player where the join asks, if the robots keep that table; false leaves the join to
    // the handler installed before, and the player where he sat.
    bool join(StandinSession& session, Message& request);
    // The player is seated as the account stands now.
    void seatPlayer(const std::shared_ptr<StandinRobotGame>& game, int8_t room, int8_t board, StandinTableKind kind,
                    const StandinAccount& player);
    void seatRobotsLater();
    // The robot at the place plays the turn of that serial, unless the turn has moved on (or waits
    // while robot turns are held): its own move, the fallback where the rules refuse that, and its part
    // in the deal given up where they refuse the fallback too. The turn never stays open.
    void playRobotTurn(int place, uint64_t serial);
    // The player's turn at the place runs out: the game plays it as its time running out does.
    void runOutTurn(int place);
    bool atTable(StandinSession& session, Message& request);
    void leaveTable();
    // The table ends for the player (a leave, a kick, a join elsewhere, or another connection signing
    // in): a deal under way is settled by the game without a word to him but his balance after it, told
    // only when that settled a hand of his (not when he only watched the deal), and no task of the table
    // runs after. True when that money message went out.
    bool endTable();
    // The player's deal was settled as he left it: the money message tells him his balance, on the
    // connection he played on. False when it could not be sent.
    bool tellTheLeaverHisMoney();
    void setReady(int place, bool ready);
    bool everyoneReady() const;
    void startWhenReady();
    void kick(int32_t id);
    // The owner's stake request (19): set and told to the table, or refused.
    void setStake(int32_t money);
    void answerChat();

    std::shared_ptr<StandinSignIn> signIn_;
    std::shared_ptr<StandinLobbyLists> lists_;
    const Options options_;
    StandinServer* server_ = nullptr;

    mutable std::mutex mutex_;

    std::map<int8_t, std::shared_ptr<StandinRobotGame>> games_;
    std::set<int8_t> chained_;
    StandinInvitation invitation_;
    std::shared_ptr<StandinSession> session_;
    std::optional<StandinInvitation::Choice> invited_;
    std::shared_ptr<StandinRobotGame> game_;  // the table's game while the player sits
    int8_t room_ = 0, board_ = 0;
    std::array<Place, kMaxPlaces> places_;
    std::vector<Place> watchers_;
    int playerPlace_ = 1, ownerPlace_ = 0;
    int32_t stake_ = kStake;
    bool playing_ = false;
    int dealsStarted_ = 0;
    int turn_ = -1;
    uint64_t turnSerial_ = 0;
    int playerTurnSeconds_ = 0;
    int playerTurnsStarted_ = 0;
    int playerTurnsRunOut_ = 0;
    double playerTurnBeganAt_ = 0;
    std::optional<RunOut> lastPlayerTurnRunOut_;
    int playerRequestsTaken_ = 0;
    bool robotTurnsHeld_ = false;
    bool leaving_ = false;  // while a leaver's deal is settled: nothing is sent
    bool leaversHand_ = false;  // that settlement settled a hand of the leaver's (leaversHandSettled)
    std::optional<uint64_t> heldRobotTurn_;  // the serial of the robot turn that waits for the hold's end
    uint64_t tableSerial_ = 0;
    Watch watch_;
    int robotMovesRefused_ = 0;
    // Tests: how many more of the robots' moves the rules refuse (kEveryMove: all), and whether their
    // fallbacks too.
    int robotMovesToRefuse_ = 0;
    bool robotFallbacksRefused_ = false;
    double longestStep_ = 0;
    std::function<void(StandinSession&)> tableEnds_;
    std::function<void(const Message&)> leftTableSpeaks_;
    std::optional<uint64_t> stepOf_;  // the table of the step running now
    std::mt19937 random_;
    // Last, so that its thread ends before anything its tasks touch goes.
    StandinTasks tasks_;
};

}  // namespace zuno::standin
