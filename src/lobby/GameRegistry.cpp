#include "lobby/GameRegistry.h"

#include <deque>

#include "lobby/ILobbyShell.h"

namespace zuno {

namespace {
// A deque keeps the descriptors where they are while others are added.
std::deque<GameDescriptor>& described() {
    static auto* games = new std::deque<GameDescriptor>();
    return *games;
}

GameDescriptor* findMutable(int8_t type) {
    for (auto& game : described())
        if (game.type == type) return &game;
    return nullptr;
}
}  // namespace

void GameRegistry::add(GameDescriptor game) {
    if (GameDescriptor* same = findMutable(game.type)) {
        *same = std::move(game);
    } else {
        described().push_back(std::move(game));
    }
}

const GameDescriptor* GameRegistry::find(int8_t type) { return findMutable(type); }

std::optional<TableFamily> GameRegistry::currentFamily() {
    const GameDescriptor* game = current();
    return game ? std::optional<TableFamily>(game->family) : std::nullopt;
}

const GameDescriptor* GameRegistry::current() { return find(ILobbyShell::shared()->gameType()); }

const GameDescriptor* GameRegistry::ofScreen(const ui::ViewController* screen) {
    if (!screen) return nullptr;
    for (const auto& game : described())
        if (game.ownsScreen && game.ownsScreen(*screen)) return &game;
    return nullptr;
}

std::vector<const GameDescriptor*> GameRegistry::games() {
    std::vector<const GameDescriptor*> all;
    for (const auto& game : described()) all.push_back(&game);
    return all;
}

void GameRegistry::clearForTests() { described().clear(); }

}  // namespace zuno
