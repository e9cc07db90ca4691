#include "standin-server/StandinPhom.h"

#include <algorithm>
#include <numeric>

#include "platform/core/Log.h"
#include "standin-server/StandinPhomJudge.h"

namespace zuno::standin {

namespace {
constexpr int8_t CS_FIRE = 21;
constexpr int8_t CS_SKIP = 49;
constexpr int8_t CS_GET_CARD = 63;
constexpr int8_t CS_EAT_CARD = 64;
constexpr int8_t CS_HA_PHOM = 65;
constexpr int8_t SC_START = 20;
constexpr int8_t SC_MOVE = 21;
constexpr int8_t SC_SKIP = 49;
constexpr int8_t SC_FINISH = 51;
constexpr int8_t SC_BONUS_MONEY = 52;
constexpr int8_t SC_GET_CARD = 63;
constexpr int8_t SC_EAT_CARD = 64;
constexpr int8_t SC_HA_PHOM = 65;
constexpr int8_t SC_DEN_BAI = 69;
constexpr int8_t SC_MOVE_ERROR = 54;
constexpr int8_t SC_U = 66;
constexpr int8_t ADD_CARD = 67;  // both ways
constexpr int8_t CS_RESET_PHOM = 68;
constexpr int8_t kSeparator = -1;
constexpr size_t kLaidBytes = 12;
constexpr size_t kLeftoverRow = 11;
constexpr int kEatSlots = 5;
using J = StandinPhomJudge;
}  // namespace

std::shared_ptr<StandinPhom> StandinPhom::addTo(StandinRobotTables& tables) {
    std::shared_ptr<StandinPhom> game(new StandinPhom(tables.weak_from_this(), false));
    tables.addGame(game);
    return game;
}

std::shared_ptr<StandinPhom> StandinPhom::addNewTo(StandinRobotTables& tables) {
    std::shared_ptr<StandinPhom> game(new StandinPhom(tables.weak_from_this(), true));
    tables.addGame(game);
    return game;
}

std::vector<int8_t> StandinPhom::lastReport() const {
    auto tables = tables_.lock();
    return tables ? tables->locked([&] { return lastReport_; }) : Cards{};
}

std::vector<std::vector<int8_t>> StandinPhom::laidOf(int32_t playerId) const {
    auto tables = tables_.lock();
    if (!tables) return {};
    return tables->locked([&] {
        const int place = tables->placeOf(playerId);
        return place < 0 ? std::vector<Cards>{} : hands_[static_cast<size_t>(place)].melds;
    });
}

std::vector<int8_t> StandinPhom::commands() const {
    if (isNew_) return {CS_FIRE, CS_SKIP, CS_GET_CARD, CS_EAT_CARD, CS_HA_PHOM, ADD_CARD, CS_RESET_PHOM};
    return {CS_FIRE, CS_SKIP, CS_GET_CARD, CS_EAT_CARD, CS_HA_PHOM};
}

void StandinPhom::setNextDeal(std::array<std::vector<int8_t>, 3> hands, std::vector<int8_t> stock, bool onlyThisStock) {
    if (auto tables = tables_.lock())
        tables->locked([&] { nextDeal_ = NextDeal{std::move(hands), std::move(stock), onlyThisStock}; });
}

std::vector<int8_t> StandinPhom::handOf(int32_t playerId) const {
    auto tables = tables_.lock();
    if (!tables) return {};
    return tables->locked([&] {
        const int place = tables->placeOf(playerId);
        return place < 0 ? Cards{} : hands_[static_cast<size_t>(place)].cards;
    });
}

int StandinPhom::dealCount() const {
    auto tables = tables_.lock();
    return tables ? tables->locked([&] { return deals_; }) : deals_;
}

StandinRobotGame::Dealt StandinPhom::dealt() const {
    Dealt out{{}, stock_};
    for (const Hand& h : hands_) out.hands.push_back(h.cards);
    return out;
}

void StandinPhom::seatsChanged(StandinRobotTables&, bool newTable) {
    if (newTable) winner_ = -1;
}

void StandinPhom::deal(StandinRobotTables& table) {
    Cards deck(52);
    std::iota(deck.begin(), deck.end(), int8_t{0});
    std::shuffle(deck.begin(), deck.end(), table.random());
    ++deals_;
    hands_ = {};
    stock_.clear();
    lastFirer_ = -1;
    if (nextDeal_) {
        for (int i = 0; i < 3; ++i) removeCards(deck, nextDeal_->hands[static_cast<size_t>(i)]);
        removeCards(deck, nextDeal_->stock);
        stock_ = nextDeal_->stock;
    }
    for (int i = 0; i < kPlaces; ++i) {
        if (table.place(i).empty()) continue;
        Cards& cards = hands_[static_cast<size_t>(i)].cards;
        if (nextDeal_ && i < 3) {
            cards = nextDeal_->hands[static_cast<size_t>(i)];
        } else {
            cards.assign(deck.end() - kHandSize, deck.end());
            deck.resize(deck.size() - kHandSize);
        }
        std::sort(cards.begin(), cards.end());
    }
    if (!nextDeal_ || !nextDeal_->onlyThisStock) stock_.insert(stock_.end(), deck.begin(), deck.end());
    nextDeal_.reset();

    int first = winner_;
    if (first < 0 || table.place(first).empty()) first = table.nextPlace(kPlaces - 1, [](int) { return true; });
    firstHa_ = first;
    // The opener holds a tenth card, the stock's first, and fires without drawing. Phom's deal message
    // carries nine cards: a player who opens is told of the tenth as a draw right after it.
    const int me = table.playerPlace();
    const Cards dealtToMe = hands_[static_cast<size_t>(me)].cards;
    const std::optional<int8_t> tenth = takeFromStock();
    Cards& opener = hands_[static_cast<size_t>(first)].cards;
    if (tenth) {
        opener.push_back(*tenth);
        std::sort(opener.begin(), opener.end());
    }
    const bool tenthAsDraw = !isNew_ && tenth && first == me;
    const Cards& mine = tenthAsDraw ? dealtToMe : hands_[static_cast<size_t>(me)].cards;
    Message start = table.tableMessage(SC_START);
    start.writeByte(static_cast<int8_t>(table.options().turnSeconds));
    // New Phom's deal puts the two players before the cards.
    if (!isNew_)
        for (int8_t id : mine) start.writeByte(id);
    start.writeInt(table.place(first).id);
    start.writeInt(table.place(firstHa_).id);
    if (isNew_)
        for (int8_t id : mine) start.writeByte(id);
    table.send(start);
    if (tenthAsDraw) sendDrawn(table, me, *tenth);
    startTurn(table, first, Phase::Fire);
}

std::optional<int8_t> StandinPhom::takeFromStock() {
    if (stock_.empty()) return std::nullopt;
    const int8_t card = stock_.front();
    stock_.erase(stock_.begin());
    return card;
}

void StandinPhom::sendDrawn(StandinRobotTables& table, int place, int8_t card) {
    Message m = table.tableMessage(SC_GET_CARD);
    if (isNew_) m.writeInt(table.place(place).id);
    m.writeByte(card);
    table.send(m);
}

void StandinPhom::startTurn(StandinRobotTables& table, int place, Phase phase) {
    phase_ = phase;
    hands_[static_cast<size_t>(place)].ate = false;
    table.startTurn(place);
}

bool StandinPhom::hasTurn(const StandinRobotTables& table, int place) const {
    return table.playing() && table.turn() == place;
}

int8_t StandinPhom::eatable() const {
    if (lastFirer_ < 0 || hands_[static_cast<size_t>(lastFirer_)].fired.empty()) return -1;
    return hands_[static_cast<size_t>(lastFirer_)].fired.back();
}

void StandinPhom::robotTurn(StandinRobotTables& table, int place) { playTurn(table, place, RobotMove::Own); }

void StandinPhom::robotFallback(StandinRobotTables& table, int place) { playTurn(table, place, RobotMove::Fallback); }

void StandinPhom::turnTimeOver(StandinRobotTables& table, int place) { playOut(table, place); }

void StandinPhom::playOut(StandinRobotTables& table, int place) { playTurn(table, place, std::nullopt); }

// The whole turn at once: a card taken (unless the turn opens the deal), the melds laid down on the
// fourth turn, the highest free card fired. A robot's own turn eats where it can and, at new Phom, sends
// the cards that extend a meld on the table onto it; a turn played out (for a robot, its fallback) takes
// the hand back to its size and lets everyone see the fire. A robot's every step is judged as the
// player's request for it is, and a refused step ends the turn there.
void StandinPhom::playTurn(StandinRobotTables& table, int place, std::optional<RobotMove> robotMove) {
    const bool own = robotMove == RobotMove::Own;
    const auto refused = [&](const Text* why, const std::string& move) {
        return robotMove && table.refusesRobotMove(place, why, move, *robotMove);
    };
    Hand& h = hands_[static_cast<size_t>(place)];
    if (phase_ == Phase::DrawOrEat) {
        const int8_t fired = eatable();
        const auto with = own && fired >= 0 ? J::eatWith(h.cards, fired) : std::nullopt;
        if (with) {
            const Cards cards{with->first, with->second};
            const std::string move = "eats " + cardsText({fired}) + " with " + cardsText(cards);
            if (refused(refusalToEat(table, place, cards), move)) return;
            eat(table, place, cards);
        } else {
            if (refused(refusalToDraw(table, place), "draws")) return;
            draw(table, place);
        }
        if (!table.playing() || table.turn() != place) return;  // a U ended the deal, or the turn passed on
    }
    if (phase_ == Phase::LayDown) {
        const std::vector<Cards> melds = J::melds(h.cards);
        std::string move = "lays down";
        for (const Cards& meld : melds) move.append(" ").append(cardsText(meld));
        if (refused(refusalToLayDown(table, place, melds), move)) return;
        layDown(table, place, melds, false);
    }
    if (own && isNew_ && h.laid) {
        // Cards that extend a meld on the table go onto it, keeping one to fire.
        for (int8_t card : J::freeCards(h.cards)) {
            if (h.cards.size() <= 1) break;
            for (auto& other : hands_) {
                auto fits = std::find_if(other.melds.begin(), other.melds.end(), [card](const Cards& m) {
                    Cards longer = m;
                    longer.push_back(card);
                    return J::isMeld(longer);
                });
                if (fits == other.melds.end()) continue;
                fits->push_back(card);
                removeCards(h.cards, {card});
                Message m = table.tableMessage(ADD_CARD);
                m.writeInt(table.place(static_cast<int>(&other - hands_.data())).id);
                m.writeByte(card);
                for (int8_t id : *fits) m.writeByte(id);
                table.send(m);
                break;
            }
        }
    }
    const int8_t card = J::highestFree(h.cards);
    if (refused(refusalToFire(table, place, card), "fires " + cardsText({card}))) return;
    fire(table, place, card);
}

void StandinPhom::draw(StandinRobotTables& table, int place) {
    const std::optional<int8_t> card = takeFromStock();
    if (!card) {
        skip(table, place);
        return;
    }
    hands_[static_cast<size_t>(place)].cards.push_back(*card);
    if (place == table.playerPlace()) sendDrawn(table, place, *card);
    afterTaking(table, place);
}

// The eaten card leaves the firer's row; the first lay-down player's last fired card takes its place,
// as the client moves it.
void StandinPhom::eat(StandinRobotTables& table, int place, const Cards& with) {
    Hand& firer = hands_[static_cast<size_t>(lastFirer_)];
    const int8_t card = firer.fired.back();
    firer.fired.pop_back();
    Hand& first = hands_[static_cast<size_t>(firstHa_)];
    if (firstHa_ != lastFirer_ && !first.fired.empty()) {
        firer.fired.push_back(first.fired.back());
        first.fired.pop_back();
    }
    Hand& eater = hands_[static_cast<size_t>(place)];
    eater.cards.push_back(card);
    eater.ate = true;
    Message m = table.tableMessage(SC_EAT_CARD);
    m.writeInt(table.place(firstHa_).id);
    if (!isNew_) {
        m.writeBool(true);
        m.writeByte(static_cast<int8_t>(with.size()));
        m.writeByte(static_cast<int8_t>(std::max<int>(0, static_cast<int>(first.fired.size()) - 1)));
    }
    table.send(m);
    afterTaking(table, place);
}

// Phom's refusal names the first to lay down as the deal stands (nobody before the first deal).
void StandinPhom::refuseEat(StandinRobotTables& table, const Text& why) {
    if (isNew_) {
        moveError(table, why);
        return;
    }
    const bool known = firstHa_ >= 0;
    const size_t fired = known ? hands_[static_cast<size_t>(firstHa_)].fired.size() : 0;
    Message m = table.tableMessage(SC_EAT_CARD);
    m.writeInt(known ? table.place(firstHa_).id : -1);
    m.writeBool(false);
    m.writeByte(static_cast<int8_t>(std::max<int>(0, static_cast<int>(fired) - 1)));
    table.send(m);
}

void StandinPhom::refuseLayDown(StandinRobotTables& table, const Text& why) {
    if (isNew_) {
        moveError(table, why);
        return;
    }
    Message m = table.tableMessage(SC_HA_PHOM);
    m.writeInt(table.place(table.playerPlace()).id);
    m.writeBool(false);
    m.writeBool(false);
    for (int i = 0; i < kPlaces; ++i) m.writeInt(0);
    table.send(m);
}

// The table id comes first in this message.
void StandinPhom::moveError(StandinRobotTables& table, const Text& why) {
    if (!isNew_) return;
    Message m(SC_MOVE_ERROR);
    m.writeByte(table.board());
    m.writeByte(table.room());
    m.writeUTF(table.say(why));
    table.send(m);
}

// A hand that melds whole is a U; on the fourth turn the melds are laid down before the fire.
void StandinPhom::afterTaking(StandinRobotTables& table, int place) {
    Hand& h = hands_[static_cast<size_t>(place)];
    if (J::freeCards(h.cards).empty()) {
        const bool payAll = h.ate;
        layDown(table, place, J::melds(h.cards), true);
        endDeal(table, place, payAll);
        return;
    }
    phase_ = h.turns == kTurns - 1 && !h.laid ? Phase::LayDown : Phase::Fire;
}

void StandinPhom::layDown(StandinRobotTables& table, int place, const std::vector<Cards>& melds, bool u) {
    Hand& h = hands_[static_cast<size_t>(place)];
    Cards laid;
    for (const Cards& meld : melds) {
        if (!laid.empty()) laid.push_back(kSeparator);
        laid.insert(laid.end(), meld.begin(), meld.end());
        removeCards(h.cards, meld);
    }
    if (laid.size() > kLaidBytes) laid.resize(kLaidBytes);
    h.laid = true;
    h.melds.insert(h.melds.end(), melds.begin(), melds.end());
    phase_ = Phase::Fire;
    // A lay-down of nothing is told as well: the table learns that the turn goes on to the fire.
    if (isNew_) {
        // New Phom: the cards alone (the player is the one whose turn it is); a U has its own message.
        Message m = table.tableMessage(u ? SC_U : SC_HA_PHOM);
        if (u) {
            m.writeInt(table.place(place).id);
            m.writeByte(0);
        }
        for (int8_t id : laid) m.writeByte(id);
        table.send(m);
        return;
    }
    Message m = table.tableMessage(SC_HA_PHOM);
    m.writeInt(table.place(place).id);
    m.writeBool(true);
    m.writeBool(u);
    for (int i = 0; i < kPlaces; ++i) m.writeInt(0);
    for (int8_t id : laid) m.writeByte(id);
    table.send(m);
}

void StandinPhom::fire(StandinRobotTables& table, int place, int8_t card) {
    Hand& h = hands_[static_cast<size_t>(place)];
    removeCards(h.cards, {card});
    h.fired.push_back(card);
    ++h.turns;
    lastFirer_ = place;
    const int next = table.nextPlace(place, [this](int i) { return hands_[static_cast<size_t>(i)].turns < kTurns; });
    // Phom's fire event names the next player first, then the firer; new Phom's the other way round.
    Message m = table.tableMessage(SC_MOVE);
    const int32_t nextId = next < 0 ? -1 : table.place(next).id;
    m.writeInt(isNew_ ? table.place(place).id : nextId);
    m.writeInt(isNew_ ? nextId : table.place(place).id);
    m.writeByte(card);
    m.writeByte(static_cast<int8_t>(std::min<size_t>(h.fired.size(), kTurns) - 1));
    table.send(m);
    if (next < 0) {
        endDeal(table, -1, false);
        return;
    }
    startTurn(table, next, Phase::DrawOrEat);
}

// The stock is empty and the player took no card: the turn passes on without a fire. It is none of
// the player's four turns, and the card fired last is nobody's to eat any more, so the next player
// finds nothing to take either and the deal ends there.
void StandinPhom::skip(StandinRobotTables& table, int place) {
    if (lastFirer_ < 0) {
        endDeal(table, -1, false);
        return;
    }
    lastFirer_ = -1;
    const int next = table.nextPlace(place, [this](int i) { return hands_[static_cast<size_t>(i)].turns < kTurns; });
    if (next < 0) {
        endDeal(table, -1, false);
        return;
    }
    Message m = table.tableMessage(SC_SKIP);
    m.writeInt(table.place(next).id);
    m.writeInt(table.place(firstHa_).id);
    table.send(m);
    startTurn(table, next, Phase::DrawOrEat);
}

// The leaver loses the deal; the others are judged as the deal stands.
void StandinPhom::playerLeaves(StandinRobotTables& table, int place) { endDeal(table, -1, false, place); }

// Unmelded points, lowest wins (a U wins outright, a leaver never); the stake moves from every loser to
// the winner.
void StandinPhom::endDeal(StandinRobotTables& table, int uPlace, bool payAll, int leaver) {
    std::array<int32_t, kPlaces> scores{};
    int winner = uPlace;
    int players = 0;
    for (int i = 0; i < kPlaces; ++i) {
        if (table.place(i).empty()) {
            scores[static_cast<size_t>(i)] = -1;
            continue;
        }
        ++players;
        const Hand& h = hands_[static_cast<size_t>(i)];
        scores[static_cast<size_t>(i)] = i == uPlace ? 0 : J::points(h.laid ? h.cards : J::freeCards(h.cards));
        if (uPlace < 0 && i != leaver &&
            (winner < 0 || scores[static_cast<size_t>(i)] < scores[static_cast<size_t>(winner)]))
            winner = i;
    }
    winner_ = winner;
    std::array<int32_t, kPlaces> money{};
    for (int i = 0; i < kPlaces; ++i) {
        if (table.place(i).empty()) continue;
        money[static_cast<size_t>(i)] = i == winner ? table.stake() * (players - 1) : -table.stake();
    }
    finishMessages(table, scores, money, winner, payAll);
    for (int i = 0; i < kPlaces; ++i) {
        auto& p = table.place(i);
        if (p.empty()) continue;
        table.pay(p.id, money[static_cast<size_t>(i)]);
        Message bonus = table.tableMessage(SC_BONUS_MONEY);
        bonus.writeInt(p.id);
        bonus.writeInt(money[static_cast<size_t>(i)]);
        bonus.writeUTF(i == winner ? table.say(kWon, kWonVi) : table.say(kLost, kLostVi));
        table.send(bonus);
    }
    sys::Log::format("StandinServer: Phom deal %d over", deals_);
    table.dealOver();
}

void StandinPhom::finishMessages(StandinRobotTables& table, const std::array<int32_t, 4>& scores,
                                 const std::array<int32_t, 4>& money, int winner, bool payAll) {
    if (payAll) {
        Message denBai = table.tableMessage(SC_DEN_BAI);
        denBai.writeInt(table.place(winner).id);
        if (isNew_) denBai.writeInt(money[static_cast<size_t>(winner)]);
        else
            for (int32_t m : money) denBai.writeInt(m);
        table.send(denBai);
    }
    if (isNew_) {
        // One result per player: id, score, a word not read, the count and the leftover cards.
        for (int i = 0; i < kPlaces; ++i) {
            if (table.place(i).empty()) continue;
            Cards left = hands_[static_cast<size_t>(i)].cards;
            if (left.size() > kLeftoverRow) left.resize(kLeftoverRow);
            Message finish = table.tableMessage(SC_FINISH);
            finish.writeInt(table.place(i).id);
            finish.writeInt(scores[static_cast<size_t>(i)]);
            finish.writeInt(0);
            finish.writeByte(static_cast<int8_t>(left.size()));
            for (int8_t id : left) finish.writeByte(id);
            table.send(finish);
        }
        return;
    }
    Message finish = table.tableMessage(SC_FINISH);
    for (int32_t m : money) finish.writeInt(m);
    for (int32_t s : scores) finish.writeInt(s);
    for (int i = 0; i < kPlaces; ++i) {
        Cards left = hands_[static_cast<size_t>(i)].cards;
        if (left.size() > kLeftoverRow) left.resize(kLeftoverRow);
        for (int8_t id : left) finish.writeByte(id);
        if (i < kPlaces - 1) finish.writeByte(kSeparator);
    }
    table.send(finish);
}

void StandinPhom::sendCards(StandinRobotTables& table, const Cards& cards) {
    const int me = table.playerPlace();
    Hand& mine = hands_[static_cast<size_t>(me)];
    bool sent = false;
    for (int8_t card : cards) {
        if (mine.cards.size() <= 1 || !holdsAll(mine.cards, {card})) continue;
        for (int owner = 0; owner < kPlaces && !sent; ++owner) {
            for (Cards& meld : hands_[static_cast<size_t>(owner)].melds) {
                Cards longer = meld;
                longer.push_back(card);
                if (!J::isMeld(longer)) continue;
                meld = longer;
                removeCards(mine.cards, {card});
                Message m = table.tableMessage(ADD_CARD);
                m.writeInt(table.place(owner).id);
                m.writeByte(card);
                for (int8_t id : meld) m.writeByte(id);
                table.send(m);
                sent = true;
                break;
            }
        }
        sent = false;
    }
    // Nothing fitted: an empty answer lets the screen clear its selection.
    if (std::none_of(cards.begin(), cards.end(), [&](int8_t c) { return !holdsAll(mine.cards, {c}); })) {
        Message m = table.tableMessage(ADD_CARD);
        m.writeInt(table.place(me).id);
        m.writeByte(kSeparator);
        table.send(m);
    }
}

const StandinPhom::Text* StandinPhom::refusalToDraw(const StandinRobotTables& table, int place) const {
    if (!hasTurn(table, place)) return &kNotYourTurn;
    return phase_ == Phase::DrawOrEat ? nullptr : &kTakenAlready;
}

// With two cards at least of the hand that meld with the card fired last.
const StandinPhom::Text* StandinPhom::refusalToEat(const StandinRobotTables& table, int place,
                                                   const Cards& with) const {
    if (const Text* why = refusalToDraw(table, place)) return why;
    Cards meld = with;
    meld.push_back(eatable());
    const bool melds = with.size() >= 2 && eatable() >= 0 && holdsAll(hands_[static_cast<size_t>(place)].cards, with) &&
                       J::isMeld(meld);
    return melds ? nullptr : &kNotMelding;
}

// Melds of the hand once a card is taken (none at all is a lay-down of nothing).
const StandinPhom::Text* StandinPhom::refusalToLayDown(const StandinRobotTables& table, int place,
                                                       const std::vector<Cards>& melds) const {
    if (!hasTurn(table, place)) return &kNotYourTurn;
    if (phase_ == Phase::DrawOrEat) return &kTakeFirst;
    Cards all;
    for (const Cards& m : melds) all.insert(all.end(), m.begin(), m.end());
    const bool valid = std::all_of(melds.begin(), melds.end(), [](const Cards& m) { return J::isMeld(m); }) &&
                       holdsAll(hands_[static_cast<size_t>(place)].cards, all);
    return valid ? nullptr : &kNotMelding;
}

const StandinPhom::Text* StandinPhom::refusalToFire(const StandinRobotTables& table, int place, int8_t card) const {
    if (!hasTurn(table, place)) return &kNotYourTurn;
    if (phase_ == Phase::DrawOrEat) return &kTakeFirst;
    return holdsAll(hands_[static_cast<size_t>(place)].cards, {card}) ? nullptr : &kNotHeld;
}

bool StandinPhom::take(StandinRobotTables& table, int8_t commandId, Message& request) {
    const int me = table.playerPlace();
    Hand& mine = hands_[static_cast<size_t>(me)];
    switch (commandId) {
        case CS_GET_CARD:
            if (const Text* why = refusalToDraw(table, me)) moveError(table, *why);
            else draw(table, me);
            return true;
        case CS_EAT_CARD: {
            Cards with;
            if (isNew_ && request.available()) request.readByte();  // the fired card
            for (int i = 0; i < (isNew_ ? 2 : kEatSlots) && request.available(); ++i) {
                const int8_t id = request.readByte();
                if (id != kSeparator) with.push_back(id);
            }
            if (const Text* why = refusalToEat(table, me, with)) refuseEat(table, *why);
            else eat(table, me, with);
            return true;
        }
        case CS_HA_PHOM: {
            if (isNew_ && request.available()) request.readByte();  // the count of melds
            std::vector<Cards> melds(1);
            while (request.available()) {
                const int8_t id = request.readByte();
                if (id == kSeparator) melds.emplace_back();
                else melds.back().push_back(id);
            }
            std::erase_if(melds, [](const Cards& m) { return m.empty(); });
            if (const Text* why = refusalToLayDown(table, me, melds)) {
                refuseLayDown(table, *why);
                return true;
            }
            Cards rest = mine.cards;
            for (const Cards& m : melds) removeCards(rest, m);
            const bool u = rest.empty();
            layDown(table, me, melds, u);
            if (u) endDeal(table, me, mine.ate);
            return true;
        }
        case CS_FIRE: {
            const int8_t card = request.readByte();
            if (const Text* why = refusalToFire(table, me, card)) moveError(table, *why);
            else fire(table, me, card);
            return true;
        }
        case ADD_CARD: {
            Cards cards;
            while (request.available()) cards.push_back(request.readByte());
            if (!hasTurn(table, me)) moveError(table, kNotYourTurn);
            else if (!mine.laid || phase_ != Phase::Fire) moveError(table, kLayDownFirst);
            else sendCards(table, cards);
            return true;
        }
        case CS_RESET_PHOM:
            // The arrangement is the client's own: kept, never answered.
            lastReport_.clear();
            while (request.available()) lastReport_.push_back(request.readByte());
            return true;
        case CS_SKIP:
            // A skip that comes after the turn has moved on is ignored: the player's clock sends it at
            // the end of a turn the table may already have played out.
            if (hasTurn(table, me)) playOut(table, me);
            return true;
        default:
            return false;
    }
}

}  // namespace zuno::standin
