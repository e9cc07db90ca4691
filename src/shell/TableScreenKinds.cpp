#include "shell/TableScreenKinds.h"

#include "lobby/GameRegistry.h"
#include "lobby/ScreenEvents.h"
#include "platform/ui/ViewController.h"

namespace zuno {

bool isBlocksScreen(const ui::ViewController* screen) {
    const GameDescriptor* game = GameRegistry::ofScreen(screen);
    return game && game->family == TableFamily::Blocks;
}

// Every table screen takes the table's events.
bool isTableScreen(const ui::ViewController* screen) { return dynamic_cast<const TableScreenEvents*>(screen); }

bool isTableScreenWithoutBlocks(const ui::ViewController* screen) {
    return isTableScreen(screen) && !isBlocksScreen(screen);
}

}  // namespace zuno
