// Every request a player can send at each table of the stand-in, in each state the table can be in
// (waiting for a deal, the player's turn, another's turn, the deal's end, and the steps of a turn in
// between), is answered, or refused with the message the game's table has for refusing it. Where the
// table has no answer for a request (a leave between deals, a password, a landing report, a move the
// board games do not refuse), none comes, and none of those is one the player's screen waits for.
// Requests cut short, or naming what the player does not hold, are among them.
//
// The player is signed in over TCP and seated by the stand-in's test hook; the robots sit down at
// once and act only when the test has them act, so that nothing but the answer comes between a
// request and the answer to a probe sent right after it (the room list, which the lobby answers at
// once). The answer is told by its first message: its command, and where a command carries several
// kinds of answer, the kind; a leave's by all it sends (the money message once, where a hand of mine was
// settled, else nothing). A robot's move that the game's rules refuse, as they would the player's,
// fails the case where it is made.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "net/IMessageListener.h"
#include "net/MobileClient.h"
#include "standin-server/StandinBanker.h"
#include "standin-server/StandinBlocks.h"
#include "standin-server/StandinCaro.h"
#include "standin-server/StandinCoTuong.h"
#include "standin-server/StandinCoVua.h"
#include "standin-server/StandinPhom.h"
#include "standin-server/StandinPoker.h"
#include "standin-server/StandinRobotTables.h"
#include "standin-server/StandinTienLen.h"
#include "support/AceLowCards.h"
#include "support/RobotTablesTest.h"

using namespace zuno;
using namespace zuno::standin;
using zuno::testing::aceLowCard;
using zuno::testing::aceLowCards;

namespace {

constexpr int32_t kMe = zuno::testing::RobotTablesTest::kLan;
constexpr int32_t kBinh = StandinRobotTables::kRobotId;
constexpr int8_t kProbe = 6;  // the room list
constexpr int8_t kPhom = 7, kNewPhom = 13, kPoker = 4, kXiZach = 2, kBlocks = 8;
using Cards = std::vector<int8_t>;

// A received message as the answers below name it: its command, and the kind where the command has
// several (Poker's sub-command, Xi Zach's move type, Blocks' sub-command, Phom's eat and lay-down
// flags).
std::string token(int8_t gameType, Message m) {
    const int8_t id = m._commandId();
    const std::string command = std::to_string(id);
    if (gameType == kPoker && (id == 21 || id == 82)) return command + "/" + std::to_string(m.readByte());
    if (gameType == kBlocks && id == 80) return command + "/" + std::to_string(m.readByte());
    if (gameType == kXiZach && id == 21) {
        m.readByte();
        m.readByte();
        return command + "/" + std::to_string(m.readByte());
    }
    if (gameType == kPhom && (id == 64 || id == 65)) {
        m.readByte();
        m.readByte();
        m.readInt();
        return command + (m.readBool() ? " yes" : " no");
    }
    return command;
}

// What the connection hears, as tokens; takes the dispatcher's place once the player is signed in.
class Recorder : public IMessageListener {
public:
    void onMessage(Message& message) override {
        std::lock_guard<std::mutex> lock(mutex_);
        heard_.push_back(message._commandId() == kProbe ? "probe" : token(gameType_, message));
    }
    void setGameType(int8_t gameType) {
        std::lock_guard<std::mutex> lock(mutex_);
        gameType_ = gameType;
    }
    std::vector<std::string> heard() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return heard_;
    }
    size_t count(const std::string& what) const {
        std::lock_guard<std::mutex> lock(mutex_);
        return static_cast<size_t>(std::count(heard_.begin(), heard_.end(), what));
    }
    void clear() {
        std::lock_guard<std::mutex> lock(mutex_);
        heard_.clear();
    }

private:
    mutable std::mutex mutex_;
    int8_t gameType_ = 0;
    std::vector<std::string> heard_;
};

class StandinTableRequestsTest;
using Build = std::function<Message(StandinTableRequestsTest&)>;
using Step = std::function<void(StandinTableRequestsTest&)>;

// The table as a case finds it: reached from a new table by its steps.
struct State {
    const char* name;
    Step reach;
    bool dealRuns = false;
    bool firstDeal = false;  // no deal has been played at the table yet
};

struct Case {
    State state;
    const char* request;
    Build build;
    const char* answer;  // the first message's token ("" for none), or the first few's, spaced
    bool whole = false;  // the answer names every message sent for the request, not only the first
};

// The answer's first messages, as many as the case names (all of them for a whole answer).
std::string opening(const std::vector<std::string>& answer, const Case& c) {
    const std::string named = c.answer;
    const auto count = c.whole ? answer.size() : static_cast<size_t>(std::count(named.begin(), named.end(), ' ')) + 1;
    std::string out;
    for (size_t i = 0; i < std::min(count, answer.size()); ++i) out += (i ? " " : "") + answer[i];
    return out;
}

