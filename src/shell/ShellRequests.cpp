#include "shell/ShellRequests.h"

#include <mutex>
#include <string>

#include "platform/core/Log.h"

namespace zuno {

namespace {
std::mutex slotMutex;
std::shared_ptr<ShellRequests>& slot() {
    static std::shared_ptr<ShellRequests> requests;
    return requests;
}

// Stands in while nothing is installed, so callers never test for it.
class DroppingRequests : public ShellRequests {
    void requestAvatar(int16_t avatarId) override { drop("requestAvatar", avatarId); }
    void getItemImageWithItemId(int32_t itemId) override { drop("getItemImageWithItemId", itemId); }
    void getItemImageWithItemId(int32_t itemId, int32_t) override { drop("getItemImageWithItemId", itemId); }
    void getFullItemImageWithId(int32_t itemId) override { drop("getFullItemImageWithId", itemId); }

    static void drop(const char* request, int32_t argument) {
        sys::Log::line(std::string("No request service: ") + request + " " + std::to_string(argument) + " dropped");
    }
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
    static const std::shared_ptr<ShellRequests> dropping = std::make_shared<DroppingRequests>();
    std::lock_guard<std::mutex> lock(slotMutex);
    return slot() ? slot() : dropping;
}

}  // namespace zuno
