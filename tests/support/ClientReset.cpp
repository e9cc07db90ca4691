#include "support/ClientReset.h"

#include "shell/LobbyShell.h"
#include "shell/Resources.h"
#include "shell/UIController.h"

namespace zuno::testing {

void resetClientState() {
    UIController::resetSessionState();
    Resources::resetForTests();
    LobbyShell::install();
}

}  // namespace zuno::testing
