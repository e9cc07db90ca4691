#include "shell/ImageCache.h"

#include <algorithm>
#include <atomic>
#include <string>

#include "platform/core/Log.h"
#include "platform/core/RunLoop.h"
#include "platform/core/UserDefaults.h"
#include "shell/ShellRequests.h"

namespace zuno {

void ImageCache::addBuiltInAvatar() {
    ui::ImagePtr image = ui::Image::imageNamed("av0.png");
    std::lock_guard<std::mutex> lock(mutex_);
    avatarsShop_[0] = std::move(image);
}

void ImageCache::setImage(const ui::ImageViewPtr& view, const ui::ImagePtr& image) {
    sys::Log::line("perform set image");
    if (view) view->setImage(image);
}

void ImageCache::setImageLater(const ui::ImageViewPtr& view, const ui::ImagePtr& image) {
    sys::RunLoop::main().post([view, image] { setImage(view, image); });
}

ui::ImagePtr ImageCache::getAvatarWithKey(int16_t avatarId) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        auto it = avatarsShop_.find(avatarId);
        if (it != avatarsShop_.end()) return it->second;
    }
    ShellRequests::current()->requestAvatar(avatarId);
    return nullptr;
}

void ImageCache::assignAvatarId(int16_t avatarId, const ui::ImageViewPtr& view) {
    ui::ImagePtr cached;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        auto it = avatarsShop_.find(avatarId);
        if (it != avatarsShop_.end()) {
            cached = it->second;
        } else {
            // Waiting before asking, so that an answer racing in on the reader thread finds the view.
            listUpdateAvatar_[avatarId].push_back(view);
        }
    }
    if (cached) {
        sys::Log::line("assign not nil 1");
        setImageLater(view, cached);
        return;
    }
    sys::Log::line("avatar asign nil 1");
    ShellRequests::current()->requestAvatar(avatarId);
}

void ImageCache::setAvatarWithImage(ui::ImagePtr image, int16_t avatarId) {
    // A picture that did not decode is not kept: the avatar stays missing, so it is asked for again
    // and the views keep waiting for a good one.
    if (!image) return;
    std::vector<std::weak_ptr<ui::ImageView>> waiting;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        avatarsShop_[avatarId] = image;
        auto it = listUpdateAvatar_.find(avatarId);
        if (it != listUpdateAvatar_.end()) {
            waiting = std::move(it->second);
            listUpdateAvatar_.erase(it);
        }
    }
    for (const auto& weak : waiting) {
        if (auto view = weak.lock()) setImageLater(view, image);
    }
}

ui::ImagePtr ImageCache::getAssetWithKey(int32_t assetId) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        auto it = dictAssets_.find(assetId);
        if (it != dictAssets_.end()) return it->second;
    }
    // The server is asked with the id as a 16-bit number.
    ShellRequests::current()->getItemImageWithItemId(static_cast<int16_t>(assetId));
    return nullptr;
}

void ImageCache::assignAsset(int32_t assetId, const ui::ImageViewPtr& view, const std::function<void()>& request) {
    if (assetId == 0) return;  // no picture
    ui::ImagePtr cached;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        auto it = dictAssets_.find(assetId);
        if (it != dictAssets_.end()) cached = it->second;
        else listUpdateAsset_[assetId] = view;
    }
    if (cached) {
        sys::Log::line("assign not nil 2");
        setImageLater(view, cached);
        return;
    }
    sys::Log::line("asset asign nil 2");
    request();
}

void ImageCache::assignAssetId(int32_t assetId, const ui::ImageViewPtr& view) {
    assignAsset(assetId, view, [assetId] { ShellRequests::current()->getItemImageWithItemId(assetId); });
}

void ImageCache::assignAssetId(int32_t assetId, const ui::ImageViewPtr& view, int32_t type) {
    assignAsset(assetId, view, [assetId, type] { ShellRequests::current()->getItemImageWithItemId(assetId, type); });
}

