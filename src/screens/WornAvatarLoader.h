#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "lobby/model/ShopRecords.h"
#include "platform/core/RunLoop.h"
#include "platform/ui/Image.h"

namespace zuno {

// Loads the items a player wears, one at a time from the end of the server's list: it waits for the
// item's picture (polling on the main run loop), asks for the item's detail, and moves on only when
// that very detail has arrived. A picture that does not come within a few seconds skips its item, so a
// missing picture never holds the rest back. Destroying the loader ends its wait.
class WornAvatarLoader {
public:
    static constexpr double kPollSeconds = 0.033;
    static constexpr double kPictureWaitSeconds = 3;

    using PictureOf = std::function<ui::ImagePtr(int32_t itemId)>;
    using AskDetail = std::function<void(int32_t itemId)>;
    using Finished = std::function<void()>;

    WornAvatarLoader(PictureOf pictureOf, AskDetail askDetail, Finished finished);
    ~WornAvatarLoader();
    WornAvatarLoader(const WornAvatarLoader&) = delete;
    WornAvatarLoader& operator=(const WornAvatarLoader&) = delete;

    // Starts over with a new list (an empty one finishes at once).
    void start(std::vector<std::shared_ptr<UsingAvatar>> items);
    // A detail arrived. True when it is the one asked for: its entry is consumed and the next one
    // loads. Any other detail (a try-on meanwhile) consumes nothing.
    bool detailArrived(int32_t itemId);
    // Stops waiting; the list stays as it is.
    void cancel();

    std::optional<int32_t> awaitedItem() const { return awaited_; }
    size_t remaining() const { return items_.size(); }
    bool finished() const { return done_; }

private:
    void step();

    PictureOf pictureOf_;
    AskDetail askDetail_;
    Finished finished_;
    std::vector<std::shared_ptr<UsingAvatar>> items_;
    std::optional<int32_t> awaited_;
    double waited_ = 0;
    bool done_ = false;
    sys::RunLoop::TimerId timer_ = 0;
};

}  // namespace zuno
