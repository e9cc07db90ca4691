#include "support/ClientReset.h"

#include "shell/Resources.h"
#include "shell/UIController.h"
#include "table/GameController.h"

namespace zuno::testing {

void resetClientState() {
    UIController::resetSessionState();
    Resources::resetForTests();
    GameController::resetForTests();
}

}  // namespace zuno::testing
