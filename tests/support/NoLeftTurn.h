// A table screen is made once per game and taken again by every join of that game: right after a join
// to a table where no deal or game runs, nothing of a turn may show, whichever table's it was (a turn
// of mine that I left in the middle above all). No name lit or blinking as the player to act, no turn
// bar or clock shown or running, no action of a turn lit, no turn kept in the screen's own state, and
// a card table laid out as between deals (its smaller table, the top-up button showing).
#pragma once

#include <string>
#include <vector>

namespace zuno::ui {
class ViewController;
}

namespace zuno::testing {

// What the table screen shows of a turn, whoever's it is, each finding named (empty when nothing, or
// when the screen is no table).
std::vector<std::string> turnShown(const ui::ViewController& screen);

// The roads' check right after the next join's screen settles: each finding fails the test. Answers
// whether nothing of a turn showed.
bool expectNoLeftTurn(const ui::ViewController* top);

}  // namespace zuno::testing
