#include "table/TableScreenKinds.h"

#include "lobby/GameRegistry.h"
#include "platform/ui/ViewController.h"
#include "table/TableSeating.h"

namespace zuno {

bool isBlocksScreen(const ui::ViewController* screen) {
    const GameDescriptor* game = GameRegistry::ofScreen(screen);
    return game && game->family == TableFamily::Blocks;
}

// Every table screen seats its players as a card table or as a board table.
bool isTableScreen(const ui::ViewController* screen) {
    return dynamic_cast<const CardTableSeating*>(screen) || dynamic_cast<const BoardTableSeating*>(screen);
}

bool isTableScreenWithoutBlocks(const ui::ViewController* screen) {
    return isTableScreen(screen) && !isBlocksScreen(screen);
}

}  // namespace zuno
