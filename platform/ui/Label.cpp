#include "platform/ui/Label.h"

#include <algorithm>
#include <cmath>

#include "platform/ui/Canvas.h"

namespace zuno::ui {

Label::Label() : Label(Rect()) {}

Label::Label(const Rect& frame) : View(frame) {
    setBackgroundColor(Color::white());
    setUserInteractionEnabled(false);
}

void Label::setText(std::optional<std::string> text) {
    if (text == text_) return;
    text_ = std::move(text);
    setNeedsDisplay();
}

void Label::setFont(const Font& font) {
    font_ = font;
    setNeedsDisplay();
}

void Label::setTextColor(const Color& c) {
    textColor_ = c;
    setNeedsDisplay();
}

void Label::setTextAlignment(TextAlignment a) {
    alignment_ = a;
    setNeedsDisplay();
}

void Label::setNumberOfLines(int n) {
    lines_ = std::max(0, n);
    setNeedsDisplay();
}

void Label::setLineBreakMode(LineBreakMode m) {
    lineBreak_ = m;
    setNeedsDisplay();
}

Font Label::fittingFont(double width) const {
    Font f = font_;
    if (!adjusts_ || lines_ != 1 || !text_) return f;
    double minimum = minimumFontSize_ > 0 ? minimumFontSize_ : 1;
    while (f.pointSize() > minimum && f.widthOfText(*text_) > width) f = f.withSize(std::max(minimum, f.pointSize() - 1));
    return f;
}

void Label::drawRect(Canvas& canvas, const Rect& rect) { drawTextInRect(canvas, bounds()); }

const Label::Lines& Label::linesFor(const Rect& box) {
    Lines& l = laidOut_;
    if (l.text == *text_ && l.requestedFont == font_ && l.box == box.size && l.maxLines == lines_ &&
        l.mode == lineBreak_ && l.adjusts == adjusts_ && l.minimumFontSize == minimumFontSize_ &&
        l.truncates == truncatesOnPurpose_ && l.breaksLongWords == breaksLongWords_) {
        return l;
    }
    l.text = *text_;
    l.requestedFont = font_;
    l.box = box.size;
    l.maxLines = lines_;
    l.mode = lineBreak_;
    l.adjusts = adjusts_;
    l.minimumFontSize = minimumFontSize_;
    l.truncates = truncatesOnPurpose_;
    l.breaksLongWords = breaksLongWords_;
    Laid laid = layOut(box.size);
    l.font = laid.font;
    l.lines = std::move(laid.lines);
    l.widths.clear();
    for (const auto& line : l.lines) l.widths.push_back(l.font.widthOfText(line));
    return l;
}

Label::Laid Label::layOut(Size box) const {
    Laid laid{fittingFont(box.width), {}};
    if (!text_) return laid;
    int maxLines = lines_;
    if (maxLines == 0) maxLines = std::max(1, int(std::floor(box.height / laid.font.lineHeight())));
    LineBreakMode mode = lines_ == 1 && lineBreak_ == LineBreakMode::WordWrap ? LineBreakMode::Clip : lineBreak_;
    // A text cut on purpose shows where it was cut, never the sliver of a letter at the edge.
    if (truncatesOnPurpose_ && (mode == LineBreakMode::Clip || mode == LineBreakMode::WordWrap)) {
        mode = LineBreakMode::TailTruncation;
    }
    laid.lines = laid.font.wrap(*text_, box.width, maxLines, mode, breaksLongWords_);
    return laid;
}

void Label::drawTextInRect(Canvas& canvas, const Rect& box) {
    if (!text_ || text_->empty()) return;
    const Lines& laid = linesFor(box);
    if (laid.lines.empty()) return;
    const Font& f = laid.font;
    double lh = f.lineHeight();
    double total = lh * double(laid.lines.size());
    double y = box.y() + std::floor((box.height() - total) / 2);
    Color color = textColor_;
    if (highlighted_ && highlightedTextColor_) color = *highlightedTextColor_;
    if (!enabled_) color = color.withAlpha(color.a * 0.5);
    // Clipping costs more than the text itself; only text that runs over its box needs it.
    bool clip = y < box.y() || total > box.height();
    for (double w : laid.widths) clip = clip || w > box.width();
    canvas.save();
    if (clip) canvas.clipToRect(box);
    for (size_t i = 0; i < laid.lines.size(); ++i) {
        const std::string& line = laid.lines[i];
        double w = laid.widths[i];
        const double x = box.x() + lineOffset(w, box.width());
        if (shadowColor_ && !shadowColor_->isClear()) {
            canvas.setFillColor(*shadowColor_);
            canvas.drawText(line, {x + shadowOffset_.width, y + shadowOffset_.height}, f);
        }
        canvas.setFillColor(color);
        canvas.drawText(line, {x, y}, f);
        y += lh;
    }
    canvas.restore();
}

double Label::lineOffset(double lineWidth, double boxWidth) const {
    if (alignment_ == TextAlignment::Center) return std::floor((boxWidth - lineWidth) / 2);
    if (alignment_ == TextAlignment::Right) return boxWidth - lineWidth;
    return 0;
}

Size Label::sizeThatFits(Size size) const {
    if (!text_ || text_->empty()) return {0, 0};
    double maxWidth = lines_ == 1 ? 0 : (size.width > 0 ? size.width : 0);
    return font_.sizeOfText(*text_, maxWidth, lines_, lineBreak_, breaksLongWords_);
}

}  // namespace zuno::ui
