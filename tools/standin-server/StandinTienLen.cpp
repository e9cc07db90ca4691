#include "standin-server/StandinTienLen.h"

#include <algorithm>
#include <numeric>

#include "games/tienlen/CardMBUtils.h"
#include "games/tienlen/CardUtils.h"
#include "platform/core/Log.h"

namespace zuno::standin {

namespace {
constexpr int8_t CS_MOVE = 21;
constexpr int8_t CS_SKIP = 49;
constexpr int8_t CS_FORCE_FINISH = 53;
constexpr int8_t SC_START = 20;
constexpr int8_t SC_MOVE = 21;
constexpr int8_t SC_SKIP = 49;
constexpr int8_t SC_STOP_GAME = 50;
constexpr int8_t SC_FINISH = 51;
constexpr int8_t SC_BONUS_MONEY = 52;
constexpr int8_t SC_FORCE_FINISH = 53;
constexpr int8_t SC_MOVE_ERROR = 54;
constexpr size_t kHandSize = 13;

void writeCards(Message& m, const std::vector<int8_t>& cards) {
    m.writeByte(static_cast<int8_t>(cards.size()));
    for (int8_t id : cards) m.writeByte(id);
}
}  // namespace

std::shared_ptr<StandinTienLen> StandinTienLen::addTo(StandinRobotTables& tables, int8_t gameType) {
    std::shared_ptr<StandinTienLen> game(new StandinTienLen(gameType, tables.weak_from_this()));
    tables.addGame(game);
    return game;
}

std::vector<int8_t> StandinTienLen::commands() const { return {CS_MOVE, CS_SKIP, CS_FORCE_FINISH}; }

bool StandinTienLen::take(StandinRobotTables& table, int8_t commandId, Message& request) {
    switch (commandId) {
        case CS_MOVE:
            return playerMove(table, request);
        case CS_SKIP:
            return playerSkip(table);
        case CS_FORCE_FINISH:
            return playerClaim(table);
        default:
            return false;
    }
}

std::vector<int8_t> StandinTienLen::handOf(int32_t playerId) const {
    auto tables = tables_.lock();
    if (!tables) return {};
    return tables->locked([&] {
        const int place = tables->placeOf(playerId);
        return place < 0 ? Cards{} : hands_[static_cast<size_t>(place)].cards;
    });
}

int StandinTienLen::dealCount() const {
    auto tables = tables_.lock();
    return tables ? tables->locked([&] { return deals_; }) : deals_;
}

// The rest of the deck is not dealt.
StandinRobotGame::Dealt StandinTienLen::dealt() const {
    Dealt out;
    for (const Hand& h : hands_) out.hands.push_back(h.cards);
    return out;
}

void StandinTienLen::setNextHands(std::array<std::vector<int8_t>, 3> hands) {
    auto tables = tables_.lock();
    if (tables) tables->locked([&] { nextHands_ = std::move(hands); });
}

void StandinTienLen::seatsChanged(StandinRobotTables&, bool newTable) {
    firstMatch_ = true;
    if (newTable) {
        winnerPlace_ = -1;
        hands_ = {};
    }
}

void StandinTienLen::deal(StandinRobotTables& tables) {
    std::vector<int8_t> deck(52);
    std::iota(deck.begin(), deck.end(), int8_t{0});
    std::shuffle(deck.begin(), deck.end(), tables.random());
    dealFirstMatch_ = firstMatch_;
    firstMatch_ = false;
    movesInDeal_ = 0;
    nextPosition_ = 0;
    playersInDeal_ = 0;
    table_.clear();
    lastMover_ = -1;
    ++deals_;
    size_t dealt = 0;
    for (int i = 0; i < kPlaces; ++i) {
        Hand& h = hands_[static_cast<size_t>(i)];
        h = {};
        if (tables.place(i).empty()) continue;
        ++playersInDeal_;
        if (nextHands_ && i < 3) {
            h.cards = (*nextHands_)[static_cast<size_t>(i)];
        } else {
            h.cards.assign(deck.begin() + static_cast<long>(dealt), deck.begin() + static_cast<long>(dealt + kHandSize));
            dealt += kHandSize;
        }
        std::sort(h.cards.begin(), h.cards.end());
    }
    nextHands_.reset();

    // The first deal at a new table opens with the lowest card; later ones with the last winner.
    int first = winnerPlace_;
    if (dealFirstMatch_ || first < 0 || tables.place(first).empty()) {
        first = -1;
        for (int i = 0; i < kPlaces; ++i)
            if (!tables.place(i).empty() && (first < 0 || hands_[i].cards.front() < hands_[first].cards.front()))
                first = i;
    }

    Message start = tables.tableMessage(SC_START);
    start.writeByte(static_cast<int8_t>(tables.options().turnSeconds));
    for (int8_t id : hands_[tables.playerPlace()].cards) start.writeByte(id);
    start.writeInt(tables.place(first).id);
    tables.send(start);
    tables.startTurn(first);
}

void StandinTienLen::robotTurn(StandinRobotTables& tables, int place) {
    robotMoves(tables, place, robotChoice(hands_[place]), RobotMove::Own);
}

void StandinTienLen::robotFallback(StandinRobotTables& tables, int place) {
    robotMoves(tables, place, timeOutChoice(place), RobotMove::Fallback);
}

// Judged as the player's request is; no cards is a pass.
void StandinTienLen::robotMoves(StandinRobotTables& tables, int place, Cards cards, RobotMove kind) {
    const bool passes = cards.empty();
    const std::string move = passes ? "passes" : "plays " + cardsText(cards);
    const Refusal* why = passes ? refusalToPass(tables, place) : refusalToPlay(tables, place, cards);
    if (tables.refusesRobotMove(place, why, move + " on " + cardsText(table_), kind)) return;
    if (passes) pass(tables, place);
    else play(tables, place, std::move(cards));
}

void StandinTienLen::turnTimeOver(StandinRobotTables& tables, int place) {
    Cards cards = timeOutChoice(place);
    if (cards.empty()) pass(tables, place);
    else play(tables, place, std::move(cards));
}

// The rules allow it on every turn.
StandinTienLen::Cards StandinTienLen::timeOutChoice(int place) const {
    return table_.empty() ? Cards{hands_[place].cards.front()} : Cards{};
}

int8_t StandinTienLen::typeOf(const Cards& cards) const {
    return gameType_ == kNorthern ? CardMBUtils::getType(cards) : CardUtils::getType(cards);
}

bool StandinTienLen::beats(const Cards& cards) const {
    const int8_t type = typeOf(cards);
    const int8_t tableType = table_.empty() ? int8_t{-1} : typeOf(table_);
    return gameType_ == kNorthern ? CardMBUtils::available(cards, type, table_, tableType)
                                  : CardUtils::available(cards, type, table_, tableType);
}

// The lowest card when leading; otherwise what the automatic selection offers, if the rules let it go on
// the table.
StandinTienLen::Cards StandinTienLen::robotChoice(const Hand& held) const {
    if (held.cards.empty()) return {};
    if (table_.empty()) return {held.cards.front()};
    TienLenHand hand(held.cards);
    if (gameType_ == kNorthern) CardMBUtils::autoSelect(table_, hand);
    else CardUtils::autoSelect(table_, hand);
    Cards chosen = hand.getSelectedCardsValue();
    std::sort(chosen.begin(), chosen.end());
    if (chosen.empty() || !beats(chosen)) return {};
    return chosen;
}

void StandinTienLen::refuse(StandinRobotTables& tables, const Refusal& text) {
    Message m(SC_MOVE_ERROR);
    m.writeByte(tables.board());
    m.writeByte(tables.room());
    m.writeUTF(tables.say(text.english, text.vietnamese));
    tables.send(m);
}

const StandinTienLen::Refusal* StandinTienLen::refusalToPlay(const StandinRobotTables& tables, int place,
                                                               const Cards& cards) const {
    if (!tables.playing() || tables.turn() != place) return &kNotYourTurn;
    if (cards.empty() || !holdsAll(hands_[place].cards, cards)) return &kNotInHand;
    return beats(cards) ? nullptr : &kCannotBeat;
}

const StandinTienLen::Refusal* StandinTienLen::refusalToPass(const StandinRobotTables& tables, int place) const {
    if (!tables.playing() || tables.turn() != place) return &kNotYourTurn;
    return table_.empty() ? &kMustLead : nullptr;
}

bool StandinTienLen::playerMove(StandinRobotTables& tables, Message& request) {
    const int count = static_cast<uint8_t>(request.readByte());
    Cards cards;
    for (int i = 0; i < count && request.available(); ++i) cards.push_back(request.readByte());
    if (static_cast<int>(cards.size()) != count) cards.clear();  // cut short: no cards held
    std::sort(cards.begin(), cards.end());
    const int me = tables.playerPlace();
    if (const Refusal* why = refusalToPlay(tables, me, cards)) refuse(tables, *why);
    else play(tables, me, std::move(cards));
    return true;
}

bool StandinTienLen::playerSkip(StandinRobotTables& tables) {
    if (const Refusal* why = refusalToPass(tables, tables.playerPlace())) refuse(tables, *why);
    else pass(tables, tables.playerPlace());
    return true;
}

bool StandinTienLen::playerClaim(StandinRobotTables& tables) {
    const int me = tables.playerPlace();
    const Cards& hand = hands_[me].cards;
    const bool northern = gameType_ == kNorthern;
    const bool wins = tables.playing() && movesInDeal_ == 0 &&
                      (northern ? CardMBUtils::checkForceFinishWithCards(hand, dealFirstMatch_) ||
                                      CardMBUtils::checkForceFinishWith3DoiThongCo3Bich(hand)
                                : CardUtils::checkForceFinishWithCards(hand, dealFirstMatch_));
    if (!wins) {
        // A second claim for the same hand finds the deal over and is refused too.
        refuse(tables, kNoInstantWin);
        return true;
    }
    Message m = tables.tableMessage(SC_FORCE_FINISH);
    m.writeInt(tables.place(me).id);
    for (int8_t id : hand) m.writeByte(id);
    tables.send(m);
    winnerPlace_ = me;
    for (int i = 0; i < kPlaces; ++i) {
        auto& p = tables.place(i);
        if (p.empty()) continue;
        const int32_t change = i == me ? 2 * tables.stake() * (playersInDeal_ - 1) : -2 * tables.stake();
        tables.pay(p.id, change);
        Message bonus = tables.tableMessage(SC_BONUS_MONEY);
        bonus.writeInt(p.id);
        bonus.writeInt(change);
        bonus.writeUTF(change > 0 ? tables.say("Instant win", "Thắng trắng") : tables.say("Lost to an instant win", "Thua trắng"));
        tables.send(bonus);
    }
    tables.dealOver();
    return true;
}

int StandinTienLen::activeCount(StandinRobotTables& tables) const {
    int n = 0;
    for (int i = 0; i < kPlaces; ++i) n += !tables.place(i).empty() && hands_[i].finished < 0;
    return n;
}

// The next place after `after` that still holds cards (and, if asked, has not passed this round); -1 if
// there is none.
int StandinTienLen::nextActive(StandinRobotTables& tables, int after, bool skipPassed) const {
    return tables.nextPlace(after, [&](int i) { return hands_[i].finished < 0 && !(skipPassed && hands_[i].passed); });
}

void StandinTienLen::play(StandinRobotTables& tables, int place, Cards cards) {
    Hand& h = hands_[place];
    removeCards(h.cards, cards);
    table_ = cards;
    lastMover_ = place;
    ++movesInDeal_;
    const bool out = h.cards.empty();
    if (out) {
        h.finished = static_cast<int8_t>(nextPosition_++);
        // The set stays on the table and everyone left answers it afresh.
        for (Hand& q : hands_) q.passed = false;
    }
    const bool dealOver = activeCount(tables) <= 1;
    int next = dealOver ? -1 : nextActive(tables, place, true);
    // Everyone else still holding cards has passed this round: it is over. The next of them passes
    // once more, in the table's eyes, so that the table is cleared for the mover to lead.
    const int passer = !dealOver && next < 0 ? nextActive(tables, place, false) : -1;
    if (passer >= 0) next = newRound(tables);

    Message m = tables.tableMessage(SC_MOVE);
    m.writeInt(tables.place(place).id);
    writeCards(m, cards);
    m.writeInt(next < 0 ? -1 : tables.place(next).id);
    tables.send(m);

    if (out) finish(tables, place, playersInDeal_);
    if (dealOver) {
        endDeal(tables, nextActive(tables, place, false));
        return;
    }
    if (passer >= 0) passTo(tables, passer, next, true);
    else tables.startTurn(next);
}

void StandinTienLen::pass(StandinRobotTables& tables, int place) {
    hands_[place].passed = true;
    // The round ends when everyone but the last to play has passed.
    bool roundOver = true;
    for (int i = 0; i < kPlaces; ++i) {
        const Hand& q = hands_[i];
        if (!tables.place(i).empty() && q.finished < 0 && i != lastMover_ && !q.passed) roundOver = false;
    }
    if (roundOver) passTo(tables, place, newRound(tables), true);
    else passTo(tables, place, nextActive(tables, place, true), false);
}

// The last to play (or, if that set was his last, the next one holding cards) leads on a cleared table.
int StandinTienLen::newRound(StandinRobotTables& tables) {
    const int leader = hands_[lastMover_].finished < 0 ? lastMover_ : nextActive(tables, lastMover_, false);
    table_.clear();
    for (Hand& q : hands_) q.passed = false;
    return leader;
}

void StandinTienLen::passTo(StandinRobotTables& tables, int place, int next, bool clear) {
    Message m = tables.tableMessage(SC_SKIP);
    m.writeInt(tables.place(place).id);
    m.writeInt(tables.place(next).id);
    m.writeBool(clear);
    tables.send(m);
    tables.startTurn(next);
}

// The leaver takes the last place. Those still holding cards take the places before his, the fewest
// cards first (on a tie, the first after the leaver in turn), and the deal is over.
void StandinTienLen::playerLeaves(StandinRobotTables& tables, int leaver) {
    std::vector<int> holders;
    for (int k = 1; k < kPlaces; ++k) {
        const int i = (leaver + k) % kPlaces;
        if (!tables.place(i).empty() && hands_[i].finished < 0) holders.push_back(i);
    }
    std::stable_sort(holders.begin(), holders.end(),
                     [this](int a, int b) { return hands_[a].cards.size() < hands_[b].cards.size(); });
    if (hands_[leaver].finished < 0) holders.push_back(leaver);
    if (holders.empty()) return;
    for (size_t k = 0; k + 1 < holders.size(); ++k) {
        hands_[holders[k]].finished = static_cast<int8_t>(nextPosition_++);
        finish(tables, holders[k], playersInDeal_);
    }
    endDeal(tables, holders.back());
}

// Money for a place out of n players: the first takes most, the last pays most; it adds up to 0.
void StandinTienLen::finish(StandinRobotTables& tables, int place, int players) {
    auto& p = tables.place(place);
    const int8_t position = hands_[place].finished;
    const int32_t change = tables.stake() * (players - 1 - 2 * position);
    const int32_t exp = players - 1 - position;
    tables.pay(p.id, change);
    p.exp += exp;
    if (position == 0) winnerPlace_ = place;
    Message m = tables.tableMessage(SC_FINISH);
    m.writeInt(p.id);
    m.writeByte(position);
    m.writeInt(change);
    m.writeInt(exp);
    tables.send(m);
    if (change == 0) return;
    Message bonus = tables.tableMessage(SC_BONUS_MONEY);
    bonus.writeInt(p.id);
    bonus.writeInt(change);
    bonus.writeUTF(change > 0 ? tables.say("Won the stake", "Thắng cược") : tables.say("Lost the stake", "Thua cược"));
    tables.send(bonus);
}

void StandinTienLen::endDeal(StandinRobotTables& tables, int lastPlace) {
    Message stop = tables.tableMessage(SC_STOP_GAME);
    if (lastPlace >= 0) {
        hands_[lastPlace].finished = static_cast<int8_t>(nextPosition_++);
        finish(tables, lastPlace, playersInDeal_);
        stop.writeInt(tables.place(lastPlace).id);
        writeCards(stop, hands_[lastPlace].cards);
    }
    tables.send(stop);
    sys::Log::format("StandinServer: Tien Len deal %d over", deals_);
    tables.dealOver();
}

}  // namespace zuno::standin
