#include "games/poker/PokerTable.h"

#include <algorithm>
#include <utility>

#include "games/poker/PokerCommands.h"

namespace zuno {

namespace {

constexpr int32_t kNobody = -1;
constexpr int8_t kNoCard = -1;

PokerTable::Record emptyRecord(int seat) {
    auto record = std::make_shared<PokerPlayer>();
    record->setPlayerSeat(seat);
    return record;
}

template <typename Records>
PokerTable::Record findRecord(const Records& records, int32_t id, size_t from = 0) {
    for (size_t i = from; i < records.size(); ++i)
        if (records[i]->playerId() == id) return records[i];
    return nullptr;
}

}  // namespace

PokerTable::Record PokerTable::seatOf(int32_t id) const {
    return id == kNobody ? nullptr : findRecord(playingPlayers, id);
}

int32_t PokerTable::myStack() const {
    int32_t stack = 0;
    for (const auto& p : playingPlayers)
        if (isMe(p->playerId())) stack = p->playerStack();
    return stack;
}

void PokerTable::setupPlayers(const std::vector<std::shared_ptr<TienLenPlayer>>& players, int32_t owner) {
    allPlayers.clear();
    for (size_t i = 0; i < players.size(); ++i)
        allPlayers.push_back(std::make_shared<PokerPlayer>(players[i], 0, static_cast<int32_t>(i)));
    // A short list still makes nine seats.
    while (allPlayers.size() < kSeats) allPlayers.push_back(emptyRecord(static_cast<int>(allPlayers.size())));
    ownerID = owner;
    myStackAtStart_.reset();
    actionList.clear();
    showCards.clear();
    winners.clear();
    selfResultList.clear();
    selfPokerHand.clear();
    markers = {};
    resetLocalSeat();
}

void PokerTable::setAtSeat(int seat, std::shared_ptr<TienLenPlayer> player) {
    if (seat < 0) return;
    while (allPlayers.size() <= static_cast<size_t>(seat))
        allPlayers.push_back(emptyRecord(static_cast<int>(allPlayers.size())));
    allPlayers[seat] = std::make_shared<PokerPlayer>(std::move(player), 0, seat);
    resetLocalSeat();
    resetSeatPoker();
}

void PokerTable::onJoinBoard(const Ints& ids, const Ints& stacks) {
    buttons.clear();
    pots.fill(std::nullopt);
    for (int seat = 0; seat < kSeats && seat < static_cast<int>(allPlayers.size()); ++seat) {
        auto& p = *allPlayers[seat];
        if (p.playerId() == kNobody) continue;
        for (size_t i = 0; i < ids.size() && i < stacks.size(); ++i)
            if (ids[i] == p.playerId()) p.setPlayerStack(stacks[i]), p.setPlayerSeat(seat);
    }
    resetLocalSeat();
    isWatching = false;
    resetSeatPoker();
}

void PokerTable::onStack(int32_t id, int32_t stack) {
    for (auto& p : playingPlayers)
        if (p->playerId() == id) p->setPlayerStack(stack);
}

void PokerTable::resetLocalSeat() {
    playingPlayers.assign(allPlayers.begin(), allPlayers.begin() + std::min<size_t>(allPlayers.size(), kSeats));
    for (size_t i = 0; i < playingPlayers.size(); ++i) {
        playingPlayers[i]->setPlayerSeat(static_cast<int32_t>(i));
        playingPlayers[i]->setPlayerNewSeat(static_cast<int32_t>(i));
    }
    auto mine = std::find_if(playingPlayers.begin(), playingPlayers.end(),
                             [&](const Record& p) { return isMe(p->playerId()); });
    if (mine != playingPlayers.end()) {
        std::rotate(playingPlayers.begin(), mine, playingPlayers.end());
        for (size_t i = 0; i < playingPlayers.size(); ++i) playingPlayers[i]->setPlayerNewSeat(static_cast<int32_t>(i));
    }
    followMarkers();
}

void PokerTable::followMarkers() {
    // Each holder is looked up among the seats by his id: gone from them, he holds no marker of this
    // hand any more, even if he sits down again.
    const auto seated = [this](const Record& holder) { return holder ? seatOf(holder->playerId()) : nullptr; };
    for (Record* holder : {&markers.dealer, &markers.smallBlind, &markers.bigBlind}) *holder = seated(*holder);
    for (auto& ante : markers.antes) ante = seated(ante);
    std::erase(markers.antes, nullptr);
}

void PokerTable::showAvailableSeats() {
    for (const auto& p : playingPlayers) {
        const int seat = p->playerNewSeat();
        if (p->playerId() == kNobody && seat >= 0 && seat < kSeats)
            seatOffers[seat] = isWatching ? SeatOffer::Sit : SeatOffer::Invite;
    }
}

void PokerTable::resetSeatPoker() {
    seatOffers.fill(SeatOffer::None);
    isWatching = false;
    if (seatOf(myId_)) showAvailableSeats();
    if (findRecord(allPlayers, myId_, kSeats)) {
        isWatching = true;
        showAvailableSeats();
    }
}

void PokerTable::onSit(int32_t id, int seat) {
    if (seat >= 0 && seat < kSeats && static_cast<size_t>(seat) < allPlayers.size()) {
        for (size_t i = kSeats; i < allPlayers.size(); ++i) {
            if (allPlayers[i]->playerId() != id) continue;
            allPlayers[i]->setPlayerSeat(seat);
            allPlayers[i]->setPlayerNewSeat(seat);
            std::swap(allPlayers[seat], allPlayers[i]);
            resetLocalSeat();
            break;
        }
    }
    if (isMe(id)) {
        resetSeatPoker();
        isWatching = false;
        showAvailableSeats();
    }
}

void PokerTable::kickPokerPlayer(int32_t id) {
    auto at = std::find_if(allPlayers.begin(), allPlayers.end(), [&](const Record& p) { return p->playerId() == id; });
    if (at == allPlayers.end() || id == kNobody) return;
    (*at)->setPlayerMoney(0);
    if (isMe(id)) isWatching = true;
    const size_t seat = static_cast<size_t>(at - allPlayers.begin());
    if (seat >= kSeats) return;  // already watching
    // The seat empties into a free watcher entry; with none free, a new one is made, so the seat is
    // offered again and the player no longer shows seated.
    size_t free = kSeats;
    while (free < allPlayers.size() && allPlayers[free]->playerId() != kNobody) ++free;
    if (free == allPlayers.size()) allPlayers.push_back(emptyRecord(static_cast<int>(free)));
    auto& a = *allPlayers[seat];
    auto& b = *allPlayers[free];
    const int32_t seatA = a.playerSeat(), newSeatA = a.playerNewSeat();
    a.setPlayerSeat(b.playerSeat()), a.setPlayerNewSeat(b.playerNewSeat());
    b.setPlayerSeat(seatA), b.setPlayerNewSeat(newSeatA);
    std::swap(allPlayers[seat], allPlayers[free]);
}

bool PokerTable::onStandUp(int32_t id, int32_t nextId, const Ints& actions) {
    kickPokerPlayer(id);
    resetLocalSeat();
    const bool wasActing = nowPlaying == id;
    if (wasActing && nextId != kNobody) {
        actionList = actions;
        switchTurn(id, nextId);
    }
    if (isMe(id)) {
        buttons.clear();
        clearHand();
        isWatching = true;
        resetSeatPoker();
    }
    return wasActing;
}

void PokerTable::onLeaveBoard(int32_t id) {
    if (isMe(id)) {
        clearHand();
        pots.fill(std::nullopt);
        return;
    }
    kickPokerPlayer(id);
    auto watcher = std::find_if(allPlayers.begin() + std::min<size_t>(allPlayers.size(), kSeats), allPlayers.end(),
                                [&](const Record& p) { return p->playerId() == id; });
    if (watcher != allPlayers.end()) allPlayers.erase(watcher);
    resetLocalSeat();
}

void PokerTable::onOverMoney(int32_t id) {
    kickPokerPlayer(id);
    resetLocalSeat();
    if (isMe(id)) isWatching = true;
}

void PokerTable::onFullBoard() {
    resetSeatPoker();
    // Offered to watch, I watch before I answer.
    isWatching = true;
    if (!seatOf(myId_)) showAvailableSeats();
}

void PokerTable::postBlind(PokerPlayer& p, int32_t amount, StartMarks& marks) {
    if (p.playerStack() >= amount) {
        p.setPlayerMoney(amount);
        p.setPlayerStack(p.playerStack() - amount);
    } else {
        p.setPlayerMoney(p.playerStack());
        p.setPlayerStack(0);
        marks.allIn.push_back(p.playerId());
    }
}

PokerTable::StartMarks PokerTable::start(const std::vector<int8_t>& myCards, int32_t dealerID, int32_t smallID,
                                         int32_t bigID, int32_t money, int32_t firstUserID, const Ints& antes) {
    StartMarks marks;
    isGameEnd = false;
    isPlaying = true;
    nowPlaying = firstUserID;
    buttons.clear();
    pots.fill(std::nullopt);
    seatOffers.fill(SeatOffer::None);
    isWatching = false;
    actionList = {PokerAction::FOLD, PokerAction::CALL, PokerAction::RAISE, PokerAction::ALL_IN};
    myStackAtStart_.reset();
    // Only a hand I hold cards in moves my money: a seat left out of the deal may still see chips come.
    const bool dealtIn = std::any_of(myCards.begin(), myCards.end(), [](int8_t card) { return card != kNoCard; });
    if (Record mine = seatOf(myId_); mine && dealtIn) myStackAtStart_ = mine->playerStack();
    for (const auto& record : playingPlayers) {
        auto& p = *record;
        const int32_t id = p.playerId();
        p.setPlayerMoney(0);
        if (id == kNobody) continue;
        if (isMe(id)) p.setCard({myCards.size() > 0 ? myCards[0] : kNoCard, myCards.size() > 1 ? myCards[1] : kNoCard});
        if (id == dealerID) marks.dealer = record;
        if (id == smallID) postBlind(p, money, marks), marks.smallBlind = record;
        if (id == bigID) postBlind(p, 2 * money, marks), marks.bigBlind = record;
        for (int32_t ante : antes) {
            if (ante != id) continue;
            marks.antes.push_back(record);
            if (isMe(id))
                actionList = {PokerAction::FOLD, PokerAction::CHECK, PokerAction::RAISE, PokerAction::ALL_IN};
            if (p.playerStack() >= 2 * money) {
                p.setPlayerMoney(2 * money);
                if (id == bigID) break;
                p.setPlayerStack(p.playerStack() - (id == smallID ? money : 2 * money));
            } else {
                p.setPlayerMoney(p.playerStack());
                p.setPlayerStack(0);
                marks.allIn.push_back(id);
            }
        }
    }
    pokerMoney = money;
    handleMenu(firstUserID);
    markers = marks;
    return marks;
}

void PokerTable::handleMenu(int32_t next) {
    buttons.clear();
    nowPlaying = next;
    if (!isMe(next)) return;
    for (int32_t code : actionList) {
        if (code < PokerAction::BET || code > PokerAction::ALL_IN) continue;
        buttons.push_back(static_cast<int8_t>(code));
        if (code == PokerAction::BET) isShowBet = true, isShowRaise = false;
        if (code == PokerAction::RAISE) isShowRaise = true, isShowBet = false;
    }
}

void PokerTable::switchTurn(int32_t actor, int32_t next, int32_t money, int32_t stack) {
    for (auto& p : playingPlayers)
        if (p->playerId() == actor) p->setPlayerStack(stack), p->setPlayerMoney(money);
    if (auto n = seatOf(next)) pokerMoney = money - n->playerMoney();
    handleMenu(next);
}

void PokerTable::switchTurn(int32_t actor, int32_t next) {
    if (auto a = seatOf(actor)) pokerMoney += a->playerMoney();
    if (auto n = seatOf(next)) pokerMoney -= n->playerMoney();
    handleMenu(next);
}

void PokerTable::onPaid(int32_t actor, int32_t money, int32_t stack, int32_t next, const Ints& actions) {
    refusedOffer_ = Send::Nothing;
    actionList = actions;
    switchTurn(actor, next, money, stack);
}

void PokerTable::onPassed(int32_t actor, int32_t next, const Ints& actions) {
    refusedOffer_ = Send::Nothing;
    actionList = actions;
    switchTurn(actor, next);
}

PokerTable::Send PokerTable::sendBetRaise(int32_t amount) {
    if (amount == 0) return Send::Nothing;
    auto mine = seatOf(myId_);
    if (!mine) return Send::Nothing;
    if (amount >= mine->playerStack()) return Send::AllIn;
    if (isShowRaise) {
        isShowRaise = false;
        return refusedOffer_ = Send::Raise;
    }
    if (isShowBet) {
        isShowBet = false;
        return refusedOffer_ = Send::Bet;
    }
    return Send::Nothing;
}

void PokerTable::onMoveError() {
    if (refusedOffer_ == Send::Raise) isShowRaise = true;
    if (refusedOffer_ == Send::Bet) isShowBet = true;
    refusedOffer_ = Send::Nothing;
}

void PokerTable::onStreet(const std::vector<int8_t>& cards, const Ints& streetPots, int32_t firstUser) {
    refusedOffer_ = Send::Nothing;
    showCards.insert(showCards.end(), cards.begin(), cards.end());
    drawPot(streetPots);
    actionList = {PokerAction::BET, PokerAction::FOLD, PokerAction::CHECK, PokerAction::ALL_IN};
    handleMenu(firstUser);
    pokerMoney = 0;
}

void PokerTable::drawPot(const Ints& streetPots) {
    for (auto& p : playingPlayers)
        if (p->playerMoney() != -1) p->setPlayerMoney(0);
    for (size_t i = 0; i < streetPots.size() && i < kPots; ++i) pots[i] = streetPots[i];
}

void PokerTable::onSelfResult(const std::string& hand, std::vector<int8_t> cards) {
    if (hand == "HIGH CARD") return;
    cards.resize(std::max<size_t>(cards.size(), 5), kNoCard);
    selfPokerHand = hand;
    selfResultList = std::move(cards);
}

void PokerTable::onShowdown(int32_t winnerID, int32_t winMoney, std::vector<int8_t> cards, const std::string& hand) {
    cards.resize(std::max<size_t>(cards.size(), 7), kNoCard);
    winners.push_back({winnerID, winMoney, std::move(cards), hand});
}

void PokerTable::onResult(const Ints& ids, const Ints& stacks) {
    for (size_t i = 0; i < ids.size() && i < stacks.size(); ++i) {
        if (ids[i] == kNobody) continue;
        for (auto& p : playingPlayers)
            if (p->playerId() == ids[i]) p->setPlayerStack(stacks[i]), p->setPlayerMoney(0);
    }
}

int64_t PokerTable::settleMyHand() {
    if (!myStackAtStart_) return 0;
    const int32_t atStart = *myStackAtStart_;
    myStackAtStart_.reset();
    // Seated or gone to the watchers, my record keeps my chips.
    Record mine = findRecord(allPlayers, myId_);
    return mine ? int64_t(mine->playerStack()) - atStart : 0;
}

std::optional<PokerTable::Winner> PokerTable::nextWinner() {
    if (winners.empty()) return std::nullopt;
    Winner first = std::move(winners.front());
    winners.erase(winners.begin());
    return first;
}

void PokerTable::clearHand() {
    for (auto& p : allPlayers)
        if (p->playerId() != kNobody) p->setPlayerCards({kNoCard, kNoCard});
    showCards.clear();
    actionList.clear();
    selfResultList.clear();
    selfPokerHand.clear();
}

void PokerTable::onStopGame() {
    isGameEnd = true;
    isPlaying = false;
    refusedOffer_ = Send::Nothing;
    for (auto& p : playingPlayers) p->setPlayerMoney(-1);
    winners.clear();
    buttons.clear();
    clearHand();
}

void PokerTable::onPlaying(const Ints& users, const Ints& stacks, const Ints& bets,
                           const std::vector<int8_t>& communityCards) {
    for (size_t k = 0; k < users.size(); ++k) {
        if (std::find(users.begin(), users.begin() + static_cast<std::ptrdiff_t>(k), users[k]) !=
            users.begin() + static_cast<std::ptrdiff_t>(k))
            continue;
        for (auto& p : playingPlayers) {
            if (p->playerId() != users[k]) continue;
            if (k < stacks.size()) p->setPlayerStack(stacks[k]);
            if (k < bets.size()) p->setPlayerMoney(bets[k]);
        }
    }
    showCards = communityCards;
    isWatching = false;
    isPlaying = true;
}

}  // namespace zuno
