#include "StandinPlayOut.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <ostream>
#include <random>
#include <stdexcept>

#include "standin-server/StandinBanker.h"
#include "standin-server/StandinBlocks.h"
#include "standin-server/StandinCaro.h"
#include "standin-server/StandinCoTuong.h"
#include "standin-server/StandinCoVua.h"
#include "standin-server/StandinPhom.h"
#include "standin-server/StandinPoker.h"
#include "standin-server/StandinTienLen.h"

namespace zuno::standin::playout {

namespace {

constexpr int8_t CS_MOVE = 21, CS_WANT_DRAW = 24, CS_WANT_LOSE = 27, CS_SKIP = 49;
constexpr int8_t SC_FINISH = 51, SC_BONUS_MONEY = 52, SC_GAME_RESULT = 37, SC_POKER_COMMAND = 82;
constexpr int8_t SC_BANKER_STAKE = 24;
constexpr int8_t CHESS_COMMAND = 91;
constexpr int8_t kPokerResult = 34, kPokerCheck = 4, kPokerFold = 5, kXiZachStand = 1;
constexpr int kMostSteps = 5000;   // a deal that takes more never ends
constexpr int kLeaveWithin = 120;  // the step of a deal at which a leaver goes, at most
const StandinAccount kPlayer{"lan", "hoa sen", Table::kMe, 500000, 12, 250};

// The player's request as his table sends it, past room and table.
bool ask(StandinRobotTables& table, StandinRobotGame& game, int8_t command, const std::vector<int8_t>& bytes = {}) {
    Message request(command);
    for (int8_t b : bytes) request.writeByte(b);
    request.set_idx(0);
    game.take(table, command, request);
    return true;
}

// A game's own pass where one is given; else its robot's play (Plays and Leaves).
using Pass = std::function<bool(StandinRobotTables&, StandinRobotGame&)>;
std::function<bool(StandinRobotTables&, StandinRobotGame&, Style)> acting(Pass pass) {
    return [pass](StandinRobotTables& table, StandinRobotGame& game, Style style) {
        switch (style) {
            case Style::RunsOut: return false;
            case Style::Passes: return pass(table, game);
            default: game.robotTurn(table, table.playerPlace()); return true;
        }
    };
}

Pass skips() {
    return [](StandinRobotTables& table, StandinRobotGame& game) { return ask(table, game, CS_SKIP); };
}

// Poker: a check, else a fold.
bool checksOrFolds(StandinRobotTables& table, StandinRobotGame& game) {
    const int turns = table.playerTurnsStarted();
    ask(table, game, CS_MOVE, {kPokerCheck});
    if (table.turn() == table.playerPlace() && table.playerTurnsStarted() == turns)
        ask(table, game, CS_MOVE, {kPokerFold});
    return true;
}

// Bai Cao: the player shows his hand; Xi Zach: he stands.
bool showsOrStands(StandinRobotTables& table, StandinRobotGame& game) {
    if (game.gameType() == StandinBanker::kXiZach) return ask(table, game, CS_MOVE, {kXiZachStand});
    const auto hands = game.dealt().hands;
    return ask(table, game, CS_MOVE, hands.at(static_cast<size_t>(table.playerPlace())));
}

// A board game: the robot offers a draw, the player declines it and gives up.
bool declinesAndResigns(StandinRobotTables& table, StandinRobotGame& game) {
    dynamic_cast<StandinBoardGame&>(game).offerDraw(table);
    ask(table, game, CS_WANT_DRAW, {0});
    return ask(table, game, CS_WANT_LOSE);
}

// Blocks: a landing the player's device reports (the piece dropped untouched), or his loss.
bool reports(StandinRobotTables& table, StandinRobotGame& game, bool loss) {
    const int8_t row = loss ? int8_t{-1} : int8_t{5};
    return ask(table, game, CS_MOVE, {0, 1, 0, 4, row, 0, 0, 0, 1});
}

int32_t idAt(const StandinRobotTables& table, int place) {
    return place < table.placeCount() ? table.place(place).id : -1;
}

// Tien Len: each finish with its place's money.
void readTienLen(const StandinRobotTables&, Message& m, Told& told) {
    if (m._commandId() != SC_FINISH) return;
    m.readByte(), m.readByte();
    const int32_t id = m.readInt();
    m.readByte();
    told.finished.insert(id);
    told.money[id] += m.readInt();
}

// Phom: one finish for the table, with every place's money and score (-1 for an empty place).
void readPhom(const StandinRobotTables& table, Message& m, Told& told) {
    if (m._commandId() != SC_FINISH) return;
    m.readByte(), m.readByte();
    std::array<int32_t, StandinRobotTables::kCardPlaces> money{};
    for (int32_t& each : money) each = m.readInt();
    for (int i = 0; i < StandinRobotTables::kCardPlaces; ++i) {
        if (m.readInt() < 0) continue;
        told.finished.insert(idAt(table, i));
        told.money[idAt(table, i)] += money[static_cast<size_t>(i)];
    }
}

// The money changes (52) of the games that tell them apart from the finishes.
void readBonus(Message& m, Told& told) {
    m.readByte(), m.readByte();
    const int32_t id = m.readInt();
    told.money[id] += m.readInt();
}

// New Phom: a finish per player; the money comes as changes.
void readNewPhom(const StandinRobotTables&, Message& m, Told& told) {
    if (m._commandId() == SC_BONUS_MONEY) readBonus(m, told);
    if (m._commandId() != SC_FINISH) return;
    m.readByte(), m.readByte();
    told.finished.insert(m.readInt());
}

// Bai Cao and Xi Zach: the stakes, a result text per player (91), the money as changes.
void readBanker(const StandinRobotTables&, Message& m, Told& told) {
    if (m._commandId() == SC_BONUS_MONEY) readBonus(m, told);
    if (m._commandId() == CHESS_COMMAND) told.finished.insert(m.readInt());
    if (m._commandId() == SC_BANKER_STAKE) {
        m.readByte(), m.readByte();
        const int64_t stake = m.readInt();
        told.stakes[m.readInt()] = stake;
    }
}

// Poker: the result names every seated player with his stack.
void readPoker(const StandinRobotTables&, Message& m, Told& told) {
    if (m._commandId() != SC_POKER_COMMAND || m.readByte() != kPokerResult) return;
    m.readByte(), m.readByte();
    while (m.available()) {
        const int32_t id = m.readInt();
        told.finished.insert(id);
        told.stacks[id] = m.readInt();
    }
}

// The board games and Blocks: a result row per player with his money.
void readRows(const StandinRobotTables&, Message& m, Told& told) {
    if (m._commandId() != SC_GAME_RESULT) return;
    while (m.available()) {
        m.readByte();
        const int32_t id = m.readInt();
        m.readInt();
        told.finished.insert(id);
        told.money[id] += m.readInt();
    }
}

const std::vector<StandinTableKind> kBothKinds{StandinTableKind::Robots, StandinTableKind::Empty};

std::vector<Game> everyGame() {
    const auto tienLen = [](const char* name, int8_t type) {
        return Game{name, type, [type](StandinRobotTables& t) { return StandinTienLen::addTo(t, type); },
                    {2, 3, 4}, kBothKinds, acting(skips()), readTienLen};
    };
    const auto banker = [](const char* name, int8_t type) {
        Game g{name, type, [type](StandinRobotTables& t) { return StandinBanker::addTo(t, type); },
               {2, 3, 4}, kBothKinds, acting(showsOrStands), readBanker};
        g.leaverRanksLast = false;  // a punter who leaves loses his own stake
        g.leaverPaysStakes = true;
        return g;
    };
    const auto board = [](const char* name, int8_t type, auto add) {
        return Game{name, type, add, {2}, kBothKinds, acting(declinesAndResigns), readRows};
    };
    std::vector<Game> all{
        tienLen("TienLen", StandinTienLen::kSouthern),
        tienLen("TienLenMienBac", StandinTienLen::kNorthern),
        {"Phom", 7, [](StandinRobotTables& t) { return StandinPhom::addTo(t); }, {2, 3, 4}, kBothKinds,
         acting(skips()), readPhom},
        {"NewPhom", 13, [](StandinRobotTables& t) { return StandinPhom::addNewTo(t); }, {2, 3, 4}, kBothKinds,
         acting(skips()), readNewPhom},
        banker("BaiCao", StandinBanker::kBaiCao),
        banker("XiZach", StandinBanker::kXiZach),
        {"Poker", StandinPoker::kGameType,
         [](StandinRobotTables& t) { return StandinPoker::addTo(t, nullptr, {}); }, {2, 5, 9},
         {StandinTableKind::Robots}, acting(checksOrFolds), readPoker},
        board("CoTuong", 5, [](StandinRobotTables& t) { return StandinCoTuong::addTo(t); }),
        board("CoVua", 9, [](StandinRobotTables& t) { return StandinCoVua::addTo(t); }),
        board("Caro", StandinCaro::kGameType, [](StandinRobotTables& t) { return StandinCaro::addTo(t); }),
        {"Blocks", StandinBlocks::kGameType, [](StandinRobotTables& t) { return StandinBlocks::addTo(t); }, {2},
         kBothKinds,
         [](StandinRobotTables& table, StandinRobotGame& game, Style style) {
             return reports(table, game, style == Style::Passes);
         },
         readRows},
    };
    for (Game& g : all) {
        const std::string name = g.name;
        g.openerMoves = name.find("TienLen") == 0 || name.find("Phom") != std::string::npos || name == "Poker";
        if (name == "Poker") {
            g.announcesMoney = false;   // the result tells the stacks
            g.leaverRanksLast = false;  // he folds; a robot may lose more
            g.stackOf = [](const StandinRobotGame& poker, int32_t id) {
                return int64_t{dynamic_cast<const StandinPoker&>(poker).stackOf(id)};
            };
        }
        g.playsToAnEnd = name != "CoTuong";
        g.turnless = name == "Blocks";
    }
    return all;
}

std::string list(const std::set<int32_t>& ids) {
    std::string out;
    for (int32_t id : ids) {
        if (!out.empty()) out += ' ';
        out += std::to_string(id);
    }
    return out;
}

}  // namespace

const std::vector<Game>& games() {
    static const std::vector<Game> all = everyGame();
    return all;
}

const Game& game(const std::string& name) {
    for (const Game& g : games())
        if (name == g.name) return g;
    throw std::invalid_argument("no game " + name);
}

void PrintTo(const Game& game, std::ostream* out) { *out << game.name; }

// What a deal is checked against: who was dealt in, with what money, and what happened to whom.
struct Table::Deal {
    std::set<int32_t> dealtIn;
    std::map<int32_t, int64_t> moneyAtStart;
    int32_t owner = -1;
    std::map<int32_t, int64_t> stakes;          // a banker game's
    std::map<int32_t, int64_t> stacksAtStart;  // Poker's
    std::set<int32_t> settledBeforeLeave;      // given a finish or paid
};

Table::Table(const Game& game, StandinTableKind kind, int players, uint32_t seed)
    : game_(game), kind_(kind), players_(players), seed_(seed) {
    signIn_ = StandinSignIn::installOn(server_);
    signIn_->addAccount(kPlayer);
    StandinRobotTables::Options options;
    options.invitationDelay = 2;
    options.robotDelay = 1;
    options.seed = seed;
    options.stepsRunByTests = true;
    tables_ = StandinRobotTables::installOn(server_, signIn_, nullptr, options);
    robotGame_ = game.add(*tables_);
    tables_->watchForTests({[this](const Message& sent, bool toPlayer) {
                                ++sent_;
                                sentToMe_ += toPlayer;
                                Message copy = sent;
                                copy.set_idx(0);
                                game_.read(*tables_, copy, told_);
                            },
                            [this](int32_t id, int64_t amount) { paid_[id] += amount; },
                            [this](const std::string& refused) {
                                if (refusedMove_.empty()) refusedMove_ = std::string(game_.name) + ": " + refused;
                            }});
}

Table::~Table() { tables_->watchForTests({}); }

// The player sits down; robots take the free places from the first until the table holds `players`.
std::string Table::seat() {
    told_ = {};
    tables_->seatForTests(game_.gameType, kind_, kPlayer);
    return tables_->locked([&]() -> std::string {
        int seated = 0;
        for (int i = 0; i < tables_->placeCount(); ++i) {
            auto& place = tables_->place(i);
            if (place.empty() && seated < players_) {
                place.id = 9100 + i;
                place.name = "Robot " + std::to_string(i);
                place.money = 1000000;
                place.robot = place.ready = true;
            }
            seated += !place.empty();
        }
        if (seated != players_) return "seated " + std::to_string(seated);
        robotGame_->seatsChanged(*tables_, false);
        return {};
    });
}

// A deal starts as the owner's start does; a game that deals by itself is left to its steps. False when
// no deal comes.
bool Table::startDeal() {
    const bool dealsItself = tables_->locked([&] {
        if (!tables_->playing() && robotGame_->dealsWhenReady()) tables_->startDeal();
        return !robotGame_->dealsWhenReady();
    });
    if (!dealsItself) return true;
    for (int step = 0; step < kMostSteps; ++step) {
        if (tables_->locked([&] { return tables_->playing(); })) return true;
        if (!tables_->runNextStep()) return false;
    }
    return false;
}

Played Table::play(int deals, Style style, const AtStart& atStart) {
    Played played;
    std::mt19937 pick(seed_);
    int leaveAt = -1;
    bool seated = false;
    while (played.deals < deals) {
        if (!seated) {
            played.fault = seat();
            if (!played.fault.empty()) break;
            // The first deal at a table comes before any of its steps, so that no robot of the loop's own
            // sits down.
            tables_->locked([&] { tables_->startDeal(); });
            seated = true;
            leaveAt = static_cast<int>(pick() % kLeaveWithin);
        }
        if (!startDeal()) break;
        const int leaves = played.leaves;
        played.fault = playDeal(style, leaveAt, atStart, played);
        ++played.deals;
        if (!played.fault.empty()) {
            played.fault = "deal " + std::to_string(played.deals) + ": " + played.fault;
            break;
        }
        seated = played.leaves == leaves;
    }
    return played;
}

// One deal from its start to its end (or the player's leave, when leaveAt comes down to 0 in it).
std::string Table::playDeal(Style style, int& leaveAt, const AtStart& atStart, Played& played) {
    Told next;
    next.stakes = std::move(told_.stakes);
    told_ = std::move(next);
    paid_.clear();
    Deal deal;
    const std::string dealt = tables_->locked([&]() -> std::string {
        const auto hands = robotGame_->dealt().hands;
        for (int i = 0; i < tables_->placeCount(); ++i) {
            const auto& place = tables_->place(i);
            const bool holds = i < static_cast<int>(hands.size()) && !hands[static_cast<size_t>(i)].empty();
            if (place.empty() || (!hands.empty() && !holds)) continue;
            deal.dealtIn.insert(place.id);
            deal.moneyAtStart[place.id] = tables_->moneyOf(place);
            if (game_.leaverPaysStakes) {
                const auto told = told_.stakes.find(place.id);
                deal.stakes[place.id] = told == told_.stakes.end() ? tables_->stake() : told->second;
            }
        }
        deal.owner = tables_->place(tables_->ownerPlace()).id;
        played.openers.insert(tables_->turn());
        return atStart ? atStart(*tables_, *robotGame_) : std::string();
    });
    if (!dealt.empty()) return dealt;
    if (game_.stackOf)
        for (int32_t id : deal.dealtIn) deal.stacksAtStart[id] = game_.stackOf(*robotGame_, id);

    int actedAt = -1;  // the player's turn he has played his part of
    for (int step = 0; step < kMostSteps; ++step) {
        if (!refusedMove_.empty()) return refusedMove_;
        if (style == Style::Leaves && leaveAt-- == 0) {
            ++played.leaves;
            return leave(deal);
        }
        bool acted = false;
        const bool over = tables_->locked([&] {
            if (!tables_->playing()) return true;
            const bool mine = tables_->turn() == tables_->playerPlace();
            if (game_.turnless || (mine && tables_->playerTurnsStarted() != actedAt)) {
                actedAt = tables_->playerTurnsStarted();
                acted = game_.act(*tables_, *robotGame_, style == Style::Leaves ? Style::Plays : style);
            }
            return !tables_->playing();
        });
        if (over) return checked(deal, -1);
        if ((!acted || game_.turnless) && !tables_->runNextStep()) return "nothing is due and nobody plays";
    }
    return "the deal never ends";
}

// The player leaves; then every step still due runs, and nothing of the table may reach him.
std::string Table::leave(Deal& deal) {
    deal.settledBeforeLeave = told_.finished;
    for (const auto& [id, amount] : paid_) deal.settledBeforeLeave.insert(id);
    const int sentToMe = sentToMe_;
    tables_->leaveForTests();
    if (sentToMe_ != sentToMe) return "the leaver's deal is told to him";
    const int sent = sent_;
    for (int step = 0; step < kMostSteps && tables_->runNextStep(); ++step) {
    }
    if (sent_ != sent) return "the table sends on after the leave";
    return checked(deal, kMe);
}

// The first thing wrong with the money and the finishes of the deal just over, or nothing.
std::string Table::checked(const Deal& deal, int32_t leaver) const {
    if (!refusedMove_.empty()) return refusedMove_;
    int64_t sum = 0;
    for (const auto& [id, amount] : paid_) {
        if (!deal.dealtIn.count(id))
            return "paid " + std::to_string(amount) + " to " + std::to_string(id) + ", not dealt in";
        sum += amount;
    }
    if (sum != 0) return "the money sums to " + std::to_string(sum);
    std::set<int32_t> unfinished;
    for (int32_t id : deal.dealtIn)
        if (!told_.finished.count(id)) unfinished.insert(id);
    if (!unfinished.empty()) return "no finish for " + list(unfinished);
    auto paidTo = [this](int32_t id) {
        auto it = paid_.find(id);
        return it == paid_.end() ? int64_t{0} : it->second;
    };
    for (const auto& [id, stack] : told_.stacks) {
        const auto start = deal.stacksAtStart.find(id);
        if (start != deal.stacksAtStart.end() && stack - start->second != paidTo(id))
            return std::to_string(id) + "'s stack goes from " + std::to_string(start->second) + " to " +
                   std::to_string(stack) + ", paid " + std::to_string(paidTo(id));
    }
    for (int32_t id : deal.dealtIn) {
        const auto told = told_.money.find(id);
        const int64_t said = told == told_.money.end() ? 0 : told->second;
        if (game_.announcesMoney && said != paidTo(id))
            return std::to_string(id) + " is told " + std::to_string(said) + " and paid " + std::to_string(paidTo(id));
        // After a leave the robots' places are gone with the table; the accounts keep what they were paid.
        const std::optional<int64_t> now = moneyOf(id);
        if (now && *now - deal.moneyAtStart.at(id) != paidTo(id))
            return std::to_string(id) + "'s money moved by " + std::to_string(*now - deal.moneyAtStart.at(id)) +
                   ", not " + std::to_string(paidTo(id));
    }
    // A leaver settled before he left keeps what he had.
    if (leaver < 0 || deal.settledBeforeLeave.count(leaver)) return {};
    if (paidTo(leaver) > 0) return "the leaver wins " + std::to_string(paidTo(leaver));
    if (game_.leaverPaysStakes && leaver != deal.owner && paidTo(leaver) != -deal.stakes.at(leaver))
        return "the leaver pays " + std::to_string(-paidTo(leaver)) + ", not his stake " +
               std::to_string(deal.stakes.at(leaver));
    for (int32_t id : deal.dealtIn)
        if (game_.leaverPaysStakes && leaver == deal.owner && id != leaver && paidTo(id) != deal.stakes.at(id))
            return "the leaving banker pays " + std::to_string(id) + " " + std::to_string(paidTo(id)) +
                   ", not his stake " + std::to_string(deal.stakes.at(id));
    for (int32_t id : deal.dealtIn)
        if (game_.leaverRanksLast && paidTo(id) < paidTo(leaver))
            return "the leaver pays " + std::to_string(-paidTo(leaver)) + ", less than " + std::to_string(id);
    return {};
}

// An account's balance, else the money of a robot at the table (seated or watching); none once gone.
std::optional<int64_t> Table::moneyOf(int32_t id) const {
    if (auto balance = signIn_->balance(id)) return *balance;
    return tables_->locked([&]() -> std::optional<int64_t> {
        for (int i = 0; i < tables_->placeCount(); ++i)
            if (tables_->place(i).id == id) return tables_->place(i).money;
        for (const auto& watcher : tables_->watchers())
            if (watcher.id == id) return watcher.money;
        return std::nullopt;
    });
}

}  // namespace zuno::standin::playout
