#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/ScrollView.h"
#include "platform/ui/TableViewCell.h"

namespace zuno::ui {

class TableView;

struct IndexPath {
    int section = 0;
    int row = 0;
    bool operator==(const IndexPath& o) const { return section == o.section && row == o.row; }
    bool operator!=(const IndexPath& o) const { return !(*this == o); }
    bool operator<(const IndexPath& o) const { return section != o.section ? section < o.section : row < o.row; }
};

enum class CellEditingStyle { None = 0, Delete = 1, Insert = 2 };
enum class RowAnimation { Fade = 0, Right, Left, Top, Bottom, None, Middle };
enum class ScrollPosition { None = 0, Top, Middle, Bottom };

class TableViewDataSource {
public:
    virtual ~TableViewDataSource() = default;
    virtual int numberOfSectionsInTableView(TableView& table) { return 1; }
    virtual int numberOfRowsInSection(TableView& table, int section) = 0;
    virtual std::shared_ptr<TableViewCell> cellForRowAtIndexPath(TableView& table, IndexPath path) = 0;
    virtual std::optional<std::string> titleForHeaderInSection(TableView& table, int section) { return std::nullopt; }
    // Swipe-to-delete is offered on rows that answer true here.
    virtual bool canEditRowAtIndexPath(TableView& table, IndexPath path) { return false; }
    virtual void commitEditingStyle(TableView& table, CellEditingStyle style, IndexPath path) {}
};

class TableViewDelegate : public ScrollViewDelegate {
public:
    // Nothing means the table's row height.
    virtual std::optional<double> heightForRowAtIndexPath(TableView& table, IndexPath path) { return std::nullopt; }
    // Answers the row to select instead, or nothing to select none.
    virtual std::optional<IndexPath> willSelectRowAtIndexPath(TableView& table, IndexPath path) { return path; }
    virtual void didSelectRowAtIndexPath(TableView& table, IndexPath path) {}
    virtual void didDeselectRowAtIndexPath(TableView& table, IndexPath path) {}
    // A view of the delegate's own for a section's header, laid across the table's width; nothing
    // means the data source's title (if any). Nothing for the height means the default header height
    // when there is a header.
    virtual std::shared_ptr<View> viewForHeaderInSection(TableView& table, int section) { return nullptr; }
    virtual std::optional<double> heightForHeaderInSection(TableView& table, int section) { return std::nullopt; }
    virtual CellEditingStyle editingStyleForRowAtIndexPath(TableView& table, IndexPath path) {
        return CellEditingStyle::Delete;
    }
    virtual std::string titleForDeleteConfirmationButton(TableView& table, IndexPath path) { return "Delete"; }
    virtual void willBeginEditingRowAtIndexPath(TableView& table, IndexPath path) {}
    virtual void didEndEditingRowAtIndexPath(TableView& table, IndexPath path) {}
};

// Rows in sections, built by the data source one visible cell at a time; cells that scroll away wait
// under their reuse identifier for the next dequeue. A tap selects a row; a sideways swipe on an
// editable row shows its delete button, whose tap commits the deletion through the data source.
class TableView : public ScrollView {
public:
    enum class Style { Plain = 0, Grouped = 1 };
    enum class SeparatorStyle { None = 0, SingleLine = 1 };

    explicit TableView(Style style = Style::Plain);
    TableView(const Rect& frame, Style style = Style::Plain);

    Style style() const { return style_; }
    void setDataSource(std::weak_ptr<TableViewDataSource> d) { dataSource_ = std::move(d); }
    std::shared_ptr<TableViewDataSource> dataSource() const { return dataSource_.lock(); }
    void setTableDelegate(std::weak_ptr<TableViewDelegate> d);
    std::shared_ptr<TableViewDelegate> tableDelegate() const { return tableDelegate_.lock(); }

