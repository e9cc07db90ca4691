#pragma once

#include <cstdint>
#include <memory>

namespace zuno {

// The picture requests the shell's caches send by themselves. They go to the lobby's request service
// unless another sender is installed (tests install one that records them). Any thread.
class ShellRequests {
public:
    virtual ~ShellRequests() = default;

    // An avatar's picture (command 38).
    virtual void requestAvatar(int16_t avatarId) = 0;
    // The small picture of an item or asset (command 79, sub 1).
    virtual void getItemImageWithItemId(int32_t itemId) = 0;
    // The picture of an owned asset of the given type (command 79, the type as sub).
    virtual void getItemImageWithItemId(int32_t itemId, int32_t type) = 0;
    // The full picture of a shop item (command 79, sub 4).
    virtual void getFullItemImageWithId(int32_t itemId) = 0;

    // The installed sender, or nullptr.
    static std::shared_ptr<ShellRequests> shared();
    static void setShared(std::shared_ptr<ShellRequests> requests);

    // The installed sender, or the lobby's request service; never nullptr.
    static std::shared_ptr<ShellRequests> current();
};

}  // namespace zuno
