#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/Value.h"
#include "platform/ui/Label.h"

namespace zuno {

// A read-only line of chat text with every emoticon token drawn as its image, in white, without
// wrapping. The text is kept here; the base label's own text stays empty. A label that truncates on
// purpose ends a text too long for its width with "...". A label of any number of lines other than one
// wraps its text between words (a word wider than the label between characters), one line under the
// other from the top.
class CustomLabel : public ui::Label {
public:
    CustomLabel();
    explicit CustomLabel(const ui::Rect& frame);
    CustomLabel(const std::string& text, const ui::Rect& frame);

    const std::string& text() const { return text_; }
    void setText(std::optional<std::string> text) override;

    void drawRect(ui::Canvas& canvas, const ui::Rect& rect) override;
    // Splits the text at tokens and draws the runs.
    void drawText(const std::string& text, ui::Canvas& canvas);
    void drawTextWithCGContextRef(ui::Canvas& canvas, const std::string& text);
    void drawImageWithCGContextRef(ui::Canvas& canvas, const std::string& imageName);

    // The emoticon table in use (the bundle's, taken at creation); none draws every token as text.
    void setEmoticonTable(std::shared_ptr<const sys::Dictionary> table) { xDictEmotions = std::move(table); }

    ui::Point xLastpos;  // the pen during drawing
    std::shared_ptr<const sys::Dictionary> xDictEmotions;

    // The pen's advance over a text drawn in this label.
    double advanceOf(const std::string& text) const;
    // The lines the text is drawn in at that width: one line unless the label wraps.
    std::vector<std::string> wrappedLines(double width) const;

private:
    void drawCut(const std::string& text, ui::Canvas& canvas);

    std::string text_;
};

}  // namespace zuno