void ImageCache::setAssetWithImage(ui::ImagePtr image, int32_t assetId) {
    sys::Log::line("setAssetWithImage");
    if (!image) return;  // not kept, as for avatars
    ui::ImageViewPtr waiting;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        dictAssets_[assetId] = image;
        auto it = listUpdateAsset_.find(assetId);
        if (it != listUpdateAsset_.end()) waiting = it->second.lock();
    }
    if (waiting) {
        sys::Log::line("setAssetWithImage using assign");
        setImageLater(waiting, image);
    }
}

namespace {
// A burst of pictures is written to disk once, at the end of the run loop's turn.
std::atomic<bool> itemSyncPending{false};
}  // namespace

void ImageCache::setItemWithImage(const sys::Data& data, int32_t itemId) {
    auto& defaults = sys::UserDefaults::standard();
    defaults.setObject(sys::Value(data), std::to_string(itemId));
    if (!itemSyncPending.exchange(true)) {
        sys::RunLoop::main().post([] {
            itemSyncPending = false;
            sys::UserDefaults::standard().synchronize();
        });
    }
    ui::ImageViewPtr waiting;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        decodedItems_.erase(itemId);
        auto it = listUpdateAsset_.find(itemId);
        if (it != listUpdateAsset_.end()) waiting = it->second.lock();
    }
    // An asset's picture asked for as a full item picture (type 4) comes back this way.
    if (waiting) setAssetWithImage(ui::Image::imageWithData(data), itemId);
}

ui::ImagePtr ImageCache::getItemImageWithKey(int32_t itemId) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        auto it = decodedItems_.find(itemId);
        if (it != decodedItems_.end()) return it->second;
    }
    if (auto data = sys::UserDefaults::standard().dataForKey(std::to_string(itemId))) {
        ui::ImagePtr image = ui::Image::imageWithData(*data);
        if (image) {
            std::lock_guard<std::mutex> lock(mutex_);
            decodedItems_[itemId] = image;
        }
        return image;
    }
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!listItemRequested_.insert(itemId).second) return nullptr;
    }
    ShellRequests::current()->getFullItemImageWithId(itemId);
    return nullptr;
}

ui::ImageViewPtr ImageCache::getUserAvatarImageView(int32_t categoryId) const {
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = imageViewList_.find(categoryId);
    return it == imageViewList_.end() ? nullptr : it->second;
}

void ImageCache::setUserAvatarImageView(ui::ImageViewPtr view, int32_t categoryId) {
    size_t count;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        imageViewList_[categoryId] = std::move(view);
        count = imageViewList_.size();
    }
    sys::Log::format("Count User Image View List:%zu", count);
}

void ImageCache::removeUserAvatarImageView(int32_t categoryId) {
    std::lock_guard<std::mutex> lock(mutex_);
    imageViewList_.erase(categoryId);
}

void ImageCache::forgetUserAvatarImageViews() {
    std::lock_guard<std::mutex> lock(mutex_);
    imageViewList_.clear();
}

std::vector<int32_t> ImageCache::getListKeysUsingAvatar() const {
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<int32_t> keys;
    for (const auto& [category, view] : imageViewList_) keys.push_back(category);
    return keys;
}

std::vector<ui::ImageViewPtr> ImageCache::getListValuesUsingAvatar() const {
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<ui::ImageViewPtr> views;
    for (const auto& [category, view] : imageViewList_) views.push_back(view);
    return views;
}

std::vector<ImageCache::TaggedImageView> ImageCache::sortUIImageViewList() const {
    std::vector<TaggedImageView> sorted;
    for (const auto& view : getListValuesUsingAvatar()) {
        if (view) sorted.push_back({view, view->tag()});
    }
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const TaggedImageView& a, const TaggedImageView& b) { return a.tag < b.tag; });
    return sorted;
}

}  // namespace zuno