struct GameSpec {
    const char* name;
    int8_t gameType;
    StandinTableKind kind;
    std::function<std::shared_ptr<StandinRobotGame>(StandinRobotTables&)> add;
    std::vector<Case> cases;  // the game's own requests; the shared ones are added for every game
    // What the table sends by itself a moment after the player and the robots sit down (the banker
    // robots' stakes, Poker's stacks), waited for before a case begins.
    std::vector<std::pair<std::string, size_t>> settling;
    Step beforeDeal;  // fixed hands
    std::vector<State> states;  // those the table goes through, for the requests every table shares
    bool seatCount = false;     // the table's setup sheet offers the number of players
};

void PrintTo(const GameSpec& spec, std::ostream* out) { *out << spec.name; }

class StandinTableRequestsTest : public zuno::testing::RobotTablesTest,
                                 public ::testing::WithParamInterface<GameSpec> {
public:
    const GameSpec& spec() const { return GetParam(); }
    int8_t room() const { return game->room(); }
    int8_t board() const { return game->board(); }
    int myPlace() const {
        return robots->locked([&] { return robots->playerPlace(); });
    }
    Cards myHand() const {
        return robots->locked([&] { return game->dealt().hands.at(static_cast<size_t>(robots->playerPlace())); });
    }
    bool playing() const {
        return robots->locked([&] { return robots->playing(); });
    }
    int turn() const {
        return robots->locked([&] { return robots->turn(); });
    }
    // A request of this table: room, table, then the bytes.
    Message request(int8_t command, const Cards& bytes = {}) const {
        Message m(command);
        m.writeByte(room());
        m.writeByte(board());
        for (int8_t b : bytes) m.writeByte(b);
        return m;
    }

    // What the table sent for the step: all that came before the answer to the probe sent after it.
    std::vector<std::string> sentFor(const std::function<void()>& step) {
        recorder.clear();
        step();
        MobileClient::getInstance()->sendMessage(Message(kProbe));
        EXPECT_TRUE(pump([&] { return recorder.count("probe") == 1; })) << "the probe was not answered";
        std::vector<std::string> heard = recorder.heard();
        heard.erase(std::find(heard.begin(), heard.end(), "probe"), heard.end());
        return heard;
    }
    std::vector<std::string> answerTo(const Message& message) {
        return sentFor([&] { MobileClient::getInstance()->sendMessage(message); });
    }

    // A new table of the game: the player, An at a robots' table, and the game's robots ready.
    void newTable() {
        recorder.clear();
        robots->seatForTests(spec().gameType, spec().kind, {"lan", "hoa sen", kMe, 500000, 12, 250});
        robots->locked([&] {
            const std::vector<int> places = game->robotPlaces();
            for (size_t k = 0; k < places.size(); ++k) {
                if (!robots->place(places[k]).empty()) continue;  // the player's
                auto robot = robots->laterRobot(static_cast<int>(k));
                ASSERT_TRUE(robot);
                robot->ready = true;
                robots->place(places[k]) = *robot;
            }
            game->seatsChanged(*robots, false);
        });
        for (const auto& [what, count] : spec().settling) {
            const std::string heard = what;
            const size_t times = count;
            ASSERT_TRUE(pump([&] { return recorder.count(heard) >= times; })) << "no " << heard;
        }
        if (spec().beforeDeal) spec().beforeDeal(*this);
    }
    void startDeal() {
        robots->locked([&] { robots->startDeal(); });
        ASSERT_TRUE(playing());
    }
    // One turn of whoever is to play: the robot plays it, the player's runs out. When the table sent
    // nothing for it, what it sends a moment later (Poker's showdown and stop) is waited for.
    void playATurn() {
        const int place = turn();
        const std::vector<std::string> sent = sentFor([&] {
            if (place == myPlace()) {
                robots->runOutPlayerTurn();
            } else if (place >= 0) {
                robots->locked([&] { game->robotTurn(*robots, place); });
            }
        });
        if (sent.empty() && playing()) {
            recorder.clear();
            ASSERT_TRUE(pump([&] { return !playing() || !recorder.heard().empty(); })) << "the deal stands still";
        }
    }
    void robotsUntilMyTurn() {
        for (int steps = 0; steps < 100 && playing() && turn() != myPlace(); ++steps)
            ASSERT_NO_FATAL_FAILURE(playATurn());
        ASSERT_TRUE(playing());
        ASSERT_EQ(turn(), myPlace());
    }
    void playUntilTheDealEnds() {
        for (int steps = 0; steps < 300 && playing(); ++steps) ASSERT_NO_FATAL_FAILURE(playATurn());
        ASSERT_FALSE(playing());
    }

    std::shared_ptr<StandinRobotGame> game;
    Recorder recorder;

protected:
    void SetUp() override {
        StandinRobotTables::Options options;
        options.invitationDelay = options.robotDelay = 3600;  // the robots act only when the test says
        options.holdPlayerTurns = true;
        options.seed = 11;
        ASSERT_NO_FATAL_FAILURE(installRobotTables(options));
        // A robot's move the game's rules refuse fails the case where it is made.
        StandinRobotTables::Watch watch;
        watch.robotMoveRefused = [this](const std::string& refused) {
            ADD_FAILURE() << spec().name << ": " << refused;
        };
        robots->watchForTests(watch);
        game = spec().add(*robots);
        recorder.setGameType(spec().gameType);
        useStandinServer();
        ASSERT_NO_FATAL_FAILURE(signInAsLan(recorder));
    }
};

