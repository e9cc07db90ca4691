#include "standin-server/StandinPoker.h"

#include <algorithm>
#include <iterator>
#include <numeric>
#include <string>

namespace zuno::standin {

namespace {
constexpr int8_t CS_MOVE = 21;
constexpr int8_t CS_POKER_COMMAND = 82;
constexpr int8_t SC_START = 20;
constexpr int8_t SC_MOVE = 21;
constexpr int8_t SC_STOP_GAME = 50;
constexpr int8_t SC_MOVE_ERROR = 54;
constexpr int8_t SC_POKER_COMMAND = 82;
// Sub-commands of 21 beyond the six actions, and of 82.
constexpr int8_t SC_SUB_POKER_FLOP = 7, SC_SUB_POKER_TURN = 8, SC_SUB_POKER_RIVER = 9;
constexpr int8_t SC_SUB_POKER_STACK = 10, SC_SUB_POKER_PLAYING = 11, SC_SUB_POKER_SHOWDOWN = 14;
constexpr int8_t SC_SUB_POKER_JOIN_BOARD = 28, SC_SUB_POKER_SELF_RESULT = 29, SC_SUB_POKER_LASTPOT = 35;
constexpr int8_t POKER_OBSERVER = 12, SC_SUB_POKER_FULLBOARD = 18, POKER_SIT = 19, POKER_STANDUP = 30;
constexpr int8_t SC_SUB_POKER_OVERMONEY = 32, SC_SUB_POKER_RESULT = 34;
constexpr int32_t kAllPots = 100;
constexpr int32_t kShowdownExp = 10;
constexpr int kBestFive = 5;
constexpr double kWinnerStep = 2;  // the table shows one winner every two seconds
// What each robot brings, by place.
constexpr std::array<int32_t, StandinPoker::kPlaces> kRobotStacks = {20000, 10000, 8000, 6000, 12000,
                                                                     5000,  9000,  7000, 15000};
using Hand = StandinPokerHand;

void writeInts(Message& m, const std::vector<int32_t>& values) {
    for (int32_t v : values) m.writeInt(v);
}

// An action as a log line tells it: BET and RAISE with the chips added.
std::string actionText(const Hand::Choice& choice) {
    constexpr const char* kNames[] = {"does nothing", "bets", "raises", "calls", "checks", "folds", "goes all in"};
    const bool known = choice.action >= 0 && choice.action < static_cast<int>(std::size(kNames));
    std::string text = known ? kNames[choice.action] : "acts";
    if (!known || choice.action == Hand::BET || choice.action == Hand::RAISE)
        text.append(" ").append(std::to_string(known ? choice.amount : choice.action));
    return text;
}

// The stack the player brings to a seat: kBuyIn, or all of a smaller balance.
int32_t buyIn(const StandinRobotTables& table, const StandinRobotTables::Place& player) {
    return static_cast<int32_t>(std::min<int64_t>(StandinPoker::kBuyIn, table.moneyOf(player)));
}
}  // namespace

std::shared_ptr<StandinPoker> StandinPoker::addTo(StandinRobotTables& tables, std::shared_ptr<StandinLobbyLists> lists,
                                                  Pauses pauses) {
    std::shared_ptr<StandinPoker> game(new StandinPoker(tables.weak_from_this(), pauses));
    tables.addGame(game);
    if (lists) {
        lists->setTables(kGameType, kRoom,
                         {{kBoard, 5, false, kSmallBlind, ""},
                          {1, 3, false, kSmallBlind, ""},
                          {kFullBoard, kPlaces, false, kSmallBlind, ""},
                          {3, 2, false, 2 * kSmallBlind, ""}});
    }
    return game;
}

void StandinPoker::setNextDeck(Cards deck) {
    if (auto tables = tables_.lock()) tables->locked([&] { nextDeck_ = std::move(deck); });
}

int StandinPoker::handCount() const {
    auto tables = tables_.lock();
    return tables ? tables->locked([&] { return hands_; }) : hands_;
}

int32_t StandinPoker::stackOf(int32_t playerId) const {
    auto tables = tables_.lock();
    if (!tables) return 0;
    return tables->locked([&] {
        auto it = stacks_.find(playerId);
        return it == stacks_.end() ? 0 : it->second;
    });
}

// The hole cards; the deck still holds the board.
StandinRobotGame::Dealt StandinPoker::dealt() const {
    Dealt out;
    if (!hand_) return out;
    for (int i = 0; i < kPlaces; ++i) out.hands.push_back(hand_->player(i).cards);
    out.stock = hand_->rest();
    return out;
}

std::vector<int8_t> StandinPoker::commands() const { return {CS_MOVE, CS_POKER_COMMAND}; }

// The table's stake is the small blind.
Message StandinPoker::joinReply(const StandinRobotTables& table) const { return table.joinReply(kSmallBlind); }

// Messages 21 and 82 put their sub-command before room and table.
Message StandinPoker::subMessage(const StandinRobotTables& table, int8_t commandId, int8_t sub) const {
    Message m(commandId);
    m.writeByte(sub);
    m.writeByte(table.room());
    m.writeByte(table.board());
    return m;
}

// Every seated player's id and stack.
Message StandinPoker::stacksMessage(const StandinRobotTables& table, int8_t commandId, int8_t sub) {
    Message m = subMessage(table, commandId, sub);
    for (int i = 0; i < kPlaces; ++i) {
        const auto& p = table.place(i);
        if (p.empty()) continue;
        m.writeInt(p.id);
        m.writeInt(stacks_[p.id]);
    }
    return m;
}

bool StandinPoker::atThisTable(const StandinRobotTables& table, uint64_t serial) const {
    return serial == table_ && table.game() == this;
}

void StandinPoker::seatsChanged(StandinRobotTables& table, bool newTable) {
    if (!newTable) {
        giveStacks(table, true);
        startLater(table, pauses_.start);
        return;
    }
    ++table_;
    stacks_.clear();
    hand_.reset();
    wins_.reset();
    button_ = -1;
    startPending_ = false;
    robotStandsUp_ = false;
    playerId_ = table.place(table.playerPlace()).id;
    const bool full = table.board() == kFullBoard;
    if (full) fillFullTable(table);
    giveStacks(table, false);
    // After the join reply: the stacks, and at the full table the offer to watch.
    table.schedule(0, [this, &table, serial = table_, full] {
        if (!atThisTable(table, serial)) return;
        table.send(stacksMessage(table, SC_MOVE, SC_SUB_POKER_JOIN_BOARD));
        if (full) table.send(subMessage(table, SC_POKER_COMMAND, SC_SUB_POKER_FULLBOARD));
    });
    startLater(table, pauses_.start);
}

// Nine robots: the player waits among the watchers.
void StandinPoker::fillFullTable(StandinRobotTables& table) {
    table.watchers().push_back(table.place(table.playerPlace()));
    table.place(table.playerPlace()) = {};
    int robot = 0;
    for (int i = 0; i < kPlaces; ++i) {
        if (!table.place(i).empty()) continue;
        auto p = table.laterRobot(robot++);
        if (!p) return;
        p->ready = true;
        table.place(i) = *p;
    }
}

// Everyone newly seated brings a stack; announced when they sat down after the join.
void StandinPoker::giveStacks(StandinRobotTables& table, bool announce) {
    std::vector<int32_t> fresh;
    for (int i = 0; i < kPlaces; ++i) {
        const auto& p = table.place(i);
        if (p.empty() || stacks_.count(p.id)) continue;
        stacks_[p.id] = p.robot ? kRobotStacks[static_cast<size_t>(i)] : buyIn(table, p);
        fresh.push_back(p.id);
    }
    if (!announce || fresh.empty()) return;
    table.schedule(0, [this, &table, serial = table_, fresh] {
        if (!atThisTable(table, serial)) return;
        for (int32_t id : fresh) {
            Message stack = subMessage(table, SC_MOVE, SC_SUB_POKER_STACK);
            stack.writeInt(id);
            stack.writeInt(stacks_[id]);
            table.send(stack);
        }
    });
}

int StandinPoker::seatedWithChips(StandinRobotTables& table) const {
    int n = 0;
    for (int i = 0; i < kPlaces; ++i) {
        const auto& p = table.place(i);
        auto it = stacks_.find(p.id);
        if (!p.empty() && it != stacks_.end() && it->second > 0) ++n;
    }
    return n;
}

void StandinPoker::startLater(StandinRobotTables& table, double delay) {
    if (startPending_ || table.playing()) return;
    startPending_ = true;
    table.schedule(delay, [this, &table, serial = table_] {
        if (!atThisTable(table, serial)) return;
        startPending_ = false;
        if (!table.playing() && seatedWithChips(table) >= 2) table.startDeal();
    });
}

void StandinPoker::deal(StandinRobotTables& table) {
    std::array<std::pair<int32_t, int32_t>, kPlaces> places;
    for (int i = 0; i < kPlaces; ++i) {
        const auto& p = table.place(i);
        places[static_cast<size_t>(i)] = {p.empty() ? -1 : p.id, p.empty() ? 0 : stacks_[p.id]};
    }
    // The button moves to the next place dealt in; An's place has it first.
    int button = button_ < 0 ? (table.ownerPlace() + kPlaces - 1) % kPlaces : button_;
    for (int k = 1; k <= kPlaces; ++k) {
        const int i = (button + k) % kPlaces;
        if (places[static_cast<size_t>(i)].first != -1 && places[static_cast<size_t>(i)].second > 0) {
            button = i;
            break;
        }
    }
    button_ = button;
    Cards deck(52);
    std::iota(deck.begin(), deck.end(), int8_t{0});
    std::shuffle(deck.begin(), deck.end(), table.random());
    if (nextDeck_) {
        for (int8_t id : *nextDeck_) deck.erase(std::remove(deck.begin(), deck.end(), id), deck.end());
        deck.insert(deck.begin(), nextDeck_->begin(), nextDeck_->end());
        nextDeck_.reset();
    }
    hand_.emplace(places, button_, kSmallBlind, deck);
    ++hands_;

    const int mine = hand_->placeOf(playerId_);
    Message start = table.tableMessage(SC_START);
    start.writeByte(static_cast<int8_t>(turnSeconds(table)));
    for (int c = 0; c < Hand::kHoleCards; ++c)
        start.writeByte(mine < 0 ? int8_t{-1} : hand_->player(mine).cards[static_cast<size_t>(c)]);
    start.writeInt(hand_->player(hand_->button()).id);
    start.writeInt(hand_->player(hand_->smallBlind()).id);
    start.writeInt(hand_->player(hand_->bigBlind()).id);
    start.writeInt(kSmallBlind);
    start.writeInt(nextId());
    table.send(start);
    afterAction(table);
}

int32_t StandinPoker::nextId() const {
    return hand_->toAct() < 0 ? -1 : hand_->player(hand_->toAct()).id;
}

void StandinPoker::robotTurn(StandinRobotTables& table, int place) {
    if (!hand_ || hand_->toAct() != place) return;
    if (robotActs(table, place, hand_->robotChoice(place), RobotMove::Own)) afterAction(table);
}

void StandinPoker::robotFallback(StandinRobotTables& table, int place) {
    if (hand_ && hand_->toAct() == place && robotFolds(table, place)) afterAction(table);
}

void StandinPoker::robotGivesUp(StandinRobotTables& table, int place) {
    if (!hand_ || hand_->toAct() != place) return;
    foldsOut(table, place);
    afterAction(table);
}

bool StandinPoker::robotActs(StandinRobotTables& table, int place, Hand::Choice choice, RobotMove kind) {
    const std::string move = actionText(choice) + " with " + std::to_string(hand_->toCall(place)) + " to call and " +
                             std::to_string(hand_->player(place).stack) + " in the stack";
    // Judged before it is made: the table may refuse what the hand allows.
    const auto why = hand_->refusal(place, choice);
    if (table.refusesRobotMove(place, why ? why->english.c_str() : nullptr, move, kind)) return false;
    echo(table, place, hand_->act(place, choice));
    return true;
}

bool StandinPoker::robotFolds(StandinRobotTables& table, int place) {
    return robotActs(table, place, {Hand::FOLD}, RobotMove::Fallback);
}

void StandinPoker::foldsOut(StandinRobotTables& table, int place) {
    hand_->foldOut(place);
    const Hand::Player& robot = hand_->player(place);
    echo(table, place, {Hand::FOLD, std::nullopt, robot.bet, robot.stack});
}

// The player let the time run out: a check where nothing is to call, else a fold.
void StandinPoker::turnTimeOver(StandinRobotTables& table, int place) {
    if (!hand_ || hand_->toAct() != place) return;
    const auto done = hand_->act(place, hand_->toCall(place) == 0 ? Hand::CHECK : Hand::FOLD);
    echo(table, place, done);
    afterAction(table);
}

bool StandinPoker::take(StandinRobotTables& table, int8_t commandId, Message& request) {
    const int8_t sub = request.readByte();
    if (commandId == CS_POKER_COMMAND) {
        switch (sub) {
            case POKER_OBSERVER: observe(table, request.readByte()); break;
            case POKER_SIT: sit(table, request.readByte()); break;
            case POKER_STANDUP: standUp(table); break;
            default: break;
        }
        return true;
    }
    const int32_t amount = sub == Hand::BET || sub == Hand::RAISE ? request.readInt() : 0;
    if (!hand_ || !table.playing() || hand_->over()) {
        refuse(table, {"No hand is being played.", "Không có ván nào đang chơi."});
        return true;
    }
    const int place = hand_->placeOf(playerId_);
    const auto done = hand_->act(place, sub, amount);
    if (done.refusal) {
        refuse(table, *done.refusal);
        return true;
    }
    echo(table, place, done);
    afterAction(table);
    return true;
}

// The action, the next to act and what he may do (nobody, and nothing, when the round closed).
void StandinPoker::echo(StandinRobotTables& table, int place, const StandinPokerHand::Done& done) {
    Message m = subMessage(table, SC_MOVE, done.action);
    m.writeInt(hand_->player(place).id);
    if (done.action == Hand::FOLD) m.writeInt(done.stack);
    if (done.action != Hand::FOLD && done.action != Hand::CHECK) {
        m.writeInt(done.bet);
        m.writeInt(done.stack);
    }
    m.writeInt(nextId());
    writeInts(m, hand_->allowed(hand_->toAct()));
    table.send(m);
}

void StandinPoker::afterAction(StandinRobotTables& table) {
    if (hand_->toAct() >= 0) {
        table.startTurn(hand_->toAct());
        return;
    }
    if (const int back = hand_->refunded(); back >= 0) {
        Message stack = subMessage(table, SC_MOVE, SC_SUB_POKER_STACK);
        stack.writeInt(hand_->player(back).id);
        stack.writeInt(hand_->player(back).stack);
        table.send(stack);
    }
    if (hand_->over()) {
        finish(table);
        return;
    }
    street(table);
}

void StandinPoker::street(StandinRobotTables& table) {
    const auto cards = hand_->nextStreet();
    if (!cards) {
        finish(table);
        return;
    }
    const int8_t sub = hand_->street() == Hand::Street::Flop   ? SC_SUB_POKER_FLOP
                       : hand_->street() == Hand::Street::Turn ? SC_SUB_POKER_TURN
                                                               : SC_SUB_POKER_RIVER;
    Message m = subMessage(table, SC_MOVE, sub);
    m.writeInt(nextId());
    for (int8_t id : *cards) m.writeByte(id);
    const auto pots = hand_->pots();
    m.writeInt(static_cast<int32_t>(pots.size()));
    writeInts(m, pots);
    table.send(m);
    selfResult(table);
    if (hand_->toAct() >= 0) {
        table.startTurn(hand_->toAct());
        return;
    }
    // Nobody can bet any more: the board runs out card by card.
    table.schedule(pauses_.runOut, [this, &table, serial = table_, hand = hands_] {
        if (atThisTable(table, serial) && hand == hands_ && hand_ && !hand_->over()) street(table);
    });
}

// The player's best hand so far, while he is in the hand.
void StandinPoker::selfResult(StandinRobotTables& table) {
    const int mine = hand_->placeOf(playerId_);
    if (mine < 0 || !hand_->player(mine).inHand()) return;
    const auto best = hand_->handOf(mine);
    Message m = subMessage(table, SC_MOVE, SC_SUB_POKER_SELF_RESULT);
    m.writeUTF(pokerjudge::name(best.category));
    for (int8_t id : best.best) m.writeByte(id);
    table.send(m);
}

// The last pots at once; a moment later each winner and the stacks; the stop after the winners.
void StandinPoker::finish(StandinRobotTables& table) {
    Message last = subMessage(table, SC_MOVE, SC_SUB_POKER_LASTPOT);
    writeInts(last, hand_->pots());
    table.send(last);
    wins_ = hand_->settle();
    for (int i = 0; i < kPlaces; ++i) {
        const auto& player = hand_->player(i);
        if (player.id == -1) continue;
        // The chips a hand won or lost are money: the account keeps them whether or not the player stays.
        table.pay(player.id, int64_t(player.stack) - stacks_[player.id]);
        stacks_[player.id] = player.stack;
    }
    table.schedule(pauses_.showdown, [this, &table, serial = table_, hand = hands_] {
        if (atThisTable(table, serial) && hand == hands_ && hand_) showdown(table);
    });
}

// Each winner of the settled hand and everyone's stack; the stop after the winners.
void StandinPoker::showdown(StandinRobotTables& table) {
    if (!wins_) return;
    const std::vector<Hand::Win> wins = std::move(*wins_);
    wins_.reset();
    for (const auto& win : wins) {
        const int place = hand_->placeOf(win.id);
        const auto best = hand_->handOf(place);
        Message m = subMessage(table, SC_MOVE, SC_SUB_POKER_SHOWDOWN);
        m.writeInt(kShowdownExp);
        m.writeUTF(pokerjudge::name(best.category));
        m.writeInt(win.id);
        m.writeInt(win.pot < 0 ? kAllPots : win.pot);
        m.writeInt(hand_->player(place).stack);
        for (size_t c = 0; c < kBestFive; ++c) m.writeByte(c < best.best.size() ? best.best[c] : int8_t{-1});
        for (int8_t id : hand_->player(place).cards) m.writeByte(id);
        table.send(m);
    }
    table.send(stacksMessage(table, SC_POKER_COMMAND, SC_SUB_POKER_RESULT));
    const double shown = pauses_.stop + kWinnerStep * static_cast<double>(std::max<size_t>(wins.size(), 1) - 1);
    table.schedule(shown, [this, &table, serial = table_, hand = hands_] {
        if (atThisTable(table, serial) && hand == hands_) stop(table);
    });
}

// The player who leaves folds; the robots play the hand out at once (a robot whose action is refused
// falls back and gives up as at its turn), and it is settled as at its end. A hand he was dealt into
// that was settled before he left is told him with the leave all the same: he hears its result, and his
// money moves, only at its stop.
void StandinPoker::playerLeaves(StandinRobotTables& table, int) {
    if (!hand_) return;
    if (!hand_->over()) {
        hand_->foldOut(hand_->placeOf(playerId_));
        while (!hand_->over()) {
            const int actor = hand_->toAct();
            if (actor < 0) {
                if (!hand_->nextStreet()) break;
            } else if (!robotActs(table, actor, hand_->robotChoice(actor), RobotMove::Own) &&
                       !robotFolds(table, actor)) {
                foldsOut(table, actor);
            }
        }
        finish(table);
    } else if (hand_->placeOf(playerId_) >= 0) {
        table.leaversHandSettled();
    }
    showdown(table);
}

// The hand ends; those without chips leave the seats, a robot may stand up, and the next hand follows.
void StandinPoker::stop(StandinRobotTables& table) {
    table.send(table.tableMessage(SC_STOP_GAME));
    hand_.reset();
    table.dealOver();
    for (int i = 0; i < kPlaces; ++i) {
        auto& p = table.place(i);
        if (p.empty() || stacks_[p.id] > 0) continue;
        Message over = subMessage(table, SC_POKER_COMMAND, SC_SUB_POKER_OVERMONEY);
        over.writeInt(p.id);
        table.send(over);
        table.watchers().push_back(p);
        p = {};
    }
    if (robotStandsUp_) robotStandsUp(table);
    startLater(table, pauses_.next);
}

// The last robot but An gives his seat up and watches.
void StandinPoker::robotStandsUp(StandinRobotTables& table) {
    robotStandsUp_ = false;
    for (int i = kPlaces - 1; i >= 0; --i) {
        auto& p = table.place(i);
        if (p.empty() || !p.robot || i == table.ownerPlace()) continue;
        Message up = subMessage(table, SC_POKER_COMMAND, POKER_STANDUP);
        up.writeInt(p.id);
        up.writeInt(-1);
        up.writeByte(static_cast<int8_t>(i));
        table.send(up);
        table.watchers().push_back(p);
        p = {};
        return;
    }
}

void StandinPoker::observe(StandinRobotTables& table, int8_t choice) {
    if (choice != 1) return;
    Message seen = subMessage(table, SC_POKER_COMMAND, POKER_OBSERVER);
    seen.writeInt(playerId_);
    table.send(seen);
    if (hand_ && table.playing()) sendPlaying(table);
    if (table.board() != kFullBoard) return;
    if (table.playing()) {
        robotStandsUp_ = true;
        return;
    }
    table.schedule(table.options().robotDelay, [this, &table, serial = table_] {
        if (!atThisTable(table, serial)) return;
        if (table.playing()) robotStandsUp_ = true;
        else robotStandsUp(table);
    });
}

// A watcher arriving in the middle of a hand: who acts, the board, and each player's stack and bet.
void StandinPoker::sendPlaying(StandinRobotTables& table) {
    Message m = subMessage(table, SC_MOVE, SC_SUB_POKER_PLAYING);
    m.writeInt(nextId());
    m.writeByte(static_cast<int8_t>(hand_->board().size()));
    for (int8_t id : hand_->board()) m.writeByte(id);
    for (int i = 0; i < kPlaces; ++i) {
        const auto& p = hand_->player(i);
        if (!p.inHand()) continue;
        m.writeInt(p.id);
        m.writeInt(p.stack);
        m.writeInt(p.bet);
    }
    table.send(m);
}

// A watcher takes a free seat, with the chips he had (a new stack when he had none); he plays from the
// next hand on.
void StandinPoker::sit(StandinRobotTables& table, int8_t seat) {
    auto& watchers = table.watchers();
    auto me = std::find_if(watchers.begin(), watchers.end(), [&](const auto& w) { return w.id == playerId_; });
    if (me == watchers.end()) {
        refuse(table, {"You have a seat already.", "Bạn đã có chỗ ngồi."});
        return;
    }
    if (seat < 0 || seat >= kPlaces || !table.place(seat).empty()) {
        refuse(table, {"This seat is taken.", "Chỗ này đã có người ngồi."});
        return;
    }
    table.place(seat) = *me;
    watchers.erase(me);
    table.setPlayerPlace(seat);
    auto& stack = stacks_[playerId_];
    if (stack <= 0) stack = buyIn(table, table.place(seat));
    Message sits = subMessage(table, SC_POKER_COMMAND, POKER_SIT);
    sits.writeInt(playerId_);
    sits.writeByte(seat);
    table.send(sits);
    Message chips = subMessage(table, SC_MOVE, SC_SUB_POKER_STACK);
    chips.writeInt(playerId_);
    chips.writeInt(stack);
    table.send(chips);
    startLater(table, pauses_.start);
}

// The player leaves his seat for the watchers; in a running hand he folds, and when it was his turn
// the turn passes with the stand-up.
void StandinPoker::standUp(StandinRobotTables& table) {
    const int seat = table.placeOf(playerId_);
    if (seat < 0) {
        refuse(table, {"You have no seat to leave.", "Bạn không có chỗ ngồi để đứng dậy."});
        return;
    }
    const bool inHand = hand_ && table.playing() && !hand_->over() && hand_->player(seat).inHand();
    const bool hadTurn = inHand && hand_->toAct() == seat;
    if (inHand) hand_->foldOut(seat);
    Message up = subMessage(table, SC_POKER_COMMAND, POKER_STANDUP);
    up.writeInt(playerId_);
    up.writeInt(hadTurn ? nextId() : -1);
    up.writeByte(static_cast<int8_t>(seat));
    if (hadTurn) writeInts(up, hand_->allowed(hand_->toAct()));
    table.send(up);
    table.watchers().push_back(table.place(seat));
    table.place(seat) = {};
    if (hadTurn || (inHand && hand_->over())) afterAction(table);
}

// In the player's language.
void StandinPoker::refuse(StandinRobotTables& table, const StandinPokerHand::Refusal& why) {
    Message m(SC_MOVE_ERROR);
    m.writeByte(table.board());
    m.writeByte(table.room());
    m.writeUTF(table.say(why.english, why.vietnamese));
    table.send(m);
}

}  // namespace zuno::standin
