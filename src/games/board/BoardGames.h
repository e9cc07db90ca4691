#pragma once

#include <memory>

#include "games/board/BoardTableService.h"
#include "lobby/GameRegistry.h"
#include "shell/Resources.h"
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

}  // namespace zuno
