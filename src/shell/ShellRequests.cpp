#include "shell/ShellRequests.h"

#include <mutex>

#include "lobby/GlobalService.h"

namespace zuno {

namespace {
std::mutex slotMutex;
std::shared_ptr<ShellRequests>& slot() {
    static std::shared_ptr<ShellRequests> requests;
    return requests;
}

// What the application uses: the lobby's request service.
class LobbyRequests : public ShellRequests {
    void requestAvatar(int16_t avatarId) override { GlobalService::getInstance().requestAvatar(avatarId); }
    void getItemImageWithItemId(int32_t itemId) override { GlobalService::getInstance().getItemImageWithItemId(itemId); }
    void getItemImageWithItemId(int32_t itemId, int32_t type) override {
        GlobalService::getInstance().getItemImageWithItemId(itemId, type);
    }
    void getFullItemImageWithId(int32_t itemId) override { GlobalService::getInstance().getFullItemImageWithId(itemId); }
};
}  // namespace

std::shared_ptr<ShellRequests> ShellRequests::shared() {
    std::lock_guard<std::mutex> lock(slotMutex);
    return slot();
}

void ShellRequests::setShared(std::shared_ptr<ShellRequests> requests) {
    std::lock_guard<std::mutex> lock(slotMutex);
    slot() = std::move(requests);
}

std::shared_ptr<ShellRequests> ShellRequests::current() {
    static const std::shared_ptr<ShellRequests> lobby = std::make_shared<LobbyRequests>();
    std::lock_guard<std::mutex> lock(slotMutex);
    return slot() ? slot() : lobby;
}

}  // namespace zuno
