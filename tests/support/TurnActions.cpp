#include "support/TurnActions.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <initializer_list>
#include <memory>
#include <sstream>

#include "games/banker/BaiCaoView.h"
#include "games/banker/XiZachView.h"
#include "games/board/BoardTableView.h"
#include "games/phom/PhomMessageHandler.h"
#include "games/phom/PhomView.h"
#include "games/poker/PokerView.h"
#include "games/tienlen/TienLenMessageHandler.h"
#include "games/tienlen/TienLenView.h"
#include "lobby/GameRegistry.h"
#include "table/CardView.h"
#include "platform/core/RunLoop.h"
#include "platform/ui/Control.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/ProgressView.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "standin-server/StandinRobotTables.h"
#include "standin-server/StandinServer.h"
#include "support/LayoutCheck.h"
#include "support/MessagesInFlight.h"

namespace zuno::testing {

namespace {

// A player sees it: on the window, shown with everything it lies in.
bool shown(const std::shared_ptr<ui::View>& view) {
    if (!view || !view->window()) return false;
    for (auto v = view; v; v = v->superview())
        if (v->isHidden() || v->alpha() < 0.01) return false;
    return true;
}

// What a view draws over what lies under it (a picture, a text, a card, a background).
bool drawsItself(const ui::View& view) {
    if (view.isHidden() || view.alpha() < 0.01) return false;
    if (auto picture = dynamic_cast<const ui::ImageView*>(&view); picture && picture->image()) return true;
    if (auto label = dynamic_cast<const ui::Label*>(&view); label && !label->text().value_or("").empty()) return true;
    if (dynamic_cast<const CardView*>(&view)) return true;
    const auto background = view.backgroundColor();
    return background && background->a > 0.1;
}

// What is drawn after the view (over it in the window) and hides a quarter of it or more; none.
const ui::View* drawnOver(const ui::View& view) {
    const ui::Rect frame = view.convertRectToView(view.bounds(), nullptr);
    const double quarter = frame.width() * frame.height() / 4;
    std::function<const ui::View*(const ui::View&)> hiding = [&](const ui::View& over) -> const ui::View* {
        // A sheet the player opened over the table covers the whole table, the turn with it.
        if (over.isHidden() || over.alpha() < 0.01 || over.viewController()) return nullptr;
        const ui::Rect overlap = over.convertRectToView(over.bounds(), nullptr).intersection(frame);
        if (drawsItself(over) && overlap.width() * overlap.height() >= quarter) return &over;
        for (const auto& sub : over.subviews())
            if (const ui::View* found = hiding(*sub)) return found;
        return nullptr;
    };
    for (const ui::View* v = &view; v->superviewPointer(); v = v->superviewPointer()) {
        bool after = false;
        for (const auto& sibling : v->superviewPointer()->subviews()) {
            if (after)
                if (const ui::View* found = hiding(*sibling)) return found;
            if (sibling.get() == v) after = true;
        }
    }
    return nullptr;
}

// A player sees it and may press it: shown, enabled, and taking touches with everything it lies in.
bool lit(const std::shared_ptr<ui::View>& view) {
    if (!shown(view)) return false;
    if (auto control = std::dynamic_pointer_cast<ui::Control>(view); control && !control->isEnabled()) return false;
    for (auto v = view; v; v = v->superview())
        if (!v->isUserInteractionEnabled()) return false;
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
std::optional<double> cardTableSeconds(const GameCardView& table) {
    return table.interval() > 0 ? std::optional<double>(table.interval()) : std::nullopt;
}

// A bar as drawn: the part left, while it shows; what lies over it, where something does.
std::optional<TurnClockShown> barShown(const std::shared_ptr<ui::ProgressView>& bar) {
    if (!shown(bar)) return std::nullopt;
    TurnClockShown clock{TurnClockShown::Kind::Bar, bar->progress(), std::nullopt};
    if (const ui::View* over = drawnOver(*bar)) {
        const ui::Rect frame = over->convertRectToView(over->bounds(), nullptr);
        std::ostringstream named;
        named << describeView(*over) << " at " << frame.x() << "," << frame.y() << " " << frame.width() << "x"
              << frame.height();
        if (over->superviewPointer()) named << " in " << describeView(*over->superviewPointer());
        clock.coveredBy = named.str();
    }
    return clock;
}

// The board tables' count on the start button ("mm:ss") while a game runs.
std::optional<TurnClockShown> countShown(const std::shared_ptr<ui::Button>& start) {
    if (!shown(start)) return std::nullopt;
    const std::string title = titleOf(start);
    unsigned minutes = 0, seconds = 0;
    char end = 0;
    if (title.size() != 5 || std::sscanf(title.c_str(), "%2u:%2u%c", &minutes, &seconds, &end) != 2)
        return std::nullopt;
    return TurnClockShown{TurnClockShown::Kind::Count, minutes * 60.0 + seconds, std::nullopt};
}

// The games whose table passes a turn of mine that runs out (Phom may lay down for me instead).
bool passesForMe(const GameDescriptor& game) {
    return game.type == TienLenMessageHandler::kGameType || game.type == PhomMessageHandler::kGameType;
}

// Each kind of table: how its screen shows the turn. The card tables' start button changes its role
// (start, ready, continue are not turn actions); Tien Len's pick button and the Xi Zach deck stay shown
// through the deal and act only on my turn, so they are not counted; the board tables keep their
// draw and resignation for both players through a game (a draw asked out of turn is refused there).
std::optional<TurnOnScreen> read(const ui::ViewController& screen) {
    const GameDescriptor* game = gameOf(screen);
    if (!game) return std::nullopt;
    TurnOnScreen turn;
    turn.passesForMe = passesForMe(*game);
    if (auto t = dynamic_cast<const TienLenView*>(&screen)) {
        turn.table = game->type == TienLenMessageHandler::kGameType ? "Tien Len" : "Tien Len Mien Bac";
        addIfLitAs(turn.lit, t->btnStart, "btnStart", {"ZUNO_fire", "ZUNO_skip"});
        turn.mine = t->isStartGame() && isMe(t->currentPlayer());
        turn.announcedSeconds = cardTableSeconds(*t);
        turn.clock = barShown(t->progressTimer);
    } else if (auto p = dynamic_cast<const PhomView*>(&screen)) {
        turn.table = game->type == PhomMessageHandler::kGameType ? "Phom" : "new Phom";
        addIfLitAs(turn.lit, p->btnStart, "btnStart",
                   {"ZUNO_fire", "ZUNO_discard", "ZUNO_eat", "ZUNO_haPhom", "ZUNO_guiPhom"});
        addIfLitAs(turn.lit, p->btnConfig, "btnConfig", {"ZUNO_get"});
        addIfLit(turn.lit, p->btnSkip, "btnSkip");
        turn.mine = p->isStartGame() && !p->isGameEnd() && isMe(p->currentPlayer());
        turn.announcedSeconds = cardTableSeconds(*p);
        turn.clock = barShown(p->progressTimer);
    } else if (auto b = dynamic_cast<const BaiCaoView*>(&screen)) {
        // Everyone turns his cards at once while the deal runs: the deal is my turn.
        turn.table = "Bai Cao";
        addIfLitAs(turn.lit, b->btnStart, "btnStart", {"ZUNO_showAllCards"});
        addIfLitAs(turn.lit, b->btnAutoSelected, "btnAutoSelected", {"ZUNO_showOnceCard"});
        turn.mine = b->isStartGame() && !b->isGameEnd();
        turn.announcedSeconds = cardTableSeconds(*b);
        turn.clock = barShown(b->progressTimer);
    } else if (auto x = dynamic_cast<const XiZachView*>(&screen)) {
        turn.table = "Xi Zach";
        addIfLitAs(turn.lit, x->btnStart, "btnStart", {"ZUNO_botBai"});
        addIfLitAs(turn.lit, x->btnAutoSelected, "btnAutoSelected", {"ZUNO_dangBai"});
        turn.mine = x->isStartGame() && !x->isGameEnd() && isMe(x->currentPlayer());
        turn.announcedSeconds = cardTableSeconds(*x);
        turn.clock = barShown(x->progressTimer);
    } else if (auto k = dynamic_cast<const PokerView*>(&screen)) {
        turn.table = "Poker";
        for (const auto& [button, name] : {std::pair{k->btnFold, "btnFold"}, {k->btnCheck, "btnCheck"},
                                          {k->btnCall, "btnCall"}, {k->btnRaise, "btnRaise"},
                                          {k->btnBet, "btnBet"}, {k->btnAllIn, "btnAllIn"}})
            addIfLit(turn.lit, button, name);
        addIfLit(turn.lit, k->viewSlider, "viewSlider");
        turn.mine = !k->isGameEnd() && k->poker().isMe(k->poker().nowPlaying);
        turn.clock = barShown(k->pokerTime);
    } else if (auto d = dynamic_cast<const BoardTableView*>(&screen); d && game->family == TableFamily::BoardDuel) {
        turn.table = "board";
        turn.mine = d->table().isInBoard && isMe(d->table().turn);
        if (d->table().interval > 0) turn.announcedSeconds = d->table().interval;
        if (d->table().isInBoard) turn.clock = countShown(d->btnStart);
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

// What the stand-in says of the turn, and what it had sent the player when it said it.
struct StandinWord {
    std::optional<bool> mine;  // none where it seats the player at no game of the screen's
    std::optional<int> seconds;
    uint64_t sent = 0;
};

StandinWord standinWord(const ui::ViewController& screen, const standin::StandinServer& server,
                        const standin::StandinRobotTables* robots) {
    const auto latest = server.latestClient();
    StandinWord word;
    if (!robots) {
        word.sent = latest ? latest->sentBodyBytes() : 0;
        return word;
    }
    const GameDescriptor* game = gameOf(screen);
    robots->locked([&] {
        const auto session = robots->playerSession();
        word.sent = session ? session->sentBodyBytes() : latest ? latest->sentBodyBytes() : 0;
        const auto* seated = robots->game();
        const GameDescriptor* seatedGame = seated ? GameRegistry::find(seated->gameType()) : nullptr;
        if (!game || !seatedGame || seatedGame->family != game->family) return;
        word.mine = robots->playing() && robots->turn() == robots->playerPlace();
        word.seconds = robots->playerTurnSeconds();
    });
    return word;
}

// What is wrong with the table against the stand-in's word; empty when nothing is.
std::string disagreement(const TurnOnScreen& turn, const StandinWord& word) {
    std::ostringstream out;
    if (!turn.lit.empty() && (!turn.mine || word.mine == false)) {
        out << "the turn and its actions disagree: " << describe(turn);
        if (word.mine) out << ", by the stand-in: " << (*word.mine ? "yes" : "no");
        return out.str();
    }
    if (turn.mine && word.mine == true && turn.announcedSeconds && (!turn.clock || turn.clock->coveredBy)) {
        out << "my turn runs and its clock does not show: " << turn.table << " table, its turn bar "
            << (turn.clock ? "under " + *turn.clock->coveredBy : std::string("hidden"));
        return out.str();
    }
    if (turn.mine && word.mine == true && turn.announcedSeconds && word.seconds &&
        *word.seconds != *turn.announcedSeconds) {
        out << "the table's turn and the stand-in's disagree: " << turn.table << " table, my turn takes "
            << *turn.announcedSeconds << " s, the stand-in gives it " << *word.seconds << " s";
    }
    return out.str();
}

}  // namespace

std::optional<TurnOnScreen> turnOnScreen(const ui::ViewController& screen) { return read(screen); }

bool standinWaitsForMe(const standin::StandinRobotTables& robots) {
    return robots.locked([&] { return robots.playing() && robots.turn() == robots.playerPlace(); });
}

void expectActionsOnlyOnMyTurn(const ui::ViewController* top, const standin::StandinServer& server,
                               const standin::StandinRobotTables* robots) {
    const auto turn = top ? read(*top) : std::nullopt;
    if (!turn) return;
    const StandinWord word = standinWord(*top, server, robots);
    const std::string wrong = disagreement(*turn, word);
    if (wrong.empty()) return;
    ADD_FAILURE() << wrong
                  << (programHeardExactly(word.sent) ? "; the program had handled all the stand-in had sent"
                                                     : "; a message of the stand-in was still on its way");
}

}  // namespace zuno::testing