// ---- The states, from a new table.

void waiting(StandinTableRequestsTest&) {}
void myTurn(StandinTableRequestsTest& t) {
    ASSERT_NO_FATAL_FAILURE(t.startDeal());
    ASSERT_NO_FATAL_FAILURE(t.robotsUntilMyTurn());
}
// A robot's turn: the player's own ran out first when the deal gave it to him.
void othersTurn(StandinTableRequestsTest& t) {
    ASSERT_NO_FATAL_FAILURE(t.startDeal());
    if (t.turn() == t.myPlace()) {
        ASSERT_NO_FATAL_FAILURE(t.playATurn());
    }
    ASSERT_TRUE(t.playing());
    ASSERT_NE(t.turn(), t.myPlace());
    ASSERT_GE(t.turn(), 0);
}
void dealEnd(StandinTableRequestsTest& t) {
    ASSERT_NO_FATAL_FAILURE(t.startDeal());
    ASSERT_NO_FATAL_FAILURE(t.playUntilTheDealEnds());
}

const State kWaiting{"waiting for a deal", waiting, false, true};
const State kMyTurn{"my turn", myTurn, true};
const State kOthersTurn{"another's turn", othersTurn, true};
const State kDealEnd{"the deal's end", dealEnd};
const std::vector<State> kCardStates{kWaiting, kMyTurn, kOthersTurn, kDealEnd};

// ---- Requests.

Build tableRequest(int8_t command, Cards bytes = {}) {
    return [command, bytes](StandinTableRequestsTest& t) { return t.request(command, bytes); };
}
Build withInt(int8_t command, int32_t value, Cards before = {}) {
    return [=](StandinTableRequestsTest& t) {
        Message m = t.request(command, before);
        m.writeInt(value);
        return m;
    };
}
Build withText(int8_t command, const char* text) {
    return [=](StandinTableRequestsTest& t) {
        Message m = t.request(command);
        m.writeUTF(std::string(text));
        return m;
    };
}
// A request built from the player's cards as the stand-in holds them.
Build fromHand(int8_t command, std::function<Cards(const Cards&)> pick) {
    return [=](StandinTableRequestsTest& t) { return t.request(command, pick(t.myHand())); };
}
// The hand's first or last card; any card before a deal.
int8_t firstOf(const Cards& hand) { return hand.empty() ? 0 : hand.front(); }
int8_t lastOf(const Cards& hand) { return hand.empty() ? 0 : hand.back(); }
// A card of the deck that the hand does not hold.
Cards notHeld(const Cards& hand) {
    for (int8_t id = 51; id >= 0; --id)
        if (std::find(hand.begin(), hand.end(), id) == hand.end()) return {id};
    return {};
}

// ---- The requests every table shares.

std::vector<Case> sharedCases(const GameSpec& spec) {
    const bool owner = spec.kind == StandinTableKind::Empty;
    const bool banker = spec.gameType == 11 || spec.gameType == kXiZach;
    const bool timed = spec.gameType == 1 || spec.gameType == kBlocks;  // Caro's and Blocks' start has a speed
    const Build start = timed ? tableRequest(20, {2}) : tableRequest(20);
    const Build stake = withInt(banker ? 24 : 19, 5000);
    const Build noStake = withInt(banker ? 24 : 19, 0);
    const char* stakeBetweenDeals = banker ? (owner ? "10" : "24") : (owner ? "19" : "10");
    std::vector<Case> cases;
    for (const State& state : spec.states) {
        const bool dealRuns = state.dealRuns;
        cases.push_back({state, "chat", withText(9, "hello"), "9"});
        cases.push_back({state, "ready", tableRequest(16, {1}), dealRuns ? "" : "16"});
        // The owner's start deals once everyone else is ready (the robots get ready again a moment
        // after a deal's end); a refused start is told in an alert.
        cases.push_back({state, "start", start, owner && state.firstDeal ? "20" : "45"});
        cases.push_back({state, "kick Binh", withInt(11, kBinh), owner && !dealRuns ? "11" : ""});
        cases.push_back({state, "stake", stake, dealRuns ? "10" : stakeBetweenDeals});
        cases.push_back({state, "a stake of nothing", noStake, "10"});
        cases.push_back({state, "password", withText(18, "secret"), ""});
        if (spec.seatCount) cases.push_back({state, "seat count", tableRequest(56, {3}), ""});  // no result
        cases.push_back({state, "nudge Binh", [](StandinTableRequestsTest&) {
                             Message m(103);
                             m.writeInt(kBinh);
                             return m;
                         },
                         ""});  // the nudge goes to the one nudged
        // A deal left is settled without a word of it to the leaver but his balance (the money message),
        // told once.
        cases.push_back({state, "leave", tableRequest(15), dealRuns ? "17" : "", true});
        cases.push_back({state, "chat at another table", [](StandinTableRequestsTest& t) {
                             Message m(9);
                             m.writeByte(t.room());
                             m.writeByte(static_cast<int8_t>(t.board() + 1));
                             m.writeUTF(std::string("hello"));
                             return m;
                         },
                         ""});
    }
    return cases;
}

