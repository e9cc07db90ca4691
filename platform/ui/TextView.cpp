#include "platform/ui/TextView.h"

#include <cmath>

#include "platform/ui/Canvas.h"

namespace zuno::ui {

namespace {
constexpr double kInset = 8;
}

TextView::TextView() : TextView(Rect(0, 0, 320, 180)) {}

TextView::TextView(const Rect& frame) : ScrollView(frame) {
    setBackgroundColor(Color::white());
    relayout();
}

void TextView::setTextViewDelegate(std::weak_ptr<TextViewDelegate> d) {
    textDelegate_ = d;
    setDelegate(std::weak_ptr<ScrollViewDelegate>(d.lock()));
}

void TextView::setText(const std::string& text) {
    text_ = text;
    relayout();
}

void TextView::setFont(const Font& f) {
    font_ = f;
    relayout();
}

void TextView::relayout() {
    laidOutWidth_ = bounds().width();
    lines_ = font_.wrap(text_, std::max(1.0, laidOutWidth_ - 2 * kInset), 0, LineBreakMode::WordWrap, true);
    setContentSize({laidOutWidth_, std::ceil(font_.lineHeight() * double(lines_.size()) + 2 * kInset)});
    setNeedsDisplay();
}

void TextView::setBounds(const Rect& bounds) {
    ScrollView::setBounds(bounds);
    if (bounds.width() != laidOutWidth_) relayout();
}

bool TextView::becomeFirstResponder() {
    if (!ScrollView::becomeFirstResponder()) return false;
    if (auto d = textDelegate_.lock()) d->textViewDidBeginEditing(*this);
    setNeedsDisplay();
    return true;
}

bool TextView::resignFirstResponder() {
    bool was = isFirstResponder();
    if (!ScrollView::resignFirstResponder()) return false;
    if (was) {
        if (auto d = textDelegate_.lock()) d->textViewDidEndEditing(*this);
    }
    setNeedsDisplay();
    return true;
}

void TextView::insertText(const std::string& text) {
    if (!editable_) return;
    text_ += text;
    relayout();
    if (auto d = textDelegate_.lock()) d->textViewDidChange(*this);
}

void TextView::deleteBackward() {
    if (!editable_ || text_.empty()) return;
    text_.erase(previousCharacterStart(text_, text_.size()));
    relayout();
    if (auto d = textDelegate_.lock()) d->textViewDidChange(*this);
}

void TextView::touchesEnded(const TouchSet& touches, const Event& event) {
    if (editable_ && !isFirstResponder()) becomeFirstResponder();
}

void TextView::drawRect(Canvas& canvas, const Rect&) {
    double lh = font_.lineHeight();
    Rect visible = bounds();
    double width = visible.width() - 2 * kInset;
    canvas.setFillColor(textColor_);
    for (size_t i = 0; i < lines_.size(); ++i) {
        double y = kInset + lh * double(i);
        if (y + lh < visible.minY() || y > visible.maxY()) continue;
        double w = font_.widthOfText(lines_[i]);
        double x = kInset;
        if (alignment_ == TextAlignment::Center) x = kInset + (width - w) / 2;
        if (alignment_ == TextAlignment::Right) x = kInset + width - w;
        canvas.drawText(lines_[i], {x, y}, font_);
    }
}

}  // namespace zuno::ui
