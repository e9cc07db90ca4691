#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/ui/Font.h"
#include "platform/ui/View.h"

namespace zuno::ui {

enum class TextAlignment { Left = 0, Center = 1, Right = 2 };

// Read-only text: one line by default, centred vertically in its bounds.
class Label : public View {
public:
    Label();
    explicit Label(const Rect& frame);

    // A missing text (nil) and an empty one both draw nothing.
    const std::optional<std::string>& text() const { return text_; }
    std::string textOrEmpty() const { return text_.value_or(""); }
    virtual void setText(std::optional<std::string> text);
    const Font& font() const { return font_; }
    void setFont(const Font& font);
    const Color& textColor() const { return textColor_; }
    void setTextColor(const Color& c);
    std::optional<Color> highlightedTextColor() const { return highlightedTextColor_; }
    void setHighlightedTextColor(std::optional<Color> c) { highlightedTextColor_ = c; setNeedsDisplay(); }
    TextAlignment textAlignment() const { return alignment_; }
    void setTextAlignment(TextAlignment a);
    int numberOfLines() const { return lines_; }
    void setNumberOfLines(int n);
    LineBreakMode lineBreakMode() const { return lineBreak_; }
    void setLineBreakMode(LineBreakMode m);
    std::optional<Color> shadowColor() const { return shadowColor_; }
    void setShadowColor(std::optional<Color> c) { shadowColor_ = c; setNeedsDisplay(); }
    Size shadowOffset() const { return shadowOffset_; }
    void setShadowOffset(Size s) { shadowOffset_ = s; setNeedsDisplay(); }
    bool adjustsFontSizeToFitWidth() const { return adjusts_; }
    void setAdjustsFontSizeToFitWidth(bool on) { adjusts_ = on; setNeedsDisplay(); }
    double minimumFontSize() const { return minimumFontSize_; }
    void setMinimumFontSize(double s) { minimumFontSize_ = s; setNeedsDisplay(); }
    bool isHighlighted() const { return highlighted_; }
    void setHighlighted(bool on) { highlighted_ = on; setNeedsDisplay(); }
    bool isEnabled() const { return enabled_; }
    void setEnabled(bool on) { enabled_ = on; setNeedsDisplay(); }
    // The label is meant to cut a text longer than its frame (a player's name in a narrow seat, a line
    // of a list), rather than to show it whole; the cut line ends with "..." whatever the break mode.
    bool truncatesOnPurpose() const { return truncatesOnPurpose_; }
    void setTruncatesOnPurpose(bool on) { truncatesOnPurpose_ = on; setNeedsDisplay(); }
    // A label of several lines whose text must be read whole (a dialog's message): a word wider than a
    // line is broken where it must, after a "/" where one fits, rather than left whole and cut.
    bool breaksLongWords() const { return breaksLongWords_; }
    void setBreaksLongWords(bool on) { breaksLongWords_ = on; setNeedsDisplay(); }

    void drawRect(Canvas& canvas, const Rect& rect) override;
    virtual void drawTextInRect(Canvas& canvas, const Rect& rect);
    Size sizeThatFits(Size size) const override;

    // The text as the label draws it in a box of that size: its lines, broken and cut as drawn, in
    // the font they are drawn in (smaller where the label shrinks a text to fit).
    struct Laid {
        Font font;
        std::vector<std::string> lines;
    };
    Laid layOut(Size box) const;
    // How far from a box's left edge a line of that width starts, as the label aligns its lines.
    double lineOffset(double lineWidth, double boxWidth) const;

private:
    Font fittingFont(double width) const;
    // The lines of the text broken for a box, kept until the text, its font or the box changes.
    struct Lines {
        std::string text;
        Font requestedFont;
        Size box;
        int maxLines = -1;
        LineBreakMode mode = LineBreakMode::Clip;
        bool adjusts = false;
        double minimumFontSize = 0;
        bool truncates = false;
        bool breaksLongWords = false;
        Font font;
        std::vector<std::string> lines;
        std::vector<double> widths;
    };
    const Lines& linesFor(const Rect& box);
    Lines laidOut_;

    std::optional<std::string> text_;
    Font font_ = Font::systemFontOfSize(17);
    Color textColor_ = Color::black();
    std::optional<Color> highlightedTextColor_;
    TextAlignment alignment_ = TextAlignment::Left;
    int lines_ = 1;
    LineBreakMode lineBreak_ = LineBreakMode::TailTruncation;
    std::optional<Color> shadowColor_;
    Size shadowOffset_{0, -1};
    bool adjusts_ = false;
    double minimumFontSize_ = 0;
    bool highlighted_ = false;
    bool enabled_ = true;
    bool truncatesOnPurpose_ = false;
    bool breaksLongWords_ = false;
};

using LabelPtr = std::shared_ptr<Label>;

}  // namespace zuno::ui
