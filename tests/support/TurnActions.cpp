#include "support/TurnActions.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <sstream>

#include "games/banker/BaiCaoView.h"
#include "games/banker/XiZachView.h"
#include "games/board/BoardTableView.h"
#include "games/phom/PhomView.h"
#include "games/poker/PokerView.h"
#include "games/tienlen/TienLenView.h"
#include "lobby/GameRegistry.h"
#include "platform/core/RunLoop.h"
#include "platform/ui/Control.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "standin-server/StandinRobotTables.h"

namespace zuno::testing {

namespace {

// Long enough for a message on its way over the loopback to arrive and be handled on a busy machine.
constexpr double kMessageWaitSeconds = 3.0;

// A player sees it and may press it: shown (with everything it lies in), on the window, enabled.
bool lit(const std::shared_ptr<ui::View>& view) {
    if (!view || !view->window()) return false;
    if (auto control = std::dynamic_pointer_cast<ui::Control>(view); control && !control->isEnabled()) return false;
    for (auto v = view; v; v = v->superview())
        if (v->isHidden() || v->alpha() < 0.01 || !v->isUserInteractionEnabled()) return false;
    return true;
}

std::string titleOf(const std::shared_ptr<ui::Button>& button) {
    return button ? button->titleForState(ui::ControlState::Normal).value_or("") : std::string();
}

// The button, lit with the title of one of the keys (a role of my turn): named by that title.
void addIfLitAs(std::vector<std::string>& out, const std::shared_ptr<ui::Button>& button, const char* outlet,
                std::initializer_list<const char*> keys) {
    if (!lit(button)) return;
    const std::string title = titleOf(button);
    for (const char* key : keys)
        if (title == Resources::getInstance().textForKey(key)) out.push_back(std::string(outlet) + " " + key);
}

void addIfLit(std::vector<std::string>& out, const std::shared_ptr<ui::View>& view, const char* name) {
    if (lit(view)) out.push_back(name);
}

bool isMe(int32_t id) { return id != -1 && id == UIController::myId(); }

// The game the screen plays: the session's, where it owns the screen (a game built on another's screen
// would answer as that one).
const GameDescriptor* gameOf(const ui::ViewController& screen) {
    const GameDescriptor* current = GameRegistry::current();
    if (current && current->ownsScreen && current->ownsScreen(screen)) return current;
    return GameRegistry::ofScreen(&screen);
}

// The card tables time a turn by their interval; a turn of no length shows no running bar.
std::optional<double> cardTableBar(const GameCardView& table) {
    return table.interval() > 0 ? std::optional<double>(table.interval()) : std::nullopt;
}

// Each kind of table: how its screen shows the turn. The card tables' start button changes its role
// (start, ready, continue are not turn actions); Tien Len's pick button and the Xi Zach deck stay shown
// through the deal and act only on my turn, so they are not counted; the board tables keep their
// draw and resignation for both players through a game (a draw asked out of turn is refused there).
std::optional<TurnOnScreen> read(const ui::ViewController& screen) {
    const GameDescriptor* game = gameOf(screen);
    if (!game) return std::nullopt;
    TurnOnScreen turn;
    turn.passesForMe = bool(game->passForMe);
    if (auto t = dynamic_cast<const TienLenView*>(&screen)) {
        turn.table = "Tien Len";
        addIfLitAs(turn.lit, t->btnStart, "btnStart", {"ZUNO_fire", "ZUNO_skip"});
        turn.mine = t->isStartGame() && isMe(t->currentPlayer());
        turn.barSeconds = cardTableBar(*t);
    } else if (auto p = dynamic_cast<const PhomView*>(&screen)) {
        turn.table = "Phom";
        addIfLitAs(turn.lit, p->btnStart, "btnStart",
                   {"ZUNO_fire", "ZUNO_discard", "ZUNO_eat", "ZUNO_haPhom", "ZUNO_guiPhom"});
        addIfLitAs(turn.lit, p->btnConfig, "btnConfig", {"ZUNO_get"});
        addIfLit(turn.lit, p->btnSkip, "btnSkip");
        turn.mine = p->isStartGame() && !p->isGameEnd() && isMe(p->currentPlayer());
        turn.barSeconds = cardTableBar(*p);
    } else if (auto b = dynamic_cast<const BaiCaoView*>(&screen)) {
        // Everyone turns his cards at once while the deal runs: the deal is my turn.
        turn.table = "Bai Cao";
        addIfLitAs(turn.lit, b->btnStart, "btnStart", {"ZUNO_showAllCards"});
        addIfLitAs(turn.lit, b->btnAutoSelected, "btnAutoSelected", {"ZUNO_showOnceCard"});
        turn.mine = b->isStartGame() && !b->isGameEnd();
        turn.barSeconds = cardTableBar(*b);
    } else if (auto x = dynamic_cast<const XiZachView*>(&screen)) {
        turn.table = "Xi Zach";
        addIfLitAs(turn.lit, x->btnStart, "btnStart", {"ZUNO_botBai"});
        addIfLitAs(turn.lit, x->btnAutoSelected, "btnAutoSelected", {"ZUNO_dangBai"});
        turn.mine = x->isStartGame() && !x->isGameEnd() && isMe(x->currentPlayer());
        turn.barSeconds = cardTableBar(*x);
    } else if (auto k = dynamic_cast<const PokerView*>(&screen)) {
        turn.table = "Poker";
        for (const auto& [button, name] : {std::pair{k->btnFold, "btnFold"}, {k->btnCheck, "btnCheck"},
                                          {k->btnCall, "btnCall"}, {k->btnRaise, "btnRaise"},
                                          {k->btnBet, "btnBet"}, {k->btnAllIn, "btnAllIn"}})
            addIfLit(turn.lit, button, name);
        addIfLit(turn.lit, k->viewSlider, "viewSlider");
        turn.mine = !k->isGameEnd() && k->poker().isMe(k->poker().nowPlaying);
        turn.barSeconds = PokerView::kTurnSeconds;
    } else if (auto d = dynamic_cast<const BoardTableView*>(&screen); d && game->family == TableFamily::BoardDuel) {
        turn.table = "board";
        turn.mine = d->table().isInBoard && isMe(d->table().turn);
        if (d->table().interval > 0) turn.barSeconds = d->table().interval;
    } else {
        return std::nullopt;
    }
    return turn;
}

std::string describe(const TurnOnScreen& turn) {
    std::ostringstream out;
    out << turn.table << " table, my turn by the screen: " << (turn.mine ? "yes" : "no") << ", lit:";
    for (const auto& name : turn.lit) out << " " << name;
    if (turn.lit.empty()) out << " nothing";
    return out.str();
}

// The stand-in's word where it seats the player at the same game as the screen's.
std::optional<bool> standinSays(const ui::ViewController& screen, const standin::StandinRobotTables* robots) {
    if (!robots) return std::nullopt;
    const GameDescriptor* game = gameOf(screen);
    const bool same = robots->locked([&] {
        const auto* seated = robots->game();
        if (!seated || !game) return false;
        const GameDescriptor* seatedGame = GameRegistry::find(seated->gameType());
        return seatedGame && seatedGame->family == game->family;
    });
    if (!same) return std::nullopt;
    return standinWaitsForMe(*robots);
}

std::optional<int> standinTurnSeconds(const standin::StandinRobotTables& robots) {
    return robots.locked([&] { return robots.playerTurnSeconds(); });
}

}  // namespace

std::optional<TurnOnScreen> turnOnScreen(const ui::ViewController& screen) { return read(screen); }

bool standinWaitsForMe(const standin::StandinRobotTables& robots) {
    return robots.locked([&] { return robots.playing() && robots.turn() == robots.playerPlace(); });
}

bool expectActionsOnlyOnMyTurn(const ui::ViewController* top, const standin::StandinRobotTables* robots) {
    if (!top || !read(*top)) return false;
    // What is wrong with the table now; empty when nothing is.
    auto disagreement = [&]() -> std::string {
        const auto turn = read(*top);
        if (!turn) return {};
        const std::optional<bool> standin = standinSays(*top, robots);
        std::ostringstream out;
        if (!turn->lit.empty() && (!turn->mine || standin == false)) {
            out << "the turn and its actions disagree: " << describe(*turn);
            if (standin) out << ", by the stand-in: " << (*standin ? "yes" : "no");
            return out.str();
        }
        if (turn->mine && standin == true && turn->barSeconds) {
            const auto seconds = standinTurnSeconds(*robots);
            if (seconds && *seconds != *turn->barSeconds) {
                out << "the turn bar and the turn disagree: " << turn->table << " table, my turn bar runs "
                    << *turn->barSeconds << " s, the stand-in gives the turn " << *seconds << " s";
                return out.str();
            }
        }
        return {};
    };
    if (disagreement().empty()) return false;
    // Posted work only: the clocks stand still, so no turn runs out while the messages come.
    if (sys::RunLoop::main().runUntil([&] { return disagreement().empty(); }, kMessageWaitSeconds)) return true;
    const std::string what = disagreement();
    if (what.empty()) return true;  // they came to agree just now
    ADD_FAILURE() << what;
    return false;
}

}  // namespace zuno::testing
