#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <vector>

#include "platform/core/Value.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImageView.h"

namespace zuno {

// The pictures the server sends on request (avatars, asset pictures, item pictures) and the image
// views waiting for them. Pictures arrive on the connection's reader thread while screens ask for
// them, so every table is guarded; views are only ever touched on the main thread.
class ImageCache {
public:

    // The cached avatar, or nullptr after asking the server for it.
    ui::ImagePtr getAvatarWithKey(int16_t avatarId);
    // Puts the avatar on the view now when cached; otherwise the view waits for it (with every other
    // view waiting for that avatar) and the server is asked.
    void assignAvatarId(int16_t avatarId, const ui::ImageViewPtr& view);
    // An avatar arrived: kept, and put on every view waiting for it.
    void setAvatarWithImage(ui::ImagePtr image, int16_t avatarId);

    // The cached asset picture, or nullptr after asking the server for it.
    ui::ImagePtr getAssetWithKey(int32_t assetId);
    // Puts the picture on the view now when cached; otherwise the view becomes the one view waiting
    // for it (a later view replaces it) and the server is asked, for an owned asset with its type.
    void assignAssetId(int32_t assetId, const ui::ImageViewPtr& view);
    void assignAssetId(int32_t assetId, const ui::ImageViewPtr& view, int32_t type);
    // An asset picture arrived: kept, and put on the view waiting for it, which keeps waiting.
    void setAssetWithImage(ui::ImagePtr image, int32_t assetId);

    // A shop item's full picture arrived: saved in the user defaults, so it outlives the run. The
    // defaults are written once per run-loop turn, however many pictures arrive in it.
    void setItemWithImage(const sys::Data& data, int32_t itemId);
    // The saved picture of the item; when there is none, the server is asked once per run and
    // nullptr answers until the picture arrives.
    ui::ImagePtr getItemImageWithKey(int32_t itemId);

    // Puts the image on the view (main thread).
    static void setImage(const ui::ImageViewPtr& view, const ui::ImagePtr& image);

    // The layers of the worn avatar drawn by the profile, one image view per item category.
    ui::ImageViewPtr getUserAvatarImageView(int32_t categoryId) const;
    void setUserAvatarImageView(ui::ImageViewPtr view, int32_t categoryId);
    void removeUserAvatarImageView(int32_t categoryId);
    // The player signed out: the layers of his avatar go with him.
    void forgetUserAvatarImageViews();
    // The categories and their views, in matching order.
    std::vector<int32_t> getListKeysUsingAvatar() const;
    std::vector<ui::ImageViewPtr> getListValuesUsingAvatar() const;
    // The layer views ordered by their tags, lowest first.
    struct TaggedImageView {
        ui::ImageViewPtr imageview;
        int tag = 0;
    };
    std::vector<TaggedImageView> sortUIImageViewList() const;

protected:
    // The one avatar the application carries itself: id 0.
    void addBuiltInAvatar();

private:
    static void setImageLater(const ui::ImageViewPtr& view, const ui::ImagePtr& image);
    void assignAsset(int32_t assetId, const ui::ImageViewPtr& view, const std::function<void()>& request);

    mutable std::mutex mutex_;
    std::map<int16_t, ui::ImagePtr> avatarsShop_;
    std::map<int16_t, std::vector<std::weak_ptr<ui::ImageView>>> listUpdateAvatar_;
    std::map<int32_t, ui::ImagePtr> dictAssets_;
    std::map<int32_t, std::weak_ptr<ui::ImageView>> listUpdateAsset_;
    std::set<int32_t> listItemRequested_;
    std::map<int32_t, ui::ImagePtr> decodedItems_;
    std::map<int32_t, ui::ImageViewPtr> imageViewList_;
};

}  // namespace zuno
