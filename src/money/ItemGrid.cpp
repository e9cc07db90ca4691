#include "money/ItemGrid.h"

#include <algorithm>

#include "platform/core/Format.h"
#include "platform/core/Log.h"
#include "platform/ui/Button.h"
#include "platform/ui/Color.h"
#include "platform/ui/Font.h"
#include "platform/ui/Label.h"

namespace zuno {

namespace {
constexpr double kWidestIcon = 50, kWideCell = 40;
constexpr double kHighestIcon = 90, kHighCell = 60;
constexpr double kPriceWidth = 55, kPriceHeight = 10, kPriceLeft = 12, kPriceBelow = 3;
}  // namespace

ItemGrid::ItemGrid(ui::Size firstIcon, ui::Size page, double roomAbove)
    : cell_{firstIcon.width > kWidestIcon ? kWideCell : firstIcon.width,
            firstIcon.height > kHighestIcon ? kHighCell : firstIcon.height},
      gapX_((page.width - kColumns * cell_.width) / (kColumns + 1)),
      gapY_((page.height - kRows * cell_.height) / (kRows + 1)),
      firstRowTop_(gapY_) {
    if (roomAbove > 0 && gapY_ < roomAbove) {
        firstRowTop_ = roomAbove;
        gapY_ = (page.height - roomAbove - kRows * cell_.height) / kRows;
    }
    sys::Log::debug(sys::format("WidthICON:%f", cell_.width));
    sys::Log::debug(sys::format("HeightICON:%f", cell_.height));
}

ui::Point ItemGrid::origin(int place) const {
    const int row = place / kColumns, column = place % kColumns;
    return {column * (cell_.width + gapX_) + gapX_, row * (cell_.height + gapY_) + firstRowTop_};
}

ui::Rect ItemGrid::buttonFrame(int place, ui::Size icon) const {
    return ui::Rect(origin(place), ui::Size{icon.width, std::min(cell_.height, icon.height)});
}

ui::Rect ItemGrid::priceFrame(int place) const {
    const ui::Point at = origin(place);
    return ui::Rect(at.x - kPriceLeft, at.y + cell_.height + kPriceBelow, kPriceWidth, kPriceHeight);
}

std::vector<ui::Point> ItemGrid::draw(ui::View& page, const std::vector<Item>& items, ui::Responder* target,
                                      const std::string& action) const {
    for (const auto& child : std::vector<std::shared_ptr<ui::View>>(page.subviews())) child->removeFromSuperview();
    std::vector<ui::Point> origins;
    const int count = std::min<int>(kPerPage, static_cast<int>(items.size()));
    for (int place = 0; place < count; ++place) {
        const Item& item = items[place];
        const ui::Size icon = item.icon ? item.icon->size() : ui::Size{};
        auto button = ui::Button::buttonWithType(ui::Button::Type::Custom);
        button->setFrame(buttonFrame(place, icon));
        button->setBackgroundImage(item.icon);
        button->setTag(item.tag);
        button->setShowsTouchWhenHighlighted(true);
        if (target) button->addTarget(target, action, ui::ControlEvent::TouchUpInside);
        page.addSubview(button);

        auto price = std::make_shared<ui::Label>();
        price->setFrame(priceFrame(place));
        price->setTextAlignment(ui::TextAlignment::Center);
        price->setText(sys::format("%d$", int64_t(item.price)));
        price->setFont(ui::Font::fontWithName("Helvetica", 10));
        price->setBackgroundColor(std::nullopt);
        price->setTextColor(ui::Color::white());
        page.addSubview(price);
        origins.push_back(origin(place));
    }
    page.setUserInteractionEnabled(true);
    return origins;
}

}  // namespace zuno