// ---- Tien Len: I hold the lowest card (id 0) and lead; the robots hold cards that answer it.

void tienLenHands(StandinTableRequestsTest& t) {
    std::array<Cards, 3> hands;
    for (int8_t id = 0; id < 39; ++id) hands[static_cast<size_t>((id + 1) % 3)].push_back(id);  // An, me, Binh
    std::dynamic_pointer_cast<StandinTienLen>(t.game)->setNextHands(hands);
}
// My turn to answer the robots' cards.
const State kMyAnswer{"my turn to answer a set",
                      [](StandinTableRequestsTest& t) {
                          ASSERT_NO_FATAL_FAILURE(myTurn(t));
                          ASSERT_NO_FATAL_FAILURE(t.playATurn());  // I lead my lowest card
                          ASSERT_NO_FATAL_FAILURE(t.robotsUntilMyTurn());
                      },
                      true};

std::vector<Case> tienLenCases() {
    const Build move = fromHand(21, [](const Cards& hand) { return Cards{1, firstOf(hand)}; });
    const Build moveNotHeld = fromHand(21, [](const Cards& hand) { return Cards{1, notHeld(hand)[0]}; });
    const Build moveCutShort = fromHand(21, [](const Cards& hand) { return Cards{2, firstOf(hand)}; });
    const Build skip = tableRequest(49), claim = tableRequest(53);
    std::vector<Case> cases;
    for (const State& state : {kWaiting, kOthersTurn, kDealEnd}) {
        cases.push_back({state, "move", move, "54"});
        cases.push_back({state, "skip", skip, "54"});
        cases.push_back({state, "instant win", claim, "54"});
    }
    cases.push_back({kMyTurn, "lead my lowest card", move, "21"});
    cases.push_back({kMyTurn, "a card I do not hold", moveNotHeld, "54"});
    cases.push_back({kMyTurn, "a move cut short", moveCutShort, "54"});
    cases.push_back({kMyTurn, "skip when leading", skip, "54"});
    cases.push_back({kMyTurn, "instant win", claim, "54"});
    cases.push_back({kMyAnswer, "skip", skip, "49"});
    return cases;
}

// ---- Phom and new Phom: An opens and fires his king of diamonds; I hold the kings of spades and clubs.

void phomHands(StandinTableRequestsTest& t) {
    std::dynamic_pointer_cast<StandinPhom>(t.game)->setNextDeal(
        {aceLowCards("AS 3C 5D 7H 9S JC KD 2H 4S"), aceLowCards("KS KC 2C 6D 8H TS QC 3D 5H"),
         aceLowCards("2S 4C 6H 8D TC QD AH 3H 9D")},
        aceLowCards("7C 7D JS JD 4D 6C 8C TD QS AC 9C 5C"));
}
// My turn after my draw: the card to fire.
const State kAfterMyDraw{"my turn after my draw",
                         [](StandinTableRequestsTest& t) {
                             ASSERT_NO_FATAL_FAILURE(myTurn(t));
                             t.answerTo(t.request(63));
                         },
                         true};
// My fourth turn after its draw: the lay-down is due.
const State kFourthTurn{"my fourth turn, the lay-down due",
                        [](StandinTableRequestsTest& t) {
                            ASSERT_NO_FATAL_FAILURE(myTurn(t));
                            for (int turn = 1; turn < StandinPhom::kTurns; ++turn) {
                                ASSERT_NO_FATAL_FAILURE(t.playATurn());  // drawn and fired for me
                                ASSERT_NO_FATAL_FAILURE(t.robotsUntilMyTurn());
                            }
                            t.answerTo(t.request(63));
                        },
                        true};

