#include "support/ClientReset.h"

#include "client/Games.h"
#include "shell/LobbyShell.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "table/GameController.h"

namespace zuno::testing {

void resetClientState() {
    UIController::resetSessionState();
    Resources::resetForTests();
    GameController::resetForTests();
    describeGames();
    LobbyShell::install();
}

}  // namespace zuno::testing
