#pragma once

#include <memory>
#include <string>

#include "lobby/GameRegistry.h"
#include "platform/ui/ViewController.h"

namespace zuno {

// What a game's descriptor takes from its table screen's slot: the screen of the run, and which
// screens are the game's.
template <class Screen>
void describeScreen(GameDescriptor& game, std::shared_ptr<Screen> (*slot)()) {
    game.screen = [slot] { return std::static_pointer_cast<ui::ViewController>(slot()); };
    game.ownsScreen = [](const ui::ViewController& screen) { return dynamic_cast<const Screen*>(&screen) != nullptr; };
}

}  // namespace zuno
