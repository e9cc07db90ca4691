// Whose turn the table on top says it is, against the actions of my turn it shows lit: the roads check
// at every settled step that no action of my turn is lit unless it is my turn, by the table screen's
// own state and by the stand-in's, and that the table takes my turn's seconds as the stand-in gives
// them.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zuno::ui {
class ViewController;
}
namespace zuno::standin {
class StandinRobotTables;
class StandinServer;
}

namespace zuno::testing {

// What a table's turn clock shows, whoever's turn it is.
struct TurnClockShown {
    enum class Kind {
        Bar,    // the card tables' and Poker's turn bar
        Count,  // the board tables' count of the seconds left, on the start button
    };
    Kind kind = Kind::Bar;
    // A bar: the part still drawn (1 full, 0 empty). A count: the seconds it shows.
    double left = 0;
    // What is drawn over a quarter of it or more, named; none while it shows whole.
    std::optional<std::string> coveredBy;
};

// What a table screen shows of the turn.
struct TurnOnScreen {
    std::string table;               // the table's kind, for a failure's text
    std::vector<std::string> lit;    // the actions of my turn shown visible and enabled, named
    bool mine = false;               // the screen's own state: the turn is mine
    // The seconds of a turn as the table took them from the server; none where it takes none (Poker's
    // bar runs a length of its own).
    std::optional<double> announcedSeconds;
    // The turn clock as drawn now; none while it shows nothing.
    std::optional<TurnClockShown> clock;
    // The table's own clock ends a turn of mine that runs out with a request of mine (a pass, or at
    // Phom the lay-down it makes for me): southern Tien Len and Phom do, the other tables leave the
    // turn to the server's clock.
    bool passesForMe = false;
};

// The turn as the table screen shows it; none for a screen that is no table or a table without turns
// (Blocks, where both play at once).
std::optional<TurnOnScreen> turnOnScreen(const ui::ViewController& screen);

// The stand-in's own word: the table's game is under way and waits for the player.
bool standinWaitsForMe(const standin::StandinRobotTables& robots);

// The check of a settled step, when the program and the stand-in have each handled all the other
// said: the table on top (if any) lights no action of my turn unless the screen and (when given) the
// stand-in both say the turn is mine; while it is mine on both, the table took the turn's seconds the
// stand-in gives.
void expectActionsOnlyOnMyTurn(const ui::ViewController* top, const standin::StandinServer& server,
                               const standin::StandinRobotTables* robots);

}  // namespace zuno::testing
