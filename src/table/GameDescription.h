#pragma once

#include <memory>
#include <string>

#include "lobby/GameRegistry.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/ViewController.h"
#include "shell/ZunoOnlineAppDelegate.h"
#include "table/TableHandOver.h"
#include "table/TienLenPlayer.h"

namespace zuno {

// What a game's descriptor takes from its table screen's slot: the screen of the run, and which
// screens are the game's.
template <class Screen>
void describeScreen(GameDescriptor& game, std::shared_ptr<Screen> (*slot)()) {
    game.screen = [slot] { return std::static_pointer_cast<ui::ViewController>(slot()); };
    game.ownsScreen = [](const ui::ViewController& screen) { return dynamic_cast<const Screen*>(&screen) != nullptr; };
}

// The navigation stack the table hand-overs pop (none before the application launched).
inline std::shared_ptr<ui::NavigationController> tableNavigation() {
    auto delegate = ZunoOnlineAppDelegate::current();
    return delegate ? delegate->navigationController : nullptr;
}

// How a card game's hand-over reaches its screen in the registry's slot (once the screen is the
// game's table screen) and opens it on a join.
template <class Screen, class View>
TableScreenAccess<Screen, TienLenPlayerPtr> cardTableAccess(
    std::shared_ptr<View> (*getView)(), void (*show)(int8_t, int8_t, int32_t, int32_t, std::vector<PlayerPtr>)) {
    return {[getView] { return std::dynamic_pointer_cast<Screen>(getView()); },
            [show](int8_t room, int8_t board, int32_t owner, int32_t money, const std::vector<TienLenPlayerPtr>& players) {
                show(room, board, owner, money, {players.begin(), players.end()});
            },
            tableNavigation};
}

}  // namespace zuno