std::vector<Case> phomCases(bool isNew) {
    // A refusal that Phom's table has no message for is not answered; new Phom's move error says why.
    const char* refused = isNew ? "54" : "";
    const char* eatRefused = isNew ? "54" : "64 no";
    const char* layDownRefused = isNew ? "54" : "65 no";
    const Build draw = tableRequest(63), skip = tableRequest(49), reset = tableRequest(68, {0});
    const Build fire = fromHand(21, [](const Cards& hand) { return Cards{lastOf(hand)}; });
    const Build fireNotHeld = fromHand(21, notHeld);
    const auto eat = [isNew](const char* cards) {
        Cards two = aceLowCards(cards);
        Cards bytes = isNew ? Cards{aceLowCard("KD"), two[0], two[1]} : Cards{two[0], two[1], -1, -1, -1, 0};
        return tableRequest(64, bytes);
    };
    const Build eatCutShort = isNew ? tableRequest(64, {aceLowCard("KD"), aceLowCard("KS")})
                                    : tableRequest(64, {aceLowCard("KS")});
    const Build layNothing = isNew ? tableRequest(65, {0}) : tableRequest(65);
    const Cards junk = aceLowCards("2C 6D 8H");
    const Build layJunk = isNew ? tableRequest(65, {1, junk[0], junk[1], junk[2], -1}) : tableRequest(65, junk);
    const Build sendCards = tableRequest(67, {aceLowCard("2C")});
    std::vector<Case> cases;
    for (const State& state : {kWaiting, kOthersTurn, kDealEnd}) {
        cases.push_back({state, "draw", draw, refused});
        cases.push_back({state, "fire", fire, refused});
        cases.push_back({state, "eat", eat("KS KC"), eatRefused});
        cases.push_back({state, "lay down", layNothing, layDownRefused});
        cases.push_back({state, "skip", skip, ""});  // a late skip of my clock is ignored
    }
    cases.push_back({kMyTurn, "draw", draw, "63"});
    cases.push_back({kMyTurn, "eat the king with mine", eat("KS KC"), isNew ? "64" : "64 yes"});
    cases.push_back({kMyTurn, "eat with cards that do not meld", eat("2C 6D"), eatRefused});
    cases.push_back({kMyTurn, "an eat cut short", eatCutShort, eatRefused});
    cases.push_back({kMyTurn, "fire before taking a card", fire, refused});
    cases.push_back({kMyTurn, "lay down before taking a card", layNothing, layDownRefused});
    cases.push_back({kMyTurn, "skip: the turn played out", skip, "63"});
    cases.push_back({kAfterMyDraw, "fire", fire, "21"});
    cases.push_back({kAfterMyDraw, "fire a card I do not hold", fireNotHeld, refused});
    cases.push_back({kAfterMyDraw, "draw again", draw, refused});
    cases.push_back({kAfterMyDraw, "eat after the draw", eat("KS KC"), eatRefused});
    cases.push_back({kFourthTurn, "lay down nothing", layNothing, isNew ? "65" : "65 yes"});
    cases.push_back({kFourthTurn, "lay down cards that do not meld", layJunk, layDownRefused});
    if (isNew) {
        for (const State& state : {kWaiting, kMyTurn, kAfterMyDraw, kOthersTurn, kDealEnd}) {
            cases.push_back({state, "send cards before a lay-down", sendCards, "54"});
            cases.push_back({state, "the arranged hand", reset, ""});  // a report that needs no answer
        }
    }
    return cases;
}

// ---- Poker: An, me, and robots in places 2, 4 and 6; An has the button, I the small blind.

const State kWatching{"watching", [](StandinTableRequestsTest& t) { t.answerTo(t.request(82, {30})); }};
// Standing up from a hand folds it; the robots play it on.
const State kWatchingMyHand{"watching the hand I stood up from",
                            [](StandinTableRequestsTest& t) {
                                ASSERT_NO_FATAL_FAILURE(myTurn(t));
                                t.answerTo(t.request(82, {30}));
                            },
                            true};
const State kWatchingTheNextHand{"watching the hand after the one I stood up from",
                                 [](StandinTableRequestsTest& t) {
                                     ASSERT_NO_FATAL_FAILURE(kWatchingMyHand.reach(t));
                                     ASSERT_NO_FATAL_FAILURE(t.playUntilTheDealEnds());
                                     ASSERT_NO_FATAL_FAILURE(t.startDeal());
                                 },
                                 true};

