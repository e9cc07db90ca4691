#include "platform/ui/TextField.h"

#include <algorithm>
#include <cmath>

#include "platform/ui/Canvas.h"

namespace zuno::ui {

namespace {
std::string bullets(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); i = nextCharacterStart(text, i)) out += "\xE2\x80\xA2";
    return out;
}

// Typed text keeps printable characters only (one line).
std::string printable(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        if (c >= 0x20 && c != 0x7F) out += char(c);
    }
    return out;
}
}  // namespace

TextField::TextField() : TextField(Rect()) {}

TextField::TextField(const Rect& frame) : Control(frame) { setOpaque(false); }

void TextField::setText(const std::string& text) {
    text_ = text;
    textSelected_ = false;
    setNeedsDisplay();
}

bool TextField::becomeFirstResponder() {
    if (isFirstResponder()) return true;
    if (!canBecomeFirstResponder()) return false;
    if (auto d = delegate_.lock(); d && !d->textFieldShouldBeginEditing(*this)) return false;
    if (!Control::becomeFirstResponder()) return false;
    editing_ = true;
    if (clearsOnBegin_) text_.clear();
    textSelected_ = !focusedByTap_ && !text_.empty();
    setNeedsDisplay();
    if (auto d = delegate_.lock()) d->textFieldDidBeginEditing(*this);
    sendActionsForControlEvents(ControlEvent::EditingDidBegin);
    return true;
}

bool TextField::resignFirstResponder() {
    if (!isFirstResponder()) return true;
    if (auto d = delegate_.lock(); d && !d->textFieldShouldEndEditing(*this)) return false;
    if (!Control::resignFirstResponder()) return false;
    editing_ = false;
    textSelected_ = false;
    setNeedsDisplay();
    if (auto d = delegate_.lock()) d->textFieldDidEndEditing(*this);
    sendActionsForControlEvents(ControlEvent::EditingDidEnd);
    return true;
}

void TextField::insertText(const std::string& text) {
    if (text == "\n" || text == "\r") {
        auto keep = sharedFromThis();
        if (auto d = delegate_.lock()) d->textFieldShouldReturn(*this);
        // Any target or handler for the event makes the return key end editing.
        bool hasExitTargets = hasActionsFor(ControlEvent::EditingDidEndOnExit);
        sendActionsForControlEvents(ControlEvent::EditingDidEndOnExit);
        if (hasExitTargets && isFirstResponder()) resignFirstResponder();
        return;
    }
    std::string clean = printable(text);
    if (clean.empty()) return;
    const size_t replaced = textSelected_ ? text_.size() : 0;
    if (auto d = delegate_.lock(); d && !d->shouldChangeCharacters(*this, text_.size() - replaced, replaced, clean)) return;
    text_.erase(text_.size() - replaced);
    text_ += clean;
    textSelected_ = false;
    setNeedsDisplay();
    sendActionsForControlEvents(ControlEvent::EditingChanged);
}

void TextField::deleteBackward() {
    if (text_.empty()) return;
    size_t start = textSelected_ ? 0 : previousCharacterStart(text_, text_.size());
    if (auto d = delegate_.lock(); d && !d->shouldChangeCharacters(*this, start, text_.size() - start, "")) return;
    text_.erase(start);
    textSelected_ = false;
    setNeedsDisplay();
    sendActionsForControlEvents(ControlEvent::EditingChanged);
}

void TextField::touchesEnded(const TouchSet& touches, const Event& event) {
    bool inside = !touches.empty() && bounds().contains(touches.front()->locationInView(this));
    Control::touchesEnded(touches, event);
    if (!inside || !isEnabled()) return;
    if (isFirstResponder()) {
        // A tap in a field whose text is selected puts the caret after the text instead.
        if (textSelected_) {
            textSelected_ = false;
            setNeedsDisplay();
        }
        return;
    }
    focusedByTap_ = true;
    becomeFirstResponder();
    focusedByTap_ = false;
}

Rect TextField::textRect() const {
    Rect b = bounds();
    double pad = border_ == BorderStyle::None ? 0 : (border_ == BorderStyle::RoundedRect ? 8 : 4);
    return b.insetBy(pad, 0);
}

void TextField::drawRect(Canvas& canvas, const Rect&) {
    Rect b = bounds();
    if (background_) {
        canvas.drawImage(*background_, b);
    } else if (border_ != BorderStyle::None) {
        canvas.setFillColor(Color::white());
        canvas.setStrokeColor(border_ == BorderStyle::Line ? Color::black() : Color::gray());
        canvas.setLineWidth(1);
        canvas.beginPath();
        canvas.addRoundedRect(b.insetBy(0.5, 0.5), border_ == BorderStyle::RoundedRect ? 6 : 0);
        canvas.fillPath();
        canvas.beginPath();
        canvas.addRoundedRect(b.insetBy(0.5, 0.5), border_ == BorderStyle::RoundedRect ? 6 : 0);
        canvas.strokePath();
    }
    bool showPlaceholder = text_.empty() && placeholder_ && !placeholder_->empty();
    std::string shown = showPlaceholder ? *placeholder_ : (secure_ ? bullets(text_) : text_);
    using Caret = FieldLine::Caret;
    const Caret caret = !editing_ ? Caret::None : (showPlaceholder ? Caret::AtStart : Caret::AfterText);
    const FieldLine line{textRect(), font_.widthOfText(shown), alignment_, caret, textSelected_ && !showPlaceholder};
    double lh = font_.lineHeight();
    double y = line.area.y() + std::floor((line.area.height() - lh) / 2);
    canvas.setFillColor(showPlaceholder ? Color::white(0.7) : textColor_);
    line.draw(canvas, y, lh, [&](Point at) { canvas.drawText(shown, at, font_); });
}

double FieldLine::textX() const {
    double x = area.x();
    if (alignment == TextAlignment::Center) x = area.x() + std::floor((area.width() - textWidth) / 2);
    if (alignment == TextAlignment::Right) x = area.maxX() - textWidth;
    if (caret == Caret::AfterText) x = std::min(x, area.maxX() - kCaretWidth - kCaretGap - textWidth);
    return x;
}

double FieldLine::caretX() const { return caret == Caret::AtStart ? area.x() : textX() + textWidth + kCaretGap; }

void FieldLine::draw(Canvas& canvas, double top, double height, const std::function<void(Point)>& drawText) const {
    canvas.save();
    canvas.clipToRect(area);
    if (textSelected) {
        canvas.save();  // the text keeps its colour
        canvas.setFillColor(Color::rgb255(66, 107, 242).withAlpha(0.35));
        canvas.fillRect(Rect(textX(), top, textWidth, height));
        canvas.restore();
    }
    drawText({textX(), top});
    if (caret != Caret::None) {
        canvas.setFillColor(Color::rgb255(66, 107, 242));
        canvas.fillRect(Rect(caretX(), top, kCaretWidth, height));
    }
    canvas.restore();
}

}  // namespace zuno::ui
