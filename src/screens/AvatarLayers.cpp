#include "screens/AvatarLayers.h"

#include <algorithm>

#include "shell/Resources.h"

namespace zuno {

AvatarLayers::AvatarLayers(ui::Point offset, bool keepInResources)
    : offset_(offset), keepInResources_(keepInResources) {}

ui::ImageViewPtr AvatarLayers::layer(int32_t categoryId) const {
    auto it = views_.find(categoryId);
    return it == views_.end() ? nullptr : it->second;
}

void AvatarLayers::store(int32_t categoryId, const ui::ImageViewPtr& view) {
    if (!views_.count(categoryId)) order_.push_back(categoryId);
    views_[categoryId] = view;
    if (auto host = host_.lock(); host && view->superviewPointer() != host.get()) host->addSubview(view);
    if (keepInResources_) Resources::getInstance().setUserAvatarImageView(view, categoryId);
}

ui::ImageViewPtr AvatarLayers::place(const AvatarPlacement& placement, const ui::ImagePtr& picture) {
    ui::ImageViewPtr view = layer(placement.categoryId);
    // A layer the resources kept from an earlier profile screen is taken over.
    if (!view && keepInResources_) view = Resources::getInstance().getUserAvatarImageView(placement.categoryId);
    if (!view) view = std::make_shared<ui::ImageView>();
    view->setImage(picture);
    view->setContentMode(ui::ContentMode::ScaleAspectFit);
    const ui::Size size = picture ? picture->size() : ui::Size{0, 0};
    view->setFrame(ui::Rect(placement.x + offset_.x, placement.y + offset_.y, size.width, size.height));
    view->setTag(placement.zIndex);
    store(placement.categoryId, view);
    restack();
    return view;
}

void AvatarLayers::copyFrom(const std::vector<std::pair<int32_t, ui::ImageViewPtr>>& sources, ui::Point shift) {
    for (const auto& [categoryId, source] : sources) {
        if (!source) continue;
        ui::ImageViewPtr view = layer(categoryId);
        if (!view) view = std::make_shared<ui::ImageView>();
        view->setImage(source->image());
        view->setContentMode(ui::ContentMode::ScaleAspectFit);
        ui::Rect frame = source->frame();
        frame.origin.x += shift.x;
        frame.origin.y += shift.y;
        view->setFrame(frame);
        view->setTag(source->tag());
        store(categoryId, view);
    }
    restack();
}

void AvatarLayers::remove(int32_t categoryId) {
    if (auto it = views_.find(categoryId); it != views_.end()) {
        it->second->removeFromSuperview();
        views_.erase(it);
        order_.erase(std::remove(order_.begin(), order_.end(), categoryId), order_.end());
    }
    if (!keepInResources_) return;
    Resources& resources = Resources::getInstance();
    if (auto kept = resources.getUserAvatarImageView(categoryId)) kept->removeFromSuperview();
    resources.removeUserAvatarImageView(categoryId);
}

void AvatarLayers::keepOnly(const std::vector<int32_t>& categoryIds) {
    std::vector<int32_t> shown = order_;
    if (keepInResources_) {
        const auto kept = Resources::getInstance().getListKeysUsingAvatar();
        shown.insert(shown.end(), kept.begin(), kept.end());
    }
    for (int32_t categoryId : shown)
        if (std::find(categoryIds.begin(), categoryIds.end(), categoryId) == categoryIds.end()) remove(categoryId);
}

void AvatarLayers::clear() {
    for (int32_t categoryId : std::vector<int32_t>(order_)) remove(categoryId);
}

std::vector<int32_t> AvatarLayers::stackOrder() const {
    std::vector<int32_t> sorted = order_;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [&](int32_t a, int32_t b) { return views_.at(a)->tag() < views_.at(b)->tag(); });
    return sorted;
}

std::vector<std::pair<int32_t, ui::ImageViewPtr>> AvatarLayers::layers() const {
    std::vector<std::pair<int32_t, ui::ImageViewPtr>> out;
    for (int32_t categoryId : order_) out.emplace_back(categoryId, views_.at(categoryId));
    return out;
}

void AvatarLayers::restack() {
    if (order_.size() < 2) return;
    auto host = host_.lock();
    if (!host) return;
    // Each brought to the front in ascending depth: the deepest ends at the back of the layers.
    for (int32_t categoryId : stackOrder()) {
        const auto& view = views_.at(categoryId);
        if (view->superviewPointer() == host.get()) host->bringSubviewToFront(view.get());
    }
}

}  // namespace zuno
