#include "standin-server/StandinBanker.h"

#include <algorithm>
#include <numeric>

#include "standin-server/StandinBankerJudge.h"

namespace zuno::standin {

namespace {
constexpr int8_t CS_MOVE = 21;
constexpr int8_t CS_SET_MONEY = 24;
constexpr int8_t CS_ADD_CARD = 67;
constexpr int8_t SC_START = 20;
constexpr int8_t SC_MOVE = 21;
constexpr int8_t SC_SET_MONEY = 24;
constexpr int8_t SC_STOP_GAME = 50;
constexpr int8_t SC_BONUS_MONEY = 52;
constexpr int8_t CHESS_COMMAND = 91;
constexpr int8_t kDrawn = 0, kTurn = 1, kShown = 2;
constexpr int8_t kDraw = 0;
constexpr int kBaiCaoCards = 3, kXiZachCards = 2;
constexpr int kRobotStandsAt = 16;
constexpr double kStakeDelay = 0.2;
namespace J = bankerjudge;
}  // namespace

std::shared_ptr<StandinBanker> StandinBanker::addTo(StandinRobotTables& tables, int8_t gameType) {
    std::shared_ptr<StandinBanker> game(new StandinBanker(gameType, tables.weak_from_this()));
    tables.addGame(game);
    return game;
}

const char* StandinBanker::invitationText() const {
    return baiCao() ? "An invites you to a Bai Cao table." : "An invites you to a Xi Zach table.";
}

std::vector<int8_t> StandinBanker::commands() const { return {CS_MOVE, CS_SET_MONEY, CS_ADD_CARD}; }

std::vector<int8_t> StandinBanker::handOf(int32_t playerId) const {
    auto tables = tables_.lock();
    if (!tables) return {};
    return tables->locked([&] {
        const int place = tables->placeOf(playerId);
        return place < 0 ? Cards{} : hands_[static_cast<size_t>(place)].cards;
    });
}

int StandinBanker::dealCount() const {
    auto tables = tables_.lock();
    return tables ? tables->locked([&] { return deals_; }) : deals_;
}

int StandinBanker::examinationRequests() const {
    auto tables = tables_.lock();
    return tables ? tables->locked([&] { return examinationRequests_; }) : examinationRequests_;
}

StandinRobotGame::Dealt StandinBanker::dealt() const {
    Dealt out{{}, stock_};
    for (const Hand& h : hands_) out.hands.push_back(h.cards);
    return out;
}

void StandinBanker::setNextDeal(std::array<std::vector<int8_t>, kPlaces> hands, std::vector<int8_t> draws) {
    if (auto tables = tables_.lock())
        tables->locked([&] { nextDeal_ = std::make_pair(std::move(hands), std::move(draws)); });
}

// Robot punters put their stake down once they sit (after the table has heard of them).
void StandinBanker::seatsChanged(StandinRobotTables& table, bool newTable) {
    if (newTable) {
        stakes_.fill(StandinRobotTables::kStake);
        running_ = false;
    }
    auto weak = tables_;
    table.schedule(kStakeDelay, [this, weak, room = table.room(), board = table.board()] {
        auto tables = weak.lock();
        if (tables && tables->room() == room && tables->board() == board && !running_) robotStakes(*tables);
    });
}

// A robot stakes only what the banker covers; one he cannot plays for the stake it had.
void StandinBanker::robotStakes(StandinRobotTables& table) {
    for (int i = 0; i < kPlaces; ++i) {
        if (i == table.ownerPlace() || !table.place(i).robot || stakes_[static_cast<size_t>(i)] == kRobotStake ||
            kRobotStake > coverLeft(table, i))
            continue;
        stakes_[static_cast<size_t>(i)] = kRobotStake;
        sendStake(table, i);
    }
}

int64_t StandinBanker::coverLeft(const StandinRobotTables& table, int place) const {
    const int owner = table.ownerPlace();
    int64_t left = table.moneyOf(table.place(owner));
    for (int i = 0; i < kPlaces; ++i)
        if (i != owner && i != place && !table.place(i).empty()) left -= stakes_[static_cast<size_t>(i)];
    return left;
}

void StandinBanker::sendStake(StandinRobotTables& table, int place) {
    Message stake = table.tableMessage(SC_SET_MONEY);
    stake.writeInt(static_cast<int32_t>(stakes_[static_cast<size_t>(place)]));
    stake.writeInt(table.place(place).id);
    table.send(stake);
}

void StandinBanker::deal(StandinRobotTables& table) {
    robotStakes(table);  // a robot that sat down a moment ago stakes before the cards
    Cards deck(52);
    std::iota(deck.begin(), deck.end(), int8_t{0});
    std::shuffle(deck.begin(), deck.end(), table.random());
    ++deals_;
    running_ = true;
    hands_ = {};
    const int dealt = baiCao() ? kBaiCaoCards : kXiZachCards;
    if (nextDeal_) {
        for (const auto& hand : nextDeal_->first) removeCards(deck, hand);
        removeCards(deck, nextDeal_->second);
    }
    for (int i = 0; i < kPlaces; ++i) {
        if (table.place(i).empty()) continue;
        Hand& hand = hands_[static_cast<size_t>(i)];
        if (nextDeal_ && !nextDeal_->first[static_cast<size_t>(i)].empty()) {
            hand.cards = nextDeal_->first[static_cast<size_t>(i)];
        } else {
            hand.cards.assign(deck.end() - dealt, deck.end());
            deck.resize(deck.size() - dealt);
        }
        hand.shown.assign(hand.cards.size(), false);
    }
    stock_ = nextDeal_ ? nextDeal_->second : Cards{};
    stock_.insert(stock_.end(), deck.begin(), deck.end());
    nextDeal_.reset();

    const Cards& mine = hands_[static_cast<size_t>(table.playerPlace())].cards;
    Message start = table.tableMessage(SC_START);
    if (baiCao()) {
        start.writeByte(static_cast<int8_t>(table.options().turnSeconds));
        for (int8_t id : mine) start.writeByte(id);
        table.send(start);
        // Robots show all at once; the turn time closes the deal.
        for (int i = 0; i < kPlaces; ++i) {
            if (!table.place(i).robot) continue;
            table.schedule(table.options().robotDelay, [this, &table, i, deal = deals_] {
                if (running_ && table.playing() && deals_ == deal) show(table, i, hands_[static_cast<size_t>(i)].cards);
            });
        }
        // The deal waits for the player alone: his turn's clock closes it.
        table.startTurn(table.playerPlace());
        return;
    }
    const int owner = table.ownerPlace();
    int first = table.nextPlace(owner, [owner](int i) { return i != owner; });
    if (first < 0) first = owner;
    start.writeInt(table.place(first).id);
    start.writeByte(static_cast<int8_t>(table.options().turnSeconds));
    for (int8_t id : mine) start.writeByte(id);
    table.send(start);
    beginTurn(table, first);
}

// ---- Bai Cao

void StandinBanker::show(StandinRobotTables& table, int place, const Cards& asked) {
    Hand& hand = hands_[static_cast<size_t>(place)];
    for (int8_t id : asked) {
        auto it = std::find(hand.cards.begin(), hand.cards.end(), id);
        if (id >= 0 && it != hand.cards.end()) hand.shown[static_cast<size_t>(it - hand.cards.begin())] = true;
    }
    Message move = table.tableMessage(SC_MOVE);
    move.writeInt(table.place(place).id);
    for (size_t i = 0; i < hand.cards.size(); ++i) move.writeByte(hand.shown[i] ? hand.cards[i] : int8_t{-1});
    table.send(move);
    if (everyHandOpen(table)) finish(table);
}

bool StandinBanker::everyHandOpen(StandinRobotTables& table) const {
    for (int i = 0; i < kPlaces; ++i) {
        if (table.place(i).empty()) continue;
        const auto& shown = hands_[static_cast<size_t>(i)].shown;
        if (std::find(shown.begin(), shown.end(), false) != shown.end()) return false;
    }
    return true;
}

// ---- Xi Zach

void StandinBanker::beginTurn(StandinRobotTables& table, int place) {
    Message turn = table.tableMessage(SC_MOVE);
    turn.writeByte(kTurn);
    turn.writeInt(table.place(place).id);
    turn.writeByte(static_cast<int8_t>(table.options().turnSeconds));
    table.send(turn);
    table.startTurn(place);
}

// Every punter after the owner in turn, the owner last; after the owner the deal is over.
void StandinBanker::nextTurn(StandinRobotTables& table, int after) {
    const int owner = table.ownerPlace();
    if (after == owner) {
        finish(table);
        return;
    }
    for (int k = 1; k < kPlaces; ++k) {
        const int i = (after + k) % kPlaces;
        if (i == owner) break;
        if (!table.place(i).empty()) {
            beginTurn(table, i);
            return;
        }
    }
    beginTurn(table, owner);
}

bool StandinBanker::draw(StandinRobotTables& table, int place) {
    Hand& hand = hands_[static_cast<size_t>(place)];
    if (hand.cards.size() < kMostCards && !stock_.empty()) {
        const int8_t card = stock_.front();
        stock_.erase(stock_.begin());
        hand.cards.push_back(card);
        hand.shown.push_back(false);
        Message drawn = table.tableMessage(SC_MOVE);
        drawn.writeByte(kDrawn);
        drawn.writeInt(table.place(place).id);
        // Only the player sees his own card; the others' stay hidden until the end.
        drawn.writeByte(place == table.playerPlace() ? card : int8_t{-1});
        table.send(drawn);
        if (hand.cards.size() < kMostCards && !stock_.empty()) return true;
    }
    nextTurn(table, place);
    return false;
}

void StandinBanker::examine(StandinRobotTables& table, int place) {
    Hand& hand = hands_[static_cast<size_t>(place)];
    if (table.place(place).empty() || place == table.ownerPlace() || hand.examined) return;
    hand.examined = true;
    Message shown = table.tableMessage(SC_MOVE);
    shown.writeByte(kShown);
    shown.writeInt(table.place(place).id);
    shown.writeByte(static_cast<int8_t>(hand.cards.size()));
    for (int8_t id : hand.cards) shown.writeByte(id);
    table.send(shown);
}

void StandinBanker::robotTurn(StandinRobotTables& table, int place) {
    if (baiCao()) return;
    Hand& hand = hands_[static_cast<size_t>(place)];
    if (place == table.ownerPlace()) {
        for (int i = 0; i < kPlaces; ++i) examine(table, i);
    }
    if (J::xiZachPoints(hand.cards) >= kRobotStandsAt) {
        nextTurn(table, place);
    } else if (draw(table, place)) {
        table.startTurn(place);  // thinks again after the robot pause
    }
}

void StandinBanker::turnTimeOver(StandinRobotTables& table, int place) {
    if (baiCao()) finish(table);
    else nextTurn(table, place);  // a turn run out stands
}

bool StandinBanker::take(StandinRobotTables& table, int8_t commandId, Message& request) {
    const int me = table.playerPlace();
    switch (commandId) {
        case CS_SET_MONEY: {
            const int32_t money = request.readInt();
            if (me == table.ownerPlace()) {
                table.refuseStake(kBankerStakesNothing);
            } else if (running_) {
                table.refuseStake(StandinRobotTables::kDealUnderWay);
            } else if (money <= 0 || money > table.moneyOf(table.place(me))) {
                table.refuseStake(StandinRobotTables::kStakeOutOfReach);
            } else if (money > coverLeft(table, me)) {
                table.refuseStake(kBankerCannotCover);
            } else {
                stakes_[static_cast<size_t>(me)] = money;
                sendStake(table, me);
            }
            return true;
        }
        case CS_MOVE:
            if (!running_) return true;
            if (baiCao()) {
                Cards asked;
                for (int i = 0; i < kBaiCaoCards && request.available(); ++i) asked.push_back(request.readByte());
                show(table, me, asked);
                return true;
            }
            if (table.turn() != me) return true;
            // A draw leaves the turn's time running: the table's turn bar started with the turn.
            if (request.readByte() == kDraw) {
                draw(table, me);
            } else {
                nextTurn(table, me);
            }
            return true;
        case CS_ADD_CARD: {
            const int32_t who = request.readInt();
            ++examinationRequests_;
            if (running_ && !baiCao() && table.turn() == me && me == table.ownerPlace()) {
                const int place = table.placeOf(who);
                if (place >= 0) examine(table, place);
            }
            return true;
        }
        default:
            return false;
    }
}

// ---- the end of a deal

void StandinBanker::playerLeaves(StandinRobotTables& table, int place) { finish(table, place); }

void StandinBanker::finish(StandinRobotTables& table, int leaver) {
    if (!running_) return;
    running_ = false;
    std::vector<int> seated;
    for (int i = 0; i < kPlaces; ++i)
        if (!table.place(i).empty()) seated.push_back(i);

    Message stop = table.tableMessage(SC_STOP_GAME);
    stop.writeByte(static_cast<int8_t>(seated.size()));
    for (int i : seated) {
        const Cards& cards = hands_[static_cast<size_t>(i)].cards;
        stop.writeInt(table.place(i).id);
        if (!baiCao()) stop.writeByte(static_cast<int8_t>(cards.size()));
        for (int8_t id : cards) stop.writeByte(id);
    }
    table.send(stop);

    for (int i : seated) {
        const Cards& cards = hands_[static_cast<size_t>(i)].cards;
        Message result(CHESS_COMMAND);
        result.writeInt(table.place(i).id);
        const std::string language = table.say("en", "vi");  // the client's
        result.writeUTF(baiCao() ? J::baiCaoText(cards, language) : J::xiZachText(cards, language));
        table.send(result);
    }

    const int owner = table.ownerPlace();
    const Cards& bank = hands_[static_cast<size_t>(owner)].cards;
    std::array<int64_t, kPlaces> judged{}, won{};
    int64_t bankHolds = table.moneyOf(table.place(owner));
    for (int i : seated) {
        if (i == owner) continue;
        const Cards& cards = hands_[static_cast<size_t>(i)].cards;
        const int64_t stake = stakes_[static_cast<size_t>(i)];
        const int64_t outcome = leaver == owner ? stake
                                : leaver == i   ? -stake
                                : baiCao()      ? J::baiCaoPayout(cards, bank, stake)
                                                : J::xiZachPayout(cards, bank, stake);
        judged[static_cast<size_t>(i)] = won[static_cast<size_t>(i)] = outcome;
        if (outcome < 0) bankHolds -= outcome;
    }
    // With the losers' stakes taken, the banker pays the winners in turn after him while his money lasts.
    for (int k = 1; k < kPlaces; ++k) {
        int64_t& win = won[static_cast<size_t>((owner + k) % kPlaces)];
        if (win <= 0) continue;
        win = std::min(win, std::max<int64_t>(bankHolds, 0));
        bankHolds -= win;
    }

    int64_t bankChange = 0;
    auto pay = [&](int place, int64_t money, const std::string& des) {
        table.pay(table.place(place).id, money);
        Message bonus = table.tableMessage(SC_BONUS_MONEY);
        bonus.writeInt(table.place(place).id);
        bonus.writeInt(static_cast<int32_t>(money));
        bonus.writeUTF(des);
        table.send(bonus);
    };
    for (int i : seated) {
        if (i == owner) continue;
        const int64_t outcome = judged[static_cast<size_t>(i)];
        bankChange -= won[static_cast<size_t>(i)];
        pay(i, won[static_cast<size_t>(i)],
            outcome > 0   ? table.say("Won", "Thắng")
            : outcome < 0 ? table.say("Lost", "Thua")
                          : table.say("Draw", "Hòa"));
    }
    pay(owner, bankChange, table.say("Banker", "Nhà cái"));
    table.dealOver();
}

}  // namespace zuno::standin
