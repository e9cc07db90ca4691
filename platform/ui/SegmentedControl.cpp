#include "platform/ui/SegmentedControl.h"

#include <algorithm>
#include <cmath>

#include "platform/ui/Canvas.h"

namespace zuno::ui {

SegmentedControl::SegmentedControl() : Control(Rect(0, 0, 200, 30)) { setOpaque(false); }

SegmentedControl::SegmentedControl(const std::vector<std::string>& titles) : SegmentedControl() {
    for (const auto& t : titles) segments_.push_back({t, nullptr, true});
}

void SegmentedControl::insertSegmentWithTitle(const std::string& title, int index, bool) {
    index = std::clamp(index, 0, numberOfSegments());
    segments_.insert(segments_.begin() + index, Segment{title, nullptr, true});
    if (selected_ >= index) ++selected_;
    setNeedsDisplay();
}

void SegmentedControl::insertSegmentWithImage(ImagePtr image, int index, bool) {
    index = std::clamp(index, 0, numberOfSegments());
    segments_.insert(segments_.begin() + index, Segment{"", std::move(image), true});
    if (selected_ >= index) ++selected_;
    setNeedsDisplay();
}

void SegmentedControl::removeSegmentAtIndex(int index, bool) {
    if (index < 0 || index >= numberOfSegments()) return;
    segments_.erase(segments_.begin() + index);
    if (selected_ == index) selected_ = kNoSegment;
    else if (selected_ > index) --selected_;
    setNeedsDisplay();
}

void SegmentedControl::removeAllSegments() {
    segments_.clear();
    selected_ = kNoSegment;
    setNeedsDisplay();
}

void SegmentedControl::setTitle(const std::string& title, int segment) {
    if (segment < 0 || segment >= numberOfSegments()) return;
    segments_[size_t(segment)].title = title;
    segments_[size_t(segment)].image.reset();
    setNeedsDisplay();
}

std::string SegmentedControl::titleForSegmentAtIndex(int segment) const {
    if (segment < 0 || segment >= numberOfSegments()) return {};
    return segments_[size_t(segment)].title;
}

void SegmentedControl::setImage(ImagePtr image, int segment) {
    if (segment < 0 || segment >= numberOfSegments()) return;
    segments_[size_t(segment)].image = std::move(image);
    setNeedsDisplay();
}

void SegmentedControl::setEnabled(bool on, int segment) {
    if (segment < 0 || segment >= numberOfSegments()) return;
    segments_[size_t(segment)].enabled = on;
    setNeedsDisplay();
}

bool SegmentedControl::isEnabledForSegmentAtIndex(int segment) const {
    return segment >= 0 && segment < numberOfSegments() && segments_[size_t(segment)].enabled;
}

void SegmentedControl::setSelectedSegmentIndex(int index) {
    if (index < kNoSegment || index >= numberOfSegments()) index = kNoSegment;
    selected_ = index;
    setNeedsDisplay();
}

int SegmentedControl::segmentAtPoint(Point p) const {
    Rect b = bounds();
    if (segments_.empty() || !b.contains(p)) return kNoSegment;
    int i = int((p.x - b.x()) / (b.width() / double(segments_.size())));
    return std::clamp(i, 0, numberOfSegments() - 1);
}

Rect SegmentedControl::segmentRect(int segment) const {
    Rect b = bounds().insetBy(0.5, 0.5);
    double w = segments_.empty() ? b.width() : b.width() / double(segments_.size());
    return Rect(b.x() + w * double(segment), b.y(), w, b.height());
}

std::string SegmentedControl::shownTitleForSegment(int segment) const {
    if (segment < 0 || segment >= numberOfSegments() || segments_[size_t(segment)].image) return {};
    return font_.truncate(segments_[size_t(segment)].title, segmentRect(segment).width() - 6, LineBreakMode::TailTruncation);
}

void SegmentedControl::drawRect(Canvas& canvas, const Rect&) {
    Rect b = bounds().insetBy(0.5, 0.5);
    canvas.save();
    canvas.beginPath();
    canvas.addRoundedRect(b, 5);
    canvas.clipToPath();
    canvas.setFillColor(Color::white(0.95));
    canvas.fillRect(b);
    for (size_t i = 0; i < segments_.size(); ++i) {
        Rect seg = segmentRect(int(i));
        bool on = int(i) == selected_;
        if (on) {
            canvas.setFillColor(tint_);
            canvas.fillRect(seg);
        }
        const auto& s = segments_[i];
        if (s.image) {
            canvas.drawImage(*s.image, placeContent(s.image->size(), seg, ContentMode::Center));
        } else {
            std::string t = shownTitleForSegment(int(i));
            double tw = font_.widthOfText(t);
            Color c = on ? Color::white() : Color::darkGray();
            if (!s.enabled) c = c.withAlpha(0.4);
            canvas.setFillColor(c);
            canvas.drawText(t, {seg.midX() - tw / 2, seg.midY() - font_.lineHeight() / 2}, font_);
        }
        if (i > 0) {
            canvas.setFillColor(Color::white(0.6));
            canvas.fillRect(Rect(seg.x(), seg.y(), 1, seg.height()));
        }
    }
    canvas.restore();
    canvas.setStrokeColor(Color::white(0.5));
    canvas.setLineWidth(1);
    canvas.beginPath();
    canvas.addRoundedRect(b, 5);
    canvas.strokePath();
}

void SegmentedControl::endTracking(const Touch& touch, const Event&) {
    int i = segmentAtPoint(touch.locationInView(this));
    if (i == kNoSegment || !segments_[size_t(i)].enabled) return;
    bool changed = i != selected_ || momentary_;
    selected_ = momentary_ ? kNoSegment : i;
    setNeedsDisplay();
    if (changed) sendActionsForControlEvents(ControlEvent::ValueChanged);
}

}  // namespace zuno::ui
