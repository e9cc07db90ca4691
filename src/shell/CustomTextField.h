#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/core/Value.h"
#include "platform/ui/Image.h"
#include "platform/ui/TextInput.h"
#include "platform/ui/View.h"

namespace zuno {

// An editable line of chat text that takes the keyboard itself and draws the typed text with every
// emoticon token as its image, clipped to the box; while it has the keyboard a caret follows the text
// and the end of a long text stays in view. The owner (`parentViewController`) hears of editing
// through its actions "beginEdit:" and "endEditing:", when it has them, with the field as sender.
class CustomTextField : public ui::View, public ui::TextInput {
public:
    CustomTextField();
    explicit CustomTextField(const ui::Rect& frame);

    std::string text() const { return text_; }
    void setText(const std::string& text);
    // The most characters the field holds (none: no limit): what is typed, pasted or set beyond it is
    // left out, so that what shows is what is sent.
    std::optional<size_t> maxCharacters() const { return maxCharacters_; }
    void setMaxCharacters(std::optional<size_t> limit);
    // How many more characters the field takes.
    size_t roomLeft() const;

    // Key input.
    bool hasText() const override { return !text_.empty(); }
    // The return key ("\n") gives up the keyboard and tells the owner; anything else is appended.
    void insertText(const std::string& text) override;
    // Removes the last character (one whole UTF-8 code point), also inside a token.
    void deleteBackward() override;
    std::string currentText() const override { return text_; }

    void touchesBegan(const ui::TouchSet& touches, const ui::Event& event) override;
    bool canBecomeFirstResponder() const override { return true; }
    bool becomeFirstResponder() override;
    bool resignFirstResponder() override;

    void drawRect(ui::Canvas& canvas, const ui::Rect& rect) override;
    void drawText(const std::string& text, ui::Canvas& canvas);
    void drawTextWithCGContextRef(ui::Canvas& canvas, const std::string& text);
    void drawImageWithCGContextRef(ui::Canvas& canvas, const std::string& imageName);

    void setEmoticonTable(std::shared_ptr<const sys::Dictionary> table) { xDictEmotions = std::move(table); }
    ui::Responder* parentViewController() const;
    void setParentViewController(ui::Responder* owner);

    // Drawn in gray while there is no text.
    void setPlaceholder(std::optional<std::string> text) {
        placeholder_ = std::move(text);
        setNeedsDisplay();
    }
    const std::optional<std::string>& placeholder() const { return placeholder_; }

    ui::Point xLastpos;
    std::shared_ptr<const sys::Dictionary> xDictEmotions;
    // Keyboard traits, as the keyboard reads them.
    int32_t autocapitalizationType = 0;    // none
    int32_t autocorrectionType = 1;        // no
    int32_t keyboardType = 0;              // default
    int32_t keyboardAppearance = 0;        // default
    int32_t returnKeyType = 9;             // Done
    bool enablesReturnKeyAutomatically = false;
    bool secureTextEntry = false;          // not looked at by the drawing
    bool isSecureTextEntry() const { return secureTextEntry; }
    bool isBecomeFirstResponder = false;

private:
    void tellOwner(const char* action);
    double advanceOf(const std::string& text) const;

    std::string text_;
    std::optional<std::string> placeholder_;
    std::optional<size_t> maxCharacters_;
    ui::ImagePtr backdrop_;
    ui::Responder* owner_ = nullptr;
    std::weak_ptr<const void> ownerAlive_;
};

}  // namespace zuno