std::vector<Case> pokerCases() {
    const Build check = tableRequest(21, {4}), fold = tableRequest(21, {5}), allIn = tableRequest(21, {6});
    const Build betTooLittle = withInt(21, 1, {1});
    const Build sit = tableRequest(82, {19, 8}), standUp = tableRequest(82, {30});
    std::vector<Case> cases;
    for (const State& state : {kWaiting, kOthersTurn, kDealEnd, kWatching}) {
        cases.push_back({state, "check", check, "54"});
        cases.push_back({state, "fold", fold, "54"});
    }
    cases.push_back({kWaiting, "take a seat while seated", sit, "54"});
    cases.push_back({kWaiting, "stand up", standUp, "82/30"});
    cases.push_back({kWaiting, "watch", tableRequest(82, {12, 1}), "82/12"});
    cases.push_back({kWaiting, "not watch", tableRequest(82, {12, 0}), ""});  // nothing to tell
    cases.push_back({kWaiting, "an unknown seat request", tableRequest(82, {13}), ""});
    cases.push_back({kMyTurn, "fold", fold, "21/5"});
    cases.push_back({kMyTurn, "all in", allIn, "21/6"});
    cases.push_back({kMyTurn, "a bet below the big blind", betTooLittle, "54"});
    cases.push_back({kMyTurn, "stand up: folds and passes the turn", standUp, "82/30"});
    cases.push_back({kWatching, "take a free seat", sit, "82/19"});
    cases.push_back({kWatching, "take a seat taken", tableRequest(82, {19, 2}), "54"});
    cases.push_back({kWatching, "stand up again", standUp, "54"});
    // The hand I stood up from is settled with my leave, and told; a later one, which I only watch, settles
    // nothing of mine.
    cases.push_back({kWatchingMyHand, "leave", tableRequest(15), "17", true});
    cases.push_back({kWatchingTheNextHand, "leave", tableRequest(15), "", true});
    return cases;
}

// ---- Bai Cao and Xi Zach.

std::vector<Case> baiCaoCases() {
    const Build showOne = fromHand(21, [](const Cards& hand) { return Cards{firstOf(hand), -1, -1}; });
    const Build showNotHeld = fromHand(21, [](const Cards& hand) { return Cards{notHeld(hand)[0], -1, -1}; });
    return {
        {kWaiting, "show a card", showOne, ""},
        {kMyTurn, "show a card", showOne, "21"},
        {kMyTurn, "show a card I do not hold", showNotHeld, "21"},  // the hand as it is shown
        {kDealEnd, "show a card", showOne, ""},
    };
}

const Build kDraw = tableRequest(21, {0}), kStand = tableRequest(21, {1});
const Build kExamineBinh = withInt(67, kBinh);

// My turn, dealt these cards.
State myTurnHolding(const char* name, const char* cards) {
    return {name,
            [cards](StandinTableRequestsTest& t) {
                std::array<Cards, StandinRobotTables::kCardPlaces> hands;
                hands.at(static_cast<size_t>(t.myPlace())) = aceLowCards(cards);
                std::dynamic_pointer_cast<StandinBanker>(t.game)->setNextDeal(hands, {});
                ASSERT_NO_FATAL_FAILURE(myTurn(t));
            },
            true};
}
// The most cards a hand holds; and one fewer, so that a draw gives the last.
const State kFiveCards = myTurnHolding("my turn, five cards held", "AS 2S 3S 4S 5S");
const State kFourCards = myTurnHolding("my turn, four cards held", "AS 2S 3S 4S");

std::vector<Case> xiZachPunterCases() {
    return {
        {kWaiting, "draw", kDraw, ""},          {kWaiting, "stand", kStand, ""},
        {kMyTurn, "draw", kDraw, "21/0"},       {kMyTurn, "stand: the next turn", kStand, "21/1"},
        {kFiveCards, "draw: the next turn", kDraw, "21/1"},
        {kFourCards, "draw the fifth: the next turn", kDraw, "21/0 21/1"},
        {kMyTurn, "examine as a punter", kExamineBinh, ""},
        {kOthersTurn, "draw", kDraw, ""},       {kOthersTurn, "stand", kStand, ""},
        {kDealEnd, "draw", kDraw, ""},          {kDealEnd, "examine", kExamineBinh, ""},
    };
}

// At my own table I am the dealer and act last.
const State kExamined{"my turn as the dealer, Binh examined",
                      [](StandinTableRequestsTest& t) {
                          ASSERT_NO_FATAL_FAILURE(myTurn(t));
                          t.answerTo(kExamineBinh(t));
                      },
                      true};

std::vector<Case> xiZachDealerCases() {
    return {
        {kOthersTurn, "examine out of my turn", kExamineBinh, ""},
        {kMyTurn, "examine Binh", kExamineBinh, "21/2"},
        {kMyTurn, "draw", kDraw, "21/0"},
        {kFourCards, "draw the fifth: the deal ends", kDraw, "21/0 50"},
        {kExamined, "examine Binh again", kExamineBinh, ""},  // the screen asks once
    };
}

