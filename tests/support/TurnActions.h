// Whose turn the table on top says it is, against the actions of my turn it shows lit: the roads check
// at every settled step that no action of my turn is lit unless it is my turn, by the table screen's
// own state and by the stand-in's, and that my turn bar runs as long as the stand-in's clock gives
// the turn.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zuno::ui {
class ViewController;
}
namespace zuno::standin {
class StandinRobotTables;
}

namespace zuno::testing {

// What a table screen shows of the turn.
struct TurnOnScreen {
    std::string table;               // the table's kind, for a failure's text
    std::vector<std::string> lit;    // the actions of my turn shown visible and enabled, named
    bool mine = false;               // the screen's own state: the turn is mine
    // How long my turn bar runs from full to empty, in seconds; none where the table shows no bar.
    std::optional<double> barSeconds;
    // The table's clock passes my turn for me when my bar runs out.
    bool passesForMe = false;
};

// The turn as the table screen shows it; none for a screen that is no table or a table without turns
// (Blocks, where both play at once).
std::optional<TurnOnScreen> turnOnScreen(const ui::ViewController& screen);

// The stand-in's own word: the table's game is under way and waits for the player.
bool standinWaitsForMe(const standin::StandinRobotTables& robots);

// The check of a settled step: the table on top (if any) lights no action of my turn unless the
// screen and (when given) the stand-in both say the turn is mine; while it is mine on both, my turn
// bar runs as long as the stand-in's clock gives the turn. A message on its way parts them for a
// moment: the program's posted work is run, its clocks standing still, until they agree; only a
// mismatch that stays fails. Answers whether it waited and they came to agree (the screen may have
// changed meanwhile).
bool expectActionsOnlyOnMyTurn(const ui::ViewController* top, const standin::StandinRobotTables* robots);

}  // namespace zuno::testing
