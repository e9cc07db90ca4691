#include "support/NoLeftTurn.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "games/banker/XiZachView.h"
#include "games/blocks/BlocksView.h"
#include "games/board/BoardTableView.h"
#include "games/cotuong/CoTuongView.h"
#include "games/covua/CoVuaView.h"
#include "games/phom/PhomView.h"
#include "games/poker/PokerView.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "support/TurnActions.h"
#include "table/GameCardView.h"

namespace zuno::testing {

namespace {

// The colour the interface files give the seat names off turn: white at the four-seat card tables
// (Tien Len's and Phom's files), yellow at Poker.
const ui::Color kCardTableName = ui::Color::white();
const ui::Color kPokerName = ui::Color::yellow();

bool onScreen(const std::shared_ptr<ui::View>& view) {
    for (auto v = view; v; v = v->superview())
        if (v->isHidden() || v->alpha() < 0.01) return false;
    return view && view->window();
}

// A seat's name is lit as the player to act when it shows in another colour than a name off turn, or
// is hidden while the seat is taken (the dark beat of a blink).
void addIfNameLit(std::vector<std::string>& out, const std::shared_ptr<ui::Label>& name, const std::string& seat,
                  const ui::Color& offTurn) {
    if (!name || name->text().value_or("").empty()) return;
    if (name->isHidden()) out.push_back("the name at " + seat + " hidden, as a blink hides it");
    else if (name->textColor() != offTurn) out.push_back("the name at " + seat + " lit as the player to act");
}

void addIf(std::vector<std::string>& out, bool shows, const std::string& what) {
    if (shows) out.push_back(what);
}

void readCardTable(const GameCardView& table, std::vector<std::string>& out) {
    const std::shared_ptr<ui::Label> names[] = {table.lblName0, table.lblName1, table.lblName2, table.lblName3};
    for (int seat = 0; seat < GameCardView::kSeats; ++seat)
        addIfNameLit(out, names[seat], "seat " + std::to_string(seat), kCardTableName);
    addIf(out, table.isTurnBarRunning(), "the turn bar runs");
    addIf(out, table.isTurnClockRunning(), "the turn clock runs");
    addIf(out, table.currentPlayer() != -1,
          "the screen keeps a turn, of player " + std::to_string(table.currentPlayer()));
    // Between deals the table lies at its smaller size, the top-up button showing.
    addIf(out, table.imgBoard && table.imgBoard->frame() != GameCardView::boardFrame(false),
          "the table drawn at its size during a deal");
    addIf(out, table.btnNapWin && !onScreen(table.btnNapWin), "the top-up button hidden, as during a deal");
    if (auto phom = dynamic_cast<const PhomView*>(&table)) {
        const int32_t toAct = phom->phom().currentPlayers;
        addIf(out, toAct != -1, "the screen keeps a player to act, " + std::to_string(toAct));
    }
    if (auto xiZach = dynamic_cast<const XiZachView*>(&table)) {
        addIf(out, xiZach->nextPlayer != -1,
              "the screen keeps a player to draw, " + std::to_string(xiZach->nextPlayer));
        addIf(out, onScreen(xiZach->btnBaiBot), "the deck to draw from shows");
    }
}

void readPoker(const PokerView& table, std::vector<std::string>& out) {
    for (size_t seat = 0; seat < table.lblName.size(); ++seat)
        addIfNameLit(out, table.lblName[seat], "seat " + std::to_string(seat), kPokerName);
    addIf(out, table.isCounting(), "the turn clock runs");
}

void readBoardTable(const BoardTableView& table, std::vector<std::string>& out) {
    for (const auto& [timer, seat] : {std::pair{table.imgTimer0, "seat 0"}, {table.imgTimer2, "seat 2"}}) {
        if (!timer) continue;
        addIf(out, onScreen(timer), std::string("the move timer at ") + seat + " shows");
        addIf(out, timer->isAnimating(), std::string("the move timer at ") + seat + " runs");
    }
    addIf(out, table.table().isInBoard, "the screen keeps a game running");
    addIf(out, table.table().turn != -1, "the screen keeps a turn, of player " + std::to_string(table.table().turn));
    if (auto coTuong = dynamic_cast<const CoTuongView*>(&table)) {
        const CCBoard& board = *coTuong->board;
        addIf(out, !board.isEmpty() && board.heldPieceFrame(), "a piece shows held");
        addIf(out, !board.hints().empty(), "the held piece's move hints show");
    }
    if (auto coVua = dynamic_cast<const CoVuaView*>(&table))
        addIf(out, !coVua->board->marks().empty(), "marks of a selected piece or a move show on the board");
    if (auto blocks = dynamic_cast<const BlocksView*>(&table)) addIf(out, blocks->isPlaying(), "the well plays a game");
}

}  // namespace

std::vector<std::string> turnShown(const ui::ViewController& screen) {
    std::vector<std::string> out;
    if (const auto turn = turnOnScreen(screen)) {
        for (const auto& action : turn->lit) out.push_back("an action of a turn lit: " + action);
        addIf(out, turn->mine, "the screen says the turn is mine");
        if (turn->clock) {
            std::ostringstream clock;
            clock << (turn->clock->kind == TurnClockShown::Kind::Bar ? "a turn bar shows, " : "a turn count shows, ")
                  << turn->clock->left << " left";
            out.push_back(clock.str());
        }
    }
    if (auto card = dynamic_cast<const GameCardView*>(&screen)) readCardTable(*card, out);
    else if (auto poker = dynamic_cast<const PokerView*>(&screen)) readPoker(*poker, out);
    else if (auto board = dynamic_cast<const BoardTableView*>(&screen)) readBoardTable(*board, out);
    return out;
}

bool expectNoLeftTurn(const ui::ViewController* top) {
    if (!top) return true;
    const auto shown = turnShown(*top);
    for (const auto& finding : shown) ADD_FAILURE() << "after a join, " << finding;
    return shown.empty();
}

}  // namespace zuno::testing
