#pragma once

#include <cstddef>
#include <functional>
#include <string_view>

namespace zuno::ui {

// Where the first line of a text ends when lines may be no wider than maxWidth as `widthOf` measures
// them: after the last word that fits (or, without betweenWords, after the last character that fits;
// one character at least). The line is [0, end), without the spaces at its end; the next line starts
// at `next`, after the spaces between them.
struct LineBreak {
    size_t end = 0;
    size_t next = 0;
};

// What becomes of a first word wider than the whole line.
enum class LongWord {
    Break,           // broken after the last character that fits
    WholeOrAtSlash,  // broken only after a "/" (an address then breaks between its parts): the last
                     // that fits, else the first beyond; a word without one is left whole
    AtSlashOrBreak,  // broken after the last "/" that fits, else after the last character that fits:
                     // every part stays within the line
};

LineBreak breakLine(std::string_view text, double maxWidth, bool betweenWords,
                    const std::function<double(std::string_view)>& widthOf, LongWord longWord = LongWord::Break);

}  // namespace zuno::ui
