#pragma once

// The navigation state shared by the avatar shop and the wardrobe, apart from their views: the tree
// of item categories and the pager over the pages of a category's items.

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "lobby/model/ShopRecords.h"
#include "money/ItemGrid.h"

namespace zuno {

// Every category received since the tree was last reset, in arrival order, each linked to its parent
// when the parent came first.
class CategoryTree {
public:
    using CategoryPtr = std::shared_ptr<CategoryShopInfo>;

    // A new tree under the root whose children form the first tab row.
    void reset(int32_t root);
    int32_t root() const { return root_; }
    void add(const std::vector<CategoryPtr>& categories);
    CategoryPtr find(int32_t categoryId) const;
    std::vector<CategoryPtr> childrenOf(int32_t categoryId) const;
    // The categories without a parent, as the first tab row shows them after going back.
    std::vector<CategoryPtr> topLevel() const;
    const std::vector<CategoryPtr>& all() const { return list_; }

private:
    int32_t root_ = 0;
    std::vector<CategoryPtr> list_;
};

// The pages of one category's items: ten items a page, page p at positions 10p to 10p+9. The server's
// page replies name no page and are appended, so pages are asked one at a time and in order: reaching
// page 3 with only page 0 received asks page 1, then 2, then 3, each once the one before has arrived.
class ItemPager {
public:
    static constexpr int kItemsPerPage = ItemGrid::kPerPage;

    // A new category: page 0, nothing asked.
    void start(int32_t totalPage);
    int32_t totalPage() const { return totalPage_; }
    int page() const { return page_; }
    // Pages received, from the number of items received.
    static int pagesReceived(size_t items) { return int((items + kItemsPerPage - 1) / kItemsPerPage); }
    static bool isLoaded(size_t items, int page) { return pagesReceived(items) >= page + 1; }

    enum class Step {
        None,     // nothing to do
        Draw,     // the page's items are here: draw it
        Request,  // freeze the pager and ask the page in `requested()`
    };
    // The page shown by a scroll offset (the page control's page), or nothing while the pager was
    // set up and has not come back to page 0 yet, or while the page control moves the content.
    std::optional<int> pageAtOffset(double offsetX, double width);
    // The person moved to page p.
    Step moveTo(int p, size_t items);
    // A page reply arrived: the next page to ask on the way to the page shown, if any.
    std::optional<int> pageArrived(size_t items);
    // The page awaited from the server.
    std::optional<int> requested() const { return requested_; }
    bool waiting() const { return requested_.has_value(); }

    // Set while the pager scrolls to the page the page control chose.
    bool pageControlUsed = false;
    // Set when the pager is rebuilt, until the scroll view is back at page 0.
    bool flagInit = false;

private:
    int32_t totalPage_ = 0;
    int page_ = 0;
    std::optional<int> requested_;
};

}  // namespace zuno
