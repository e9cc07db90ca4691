#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/Geometry.h"

namespace zuno::ui {

enum class LineBreakMode { WordWrap, CharacterWrap, Clip, HeadTruncation, TailTruncation, MiddleTruncation };

// A font of the DejaVu family by size. Measuring goes through the same text engine as drawing, so a
// measured width is exactly the pen advance of the drawn text.
class Font {
public:
    Font() = default;  // the system font of 17 points
    static Font systemFontOfSize(double size);
    static Font boldSystemFontOfSize(double size);
    // Any name maps to DejaVu Sans; a name that contains "Bold" gives the bold face.
    static Font fontWithName(std::string_view name, double size);

    double pointSize() const { return size_; }
    bool isBold() const { return bold_; }
    Font withSize(double size) const { Font f = *this; f.size_ = size; return f; }
    const char* familyName() const;

    // One line: the pen advance and the line height.
    Size sizeOfText(std::string_view text) const;
    double widthOfText(std::string_view text) const;
    double lineHeight() const;
    double ascender() const;
    double descender() const;  // positive, below the baseline

    // Breaks a text into lines no wider than maxWidth (explicit line breaks are kept). maxLines 0 means
    // no limit; when the limit cuts the text the last line ends with "..." under tail truncation. Lines
    // break between words (but under character wrapping) and never inside one: a word wider than the
    // line breaks after a "/" (an address) or stays whole, wider than the line, unless breakLongWords
    // (a text that must be read whole) breaks it where it must, after a "/" where one fits.
    std::vector<std::string> wrap(std::string_view text, double maxWidth, int maxLines,
                                  LineBreakMode mode = LineBreakMode::WordWrap, bool breakLongWords = false) const;
    // The size of the wrapped text within the given width (0 lines means as many as needed).
    Size sizeOfText(std::string_view text, double maxWidth, int maxLines,
                    LineBreakMode mode = LineBreakMode::WordWrap, bool breakLongWords = false) const;
    // Cuts a line to a width, ending it with "..." (or keeping its end or middle) as the mode says.
    std::string truncate(std::string_view line, double maxWidth, LineBreakMode mode) const;

    bool operator==(const Font& o) const { return size_ == o.size_ && bold_ == o.bold_; }
    bool operator!=(const Font& o) const { return !(*this == o); }

private:
    Font(double size, bool bold) : size_(size), bold_(bold) {}
    double size_ = 17;
    bool bold_ = false;
};

// Splits UTF-8 text at character boundaries (for deleting one character and for cutting lines).
size_t previousCharacterStart(std::string_view text, size_t index);
size_t nextCharacterStart(std::string_view text, size_t index);

}  // namespace zuno::ui
