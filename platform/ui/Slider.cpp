#include "platform/ui/Slider.h"

#include <algorithm>
#include <cmath>

#include "platform/ui/Canvas.h"

namespace zuno::ui {

Slider::Slider() : Slider(Rect(0, 0, 118, 23)) {}

Slider::Slider(const Rect& frame) : Control(frame) { setOpaque(false); }

void Slider::setValue(double v) {
    double hi = std::max(min_, max_);
    value_ = std::clamp(v, min_, hi);
    setNeedsDisplay();
}

void Slider::setMinimumValue(double v) {
    min_ = v;
    setValue(value_);
}

void Slider::setMaximumValue(double v) {
    max_ = v;
    setValue(value_);
}

static ImagePtr stateImage(const std::map<unsigned, ImagePtr>& m, unsigned state) {
    auto it = m.find(state);
    if (it != m.end()) return it->second;
    it = m.find(ControlState::Normal);
    return it == m.end() ? nullptr : it->second;
}

void Slider::setThumbImage(ImagePtr image, unsigned state) {
    setNeedsDisplay();  // a thumb of another size covers another place
    thumbs_[state] = std::move(image);
    setNeedsDisplay();
}
ImagePtr Slider::thumbImageForState(unsigned state) const { return stateImage(thumbs_, state); }
void Slider::setMinimumTrackImage(ImagePtr image, unsigned state) { minTracks_[state] = std::move(image); setNeedsDisplay(); }
void Slider::setMaximumTrackImage(ImagePtr image, unsigned state) { maxTracks_[state] = std::move(image); setNeedsDisplay(); }

Size Slider::thumbSize() const {
    if (auto t = thumbImageForState(state())) return t->size();
    return {23, 23};
}

Rect Slider::thumbRect() const {
    Rect b = bounds();
    Size t = thumbSize();
    double span = max_ > min_ ? (value_ - min_) / (max_ - min_) : 0;
    double x = b.x() + span * std::max(0.0, b.width() - t.width);
    return Rect(x, b.midY() - t.height / 2, t.width, t.height);
}

Rect Slider::contentExtent() const { return Control::contentExtent().united(thumbRect()); }

void Slider::drawRect(Canvas& canvas, const Rect&) {
    Rect b = bounds();
    Rect thumb = thumbRect();
    Rect track(b.x() + 2, b.midY() - 4.5, b.width() - 4, 9);
    Rect left(track.x(), track.y(), thumb.midX() - track.x(), track.height());
    Rect right(thumb.midX(), track.y(), track.maxX() - thumb.midX(), track.height());
    if (auto img = stateImage(minTracks_, state())) {
        canvas.drawImage(*img, left);
    } else {
        canvas.setFillColor(Color::rgb255(60, 120, 230));
        canvas.beginPath();
        canvas.addRoundedRect(left, 4.5);
        canvas.fillPath();
    }
    if (auto img = stateImage(maxTracks_, state())) {
        canvas.drawImage(*img, right);
    } else {
        canvas.setFillColor(Color::white(0.85));
        canvas.beginPath();
        canvas.addRoundedRect(right, 4.5);
        canvas.fillPath();
    }
    if (auto img = thumbImageForState(state())) {
        canvas.drawImage(*img, thumb);
    } else {
        canvas.setFillColor(Color::white());
        canvas.beginPath();
        canvas.addEllipse(thumb.insetBy(0.5, 0.5));
        canvas.fillPath();
        canvas.setStrokeColor(Color::white(0.55));
        canvas.setLineWidth(1);
        canvas.beginPath();
        canvas.addEllipse(thumb.insetBy(0.5, 0.5));
        canvas.strokePath();
    }
}

void Slider::trackTo(Point p) {
    Rect b = bounds();
    double usable = std::max(1.0, b.width() - thumbSize().width);
    double t = std::clamp((p.x - b.x() - thumbSize().width / 2) / usable, 0.0, 1.0);
    double before = value_;
    setValue(min_ + t * (max_ - min_));
    if (value_ != before) {
        changed_ = true;
        if (continuous_) sendActionsForControlEvents(ControlEvent::ValueChanged);
    }
}

bool Slider::beginTracking(const Touch& touch, const Event&) {
    changed_ = false;
    Point p = touch.locationInView(this);
    // Only a touch on the thumb (with a little room around it) moves the value.
    if (!thumbRect().insetBy(-10, -10).contains(p)) return false;
    return true;
}

bool Slider::continueTracking(const Touch& touch, const Event&) {
    trackTo(touch.locationInView(this));
    return true;
}

void Slider::endTracking(const Touch& touch, const Event&) {
    if (!continuous_ && changed_) sendActionsForControlEvents(ControlEvent::ValueChanged);
}

}  // namespace zuno::ui
