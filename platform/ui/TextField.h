#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/ui/Control.h"
#include "platform/ui/Font.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/TextInput.h"

namespace zuno::ui {

class TextField;

// One line of a field's text in the field's text area, as every one-line field of the client draws it:
// clipped to the area and, while the field is edited, moved left as far as the caret after its last
// character needs to stay in view, so the end of a long text shows as it is typed.
struct FieldLine {
    enum class Caret { None, AfterText, AtStart };  // AtStart: an empty field edited (its hint shows)
    static constexpr double kCaretWidth = 2;
    static constexpr double kCaretGap = 1;  // between the last character and the caret

    Rect area;
    double textWidth = 0;
    TextAlignment alignment = TextAlignment::Left;
    Caret caret = Caret::None;
    bool textSelected = false;  // the whole text, drawn on a highlight

    double textX() const;
    double caretX() const;
    // Clipped to the area: `drawText` draws the text from (textX, top), then the caret `height` high.
    void draw(Canvas& canvas, double top, double height, const std::function<void(Point)>& drawText) const;
};

class TextFieldDelegate {
public:
    virtual ~TextFieldDelegate() = default;
    virtual bool textFieldShouldBeginEditing(TextField& field) { return true; }
    virtual void textFieldDidBeginEditing(TextField& field) {}
    virtual bool textFieldShouldEndEditing(TextField& field) { return true; }
    virtual void textFieldDidEndEditing(TextField& field) {}
    // The text would replace bytes [start, start + length) of the current text.
    virtual bool shouldChangeCharacters(TextField& field, size_t start, size_t length, const std::string& text) {
        return true;
    }
    virtual bool textFieldShouldReturn(TextField& field) { return true; }
    virtual bool textFieldShouldClear(TextField& field) { return true; }
};

// One line of editable text. A tap makes it the first responder (it then takes typed text); the
// return key sends "editing did end on exit" and gives up the keyboard when that event has targets.
// A field given the keyboard otherwise (by its screen, or by Tab) selects the text it holds, as
// desktop fields do: what is typed or pasted then replaces it, and a delete empties it.
class TextField : public Control, public TextInput {
public:
    enum class BorderStyle { None = 0, Line = 1, Bezel = 2, RoundedRect = 3 };
    enum class KeyboardType { Default = 0, AsciiCapable = 1, NumbersAndPunctuation = 2, Url = 3, NumberPad = 4,
                              PhonePad = 5, NamePhonePad = 6, EmailAddress = 7 };

    TextField();
    explicit TextField(const Rect& frame);

    std::string text() const { return text_; }
    void setText(const std::string& text);
    std::optional<std::string> placeholder() const { return placeholder_; }
    void setPlaceholder(std::optional<std::string> p) { placeholder_ = std::move(p); setNeedsDisplay(); }
    const Font& font() const { return font_; }
    void setFont(const Font& f) { font_ = f; setNeedsDisplay(); }
    const Color& textColor() const { return textColor_; }
    void setTextColor(const Color& c) { textColor_ = c; setNeedsDisplay(); }
    TextAlignment textAlignment() const { return alignment_; }
    void setTextAlignment(TextAlignment a) { alignment_ = a; setNeedsDisplay(); }
    BorderStyle borderStyle() const { return border_; }
    void setBorderStyle(BorderStyle s) { border_ = s; setNeedsDisplay(); }
    ImagePtr background() const { return background_; }
    void setBackground(ImagePtr image) { background_ = std::move(image); setNeedsDisplay(); }
    bool isSecureTextEntry() const { return secure_; }
    void setSecureTextEntry(bool on) { secure_ = on; setNeedsDisplay(); }
    KeyboardType keyboardType() const { return keyboard_; }
    void setKeyboardType(KeyboardType k) { keyboard_ = k; }
    int returnKeyType() const { return returnKey_; }
    void setReturnKeyType(int k) { returnKey_ = k; }
    bool clearsOnBeginEditing() const { return clearsOnBegin_; }
    void setClearsOnBeginEditing(bool on) { clearsOnBegin_ = on; }
    bool isEditing() const { return editing_; }
    bool isTextSelected() const { return textSelected_; }

    void setDelegate(std::weak_ptr<TextFieldDelegate> d) { delegate_ = std::move(d); }
    std::shared_ptr<TextFieldDelegate> delegate() const { return delegate_.lock(); }

    bool canBecomeFirstResponder() const override { return isEnabled(); }
    bool becomeFirstResponder() override;
    bool resignFirstResponder() override;

    void insertText(const std::string& text) override;
    void deleteBackward() override;
    bool hasText() const override { return !text_.empty(); }
    std::string currentText() const override { return secure_ ? std::string() : text_; }

    void touchesEnded(const TouchSet& touches, const Event& event) override;
    void drawRect(Canvas& canvas, const Rect& rect) override;

    // The area the text is drawn in.
    Rect textRect() const;

private:
    std::string text_;
    std::optional<std::string> placeholder_;
    Font font_ = Font::systemFontOfSize(14);
    Color textColor_ = Color::black();
    TextAlignment alignment_ = TextAlignment::Left;
    BorderStyle border_ = BorderStyle::None;
    ImagePtr background_;
    bool secure_ = false;
    KeyboardType keyboard_ = KeyboardType::Default;
    int returnKey_ = 0;
    bool clearsOnBegin_ = false;
    bool editing_ = false;
    bool textSelected_ = false;
    bool focusedByTap_ = false;
    std::weak_ptr<TextFieldDelegate> delegate_;
};

using TextFieldPtr = std::shared_ptr<TextField>;

}  // namespace zuno::ui
