#include "screens/WornAvatarLoader.h"

#include "platform/core/Log.h"

namespace zuno {

WornAvatarLoader::WornAvatarLoader(PictureOf pictureOf, AskDetail askDetail, Finished finished)
    : pictureOf_(std::move(pictureOf)), askDetail_(std::move(askDetail)), finished_(std::move(finished)) {}

WornAvatarLoader::~WornAvatarLoader() { cancel(); }

void WornAvatarLoader::cancel() {
    if (timer_) sys::RunLoop::main().cancel(timer_);
    timer_ = 0;
}

void WornAvatarLoader::start(std::vector<std::shared_ptr<UsingAvatar>> items) {
    cancel();
    items_ = std::move(items);
    awaited_.reset();
    done_ = false;
    waited_ = 0;
    step();
}

bool WornAvatarLoader::detailArrived(int32_t itemId) {
    if (!awaited_ || *awaited_ != itemId) return false;
    awaited_.reset();
    if (!items_.empty()) items_.pop_back();
    waited_ = 0;
    step();
    return true;
}

void WornAvatarLoader::step() {
    timer_ = 0;
    while (!items_.empty() && !items_.back()) items_.pop_back();
    if (items_.empty()) {
        done_ = true;
        if (finished_) finished_();
        return;
    }
    const int32_t itemId = items_.back()->itemId();
    if (pictureOf_(itemId)) {
        awaited_ = itemId;
        askDetail_(itemId);
        return;
    }
    if (waited_ >= kPictureWaitSeconds) {
        sys::Log::debug("khong lay duoc image");
        items_.pop_back();
        waited_ = 0;
        step();
        return;
    }
    waited_ += kPollSeconds;
    timer_ = sys::RunLoop::main().postDelayed(kPollSeconds, [this] { step(); });
}

}  // namespace zuno
