#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/backend/RasterScreen.h"
#include "platform/ui/Display.h"
#include "platform/ui/Label.h"
#include "platform/ui/TableView.h"
#include "support/RasterCompare.h"
#include "support/UiTest.h"

namespace zuno::ui::test {
namespace {

class Rows : public TableViewDataSource, public TableViewDelegate {
public:
    std::vector<std::string> items;
    int created = 0;
    std::vector<int> selected;
    std::vector<int> deleted;
    std::string deleteTitle = "Delete";
    int numberOfRowsInSection(TableView&, int) override { return int(items.size()); }
    std::shared_ptr<TableViewCell> cellForRowAtIndexPath(TableView& table, IndexPath path) override {
        auto cell = table.dequeueReusableCellWithIdentifier("row");
        if (!cell) {
            cell = std::make_shared<TableViewCell>(TableViewCell::Style::Default, "row");
            ++created;
        }
        cell->textLabel()->setText(items[size_t(path.row)]);
        return cell;
    }
    bool canEditRowAtIndexPath(TableView&, IndexPath) override { return true; }
    std::string titleForDeleteConfirmationButton(TableView&, IndexPath) override { return deleteTitle; }
    void commitEditingStyle(TableView& table, CellEditingStyle style, IndexPath path) override {
        if (style != CellEditingStyle::Delete) return;
        deleted.push_back(path.row);
        items.erase(items.begin() + path.row);
        table.beginUpdates();
        table.deleteRowsAtIndexPaths({path}, RowAnimation::Fade);
        table.endUpdates();
    }
    std::optional<double> heightForRowAtIndexPath(TableView&, IndexPath) override { return 60; }
    void didSelectRowAtIndexPath(TableView&, IndexPath path) override { selected.push_back(path.row); }
};

class TableViewTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        rows = std::make_shared<Rows>();
        for (int i = 0; i < 40; ++i) rows->items.push_back("row " + std::to_string(i));
        table = std::make_shared<TableView>(Rect(0, 0, 480, 300));
        table->setDataSource(rows);
        table->setTableDelegate(rows);
        window->addSubview(table);
        table->reloadData();
    }
    std::shared_ptr<Rows> rows;
    std::shared_ptr<TableView> table;
};

TEST_F(TableViewTest, OnlyVisibleRowsHaveCellsAndScrolledAwayCellsAreReused) {
    EXPECT_EQ(table->contentSize().height, 40 * 60);
    EXPECT_EQ(table->visibleCells().size(), 5u);  // 300 / 60
    EXPECT_EQ(rows->created, 5);
    auto first = table->cellForRowAtIndexPath({0, 0});
    ASSERT_TRUE(first);
    EXPECT_EQ(first->textLabel()->text(), "row 0");
    table->setContentOffset({0, 600});
    EXPECT_EQ(table->cellForRowAtIndexPath({0, 0}), nullptr);
    EXPECT_EQ(rows->created, 5);  // rows 10 to 14 took the cells of rows 0 to 4
    auto tenth = table->cellForRowAtIndexPath({0, 10});
    ASSERT_TRUE(tenth);
    EXPECT_EQ(tenth->textLabel()->text(), "row 10");
    EXPECT_EQ(tenth->frame(), Rect(0, 600, 480, 60));
    table->setContentOffset({0, 630});  // half rows at both ends: one more cell
    EXPECT_EQ(rows->created, 6);
}

TEST_F(TableViewTest, ATapSelectsTheRowUnderTheFinger) {
    window->tap({100, 130});
    EXPECT_EQ(rows->selected, (std::vector<int>{2}));
    ASSERT_TRUE(table->indexPathForSelectedRow());
    EXPECT_EQ(table->indexPathForSelectedRow()->row, 2);
    EXPECT_TRUE(table->cellForRowAtIndexPath({0, 2})->isSelected());
    // A drag scrolls instead of selecting.
    window->drag({100, 250}, {100, 50}, 10);
    EXPECT_EQ(rows->selected.size(), 1u);
    EXPECT_NEAR(table->contentOffset().y, 200, 1e-6);
}

TEST_F(TableViewTest, SwipeShowsDeleteAndItsTapCommits) {
    window->drag({400, 90}, {300, 92}, 6);  // row 1
    ASSERT_TRUE(table->rowShowingDeleteConfirmation());
    EXPECT_EQ(table->rowShowingDeleteConfirmation()->row, 1);
    EXPECT_TRUE(rows->selected.empty());
    auto cell = table->cellForRowAtIndexPath({0, 1});
    ASSERT_TRUE(cell && cell->isShowingDeleteConfirmation());
    // The delete button sits at the right of the row.
    window->tap({440, 90});
    EXPECT_EQ(rows->deleted, (std::vector<int>{1}));
    EXPECT_EQ(rows->items.size(), 39u);
    EXPECT_FALSE(table->rowShowingDeleteConfirmation());
    EXPECT_EQ(table->cellForRowAtIndexPath({0, 1})->textLabel()->text(), "row 2");
    EXPECT_EQ(table->contentSize().height, 39 * 60);
}

