#include "games/phom/PhomTable.h"

#include <algorithm>

#include "games/phom/PhomMelds.h"
#include "shell/UIController.h"

namespace zuno {

namespace {
template <class Row>
void clearRows(Row& rows) {
    for (auto& row : rows) row.fill(-1);
}
}  // namespace

// ---- seats

bool PhomTable::isMe(int32_t userId) const { return userId != -1 && userId == UIController::myId(); }
bool PhomTable::iAmOwner() const { return isMe(seating.ownerID); }

// ---- the deal

void PhomTable::reset() {
    seating.currentPlayer = -1;
    seating.isStartGame = false;
    isDoFire = fire = finish = isU = isHaPhom = isGetCard = isEatCard = notPlay = endCleared = false;
    seating.dieTime = 0;
    cardCurrent = -1;
    clearRows(cardShow);
    clearRows(showCardEat);
    clearRows(ShowHaPhom);
    clearRows(cardRac);
    numC.fill(0);
    numCardEat.fill(0);
    numCardPhom.fill(0);
    numberCard.fill(0);
    denBai = -1;
    denBaiWinnerId = -1;
    firstHa = -1;
    hand.reset();
}

void PhomTable::setMenu(PhomMenu code) {
    menu = code;
    if (code == PhomMenu::Fire) isDoFire = true;
    if (code == PhomMenu::EatOrDraw) isEatCard = true;
}

void PhomTable::syncHand() {
    hand.cardCurrent = cardCurrent;
    hand.cardShow = cardShow;
}

void PhomTable::start(int8_t turnSeconds, const std::vector<int8_t>& myCards, int32_t firstMove, int32_t firstLayDown,
                      int64_t now) {
    reset();
    seating.currentPlayer = currentPlayers = firstPlayer = firstMove;
    firstHa = firstLayDown;
    seating.interval = turnSeconds;
    isGameBegin = seating.isStartGame = true;
    seating.isGameEnd = false;
    for (const PlayerPtr& p : seating.players)
        if (p) p->setFinishPosition(-1);
    // The first card is fired with the button: the menu is set without marking the fire button live.
    menu = hand.start(myCards, isMe(firstMove));
    seating.dieTime = now + seating.interval;
}

void PhomTable::onGetCard(uint8_t card) {
    if (!isMe(currentPlayers)) return;
    isEatCard = false;
    isGetCard = true;
    setMenu(hand.onGetCard(card));
}

void PhomTable::onFire(int32_t next, int32_t firer, int8_t card, int8_t index, int64_t now) {
    seating.currentPlayer = next;
    const int s = getSeatFromID(firer);
    if (s < 0) return;
    if (isMe(next)) {
        const int free = PhomMelds::getAssetArray(cardShow[0]);
        if (free >= 0 && free <= 3) setMenu(PhomMenu::EatOrDraw);
    }
    cardCurrent = card;
    currentPlayers = next;
    firstPlayer = firer;
    fire = true;
    ++numC[static_cast<size_t>(s)];
    // A place outside the row writes nothing; the turn moves on all the same.
    if (index >= 0 && index < kFiredRow) {
        numberCard[static_cast<size_t>(s)] = index;
        cardShow[static_cast<size_t>(s)][static_cast<size_t>(index)] = card;
        cardRac[static_cast<size_t>(s)][static_cast<size_t>(index)] = card;
    }
    syncHand();
    if (isMe(firer)) {
        hand.onFire(card);
        setMenu(PhomMenu::Cleared);
    }
    if (seating.interval == 0) seating.interval = kDefaultTurnSeconds;
    seating.dieTime = now + seating.interval;
}

PhomTable::Shown PhomTable::onEatCard(bool accepted, int32_t newFirstHa, int8_t nCard) {
    Shown shown;
    const int e = getSeatFromID(currentPlayers);
    const int f = getSeatFromID(firstPlayer);
    const int h = getSeatFromID(firstHa);
    if (e < 0) return shown;
    const bool mine = isMe(currentPlayers);
    if (!accepted) {
        if (mine) {
            shown.myBubble = "ZUNO_notPhom";
            setMenu(PhomMenu::EatOrDraw);
            hand.resetUpCard();
        }
        return shown;
    }
    auto slot = [this](int seat) -> int& {
        return cardShow[static_cast<size_t>(seat)][static_cast<size_t>(numberCard[static_cast<size_t>(seat)])];
    };
    // The eaten card leaves the firer's row, and the first lay-down player's last fired card takes its
    // place, only for players who are seated.
    if (f >= 0) {
        slot(f) = -1;
        if (h >= 0 && f != h) slot(f) = slot(h);
        if (h >= 0) slot(h) = -1;
        firstHa = newFirstHa;
        if (h >= 0 && nCard >= 0 && nCard < kFiredRow) numberCard[static_cast<size_t>(h)] = nCard;
        numC[static_cast<size_t>(e)] = numberCard[static_cast<size_t>(e)];
        if (h >= 0) numC[static_cast<size_t>(h)] = numberCard[static_cast<size_t>(h)];
    }
    ++numCardEat[static_cast<size_t>(e)];
    syncHand();
    if (mine) setMenu(hand.onEatCard());
    auto& eaten = showCardEat[static_cast<size_t>(e)];
    auto freeSlot = std::find(eaten.begin(), eaten.end(), -1);
    if (freeSlot != eaten.end()) *freeSlot = cardCurrent;
    return shown;
}

// Melds are appended to the seat's row with one -1 between them.
void PhomTable::appendLaid(int seat, const PhomLaidCards& cards) {
    auto& row = ShowHaPhom[static_cast<size_t>(seat)];
    size_t startAt = 0;
    const bool empty = std::all_of(row.begin(), row.end(), [](int v) { return v == -1; });
    if (!empty) {
        bool found = false;
        for (size_t i = 0; i + 1 < row.size(); ++i) {
            if (row[i] == -1 && row[i + 1] == -1) {
                startAt = i + 1;
                found = true;
                break;
            }
        }
        if (!found) startAt = row.back() == -1 ? 1 : 0;
    }
    for (size_t i = startAt, k = 0; i < row.size() && k < cards.size(); ++i, ++k)
        if (cards[k] != -1) row[i] = cards[k];
}

PhomTable::Shown PhomTable::onHaPhom(bool accepted, const PhomLaidCards& cards, bool u, int32_t playerId) {
    Shown shown;
    hand.resetUpCard();
    const int s = getSeatFromID(playerId);
    if (!accepted) {
        if (isMe(playerId)) shown.myBubble = "ZUNO_notSamePhom";
        return shown;
    }
    if (s < 0) return shown;
    isU = u;
    appendLaid(s, cards);
    if (u) {
        seating.disableReady = false;
        isFirstMatch = false;
        finish = true;
        shown = stop();
        setMenu(PhomMenu::Continue);
        shown.endMarks[static_cast<size_t>(s)] = PhomEndMark::U;
    }
    const auto& row = ShowHaPhom[static_cast<size_t>(s)];
    numCardPhom[static_cast<size_t>(s)] = static_cast<int>(std::count_if(row.begin(), row.end(), [](int v) { return v != -1; }));
    if (isMe(playerId)) {
        isHaPhom = true;
        std::vector<int8_t> laid(cards.begin(), cards.end());
        hand.onHaPhom(laid);
        if (!u) setMenu(PhomMenu::Fire);
    }
    return shown;
}

void PhomTable::onSkipPlayer(int32_t player, int32_t newFirstHa, int64_t now) {
    if (getSeatFromID(player) < 0) return;
    currentPlayers = player;
    firstHa = newFirstHa;
    if (isMe(player)) setMenu(PhomMenu::EatOrDraw);
    seating.dieTime = now + seating.interval;
}

PhomTable::Shown PhomTable::onDenBai(int32_t winnerId) {
    finish = true;
    Shown shown = stop();
    setMenu(PhomMenu::Continue);
    denBaiWinnerId = winnerId;
    isU = true;
    denBai = getSeatFromID(firstPlayer);
    return shown;
}

PhomTable::Shown PhomTable::onOnceWin() {
    finish = true;
    hand.winer = seating.indexOfMe;
    Shown shown = stop();
    setMenu(PhomMenu::Continue);
    return shown;
}

PhomTable::Shown PhomTable::onFinish(const PhomSeatInts& scores, const PhomLeftoverCards& leftovers) {
    Shown shown = stop();
    std::array<int, kSeats> s{};
    std::copy(scores.begin(), scores.end(), s.begin());
    hand.setScore(s);
    hand.onFinish();
    for (size_t p = 0; p < kSeats; ++p) std::copy(leftovers[p].begin(), leftovers[p].end(), cardRac[p].begin());
    for (const PlayerPtr& p : seating.players)
        if (p) p->setIsReady(false);
    if (isU) {
        const int u = getSeatFromID(seating.currentPlayer);
        if (u >= 0) shown.endMarks[static_cast<size_t>(u)] = PhomEndMark::U;
        if (denBai >= 0) shown.endMarks[static_cast<size_t>(denBai)] = PhomEndMark::PaysForAll;
        return shown;
    }
    for (int seat = 0; seat < kSeats; ++seat) {
        if (seating.isSeatEmpty(seat)) continue;
        shown.endMarks[static_cast<size_t>(seat)] = hand.endMarkOfPlayer(seating.seats[static_cast<size_t>(seat)]);
    }
    setMenu(PhomMenu::Continue);
    return shown;
}

void PhomTable::onPlaying(int32_t turnSeconds, int32_t current, int32_t firer, const PhomFiredCards& fired,
                          const PhomEatenCards& eaten, int32_t firstLayDown) {
    reset();
    seating.currentPlayer = current;
    notPlay = true;
    for (int p = 0; p < kSeats && p < static_cast<int>(seating.players.size()); ++p) {
        const PlayerPtr& player = seating.players[static_cast<size_t>(p)];
        const int s = player ? getSeatFromID(player->IDDB()) : -1;
        if (s < 0) continue;
        std::copy(fired[static_cast<size_t>(p)].begin(), fired[static_cast<size_t>(p)].end(),
                  cardShow[static_cast<size_t>(s)].begin());
        std::copy(eaten[static_cast<size_t>(p)].begin(), eaten[static_cast<size_t>(p)].end(),
                  showCardEat[static_cast<size_t>(s)].begin());
    }
    seating.interval = turnSeconds;
    currentPlayers = current;
    firstPlayer = firer;
    firstHa = firstLayDown;
    seating.isStartGame = true;
    // I watch without cards.
    cardShow[0].fill(-1);
    showCardEat[0].fill(-1);
    ShowHaPhom[0].fill(-1);
    cardRac[0].fill(-1);
    setMenu(PhomMenu::Wait);
}

PhomTable::Shown PhomTable::stop() {
    Shown shown;
    shown.stopped = true;
    finish = true;
    notPlay = seating.disableReady = isFirstMatch = seating.isStartGame = false;
    seating.isGameEnd = true;
    seating.dieTime = 0;  // the clock stops; whose turn it was stays for the end marks
    for (const PlayerPtr& p : seating.players)
        if (p) p->setIsReady(false);
    if (PlayerPtr me = UIController::myInfo()) me->setIsReady(false);
    return shown;
}

// ---- new Phom

void PhomTable::onAddCardNew(int32_t userId, const std::vector<int32_t>& cards) {
    const int s = getSeatFromID(userId);
    if (s < 0 || cards.empty()) return;
    auto& row = ShowHaPhom[static_cast<size_t>(s)];
    std::vector<int> list;
    for (int id : row)
        if (id != -1) list.push_back(id);
    for (int32_t id : cards) {
        std::erase(list, id);
        list.push_back(id);
    }
    // The laid row has twelve places: what does not fit is dropped from the end.
    if (list.size() > row.size()) list.resize(row.size());
    row.fill(-1);
    std::copy(list.begin(), list.end(), row.begin());
    numCardPhom[static_cast<size_t>(s)] = static_cast<int>(list.size());
}

int PhomTable::onHaPhomNew(const PhomLaidCards& cards, bool u, int32_t playerId) {
    hand.resetUpCard();
    const int s = getSeatFromID(playerId);
    if (s < 0) return s;
    isU = u;
    appendLaid(s, cards);
    const auto& row = ShowHaPhom[static_cast<size_t>(s)];
    numCardPhom[static_cast<size_t>(s)] = static_cast<int>(std::count_if(row.begin(), row.end(), [](int v) { return v != -1; }));
    if (isMe(playerId)) isHaPhom = true;
    return s;
}

PhomTable::Shown PhomTable::onFinishNew(int32_t score, const std::vector<int32_t>& leftovers, int32_t userId,
                                        int32_t numRac) {
    int index = -1;
    for (size_t p = 0; p < seating.players.size() && p < kSeats; ++p)
        if (seating.players[p] && seating.players[p]->IDDB() == userId && userId != -1) index = static_cast<int>(p);
    // A result for somebody not at the table changes nothing; nor does one that comes after I continued
    // (each player's result comes on its own, and the first one offers continue).
    if (index < 0 || endCleared) return {};
    Shown shown = stop();
    auto& row = cardRac[static_cast<size_t>(index)];
    row.fill(-1);
    const size_t kept = std::min({static_cast<size_t>(std::max(numRac, 0)), leftovers.size(), row.size()});
    std::copy(leftovers.begin(), leftovers.begin() + static_cast<long>(kept), row.begin());
    if (const int s = getSeatFromID(userId); s >= 0) shown.seatBubble = std::make_pair(s, std::to_string(score));
    if (isU) {
        const int u = getSeatFromID(currentPlayers);
        if (u >= 0) shown.endMarks[static_cast<size_t>(u)] = PhomEndMark::U;
        if (denBai >= 0) shown.endMarks[static_cast<size_t>(denBai)] = PhomEndMark::PaysForAll;
    } else {
        setMenu(PhomMenu::Continue);
    }
    return shown;
}

void PhomTable::onPlayingNew(int32_t turnSeconds, int32_t current, int32_t firer, const PhomFiredCards& fired,
                             const PhomEatenCards& eaten, const PhomSeatInts& users) {
    reset();
    seating.currentPlayer = current;
    notPlay = true;
    for (size_t k = 0; k < kSeats; ++k) {
        const int s = getSeatFromID(users[k]);
        if (s < 0) continue;
        std::copy(fired[k].begin(), fired[k].end(), cardShow[static_cast<size_t>(s)].begin());
        std::copy(eaten[k].begin(), eaten[k].end(), showCardEat[static_cast<size_t>(s)].begin());
    }
    seating.interval = turnSeconds;
    currentPlayers = current;
    firstPlayer = firer;
    seating.isStartGame = true;
    setMenu(PhomMenu::Wait);
}

void PhomTable::continueToNextDeal() {
    seating.isStartGame = finish = false;
    endCleared = true;
    setMenu(idleMenu());
}

// ---- buttons

PhomTable::Start PhomTable::doStartGame(int64_t myBalance) const {
    int ready = 0, notReady = 0;
    for (const PlayerPtr& p : seating.players) {
        if (!p || p->IDDB() == -1 || isMe(p->IDDB())) continue;
        (p->isReady() ? ready : notReady)++;
    }
    if (ready == 0 || notReady > 0) return Start::Nothing;
    return myBalance >= seating.money ? Start::Send : Start::NotEnoughMoney;
}

}  // namespace zuno
