#include "platform/ui/PickerView.h"

#include <algorithm>
#include <cmath>

#include "platform/ui/Canvas.h"

namespace zuno::ui {

PickerView::PickerView() : PickerView(Rect(0, 0, 320, 216)) {}

PickerView::PickerView(const Rect& frame) : View(frame) { setBackgroundColor(Color::white(0.9)); }

int PickerView::numberOfRowsInComponent(int c) const {
    return c >= 0 && c < int(rowCounts_.size()) ? rowCounts_[size_t(c)] : 0;
}

int PickerView::selectedRowInComponent(int c) const {
    return c >= 0 && c < int(selection_.size()) ? selection_[size_t(c)] : -1;
}

void PickerView::reloadAllComponents() {
    auto ds = dataSource_.lock();
    int n = ds ? std::max(0, ds->numberOfComponentsInPickerView(*this)) : 0;
    selection_.resize(size_t(n), 0);
    rowCounts_.assign(size_t(n), 0);
    for (int c = 0; c < n; ++c) reloadComponent(c);
    setNeedsDisplay();
}

void PickerView::reloadComponent(int c) {
    auto ds = dataSource_.lock();
    if (!ds || c < 0 || c >= int(rowCounts_.size())) return;
    rowCounts_[size_t(c)] = std::max(0, ds->numberOfRowsInComponent(*this, c));
    int& sel = selection_[size_t(c)];
    sel = rowCounts_[size_t(c)] == 0 ? 0 : std::clamp(sel, 0, rowCounts_[size_t(c)] - 1);
    setNeedsDisplay();
}

void PickerView::selectRow(int row, int c, bool) {
    if (c < 0 || c >= int(selection_.size())) return;
    int rows = rowCounts_[size_t(c)];
    if (rows == 0) return;
    selection_[size_t(c)] = std::clamp(row, 0, rows - 1);
    setNeedsDisplay();
}

double PickerView::rowHeight(int c) const {
    auto d = delegate_.lock();
    return d ? std::max(1.0, d->rowHeightForComponent(const_cast<PickerView&>(*this), c)) : 44;
}

int PickerView::componentAt(Point p) const {
    int n = numberOfComponents();
    if (n == 0) return -1;
    Rect b = bounds();
    return std::clamp(int((p.x - b.x()) / (b.width() / n)), 0, n - 1);
}

void PickerView::turn(int c, int rows) {
    if (c < 0 || rows == 0) return;
    int before = selection_[size_t(c)];
    selectRow(before + rows, c, true);
    if (selection_[size_t(c)] != before) {
        if (auto d = delegate_.lock()) d->didSelectRow(*this, selection_[size_t(c)], c);
    }
}

void PickerView::touchesBegan(const TouchSet& touches, const Event&) {
    if (!touches.empty()) touchStart_ = touches.front()->locationInView(this);
}

void PickerView::touchesEnded(const TouchSet& touches, const Event&) {
    if (touches.empty()) return;
    Point p = touches.front()->locationInView(this);
    int c = componentAt(touchStart_);
    if (c < 0) return;
    double h = rowHeight(c);
    double dy = p.y - touchStart_.y;
    if (std::fabs(dy) > h / 2) {
        turn(c, -int(std::lround(dy / h)));
        return;
    }
    double mid = bounds().midY();
    if (p.y < mid - h / 2) turn(c, -1 - int((mid - h / 2 - p.y) / h));
    else if (p.y > mid + h / 2) turn(c, 1 + int((p.y - mid - h / 2) / h));
}

void PickerView::drawRect(Canvas& canvas, const Rect&) {
    Rect b = bounds();
    int n = numberOfComponents();
    auto d = delegate_.lock();
    double w = n > 0 ? b.width() / n : b.width();
    for (int c = 0; c < n; ++c) {
        Rect col(b.x() + w * c + 4, b.y() + 4, w - 8, b.height() - 8);
        canvas.setFillColor(Color::white());
        canvas.fillRect(col);
        double h = rowHeight(c);
        int sel = selection_[size_t(c)];
        int rows = rowCounts_[size_t(c)];
        canvas.save();
        canvas.clipToRect(col);
        for (int r = 0; r < rows; ++r) {
            double y = b.midY() + (r - sel) * h - h / 2;
            if (y + h < col.minY() || y > col.maxY()) continue;
            std::string title = d ? d->titleForRow(*this, r, c).value_or("") : "";
            title = font_.truncate(title, col.width() - 12, LineBreakMode::TailTruncation);
            canvas.setFillColor(r == sel ? Color::black() : Color::gray());
            canvas.drawText(title, {col.x() + 10, y + (h - font_.lineHeight()) / 2}, font_);
        }
        canvas.restore();
    }
    if (showsSelection_ && n > 0) {
        double h = rowHeight(0);
        canvas.setFillColor(Color::rgb255(120, 140, 200, 0.3));
        canvas.fillRect(Rect(b.x(), b.midY() - h / 2, b.width(), h));
    }
}

}  // namespace zuno::ui