// A delete button given no title is no blank box: it shows a bin, drawn light on its red.
TEST_F(TableViewTest, ADeleteButtonWithoutATitleStillShowsWhatItDoes) {
    rows->deleteTitle.clear();
    window->drag({400, 90}, {300, 92}, 6);  // row 1
    ASSERT_TRUE(table->cellForRowAtIndexPath({0, 1})->isShowingDeleteConfirmation());
    RasterScreen screen(480, 320, 1);
    screen.renderApplication();
    int red = 0, light = 0;
    for (int y = 76; y < 105; ++y) {
        for (int x = 411; x < 472; ++x) {
            const auto p = screen.rgba(x, y);
            red += p.r > 180 && p.g < 60 && p.b < 60;
            light += p.r > 200 && p.g > 200 && p.b > 200;
        }
    }
    EXPECT_GT(red, 1000) << "the button's red";
    EXPECT_GT(light, 40) << "the bin on it";
}

TEST_F(TableViewTest, ATapElsewhereOnlyHidesTheDeleteButton) {
    window->drag({400, 150}, {330, 150}, 6);
    ASSERT_TRUE(table->rowShowingDeleteConfirmation());
    window->tap({100, 30});
    EXPECT_FALSE(table->rowShowingDeleteConfirmation());
    EXPECT_TRUE(rows->selected.empty());
    EXPECT_TRUE(rows->deleted.empty());
}

// An indented row moves its picture and both texts in from the left edge by the indentation alone.
TEST_F(TableViewTest, IndentationMovesThePictureAndTextsInFromTheEdge) {
    TableViewCell cell(TableViewCell::Style::Subtitle, std::nullopt);
    cell.setFrame(Rect(0, 0, 480, 40));
    cell.imageView()->setImage(Image::fromPixels(30, 20, std::vector<uint32_t>(600, 0xff00ff00)));
    cell.textLabel()->setText("100,000 Xu");
    cell.detailTextLabel()->setText("Dec 07, 2026 01:02");
    cell.layoutSubviews();
    EXPECT_EQ(cell.imageView()->frame().x(), 0);
    const Rect text = cell.textLabel()->frame();
    cell.setIndentationLevel(1);
    cell.layoutSubviews();
    EXPECT_EQ(cell.imageView()->frame(), Rect(10, 10, 30, 20));
    EXPECT_EQ(cell.textLabel()->frame(), Rect(text.x() + 10, text.y(), text.width() - 10, text.height()));
    EXPECT_EQ(cell.detailTextLabel()->frame().x(), text.x() + 10);
}

// A drag through the list and the glide after it, frame by frame as the window draws them: each frame
// marks the list's part of the window only (rows coming in, the indicator showing, then going) and
// shows what a full redraw shows.
TEST_F(TableViewTest, ADragRedrawsOnlyTheListAndEachFrameIsAFullRedrawsPicture) {
    window->setBackgroundColor(Color::rgb255(30, 60, 90));
    table->setFrame(Rect(60, 40, 300, 220));
    table->setBackgroundColor(Color::white());
    auto beside = std::make_shared<Label>(Rect(380, 40, 90, 20));
    beside->setText("beside the list");
    window->addSubview(beside);
    // Its drawing may reach a few points past its frame (a text's shadow).
    const Rect listArea = table->frame().insetBy(-5, -5);
    for (int scale : {1, 2}) {
        SCOPED_TRACE("scale " + std::to_string(scale));
        table->setContentOffset({0, 0});
        RasterScreen partial(480, 320, scale), full(480, 320, scale);
        Display::invalidate();
        partial.renderIfNeeded();
        int frames = 0;
        auto drawFrame = [&] {
            run(1.0 / 60);
            ++frames;
            const ScreenRegion& marked = Display::dirtyRegion();
            ASSERT_FALSE(marked.isAll()) << "frame " << frames;
            for (const Rect& r : marked.rects()) ASSERT_TRUE(listArea.contains(r)) << "frame " << frames;
            partial.renderIfNeeded();
            full.renderApplication();
            ASSERT_TRUE(testing::samePixels(partial, full)) << "frame " << frames;
        };
        window->touchDown({200, 240});
        for (double y = 230; y >= 60; y -= 10.5) {
            window->touchMove({200, y});
            ASSERT_NO_FATAL_FAILURE(drawFrame());
        }
        window->touchUp({200, 60});
        ASSERT_TRUE(table->isDecelerating());
        const double lifted = table->contentOffset().y;
        // The glide, and the indicator lingering and going.
        for (int i = 0; i < 180; ++i) ASSERT_NO_FATAL_FAILURE(drawFrame());
        EXPECT_FALSE(table->isMovingByItself());
        EXPECT_GT(table->contentOffset().y, lifted + 60);
    }
}

}  // namespace
}  // namespace zuno::ui::test