    double rowHeight() const { return rowHeight_; }
    void setRowHeight(double h) { rowHeight_ = h; reloadData(); }
    SeparatorStyle separatorStyle() const { return separatorStyle_; }
    void setSeparatorStyle(SeparatorStyle s) { separatorStyle_ = s; reloadData(); }
    void setSeparatorColor(const Color& c) { separatorColor_ = c; reloadData(); }
    bool allowsSelection() const { return allowsSelection_; }
    void setAllowsSelection(bool on) { allowsSelection_ = on; }

    void reloadData();
    std::shared_ptr<TableViewCell> dequeueReusableCellWithIdentifier(const std::string& identifier);
    // The cell shown for a row, or nullptr when the row is not visible.
    std::shared_ptr<TableViewCell> cellForRowAtIndexPath(IndexPath path) const;
    std::optional<IndexPath> indexPathForCell(const TableViewCell* cell) const;
    std::optional<IndexPath> indexPathForRowAtPoint(Point p) const;
    std::vector<std::shared_ptr<TableViewCell>> visibleCells() const;
    std::vector<IndexPath> indexPathsForVisibleRows() const;
    int numberOfSections() const { return int(sections_.size()); }
    int numberOfRowsInSection(int section) const;
    Rect rectForRowAtIndexPath(IndexPath path) const;

    std::optional<IndexPath> indexPathForSelectedRow() const { return selected_; }
    void selectRowAtIndexPath(std::optional<IndexPath> path, bool animated, ScrollPosition position);
    void deselectRowAtIndexPath(IndexPath path, bool animated);
    void scrollToRowAtIndexPath(IndexPath path, ScrollPosition position, bool animated);

    void beginUpdates();
    void endUpdates();
    void deleteRowsAtIndexPaths(const std::vector<IndexPath>& paths, RowAnimation animation);
    void insertRowsAtIndexPaths(const std::vector<IndexPath>& paths, RowAnimation animation);
    void reloadRowsAtIndexPaths(const std::vector<IndexPath>& paths, RowAnimation animation);

    // The row whose delete button shows, if any.
    std::optional<IndexPath> rowShowingDeleteConfirmation() const { return swipedRow_; }

    void setBounds(const Rect& bounds) override;
    void layoutSubviews() override;
    void touchesBegan(const TouchSet& touches, const Event& event) override;
    void touchesEnded(const TouchSet& touches, const Event& event) override;
    void touchesCancelled(const TouchSet& touches, const Event& event) override;
    bool shouldBeginPan(View* touched, Point delta) override;
    void panBegan(Point windowPoint) override;
    void panMoved(Point windowPoint) override;
    void panEnded(Point windowPoint, bool cancelled) override;

private:
    struct Section {
        double headerHeight = 0;
        std::optional<std::string> title;
        std::shared_ptr<View> headerView;
        std::vector<double> rowTops;
        std::vector<double> rowHeights;
        double top = 0;
    };
    void measure();
    void tile();
    void recycle(const IndexPath& path);
    void hideDeleteConfirmation();
    void commitDelete(IndexPath path);

    Style style_;
    std::weak_ptr<TableViewDataSource> dataSource_;
    std::weak_ptr<TableViewDelegate> tableDelegate_;
    double rowHeight_ = 44;
    SeparatorStyle separatorStyle_ = SeparatorStyle::SingleLine;
    Color separatorColor_ = Color::rgb255(224, 224, 224);
    bool allowsSelection_ = true;
    std::vector<Section> sections_;
    std::map<IndexPath, std::shared_ptr<TableViewCell>> visible_;
    std::map<std::string, std::vector<std::shared_ptr<TableViewCell>>> reusable_;
    std::vector<std::shared_ptr<View>> headers_;
    std::optional<IndexPath> selected_;
    std::optional<IndexPath> pressed_;
    std::optional<IndexPath> swipedRow_;
    std::optional<IndexPath> swipeCandidate_;
    bool swiping_ = false;
    Point swipeStart_;
    int updates_ = 0;
    bool tiling_ = false;
    bool ateTap_ = false;
};

using TableViewPtr = std::shared_ptr<TableView>;

}  // namespace zuno::ui
