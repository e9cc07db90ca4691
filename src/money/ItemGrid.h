#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Geometry.h"
#include "platform/ui/Image.h"

namespace zuno {

namespace ui {
class Responder;
class View;
}  // namespace ui

// One page of items laid out as two rows of five: the cells are spaced as if every icon had the size
// of the first item's icon, taken at most 40 wide (beyond 50) and 60 high (beyond 90); each item is a
// button with its own icon and its price ("%d$") under it. The gift sheet's pages and the shop's and
// wardrobe's item pages draw through it.
class ItemGrid {
public:
    static constexpr int kColumns = 5;
    static constexpr int kRows = 2;
    static constexpr int kPerPage = kColumns * kRows;

    struct Item {
        int32_t tag = 0;  // the button's tag: the item (or user item) id
        int32_t price = 0;
        std::shared_ptr<ui::Image> icon;
    };

    // `firstIcon` is the size of the first item's icon, `page` the size of the page's view. Where the
    // even gaps would leave less than `roomAbove` over the first row (for a mark drawn above an icon),
    // the first row starts that low and the two gaps under it share what is left.
    ItemGrid(ui::Size firstIcon, ui::Size page, double roomAbove = 0);

    ui::Size cell() const { return cell_; }
    double gapX() const { return gapX_; }
    double gapY() const { return gapY_; }
    double firstRowTop() const { return firstRowTop_; }
    // The top-left corner of the cell at that place of the page (0 to 9, row by row).
    ui::Point origin(int place) const;
    // The item button: the icon's own width, and the cell's height unless the icon is lower.
    ui::Rect buttonFrame(int place, ui::Size icon) const;
    ui::Rect priceFrame(int place) const;

    // Empties the page's view and draws up to ten items, each button sending `action` to `target` on
    // a tap. Answers the origin of each cell drawn, for the marks a page lays over its items.
    std::vector<ui::Point> draw(ui::View& page, const std::vector<Item>& items, ui::Responder* target,
                                const std::string& action) const;

private:
    ui::Size cell_;
    double gapX_ = 0;
    double gapY_ = 0;
    double firstRowTop_ = 0;
};

}  // namespace zuno
