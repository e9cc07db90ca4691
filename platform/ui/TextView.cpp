#include "platform/ui/TextView.h"

#include <algorithm>
#include <cmath>

#include "platform/ui/Canvas.h"
#include "platform/ui/LineBreak.h"
#include "platform/ui/Touch.h"

namespace zuno::ui {

namespace {
constexpr double kInset = 8;
constexpr double kCaretWidth = 2;
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
    caret_ = text_.size();
    relayout();
}

void TextView::setFont(const Font& f) {
    font_ = f;
    relayout();
}

void TextView::relayout() {
    laidOutWidth_ = bounds().width();
    const double width = std::max(1.0, laidOutWidth_ - 2 * kInset);
    const auto widthOf = [this](std::string_view part) { return font_.widthOfText(part); };
    lines_.clear();
    size_t paragraph = 0;
    while (true) {
        const size_t newline = std::min(text_.find('\n', paragraph), text_.size());
        size_t start = paragraph;
        do {
            const std::string_view rest(text_.data() + start, newline - start);
            if (font_.widthOfText(rest) <= width) {
                lines_.push_back({start, newline});
                break;
            }
            const LineBreak cut = breakLine(rest, width, true, widthOf);
            lines_.push_back({start, start + cut.end});
            start += cut.next;
        } while (start < newline);
        if (newline == text_.size()) break;
        paragraph = newline + 1;
    }
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

void TextView::changed() {
    relayout();
    scrollCaretIntoView();
    if (auto d = textDelegate_.lock()) d->textViewDidChange(*this);
}

void TextView::insertText(const std::string& text) {
    if (!editable_) return;
    text_.insert(caret_, text);
    caret_ += text.size();
    changed();
}

void TextView::deleteBackward() {
    if (!editable_ || caret_ == 0) return;
    const size_t start = previousCharacterStart(text_, caret_);
    text_.erase(start, caret_ - start);
    caret_ = start;
    changed();
}

size_t TextView::lineOfCaret() const {
    // The first line that reaches the caret (a caret at a wrap ends the line before it).
    for (size_t i = 0; i + 1 < lines_.size(); ++i) {
        if (caret_ < lines_[i + 1].start) return i;
    }
    return lines_.empty() ? 0 : lines_.size() - 1;
}

Rect TextView::caretRect() const {
    const double lh = font_.lineHeight();
    const size_t i = lineOfCaret();
    if (lines_.empty()) return Rect(kInset, kInset, kCaretWidth, lh);
    const Line& line = lines_[i];
    const size_t upTo = std::clamp(caret_, line.start, line.end);
    const double textWidth = font_.widthOfText(std::string_view(text_).substr(line.start, line.end - line.start));
    const double x = kInset + lineX(textWidth) + font_.widthOfText(std::string_view(text_).substr(line.start, upTo - line.start));
    return Rect(std::min(x, bounds().width() - kCaretWidth), kInset + lh * double(i), kCaretWidth, lh);
}

size_t TextView::offsetAt(Point p) const {
    if (lines_.empty()) return 0;
    const double lh = font_.lineHeight();
    const double row = std::floor((p.y - kInset) / lh);
    const Line& line = lines_[size_t(std::clamp(row, 0.0, double(lines_.size() - 1)))];
    const std::string_view shown = std::string_view(text_).substr(line.start, line.end - line.start);
    const double x = p.x - kInset - lineX(font_.widthOfText(shown));
    size_t best = 0;
    double bestDistance = std::abs(x);
    for (size_t i = nextCharacterStart(shown, 0); i <= shown.size() && i > 0; i = nextCharacterStart(shown, i)) {
        const double distance = std::abs(font_.widthOfText(shown.substr(0, i)) - x);
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
        if (i == shown.size()) break;
    }
    return line.start + best;
}

void TextView::scrollCaretIntoView() {
    const Rect caret = caretRect();
    const Rect visible = bounds();
    double y = visible.y();
    if (caret.maxY() + kInset > visible.maxY()) y = caret.maxY() + kInset - visible.height();
    if (caret.y() - kInset < y) y = caret.y() - kInset;
    y = std::clamp(y, 0.0, std::max(0.0, contentSize().height - visible.height()));
    if (y != visible.y()) setContentOffset({visible.x(), y});
}

void TextView::touchesEnded(const TouchSet& touches, const Event& event) {
    if (!editable_ || touches.empty()) return;
    caret_ = offsetAt(touches.front()->locationInView(this));
    if (!isFirstResponder()) becomeFirstResponder();
    setNeedsDisplay();
}

double TextView::lineX(double lineWidth) const {
    const double width = bounds().width() - 2 * kInset;
    if (alignment_ == TextAlignment::Center) return (width - lineWidth) / 2;
    if (alignment_ == TextAlignment::Right) return width - lineWidth;
    return 0;
}

void TextView::drawRect(Canvas& canvas, const Rect&) {
    double lh = font_.lineHeight();
    Rect visible = bounds();
    canvas.setFillColor(textColor_);
    for (size_t i = 0; i < lines_.size(); ++i) {
        double y = kInset + lh * double(i);
        if (y + lh < visible.minY() || y > visible.maxY()) continue;
        const std::string_view shown = std::string_view(text_).substr(lines_[i].start, lines_[i].end - lines_[i].start);
        canvas.drawText(shown, {kInset + lineX(font_.widthOfText(shown)), y}, font_);
    }
    if (isFirstResponder() && editable_) {
        canvas.setFillColor(Color::rgb255(66, 107, 242));
        canvas.fillRect(caretRect());
    }
}

}  // namespace zuno::ui
