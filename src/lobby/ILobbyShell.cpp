#include "lobby/ILobbyShell.h"

#include <mutex>

namespace zuno {

namespace {
std::mutex shellMutex;
std::shared_ptr<ILobbyShell>& shellSlot() {
    static std::shared_ptr<ILobbyShell> slot = std::make_shared<ILobbyShell>();
    return slot;
}
}  // namespace

std::shared_ptr<ILobbyShell> ILobbyShell::shared() {
    std::lock_guard<std::mutex> lock(shellMutex);
    return shellSlot();
}

void ILobbyShell::install(std::shared_ptr<ILobbyShell> shell) {
    if (!shell) shell = std::make_shared<ILobbyShell>();
    std::lock_guard<std::mutex> lock(shellMutex);
    shellSlot().swap(shell);
}

}  // namespace zuno
