#include "platform/ui/TableView.h"

#include <algorithm>
#include <cmath>

#include "platform/core/Log.h"

namespace zuno::ui {

namespace {
constexpr double kHeaderHeight = 22;
constexpr double kSwipeDistance = 20;

class SectionHeaderView : public Label {
public:
    explicit SectionHeaderView(const std::string& title) {
        setText(title);
        setFont(Font::boldSystemFontOfSize(16));
        setTextColor(Color::white());
        setBackgroundColor(Color::rgb255(144, 159, 170, 0.9));
    }
};
}  // namespace

TableView::TableView(Style style) : TableView(Rect(0, 0, 320, 460), style) {}

TableView::TableView(const Rect& frame, Style style) : ScrollView(frame), style_(style) {
    setAlwaysBounceVertical(true);
    setBackgroundColor(Color::white());
}

void TableView::setTableDelegate(std::weak_ptr<TableViewDelegate> d) {
    tableDelegate_ = d;
    setDelegate(std::weak_ptr<ScrollViewDelegate>(d.lock()));
}

int TableView::numberOfRowsInSection(int section) const {
    if (section < 0 || section >= int(sections_.size())) return 0;
    return int(sections_[size_t(section)].rowHeights.size());
}

void TableView::measure() {
    sections_.clear();
    auto ds = dataSource_.lock();
    if (!ds) {
        setContentSize({bounds().width(), 0});
        return;
    }
    auto del = tableDelegate_.lock();
    int count = std::max(0, ds->numberOfSectionsInTableView(*this));
    double y = 0;
    for (int s = 0; s < count; ++s) {
        Section sec;
        sec.top = y;
        sec.title = ds->titleForHeaderInSection(*this, s);
        if (del) sec.headerView = del->viewForHeaderInSection(*this, s);
        sec.headerHeight = sec.title || sec.headerView ? kHeaderHeight : 0;
        if (del) {
            if (auto custom = del->heightForHeaderInSection(*this, s)) sec.headerHeight = std::max(0.0, *custom);
        }
        y += sec.headerHeight;
        int rows = std::max(0, ds->numberOfRowsInSection(*this, s));
        for (int r = 0; r < rows; ++r) {
            double h = rowHeight_;
            if (del) {
                if (auto custom = del->heightForRowAtIndexPath(*this, {s, r})) h = *custom;
            }
            sec.rowTops.push_back(y);
            sec.rowHeights.push_back(std::max(0.0, h));
            y += std::max(0.0, h);
        }
        sections_.push_back(std::move(sec));
    }
    setContentSize({bounds().width(), y});
}

Rect TableView::rectForRowAtIndexPath(IndexPath p) const {
    if (p.section < 0 || p.section >= int(sections_.size())) return {};
    const auto& sec = sections_[size_t(p.section)];
    if (p.row < 0 || p.row >= int(sec.rowTops.size())) return {};
    return Rect(0, sec.rowTops[size_t(p.row)], bounds().width(), sec.rowHeights[size_t(p.row)]);
}

void TableView::recycle(const IndexPath& path) {
    auto it = visible_.find(path);
    if (it == visible_.end()) return;
    auto cell = it->second;
    visible_.erase(it);
    if (swipedRow_ && *swipedRow_ == path) {
        cell->hideDeleteButton();
        swipedRow_.reset();
    }
    cell->setHighlighted(false);
    cell->removeFromSuperview();
    if (cell->reuseIdentifier()) reusable_[*cell->reuseIdentifier()].push_back(cell);
}

void TableView::tile() {
    if (tiling_) return;
    tiling_ = true;
    Rect b = bounds();
    double top = b.y(), bottom = b.maxY();
    // Cells that left the visible area go to the reuse pool.
    std::vector<IndexPath> gone;
    for (const auto& [path, cell] : visible_) {
        Rect r = rectForRowAtIndexPath(path);
        if (r.isEmpty() || r.maxY() <= top || r.minY() >= bottom) gone.push_back(path);
    }
    for (const auto& p : gone) recycle(p);
    auto ds = dataSource_.lock();
    for (int s = 0; ds && s < int(sections_.size()); ++s) {
        const auto& sec = sections_[size_t(s)];
        for (int r = 0; r < int(sec.rowTops.size()); ++r) {
            double y = sec.rowTops[size_t(r)], h = sec.rowHeights[size_t(r)];
            if (y + h <= top || y >= bottom || h <= 0) continue;
            IndexPath path{s, r};
            auto found = visible_.find(path);
            if (found != visible_.end()) {
                found->second->setFrame(Rect(0, y, b.width(), h));
                continue;
            }
            auto cell = ds->cellForRowAtIndexPath(*this, path);
            if (!cell) {
                sys::Log::warningFormat("table view: no cell for row %d of section %d", r, s);
                continue;
            }
            cell->separator_ = separatorStyle_ != SeparatorStyle::None;
            cell->separatorColor_ = separatorColor_;
            cell->setFrame(Rect(0, y, b.width(), h));
            cell->setSelected(selected_ && *selected_ == path);
            insertSubview(cell, 0);
            visible_[path] = cell;
        }
    }
    for (auto& h : headers_) bringSubviewToFront(h.get());
    tiling_ = false;
}

void TableView::reloadData() {
    hideDeleteConfirmation();
    std::vector<IndexPath> all;
    for (const auto& [path, cell] : visible_) all.push_back(path);
    for (const auto& p : all) recycle(p);
    for (auto& h : headers_) h->removeFromSuperview();
    headers_.clear();
    selected_.reset();
    pressed_.reset();
    measure();
    for (const auto& sec : sections_) {
        if (sec.headerView) {
            sec.headerView->setFrame(Rect(0, sec.top, bounds().width(), sec.headerHeight));
            addSubview(sec.headerView);
            headers_.push_back(sec.headerView);
            continue;
        }
        if (!sec.title) continue;
        std::shared_ptr<View> h = std::make_shared<SectionHeaderView>(*sec.title);
        h->setFrame(Rect(0, sec.top, bounds().width(), sec.headerHeight));
        addSubview(h);
        headers_.push_back(h);
    }
    if (!isDragging() && !isDecelerating()) {
        Point o = contentOffset(), hi = maximumOffset(), lo = minimumOffset();
        if (o.y > hi.y) setContentOffset({o.x, std::max(lo.y, hi.y)});
    }
    tile();
}

std::shared_ptr<TableViewCell> TableView::dequeueReusableCellWithIdentifier(const std::string& identifier) {
    auto it = reusable_.find(identifier);
    if (it == reusable_.end() || it->second.empty()) return nullptr;
    auto cell = it->second.back();
    it->second.pop_back();
    cell->setSelected(false);
    cell->prepareForReuse();
    return cell;
}

std::shared_ptr<TableViewCell> TableView::cellForRowAtIndexPath(IndexPath path) const {
    auto it = visible_.find(path);
    return it == visible_.end() ? nullptr : it->second;
}

std::optional<IndexPath> TableView::indexPathForCell(const TableViewCell* cell) const {
    for (const auto& [path, c] : visible_) {
        if (c.get() == cell) return path;
    }
    return std::nullopt;
}

std::optional<IndexPath> TableView::indexPathForRowAtPoint(Point p) const {
    for (int s = 0; s < int(sections_.size()); ++s) {
        const auto& sec = sections_[size_t(s)];
        for (int r = 0; r < int(sec.rowTops.size()); ++r) {
            if (p.y >= sec.rowTops[size_t(r)] && p.y < sec.rowTops[size_t(r)] + sec.rowHeights[size_t(r)]) {
                return IndexPath{s, r};
            }
        }
    }
    return std::nullopt;
}

std::vector<std::shared_ptr<TableViewCell>> TableView::visibleCells() const {
    std::vector<std::shared_ptr<TableViewCell>> out;
    for (const auto& [path, cell] : visible_) out.push_back(cell);
    return out;
}

std::vector<IndexPath> TableView::indexPathsForVisibleRows() const {
    std::vector<IndexPath> out;
    for (const auto& [path, cell] : visible_) out.push_back(path);
    return out;
}

void TableView::selectRowAtIndexPath(std::optional<IndexPath> path, bool animated, ScrollPosition position) {
    if (selected_) {
        if (auto c = cellForRowAtIndexPath(*selected_)) c->setSelected(false, animated);
    }
    selected_.reset();
    if (!path || rectForRowAtIndexPath(*path).isEmpty()) return;
    selected_ = path;
    if (auto c = cellForRowAtIndexPath(*path)) c->setSelected(true, animated);
    if (position != ScrollPosition::None) scrollToRowAtIndexPath(*path, position, animated);
}

void TableView::deselectRowAtIndexPath(IndexPath path, bool animated) {
    if (auto c = cellForRowAtIndexPath(path)) c->setSelected(false, animated);
    if (selected_ && *selected_ == path) selected_.reset();
}

void TableView::scrollToRowAtIndexPath(IndexPath path, ScrollPosition position, bool animated) {
    Rect r = rectForRowAtIndexPath(path);
    if (r.isEmpty() && r.y() == 0) return;
    Rect b = bounds();
    double y = contentOffset().y;
    switch (position) {
        case ScrollPosition::Top: y = r.minY(); break;
        case ScrollPosition::Middle: y = r.midY() - b.height() / 2; break;
        case ScrollPosition::Bottom: y = r.maxY() - b.height(); break;
        case ScrollPosition::None:
            if (r.minY() < y) y = r.minY();
            else if (r.maxY() > y + b.height()) y = r.maxY() - b.height();
            break;
    }
    Point lo = minimumOffset(), hi = maximumOffset();
    setContentOffset({contentOffset().x, std::clamp(y, lo.y, hi.y)}, animated);
}

void TableView::beginUpdates() { ++updates_; }

void TableView::endUpdates() {
    if (updates_ > 0 && --updates_ == 0) reloadData();
}

void TableView::deleteRowsAtIndexPaths(const std::vector<IndexPath>&, RowAnimation) {
    if (updates_ == 0) reloadData();
}

void TableView::insertRowsAtIndexPaths(const std::vector<IndexPath>&, RowAnimation) {
    if (updates_ == 0) reloadData();
}

void TableView::reloadRowsAtIndexPaths(const std::vector<IndexPath>&, RowAnimation) {
    if (updates_ == 0) reloadData();
}

void TableView::setBounds(const Rect& bounds) {
    Size old = this->bounds().size;
    ScrollView::setBounds(bounds);
    if (old.width != bounds.width() && !sections_.empty()) {
        for (auto& [path, cell] : visible_) {
            Rect f = cell->frame();
            cell->setFrame(Rect(f.x(), f.y(), bounds.width(), f.height()));
        }
    }
    tile();
}

void TableView::layoutSubviews() {
    if (sections_.empty() && visible_.empty() && dataSource_.lock()) {
        reloadData();
        return;
    }
    tile();
}

void TableView::hideDeleteConfirmation() {
    if (!swipedRow_) return;
    IndexPath path = *swipedRow_;
    swipedRow_.reset();
    if (auto c = cellForRowAtIndexPath(path)) c->hideDeleteButton();
    if (auto d = tableDelegate_.lock()) d->didEndEditingRowAtIndexPath(*this, path);
}

void TableView::commitDelete(IndexPath path) {
    auto keep = sharedFromThis();
    if (auto ds = dataSource_.lock()) ds->commitEditingStyle(*this, CellEditingStyle::Delete, path);
    hideDeleteConfirmation();
}

void TableView::touchesBegan(const TouchSet& touches, const Event& event) {
    ateTap_ = false;
    pressed_.reset();
    if (touches.empty()) return;
    if (swipedRow_) {
        // A tap anywhere else only takes the delete button away.
        hideDeleteConfirmation();
        ateTap_ = true;
        return;
    }
    auto path = indexPathForRowAtPoint(touches.front()->locationInView(this));
    if (!path || !allowsSelection_) return;
    pressed_ = path;
    if (auto c = cellForRowAtIndexPath(*path); c && c->selectionStyle() != TableViewCell::SelectionStyle::None) {
        c->setHighlighted(true);
    }
}

void TableView::touchesEnded(const TouchSet& touches, const Event& event) {
    if (ateTap_ || !pressed_ || touches.empty()) {
        ateTap_ = false;
        pressed_.reset();
        return;
    }
    IndexPath path = *pressed_;
    pressed_.reset();
    if (auto c = cellForRowAtIndexPath(path)) c->setHighlighted(false);
    auto at = indexPathForRowAtPoint(touches.front()->locationInView(this));
    if (!at || *at != path) return;
    auto keep = sharedFromThis();
    auto del = tableDelegate_.lock();
    std::optional<IndexPath> target = path;
    if (del) target = del->willSelectRowAtIndexPath(*this, path);
    if (!target) return;
    if (selected_ && *selected_ != *target) {
        IndexPath old = *selected_;
        deselectRowAtIndexPath(old, false);
        if (del) del->didDeselectRowAtIndexPath(*this, old);
    }
    selectRowAtIndexPath(target, false, ScrollPosition::None);
    if (del) del->didSelectRowAtIndexPath(*this, *target);
}

void TableView::touchesCancelled(const TouchSet&, const Event&) {
    if (pressed_) {
        if (auto c = cellForRowAtIndexPath(*pressed_)) c->setHighlighted(false);
    }
    pressed_.reset();
    ateTap_ = false;
}

bool TableView::shouldBeginPan(View* touched, Point delta) {
    swipeCandidate_.reset();
    if (std::fabs(delta.x) > std::fabs(delta.y) && pressed_ && !swipedRow_) {
        auto ds = dataSource_.lock();
        auto del = tableDelegate_.lock();
        bool deletable = !del || del->editingStyleForRowAtIndexPath(*this, *pressed_) == CellEditingStyle::Delete;
        if (ds && deletable && ds->canEditRowAtIndexPath(*this, *pressed_)) {
            swipeCandidate_ = pressed_;
            return true;
        }
    }
    return ScrollView::shouldBeginPan(touched, delta);
}

void TableView::panBegan(Point windowPoint) {
    if (swipeCandidate_) {
        swiping_ = true;
        swipeStart_ = windowPoint;
        if (auto c = cellForRowAtIndexPath(*swipeCandidate_)) c->setHighlighted(false);
        return;
    }
    ScrollView::panBegan(windowPoint);
}

void TableView::panMoved(Point windowPoint) {
    if (!swiping_) ScrollView::panMoved(windowPoint);
}

void TableView::panEnded(Point windowPoint, bool cancelled) {
    if (!swiping_) {
        ScrollView::panEnded(windowPoint, cancelled);
        return;
    }
    swiping_ = false;
    Point a = convertPointFromView(swipeStart_, nullptr);
    Point b = convertPointFromView(windowPoint, nullptr);
    auto path = swipeCandidate_;
    swipeCandidate_.reset();
    if (cancelled || !path || std::fabs(b.x - a.x) < kSwipeDistance) return;
    auto cell = cellForRowAtIndexPath(*path);
    if (!cell) return;
    auto del = tableDelegate_.lock();
    std::string title = del ? del->titleForDeleteConfirmationButton(*this, *path) : "Delete";
    if (del) del->willBeginEditingRowAtIndexPath(*this, *path);
    swipedRow_ = path;
    std::weak_ptr<TableView> self = std::static_pointer_cast<TableView>(shared_from_this());
    IndexPath row = *path;
    cell->showDeleteButton(title, [self, row] {
        if (auto t = self.lock()) t->commitDelete(row);
    });
}

}  // namespace zuno::ui
