#include "shell/CustomTextField.h"

#include <cstdint>

#include "platform/core/Log.h"
#include "platform/core/Utf8.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"
#include "platform/ui/Image.h"
#include "platform/ui/ScreenFactory.h"
#include "platform/ui/TextField.h"
#include "shell/EmoticonText.h"
#include "shell/Resources.h"

namespace zuno {

namespace {
constexpr double kTextInset = 10;  // the box's rounded ends
constexpr double kImageGap = 3;    // after each emoticon

ui::Font typedFont() { return ui::Font::boldSystemFontOfSize(16); }
}  // namespace

CustomTextField::CustomTextField() : CustomTextField(ui::Rect()) {}

CustomTextField::CustomTextField(const ui::Rect& frame) : ui::View(frame) {
    setBackgroundColor(ui::Color::clear());
    backdrop_ = ui::Image::imageNamed("textbox400.png");
    xDictEmotions = std::make_shared<const sys::Dictionary>(Resources::getInstance().xDictEmotion());
}

void CustomTextField::setText(const std::string& text) {
    text_ = maxCharacters_ ? sys::firstCharacters(text, *maxCharacters_) : text;
    setNeedsDisplay();
}

void CustomTextField::setMaxCharacters(std::optional<size_t> limit) {
    maxCharacters_ = limit;
    setText(text_);
}

size_t CustomTextField::roomLeft() const {
    if (!maxCharacters_) return SIZE_MAX;
    const size_t count = sys::characterCount(text_);
    return count < *maxCharacters_ ? *maxCharacters_ - count : 0;
}

ui::Responder* CustomTextField::parentViewController() const { return ownerAlive_.expired() ? nullptr : owner_; }

void CustomTextField::setParentViewController(ui::Responder* owner) {
    owner_ = owner;
    ownerAlive_ = owner ? owner->liveness() : std::weak_ptr<const void>();
}

void CustomTextField::tellOwner(const char* action) {
    if (auto* owner = parentViewController()) owner->performAction(action, this);
}

void CustomTextField::insertText(const std::string& text) {
    if (text == "\n") {
        resignFirstResponder();
        tellOwner("endEditing:");
        return;
    }
    text_ += sys::firstCharacters(text, roomLeft());
    setNeedsDisplay();
}

void CustomTextField::deleteBackward() {
    if (text_.empty()) return;
    text_.erase(ui::previousCharacterStart(text_, text_.size()));
    setNeedsDisplay();
}

void CustomTextField::touchesBegan(const ui::TouchSet&, const ui::Event&) {
    if (isBecomeFirstResponder) return;
    isBecomeFirstResponder = true;
    becomeFirstResponder();
    tellOwner("beginEdit:");
}

bool CustomTextField::becomeFirstResponder() {
    if (!ui::Responder::becomeFirstResponder()) return false;
    setNeedsDisplay();  // the caret
    return true;
}

bool CustomTextField::resignFirstResponder() {
    isBecomeFirstResponder = false;
    setNeedsDisplay();
    return ui::Responder::resignFirstResponder();
}

double CustomTextField::advanceOf(const std::string& text) const {
    return emoticon::advance(text, xDictEmotions.get(), typedFont(), kImageGap);
}

void CustomTextField::drawRect(ui::Canvas& canvas, const ui::Rect&) {
    // The box is drawn here, under the text: a subview would cover it.
    if (backdrop_) canvas.drawImage(*backdrop_, ui::Rect(ui::Point{0, 0}, bounds().size));
    const bool hint = text_.empty() && placeholder_;
    const std::string& shown = hint ? *placeholder_ : text_;
    using Caret = ui::FieldLine::Caret;
    const ui::FieldLine line{bounds().insetBy(kTextInset, 0), advanceOf(shown), ui::TextAlignment::Left,
                             !isFirstResponder() ? Caret::None : (hint ? Caret::AtStart : Caret::AfterText), false};
    const double top = emoticon::penY(frame().size.height, ui::Font::systemFontOfSize(16));
    canvas.setFillColor(hint ? ui::Color::gray() : ui::Color::black());
    line.draw(canvas, top, typedFont().lineHeight(), [&](ui::Point at) {
        xLastpos = at;
        drawText(shown, canvas);
    });
}

void CustomTextField::drawText(const std::string& text, ui::Canvas& canvas) {
    for (const auto& run : emoticon::split(text, xDictEmotions.get())) {
        if (run.isImage) {
            drawImageWithCGContextRef(canvas, run.value);
        } else {
            drawTextWithCGContextRef(canvas, run.value);
        }
    }
}

void CustomTextField::drawTextWithCGContextRef(ui::Canvas& canvas, const std::string& text) {
    const ui::Font font = typedFont();
    canvas.drawText(text, xLastpos, font);
    xLastpos.x += font.widthOfText(text);
}

void CustomTextField::drawImageWithCGContextRef(ui::Canvas& canvas, const std::string& imageName) {
    auto image = ui::Image::imageNamed(imageName);
    canvas.drawImage(*image, xLastpos);
    xLastpos.x += image->size().width + kImageGap;
    sys::Log::line("found emotion");
}

ZUNO_REGISTER_VIEW(CustomTextField)

}  // namespace zuno
