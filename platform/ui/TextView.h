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

// Several lines of text that wrap and scroll; editable unless switched off (then it only shows).
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
    void relayout();

    std::string text_;
    Font font_ = Font::systemFontOfSize(17);
    Color textColor_ = Color::black();
    TextAlignment alignment_ = TextAlignment::Left;
    bool editable_ = true;
    std::vector<std::string> lines_;
    double laidOutWidth_ = -1;
    std::weak_ptr<TextViewDelegate> textDelegate_;
};

}  // namespace zuno::ui