// ---- The board games and Blocks: the robot declines draws and never resigns.

Step firstMover(int32_t id) {
    return [id](StandinTableRequestsTest& t) {
        t.robots->locked([&] { std::dynamic_pointer_cast<StandinBoardGame>(t.game)->setNextFirstMover(id); });
    };
}

// My turn in the first game: I move first; another's: the robot does.
const State kBoardMyTurn{"my turn",
                         [](StandinTableRequestsTest& t) {
                             firstMover(kMe)(t);
                             ASSERT_NO_FATAL_FAILURE(myTurn(t));
                         },
                         true};
const State kBoardOthersTurn{"another's turn",
                             [](StandinTableRequestsTest& t) {
                                 firstMover(t.robots->locked([&] {
                                     return t.robots->place(1 - t.robots->playerPlace()).id;
                                 }))(t);
                                 ASSERT_NO_FATAL_FAILURE(othersTurn(t));
                             },
                             true};
const std::vector<State> kBoardStates{kWaiting, kBoardMyTurn, kBoardOthersTurn, kDealEnd};

std::vector<Case> boardCases(Build legal, Build illegal) {
    const Build offerDraw = tableRequest(24, {1}), declineDraw = tableRequest(24, {0}), resign = tableRequest(27);
    std::vector<Case> cases;
    for (const State& state : {kWaiting, kDealEnd}) {
        cases.push_back({state, "move", legal, ""});
        cases.push_back({state, "offer a draw", offerDraw, ""});
        cases.push_back({state, "resign", resign, ""});
    }
    cases.push_back({kBoardMyTurn, "a legal move", legal, "21"});
    cases.push_back({kBoardMyTurn, "a move the rules refuse", illegal, ""});  // the board has no refusal
    cases.push_back({kBoardMyTurn, "offer a draw", offerDraw, "26"});
    cases.push_back({kBoardMyTurn, "decline a draw nobody offered", declineDraw, ""});
    cases.push_back({kBoardMyTurn, "resign", resign, "27"});
    cases.push_back({kBoardOthersTurn, "move out of my turn", legal, ""});
    cases.push_back({kBoardOthersTurn, "offer a draw", offerDraw, "26"});
    cases.push_back({kBoardOthersTurn, "resign", resign, "27"});
    return cases;
}

// Blocks has no turns: each device plays its own game.
const State kBlocksPlaying{"a game running",
                           [](StandinTableRequestsTest& t) { ASSERT_NO_FATAL_FAILURE(t.startDeal()); }, true};
const State kBlocksOver{"the game's end", [](StandinTableRequestsTest& t) {
                            ASSERT_NO_FATAL_FAILURE(t.startDeal());
                            t.answerTo(t.request(27));
                            ASSERT_FALSE(t.playing());
                        }};
const std::vector<State> kBlocksStates{kWaiting, kBlocksPlaying, kBlocksOver};

Build blocksReport(Cards piece, int32_t landed) {
    return [=](StandinTableRequestsTest& t) {
        Message m = t.request(21, piece);
        m.writeInt(landed);
        return m;
    };
}

std::vector<Case> blocksCases() {
    const Build landing = blocksReport({0, 1, 0, 3, 20}, 0), loss = blocksReport({0, 0, 0, 3, -1}, 0);
    return {
        {kWaiting, "a landing", landing, ""},
        {kBlocksPlaying, "a landing", landing, ""},  // a report that needs no answer
        {kBlocksPlaying, "the loss", loss, "37"},
        {kBlocksPlaying, "offer a draw", tableRequest(24, {1}), "26"},
        {kBlocksPlaying, "resign", tableRequest(27), "27"},
        {kBlocksOver, "a landing", landing, ""},
    };
}

// ---- The games.

std::vector<Case> with(std::vector<Case> own, std::vector<Case> more) {
    own.insert(own.end(), more.begin(), more.end());
    return own;
}

const Build kCoTuongLegal = tableRequest(21, {StandinCoTuong::square(0, 6), StandinCoTuong::square(0, 5)});
const Build kCoTuongIllegal = tableRequest(21, {StandinCoTuong::square(0, 6), StandinCoTuong::square(1, 6)});
const Build kCoVuaLegal = tableRequest(21, {StandinCoVua::square("e2"), StandinCoVua::square("e4")});
const Build kCoVuaIllegal = tableRequest(21, {StandinCoVua::square("e2"), StandinCoVua::square("e5")});

