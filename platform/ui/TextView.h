#pragma once

#include <memory>
#include <string>

#include "platform/ui/Font.h"
#include "platform/ui/Label.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/TextInput.h"

namespace zuno::ui {

class TextView;

class TextViewDelegate : public ScrollViewDelegate {
public:
    virtual void textViewDidBeginEditing(TextView& view) {}
    virtual void textViewDidEndEditing(TextView& view) {}
    virtual void textViewDidChange(TextView& view) {}
};

// Several lines of text that wrap and scroll; editable unless switched off (then it only shows). While
// it is edited a caret shows where typed and pasted text goes: a tap puts it at the nearest place
// between characters, and it starts after the text.
class TextView : public ScrollView, public TextInput {
public:
    TextView();
    explicit TextView(const Rect& frame);

    std::string text() const { return text_; }
    void setText(const std::string& text);
    const Font& font() const { return font_; }
    void setFont(const Font& f);
    const Color& textColor() const { return textColor_; }
    void setTextColor(const Color& c) { textColor_ = c; setNeedsDisplay(); }
    TextAlignment textAlignment() const { return alignment_; }
    void setTextAlignment(TextAlignment a) { alignment_ = a; setNeedsDisplay(); }
    bool isEditable() const { return editable_; }
    void setEditable(bool on) { editable_ = on; }
    void setTextViewDelegate(std::weak_ptr<TextViewDelegate> d);
    // Where typing goes: a byte offset into the text, at a character boundary.
    size_t caret() const { return caret_; }
    // The caret's place and height in the view's content.
    Rect caretRect() const;

    bool canBecomeFirstResponder() const override { return editable_; }
    bool becomeFirstResponder() override;
    bool resignFirstResponder() override;
    void insertText(const std::string& text) override;
    void deleteBackward() override;
    bool hasText() const override { return !text_.empty(); }
    std::string currentText() const override { return text_; }

    void setBounds(const Rect& bounds) override;
    void touchesEnded(const TouchSet& touches, const Event& event) override;
    void drawRect(Canvas& canvas, const Rect& rect) override;

private:
    // One laid-out line: the bytes [start, end) of the text; the spaces a wrap drops lie after end.
    struct Line {
        size_t start = 0, end = 0;
    };
    void relayout();
    size_t lineOfCaret() const;
    // The place between characters nearest to a point in the content.
    size_t offsetAt(Point p) const;
    void scrollCaretIntoView();
    void changed();
    // Where a line of that width starts, as the alignment places it.
    double lineX(double lineWidth) const;

    std::string text_;
    size_t caret_ = 0;
    Font font_ = Font::systemFontOfSize(17);
    Color textColor_ = Color::black();
    TextAlignment alignment_ = TextAlignment::Left;
    bool editable_ = true;
    std::vector<Line> lines_;
    double laidOutWidth_ = -1;
    std::weak_ptr<TextViewDelegate> textDelegate_;
};

}  // namespace zuno::ui
