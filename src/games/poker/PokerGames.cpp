#include "games/poker/PokerGames.h"

#include <cstdio>

#include "games/poker/PokerLogicHandler.h"
#include "games/poker/PokerMessageHandler.h"
#include "games/poker/PokerService.h"
#include "games/poker/PokerView.h"
#include "platform/core/Log.h"
#include "platform/ui/NavigationController.h"
#include "shell/ZunoOnlineAppDelegate.h"
#include "table/GameController.h"
#include "table/GameDescription.h"

namespace zuno {

namespace {
constexpr const char* kInterfaceFile = "PokerView";

// The hand-over reaches the Poker table once its screen is made.
PokerScreenAccess screenAccess() {
    return {[] { return std::static_pointer_cast<PokerTableEvents>(GameController::getPokerView()); },
            [](int8_t room, int8_t board, int32_t owner, int32_t money, const std::vector<TienLenPlayerPtr>& players) {
                GameController::showPokerScreenWithRoom(room, board, owner, money, {players.begin(), players.end()});
            },
            [] {
                auto delegate = ZunoOnlineAppDelegate::current();
                return delegate ? delegate->navigationController : nullptr;
            }};
}
}  // namespace

void GameController::showPokerScreenWithRoom(int8_t room, int8_t board, int32_t owner, int32_t money, Players players) {
    auto screen = madeOnFirstJoin(getPokerView, setPokerView, kInterfaceFile);
    char description[64];
    std::snprintf(description, sizeof description, "<PokerView: %p>", static_cast<void*>(screen.get()));
    sys::Log::line(description);
    openCardTable(screen, true, room, board, owner, money, std::move(players));
}

GameDescriptor pokerGame() {
    GameDescriptor game{.type = PokerMessageHandler::kGameType,
                        .titleKey = "ZUNO_poker",
                        .achievementTitleKey = "ZUNO_poker",
                        .roomNameKey = "ZUNO_roomPoker",
                        .family = TableFamily::Poker,
                        .screenClass = "PokerView",
                        .interfaceFile = kInterfaceFile};
    describeScreen(game, GameController::getPokerView);
    game.openTable = GameController::showPokerScreenWithRoom;
    game.messageHandler = [] { return PokerMessageHandler::getInstance(); };
    game.start = [] { PokerLogicHandler::getInstance()->setScreenAccess(screenAccess()); };
    game.beforeLeave = [] {
        auto poker = GameController::getPokerView();
        if (poker && poker->isZoom) poker->hideTimer();
    };
    game.observe = [](bool watch) {
        if (auto poker = GameController::getPokerView())
            PokerService::getInstance().doSendObserver(poker->roomId(), poker->boardId(), watch ? 1 : 0);
    };
    return game;
}

}  // namespace zuno