// Poker's hands start only when the test deals; its steps after a hand's last action come at once.
std::shared_ptr<StandinRobotGame> addPoker(StandinRobotTables& tables) {
    return StandinPoker::addTo(tables, nullptr, StandinPoker::Pauses{3600, 0, 0, 3600, 0});
}
// The robot's height, garbage and level come only when asked.
std::shared_ptr<StandinRobotGame> addBlocks(StandinRobotTables& tables) {
    StandinBlocks::Options quiet;
    quiet.heightEvery = quiet.garbageEvery = quiet.levelEvery = 0;
    return StandinBlocks::addTo(tables, quiet);
}
std::shared_ptr<StandinRobotGame> addTienLen(StandinRobotTables& t) { return StandinTienLen::addTo(t, 3); }
std::shared_ptr<StandinRobotGame> addPhom(StandinRobotTables& t) { return StandinPhom::addTo(t); }
std::shared_ptr<StandinRobotGame> addBaiCao(StandinRobotTables& t) { return StandinBanker::addTo(t, 11); }
std::shared_ptr<StandinRobotGame> addXiZach(StandinRobotTables& t) { return StandinBanker::addTo(t, kXiZach); }
std::shared_ptr<StandinRobotGame> addCaro(StandinRobotTables& t) { return StandinCaro::addTo(t); }

const std::vector<std::pair<std::string, size_t>> kBinhsStake{{"24", 1}};
const auto kRobots = StandinTableKind::Robots, kMine = StandinTableKind::Empty;

const GameSpec kGames[] = {
    {"TienLen", 3, kRobots, addTienLen, tienLenCases(), {}, tienLenHands, kCardStates, true},
    {"TienLenAtMyTable", 3, kMine, addTienLen, {}, {}, nullptr, kCardStates, true},
    {"TienLenMienBac", 12, kRobots, [](StandinRobotTables& t) { return StandinTienLen::addTo(t, 12); },
     tienLenCases(), {}, tienLenHands, kCardStates, true},
    {"Phom", kPhom, kRobots, addPhom, phomCases(false), {}, phomHands, kCardStates, true},
    {"PhomAtMyTable", kPhom, kMine, addPhom, {}, {}, nullptr, kCardStates, true},
    {"NewPhom", kNewPhom, kRobots, [](StandinRobotTables& t) { return StandinPhom::addNewTo(t); }, phomCases(true),
     {}, phomHands, kCardStates, true},
    {"Poker", kPoker, kRobots, addPoker, pokerCases(), {{"21/28", 1}, {"21/10", 3}}, nullptr, kCardStates},
    {"BaiCao", 11, kRobots, addBaiCao, baiCaoCases(), kBinhsStake, nullptr, {kWaiting, kMyTurn, kDealEnd}, true},
    {"BaiCaoAtMyTable", 11, kMine, addBaiCao, {}, kBinhsStake, nullptr, {kWaiting, kMyTurn, kDealEnd}, true},
    {"XiZach", kXiZach, kRobots, addXiZach, xiZachPunterCases(), kBinhsStake, nullptr, kCardStates, true},
    {"XiZachAtMyTable", kXiZach, kMine, addXiZach, xiZachDealerCases(), kBinhsStake, nullptr, kCardStates, true},
    {"CoTuong", 5, kRobots, [](StandinRobotTables& t) { return StandinCoTuong::addTo(t); },
     boardCases(kCoTuongLegal, kCoTuongIllegal), {}, nullptr, kBoardStates},
    {"CoVua", 9, kRobots, [](StandinRobotTables& t) { return StandinCoVua::addTo(t); },
     with(boardCases(kCoVuaLegal, kCoVuaIllegal),
          {{kBoardMyTurn, "a promotion nobody asked for", tableRequest(91, {8, 5}), ""}}),
     {}, nullptr, kBoardStates},
    {"Caro", 1, kRobots, addCaro, boardCases(tableRequest(21, {5, 5}), tableRequest(21, {100, 100})), {}, nullptr,
     kBoardStates},
    {"CaroAtMyTable", 1, kMine, addCaro, {}, {}, nullptr, kBoardStates},
    {"Blocks", kBlocks, kRobots, addBlocks, blocksCases(), {}, nullptr, kBlocksStates},
};

}  // namespace

TEST_P(StandinTableRequestsTest, EveryRequestIsAnsweredOrRefusedAsTheTableHasIt) {
    for (const Case& c : with(spec().cases, sharedCases(spec()))) {
        SCOPED_TRACE(std::string(c.request) + ", " + c.state.name);
        ASSERT_NO_FATAL_FAILURE(newTable());
        ASSERT_NO_FATAL_FAILURE(c.state.reach(*this));
        sentFor([] {});  // what the way there sent is in
        const std::vector<std::string> answer = answerTo(c.build(*this));
        EXPECT_EQ(opening(answer, c), c.answer)
            << c.request << " at " << c.state.name << ": " << ::testing::PrintToString(answer);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryTable, StandinTableRequestsTest, ::testing::ValuesIn(kGames),
                         [](const ::testing::TestParamInfo<GameSpec>& info) { return std::string(info.param.name); });
