#include "money/CatalogNavigation.h"

#include <cmath>

namespace zuno {

void CategoryTree::reset(int32_t root) {
    root_ = root;
    list_.clear();
}

void CategoryTree::add(const std::vector<CategoryPtr>& categories) {
    for (const auto& category : categories) {
        if (!category) continue;
        if (auto parent = find(category->parentId()); parent && parent != category) {
            category->setHasParent(true);
            parent->setHasChildren(true);
        }
        list_.push_back(category);
    }
}

CategoryTree::CategoryPtr CategoryTree::find(int32_t categoryId) const {
    for (const auto& category : list_)
        if (category->categoryId() == categoryId) return category;
    return nullptr;
}

std::vector<CategoryTree::CategoryPtr> CategoryTree::childrenOf(int32_t categoryId) const {
    std::vector<CategoryPtr> children;
    for (const auto& category : list_)
        if (category->parentId() == categoryId && category->categoryId() != categoryId) children.push_back(category);
    return children;
}

std::vector<CategoryTree::CategoryPtr> CategoryTree::topLevel() const {
    std::vector<CategoryPtr> top;
    for (const auto& category : list_)
        if (!category->hasParent()) top.push_back(category);
    return top;
}

void ItemPager::start(int32_t totalPage) {
    totalPage_ = totalPage;
    page_ = 0;
    requested_.reset();
    pageControlUsed = false;
}

std::optional<int> ItemPager::pageAtOffset(double offsetX, double width) {
    if (pageControlUsed || width <= 0) return std::nullopt;
    const int p = int(std::floor((offsetX - width / 2) / width)) + 1;
    if (flagInit) {
        if (p == 0) flagInit = false;
        return std::nullopt;
    }
    return p;
}

ItemPager::Step ItemPager::moveTo(int p, size_t items) {
    if (p < 0 || p >= totalPage_ || p == page_) return Step::None;
    page_ = p;
    if (isLoaded(items, p)) return Step::Draw;
    if (requested_) return Step::None;  // the page on its way is asked first
    requested_ = pagesReceived(items);
    return Step::Request;
}

std::optional<int> ItemPager::pageArrived(size_t items) {
    requested_.reset();
    if (isLoaded(items, page_)) return std::nullopt;
    const int next = pagesReceived(items);
    if (next >= totalPage_) return std::nullopt;
    requested_ = next;
    return next;
}

}  // namespace zuno
