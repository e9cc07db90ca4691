#pragma once

namespace zuno {
namespace ui {
class ViewController;
}

// The game-table screens (those taking the table's events). The top bar, the navigation rules and the
// dialog actions tell them apart from the lobby screens; several rules leave the Blocks screen out.
bool isTableScreen(const ui::ViewController* screen);
bool isTableScreenWithoutBlocks(const ui::ViewController* screen);
bool isBlocksScreen(const ui::ViewController* screen);

}  // namespace zuno
