#include "standin-server/StandinPokerHand.h"

#include <algorithm>

namespace zuno::standin {

namespace J = pokerjudge;

StandinPokerHand::StandinPokerHand(const std::array<std::pair<int32_t, int32_t>, kPlaces>& places, int button,
                                   int32_t smallBlind, Cards deck)
    : button_(button), smallBlindAmount_(smallBlind), deck_(std::move(deck)) {
    for (int i = 0; i < kPlaces; ++i) {
        if (places[static_cast<size_t>(i)].first == -1 || places[static_cast<size_t>(i)].second <= 0) continue;
        at(i).id = places[static_cast<size_t>(i)].first;
        at(i).stack = places[static_cast<size_t>(i)].second;
    }
    if (player(button_).id == -1) button_ = next(button_, &Player::inHand);
    if (inHandCount() < 2) {
        street_ = Street::Over;
        return;
    }
    small_ = inHandCount() == 2 ? button_ : next(button_, &Player::inHand);
    big_ = next(small_, &Player::inHand);
    post(small_, smallBlind);
    post(big_, 2 * smallBlind);
    size_t dealt = 0;
    for (int round = 0; round < kHoleCards; ++round)
        for (int i = 1; i <= kPlaces; ++i) {
            Player& p = at((button_ + i) % kPlaces);
            if (p.id != -1 && dealt < deck_.size()) p.cards.push_back(deck_[dealt++]);
        }
    deck_.erase(deck_.begin(), deck_.begin() + static_cast<long>(dealt));
    passTurn(big_);
}

int StandinPokerHand::placeOf(int32_t id) const {
    for (int i = 0; i < kPlaces; ++i)
        if (id != -1 && player(i).id == id) return i;
    return -1;
}

int StandinPokerHand::next(int after, bool (Player::*takes)() const) const {
    for (int k = 1; k <= kPlaces; ++k) {
        const int i = (after + k) % kPlaces;
        if ((player(i).*takes)()) return i;
    }
    return -1;
}

int StandinPokerHand::inHandCount() const {
    return static_cast<int>(std::count_if(players_.begin(), players_.end(), [](const Player& p) { return p.inHand(); }));
}

int32_t StandinPokerHand::toCall(int place) const { return std::max(0, highest_ - player(place).bet); }

void StandinPokerHand::put(int place, int32_t amount) {
    Player& p = at(place);
    amount = std::min(amount, p.stack);
    p.stack -= amount;
    p.bet += amount;
    p.total += amount;
}

// A blind that the stack does not cover puts the player all in.
void StandinPokerHand::post(int place, int32_t amount) {
    put(place, amount);
    highest_ = std::max(highest_, player(place).bet);
}

std::vector<int32_t> StandinPokerHand::allowed(int place) const {
    if (place < 0 || place != toAct_) return {};
    const int32_t call = toCall(place);
    if (call == 0) return highest_ == 0 ? std::vector<int32_t>{BET, FOLD, CHECK, ALL_IN}
                                        : std::vector<int32_t>{FOLD, CHECK, RAISE, ALL_IN};
    if (call >= player(place).stack) return {FOLD, ALL_IN};
    return {FOLD, CALL, RAISE, ALL_IN};
}

std::optional<StandinPokerHand::Refusal> StandinPokerHand::refusal(int place, int8_t action, int32_t amount) const {
    if (place < 0 || place != toAct_) return Refusal{"It is not your turn.", "Chưa đến lượt bạn."};
    const auto offered = allowed(place);
    // The table offers CALL on a hand's first turn whatever the stack: a call that takes it all is all in.
    const bool callsAllIn = action == CALL && toCall(place) >= player(place).stack;
    if (!callsAllIn && std::find(offered.begin(), offered.end(), action) == offered.end())
        return Refusal{"You cannot do that now.", "Bây giờ bạn không thể làm vậy."};
    if ((action == BET || action == RAISE) && amount < player(place).stack) {
        // A raise need only top the call: the table's bet bar starts one chip above it.
        const int32_t least = action == BET ? 2 * smallBlindAmount_ : toCall(place) + 1;
        if (amount < least) {
            const std::string text = std::to_string(least) + ".";
            if (action == BET) return Refusal{"The bet must be at least " + text, "Mức cược phải ít nhất là " + text};
            return Refusal{"The raise must be at least " + text, "Mức tố phải ít nhất là " + text};
        }
    }
    return std::nullopt;
}

StandinPokerHand::Done StandinPokerHand::act(int place, int8_t action, int32_t amount) {
    if (auto why = refusal(place, action, amount)) return {0, std::move(why)};
    Player& p = at(place);
    if ((action == BET || action == RAISE) && amount >= p.stack) action = ALL_IN;
    switch (action) {
        case FOLD: p.folded = true; break;
        case CHECK: break;
        case CALL: put(place, toCall(place)); break;
        case ALL_IN: put(place, p.stack); break;
        default: put(place, amount); break;
    }
    if (p.stack == 0 && action != FOLD) action = ALL_IN;
    if (p.bet > highest_) {
        highest_ = p.bet;
        for (Player& other : players_) other.acted = false;
    }
    p.acted = true;
    const Done done{action, std::nullopt, p.bet, p.stack};
    passTurn(place);
    return done;
}

void StandinPokerHand::foldOut(int place) {
    if (place < 0 || !player(place).inHand()) return;
    at(place).folded = true;
    if (place == toAct_ || inHandCount() < 2) passTurn(place);
}

StandinPokerHand::Choice StandinPokerHand::robotChoice(int place) const {
    const int32_t call = toCall(place);
    if (call == 0) return {CHECK};
    return {call >= player(place).stack ? ALL_IN : CALL};
}

// The next place that still has to act: one that has not acted since the last raise, or owes chips;
// a lone player who can still bet does not act against those all in unless he owes.
void StandinPokerHand::passTurn(int actor) {
    toAct_ = -1;
    if (inHandCount() < 2) {
        closeRound();
        return;
    }
    int canAct = 0;
    for (const Player& p : players_) canAct += p.canAct() ? 1 : 0;
    for (int k = 1; k <= kPlaces; ++k) {
        const int i = (actor + k) % kPlaces;
        const Player& p = player(i);
        if (!p.canAct()) continue;
        if (p.bet < highest_ || (!p.acted && canAct > 1)) {
            toAct_ = i;
            return;
        }
    }
    closeRound();
}

// What nobody matched goes back to its owner; the bets are swept.
void StandinPokerHand::closeRound() {
    refunded_ = -1;
    int top = -1;
    int32_t second = 0;
    for (int i = 0; i < kPlaces; ++i) {
        if (!player(i).inHand()) continue;
        if (top < 0 || player(i).bet > player(top).bet) {
            if (top >= 0) second = std::max(second, player(top).bet);
            top = i;
        } else {
            second = std::max(second, player(i).bet);
        }
    }
    if (top >= 0 && inHandCount() > 1 && player(top).bet > second) {
        const int32_t back = player(top).bet - second;
        at(top).stack += back;
        at(top).total -= back;
        refunded_ = top;
    }
    for (Player& p : players_) {
        p.bet = 0;
        p.acted = false;
    }
    highest_ = 0;
}

bool StandinPokerHand::over() const { return street_ == Street::Over || inHandCount() < 2; }

bool StandinPokerHand::runsOut() const {
    int canAct = 0;
    for (const Player& p : players_) canAct += p.canAct() ? 1 : 0;
    return toAct_ == -1 && !over() && canAct < 2;
}

std::optional<StandinPokerHand::Cards> StandinPokerHand::nextStreet() {
    if (over() || toAct_ != -1) return std::nullopt;
    size_t count = 1;
    switch (street_) {
        case Street::PreFlop: street_ = Street::Flop, count = 3; break;
        case Street::Flop: street_ = Street::Turn; break;
        case Street::Turn: street_ = Street::River; break;
        default: street_ = Street::Over; return std::nullopt;
    }
    count = std::min(count, deck_.size());
    Cards dealt(deck_.begin(), deck_.begin() + static_cast<long>(count));
    deck_.erase(deck_.begin(), deck_.begin() + static_cast<long>(count));
    board_.insert(board_.end(), dealt.begin(), dealt.end());
    int canAct = 0;
    for (const Player& p : players_) canAct += p.canAct() ? 1 : 0;
    if (canAct > 1) toAct_ = next(button_, &Player::canAct);
    return dealt;
}

// Levels at every all-in short of the top: each pot holds what everyone put in up to its level and
// belongs to those in the hand who reached it. Chips of folded players above the top go to the last pot.
std::vector<StandinPokerHand::Pot> StandinPokerHand::splitPots() const {
    int32_t topInHand = 0, topAll = 0;
    std::vector<int32_t> levels;
    for (const Player& p : players_) {
        if (p.id == -1) continue;
        topAll = std::max(topAll, p.total);
        if (p.inHand()) topInHand = std::max(topInHand, p.total);
    }
    for (const Player& p : players_)
        if (p.allIn() && p.total < topInHand) levels.push_back(p.total);
    levels.push_back(topAll);
    std::sort(levels.begin(), levels.end());
    levels.erase(std::unique(levels.begin(), levels.end()), levels.end());

    std::vector<Pot> pots;
    int32_t below = 0;
    for (int32_t level : levels) {
        Pot pot;
        for (int i = 0; i < kPlaces; ++i) {
            const Player& p = player(i);
            if (p.id == -1) continue;
            pot.amount += std::min(p.total, level) - std::min(p.total, below);
            if (p.inHand() && p.total >= std::min(level, topInHand)) pot.eligible.push_back(i);
        }
        below = level;
        if (pot.amount == 0) continue;
        if (!pots.empty() && pots.back().eligible == pot.eligible) pots.back().amount += pot.amount;
        else pots.push_back(pot);
    }
    return pots;
}

std::vector<int32_t> StandinPokerHand::pots() const {
    std::vector<int32_t> amounts;
    for (const Pot& pot : splitPots()) amounts.push_back(pot.amount);
    return amounts;
}

J::Hand StandinPokerHand::handOf(int place) const {
    Cards cards = player(place).cards;
    cards.insert(cards.end(), board_.begin(), board_.end());
    return J::best(cards);
}

std::vector<StandinPokerHand::Win> StandinPokerHand::settle() {
    if (settled_) return {};
    settled_ = true;
    street_ = Street::Over;
    toAct_ = -1;
    const auto pots = splitPots();
    std::vector<Win> wins;
    for (size_t index = 0; index < pots.size(); ++index) {
        const Pot& pot = pots[index];
        std::vector<int> winners;
        for (int place : pot.eligible) {
            const int order = winners.empty() ? -1 : J::compare(handOf(place), handOf(winners.front()));
            if (order > 0 || winners.empty()) winners = {place};
            else if (order == 0) winners.push_back(place);
        }
        // The odd chips go one each to the winners in turn from the first after the button (the
        // button last).
        std::sort(winners.begin(), winners.end(), [this](int a, int b) {
            return (a - button_ - 1 + kPlaces) % kPlaces < (b - button_ - 1 + kPlaces) % kPlaces;
        });
        const auto n = static_cast<int32_t>(winners.size());
        for (size_t w = 0; w < winners.size(); ++w) {
            const int32_t share = pot.amount / n + (static_cast<int32_t>(w) < pot.amount % n ? 1 : 0);
            at(winners[w]).stack += share;
            wins.push_back({static_cast<int>(index), player(winners[w]).id, share});
        }
    }
    const bool oneTakesAll = !wins.empty() && std::all_of(wins.begin(), wins.end(), [&](const Win& w) {
        return w.id == wins.front().id;
    });
    if (oneTakesAll) {
        int32_t sum = 0;
        for (const Win& w : wins) sum += w.amount;
        wins = {{-1, wins.front().id, sum}};
    }
    return wins;
}

}  // namespace zuno::standin
