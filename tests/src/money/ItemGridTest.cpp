#include <gtest/gtest.h>

#include "money/ItemGrid.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"

namespace zuno {
namespace {

std::shared_ptr<ui::Image> icon(int width, int height) {
    return ui::Image::fromPixels(width, height, std::vector<uint32_t>(size_t(width) * height, 0xff336699));
}

std::vector<ItemGrid::Item> items(int count, int width = 40, int height = 40) {
    std::vector<ItemGrid::Item> list;
    for (int i = 0; i < count; ++i) list.push_back({100 + i, 1000 * (i + 1), icon(width, height)});
    return list;
}

TEST(ItemGridTest, CellsComeFromTheFirstIconWithinTheCaps) {
    struct Case {
        const char* name;
        ui::Size first;
        ui::Size cell;
    } cases[] = {
        {"small icon kept", {30, 30}, {30, 30}},
        {"50 wide and 90 high kept", {50, 90}, {50, 90}},
        {"wider than 50 spaced as 40", {60, 40}, {40, 40}},
        {"higher than 90 spaced as 60", {40, 100}, {40, 60}},
        {"60 by 100", {60, 100}, {40, 60}},
    };
    for (const auto& c : cases) {
        ItemGrid grid(c.first, {480, 160});
        EXPECT_DOUBLE_EQ(grid.cell().width, c.cell.width) << c.name;
        EXPECT_DOUBLE_EQ(grid.cell().height, c.cell.height) << c.name;
        EXPECT_DOUBLE_EQ(grid.gapX(), (480 - 5 * c.cell.width) / 6) << c.name;
        EXPECT_DOUBLE_EQ(grid.gapY(), (160 - 2 * c.cell.height) / 3) << c.name;
    }
}

// A mark drawn over an icon of the first row needs room under the page's top edge: the first row goes
// down only as far as that room, and the rows below share what is left; small icons keep even gaps.
TEST(ItemGridTest, TheFirstRowLeavesRoomForAMarkAboveIt) {
    struct Case {
        const char* name;
        double iconHeight;
        double firstRow;
        double secondRow;
    } cases[] = {
        {"low icons: even gaps, room to spare", 20, 100.0 / 3, 2 * 100.0 / 3 + 20},
        {"45 high: the first row at the room", 45, 23, 23 + 45 + 13.5},
    };
    for (const auto& c : cases) {
        ItemGrid grid({30, c.iconHeight}, {316, 140}, 23);
        EXPECT_DOUBLE_EQ(grid.origin(0).y, c.firstRow) << c.name;
        EXPECT_DOUBLE_EQ(grid.origin(5).y, c.secondRow) << c.name;
        // The second row's prices still end inside the page.
        EXPECT_LE(grid.priceFrame(5).maxY(), 140) << c.name;
    }
}

TEST(ItemGridTest, ButtonsKeepTheirIconWidthAndAtMostTheCellHeight) {
    ItemGrid grid({60, 100}, {480, 200});
    const ui::Rect wide = grid.buttonFrame(6, {60, 100});
    EXPECT_DOUBLE_EQ(wide.size.width, 60);
    EXPECT_DOUBLE_EQ(wide.size.height, 60);
    EXPECT_DOUBLE_EQ(wide.origin.x, 1 * (40 + grid.gapX()) + grid.gapX());
    EXPECT_DOUBLE_EQ(wide.origin.y, 1 * (60 + grid.gapY()) + grid.gapY());
    EXPECT_DOUBLE_EQ(grid.buttonFrame(0, {30, 20}).size.height, 20);
    const ui::Rect price = grid.priceFrame(6);
    EXPECT_EQ(price, ui::Rect(wide.origin.x - 12, wide.origin.y + 60 + 3, 55, 10));
}

TEST(ItemGridTest, DrawsAtMostTenItemsWithTheirPricesAndTags) {
    for (int count : {0, 3, 10, 13}) {
        auto page = std::make_shared<ui::View>(ui::Rect(0, 0, 480, 160));
        // Left from an earlier drawing.
        page->addSubview(std::make_shared<ui::View>());
        page->addSubview(std::make_shared<ui::View>());
        ItemGrid grid({40, 40}, page->frame().size);
        auto origins = grid.draw(*page, items(count), nullptr, "itemClicked:");
        const int shown = std::min(count, 10);
        ASSERT_EQ(origins.size(), size_t(shown)) << count;
        ASSERT_EQ(page->subviews().size(), size_t(2 * shown)) << count;
        for (int i = 0; i < shown; ++i) {
            auto button = std::dynamic_pointer_cast<ui::Button>(page->subviews()[2 * i]);
            auto price = std::dynamic_pointer_cast<ui::Label>(page->subviews()[2 * i + 1]);
            ASSERT_TRUE(button && price);
            EXPECT_EQ(button->tag(), 100 + i);
            EXPECT_EQ(price->text(), std::to_string(1000 * (i + 1)) + "$");
        }
    }
}

}  // namespace
}  // namespace zuno
