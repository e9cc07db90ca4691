#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Button.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImageView.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// The screen that owns a page of items: told of taps and of a page drawn.
class ItemPageOwner {
public:
    virtual ~ItemPageOwner() = default;
    virtual void itemPressed(int32_t id) = 0;
    // The page drew all its cells.
    virtual void pageDrawn() = 0;
};

// One page of up to ten items of a category, drawn by the item grid (the icon of the category's first
// item sets the cells), with the marks the owner's screen lays over them. A page is made with its
// owner and reads only its own ten places of the category's record, which grows as pages arrive.
class ItemPageView : public ZunoViewController {
    ZUNO_BINDINGS
public:
    // What a cell shows.
    struct Cell {
        int32_t id = 0;
        int32_t price = 0;
        ui::ImagePtr icon;
    };

    ItemPageView(std::string nibName, int pageNumber, std::weak_ptr<ItemPageOwner> owner);

    void viewDidLoad() override;
    // Draws the page again from the item record.
    void updatePage();
    void itemClicked(ui::Object* sender);
    int pageNumber() const { return pageNumber_; }
    // The item buttons drawn, in cell order.
    const std::vector<std::shared_ptr<ui::Button>>& itemButtons() const { return buttons_; }

protected:
    // Every item received of the category, all pages.
    virtual size_t itemCount() const = 0;
    virtual Cell cellAt(size_t index) const = 0;
    // The marks of the item at that index, its cell at (x, y) with the icon width and height.
    virtual void addMarks(size_t index, double x, double y, double iconWidth, double iconHeight) = 0;
    // Before the cells are drawn again.
    virtual void forgetMarks() {}
    // The height a mark above an icon needs over the first row.
    virtual double roomAboveFirstRow() const { return 0; }
    std::shared_ptr<ItemPageOwner> owner() const { return owner_.lock(); }
    // An image view of the picture scaled by the factor, at (x, y) of its scaled size.
    std::shared_ptr<ui::ImageView> mark(const std::string& picture, double scale);

private:
    int pageNumber_;
    std::weak_ptr<ItemPageOwner> owner_;
    std::vector<std::shared_ptr<ui::Button>> buttons_;
};

}  // namespace zuno
