#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "platform/ui/Geometry.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImageView.h"

namespace zuno {

// Where one item goes on a layered avatar: the item's category (one layer each), its position relative
// to the host view and its depth (larger is nearer the viewer).
struct AvatarPlacement {
    int32_t categoryId = 0;
    int16_t x = 0;
    int16_t y = 0;
    int16_t zIndex = 0;
};

// A player's avatar as a stack of item pictures, one image view per item category, each a subview of
// the host view. A layer stands at the item's position moved by the host's offset, at the picture's
// own size, tagged with its depth. After every change the host's subviews are re-stacked in ascending
// depth; equal depths keep the order in which their categories got a layer.
//
// The profile's layers are also kept in the resources (`keepInResources`), where the wardrobe finds
// them to copy.
class AvatarLayers {
public:
    // The profile's personal-data tab places at (+10, +15); shop and wardrobe at (+10, +10).
    static constexpr ui::Point kProfileOffset{10, 15};
    static constexpr ui::Point kShopOffset{10, 10};
    // A layer copied from the profile into the wardrobe: the profile's frame moved by this.
    static constexpr ui::Point kCopyShift{0, -5};

    explicit AvatarLayers(ui::Point offset, bool keepInResources = false);

    void setHost(std::shared_ptr<ui::View> host) { host_ = std::move(host); }
    std::shared_ptr<ui::View> host() const { return host_.lock(); }

    // Puts the picture on the category's layer (made and added to the host when there is none), then
    // re-stacks. Answers the layer.
    ui::ImageViewPtr place(const AvatarPlacement& placement, const ui::ImagePtr& picture);
    // Adds a copy of each source layer (same picture and depth) at its frame moved by `shift`, under
    // the source's category, then re-stacks.
    void copyFrom(const std::vector<std::pair<int32_t, ui::ImageViewPtr>>& sources, ui::Point shift);
    // Takes the category's layer off the host and out of the map (and a layer the resources keep for
    // it, which an earlier profile screen may have left).
    void remove(int32_t categoryId);
    // Takes off every layer whose category is not listed, the kept ones too: what is no longer worn.
    void keepOnly(const std::vector<int32_t>& categoryIds);
    // Takes every layer off.
    void clear();
    // Orders the host's layers by depth, the deepest at the back.
    void restack();

    ui::ImageViewPtr layer(int32_t categoryId) const;
    size_t count() const { return order_.size(); }
    // The categories from back to front, as the host stacks them.
    std::vector<int32_t> stackOrder() const;
    // Every layer with its category, in the order the categories got their layers.
    std::vector<std::pair<int32_t, ui::ImageViewPtr>> layers() const;

private:
    void store(int32_t categoryId, const ui::ImageViewPtr& view);

    ui::Point offset_;
    bool keepInResources_;
    std::weak_ptr<ui::View> host_;
    std::map<int32_t, ui::ImageViewPtr> views_;
    std::vector<int32_t> order_;  // categories in the order they got a layer
};

}  // namespace zuno
