#pragma once

#include <memory>

#include "games/board/BoardTableScreen.h"
#include "games/board/BoardTableService.h"
#include "lobby/GameRegistry.h"
#include "shell/Resources.h"
#include "shell/ZunoOnlineAppDelegate.h"
#include "table/GameDescription.h"

namespace zuno {

// What the two-player board games describe alike: a draw answered through the game's service.
template <class Screen>
GameDescriptor boardGame(GameDescriptor game, std::shared_ptr<Screen> (*slot)(), BoardTableService& (*service)()) {
    describeScreen(game, slot);
    game.answerDraw = [service](int8_t room, int8_t board, bool accept) {
        service().answerDrawWithRoomId(room, board, accept);
    };
    return game;
}

// A resignation (all but Blocks) marks the screen as losing until the server answers.
template <class Screen>
void describeResignation(GameDescriptor& game, std::shared_ptr<Screen> (*slot)(), BoardTableService& (*service)()) {
    game.resign = [slot, service] {
        auto view = slot();
        if (!view) return;
        view->setIsLosing(true);
        service().requestLoseWithRoomId(view->roomID(), view->boardID());
        if (view->btnLose) view->btnLose->setTitle(Resources::getInstance().textForKey("ZUNO_pleaseWait"));
    };
}

// How a board game's logic handler reaches its screen: the screen's slot, its opening from a join
// reply and the application's navigation stack.
template <class Screen>
BoardScreenAccess boardScreenAccess(std::shared_ptr<Screen> (*slot)(),
                                    void (*show)(int8_t, int8_t, int32_t, int32_t, std::vector<PlayerPtr>)) {
    return {[slot] { return std::static_pointer_cast<BoardTableScreen>(slot()); },
            [show](int8_t room, int8_t board, int32_t owner, int32_t money, const ChessPlayers& players) {
                show(room, board, owner, money, std::vector<PlayerPtr>(players.begin(), players.end()));
            },
            [] {
                auto delegate = ZunoOnlineAppDelegate::current();
                return delegate ? delegate->navigationController : nullptr;
            }};
}

}  // namespace zuno
