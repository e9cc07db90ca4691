#include "money/ItemPageView.h"

#include <algorithm>

#include "money/ItemGrid.h"

namespace zuno {

namespace {
// The cell of a page whose first item has no icon yet.
constexpr double kCellWidth = 40;
constexpr double kCellHeight = 60;
}  // namespace

const ui::BindingTable& ItemPageView::bindings() {
    using B = ui::Bind<ItemPageView>;
    static const ui::BindingTable table(&ZunoViewController::bindings(),
                                        {B::action("itemClicked:", &ItemPageView::itemClicked)});
    return table;
}

ItemPageView::ItemPageView(std::string nibName, int pageNumber, std::weak_ptr<ItemPageOwner> owner)
    : ZunoViewController(std::move(nibName)), pageNumber_(pageNumber), owner_(std::move(owner)) {}

void ItemPageView::viewDidLoad() {
    ZunoViewController::viewDidLoad();
    updatePage();
}

std::shared_ptr<ui::ImageView> ItemPageView::mark(const std::string& picture, double scale) {
    auto image = ui::Image::imageNamed(picture);
    const ui::Size size = image ? image->size() : ui::Size{0, 0};
    auto view = std::make_shared<ui::ImageView>(ui::Rect(0, 0, size.width * scale, size.height * scale));
    view->setImage(image);
    view->setContentMode(ui::ContentMode::ScaleAspectFit);
    return view;
}

void ItemPageView::updatePage() {
    auto page = view();
    for (const auto& sub : std::vector<std::shared_ptr<ui::View>>(page->subviews())) sub->removeFromSuperview();
    forgetMarks();
    buttons_.clear();
    const size_t count = itemCount();
    const size_t first = size_t(std::max(0, pageNumber_)) * ItemGrid::kPerPage;
    // An empty record (or a page beyond it) draws nothing, and the pager is free again.
    if (first < count) {
        const ui::ImagePtr firstIcon = cellAt(0).icon;
        const ItemGrid grid(firstIcon ? firstIcon->size() : ui::Size{kCellWidth, kCellHeight}, page->bounds().size,
                            roomAboveFirstRow());
        std::vector<ItemGrid::Item> cells;
        for (size_t index = first; index < count && index < first + ItemGrid::kPerPage; ++index) {
            const Cell cell = cellAt(index);
            cells.push_back({cell.id, cell.price, cell.icon});
        }
        const std::vector<ui::Point> origins = grid.draw(*page, cells, this, "itemClicked:");
        for (const auto& sub : page->subviews())
            if (auto button = std::dynamic_pointer_cast<ui::Button>(sub)) buttons_.push_back(button);
        for (size_t place = 0; place < origins.size(); ++place)
            addMarks(first + place, origins[place].x, origins[place].y, grid.cell().width, grid.cell().height);
    }
    page->setUserInteractionEnabled(true);
    hideLoadingScreen();
    if (auto shop = owner()) shop->pageDrawn();
}

void ItemPageView::itemClicked(ui::Object* sender) {
    auto* button = dynamic_cast<ui::View*>(sender);
    if (!button) return;
    if (auto shop = owner()) shop->itemPressed(button->tag());
}

}  // namespace zuno
