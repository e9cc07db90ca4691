#include "shell/CustomLabel.h"

#include "platform/ui/Canvas.h"
#include "platform/ui/Image.h"
#include "platform/ui/LineBreak.h"
#include "platform/ui/ScreenFactory.h"
#include "shell/EmoticonText.h"
#include "shell/Resources.h"

namespace zuno {

CustomLabel::CustomLabel() : CustomLabel(ui::Rect()) {}

CustomLabel::CustomLabel(const ui::Rect& frame) : ui::Label(frame) {
    setBackgroundColor(ui::Color::clear());
    xDictEmotions = std::make_shared<const sys::Dictionary>(Resources::getInstance().xDictEmotion());
}

CustomLabel::CustomLabel(const std::string& text, const ui::Rect& frame) : CustomLabel(frame) { setText(text); }

void CustomLabel::setText(std::optional<std::string> text) {
    text_ = text.value_or(std::string());
    setNeedsDisplay();
}

void CustomLabel::drawRect(ui::Canvas& canvas, const ui::Rect&) {
    canvas.setFillColor(ui::Color::white());
    const ui::Font measureFont = ui::Font::systemFontOfSize(14);
    if (numberOfLines() != 1) {
        // The first line stands where a label of one line would put it; the others follow.
        const std::vector<std::string> lines = wrappedLines(bounds().width());
        const double lineHeight = font().lineHeight();
        const double firstLine = frame().size.height - lineHeight * double(lines.size() > 0 ? lines.size() - 1 : 0);
        for (size_t i = 0; i < lines.size(); ++i) {
            xLastpos = {0, emoticon::penY(firstLine, measureFont) + lineHeight * double(i)};
            drawText(lines[i], canvas);
        }
        return;
    }
    xLastpos = {0, emoticon::penY(frame().size.height, measureFont)};
    if (truncatesOnPurpose() && advanceOf(text_) > bounds().width()) {
        drawCut(text_, canvas);
        return;
    }
    drawText(text_, canvas);
}

double CustomLabel::advanceOf(const std::string& text) const {
    return emoticon::advance(text, xDictEmotions.get(), font(), -3);
}

std::vector<std::string> CustomLabel::wrappedLines(double width) const {
    if (numberOfLines() == 1 || text_.empty()) return {text_};
    std::vector<std::string> lines;
    const auto widthOf = [this](std::string_view part) { return advanceOf(std::string(part)); };
    std::string_view rest(text_);
    while (!rest.empty()) {
        if (advanceOf(std::string(rest)) <= width) {
            lines.emplace_back(rest);
            break;
        }
        const ui::LineBreak cut = ui::breakLine(rest, width, true, widthOf);
        lines.emplace_back(rest.substr(0, cut.end));
        rest.remove_prefix(cut.next);
    }
    return lines;
}

// The runs that fit before "..." at the right edge; a run that does not fit whole is cut between
// characters (a picture is left out whole), so no part of a letter is drawn.
void CustomLabel::drawCut(const std::string& text, ui::Canvas& canvas) {
    const std::string ellipsis = "...";
    const double limit = bounds().width() - font().widthOfText(ellipsis);
    for (const auto& run : emoticon::split(text, xDictEmotions.get())) {
        if (run.isImage) {
            if (xLastpos.x + ui::Image::imageNamed(run.value)->size().width - 6 > limit) break;
            drawImageWithCGContextRef(canvas, run.value);
            continue;
        }
        if (xLastpos.x + font().widthOfText(run.value) <= limit) {
            drawTextWithCGContextRef(canvas, run.value);
            continue;
        }
        size_t end = run.value.size();
        while (end > 0 && xLastpos.x + font().widthOfText(std::string_view(run.value).substr(0, end)) > limit) {
            end = ui::previousCharacterStart(run.value, end);
        }
        while (end > 0 && run.value[end - 1] == ' ') --end;
        if (end > 0) drawTextWithCGContextRef(canvas, run.value.substr(0, end));
        break;
    }
    drawTextWithCGContextRef(canvas, ellipsis);
}

void CustomLabel::drawText(const std::string& text, ui::Canvas& canvas) {
    for (const auto& run : emoticon::split(text, xDictEmotions.get())) {
        if (run.isImage) {
            drawImageWithCGContextRef(canvas, run.value);
        } else {
            drawTextWithCGContextRef(canvas, run.value);
        }
    }
}

void CustomLabel::drawTextWithCGContextRef(ui::Canvas& canvas, const std::string& text) {
    canvas.drawText(text, xLastpos, font());
    xLastpos.x += font().widthOfText(text);
}

// Drawn 6 points smaller than its natural size, the pen moving by the width less 3.
void CustomLabel::drawImageWithCGContextRef(ui::Canvas& canvas, const std::string& imageName) {
    auto image = ui::Image::imageNamed(imageName);
    const ui::Size size = image->size();
    canvas.drawImage(*image, ui::Rect(xLastpos.x, xLastpos.y, size.width - 6, size.height - 6));
    xLastpos.x += size.width - 3;
}

ZUNO_REGISTER_VIEW(CustomLabel)

}  // namespace zuno
