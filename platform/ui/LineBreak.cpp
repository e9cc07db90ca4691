#include "platform/ui/LineBreak.h"

#include "platform/ui/Font.h"

namespace zuno::ui {

namespace {
// Whether the word may break at i: after a "/" (a run of them, as in "http://", is not split).
bool breaksAfterSlash(std::string_view text, size_t i) { return i > 1 && text[i - 1] == '/' && text[i] != '/'; }

// For a first word wider than the line, of which [0, fit) fits: after its last "/" within that part;
// 0 without one.
size_t slashBreakWithin(std::string_view text, size_t fit) {
    for (size_t i = fit; i > 1; --i) {
        if (breaksAfterSlash(text, i)) return i;
    }
    return 0;
}

// After its last "/" within the part that fits, else after its first "/" beyond it (the line then runs
// over as little as it can), else at its end.
size_t wholeWordBreak(std::string_view text, size_t fit) {
    if (size_t within = slashBreakWithin(text, fit)) return within;
    size_t end = text.find(' ', fit);
    if (end == std::string_view::npos) end = text.size();
    for (size_t i = fit + 1; i < end; ++i) {
        if (breaksAfterSlash(text, i)) return i;
    }
    return end;
}
}  // namespace

LineBreak breakLine(std::string_view text, double maxWidth, bool betweenWords,
                    const std::function<double(std::string_view)>& widthOf, LongWord longWord) {
    if (text.empty()) return {};
    size_t fit = 0, lastSpace = std::string_view::npos;
    for (size_t i = nextCharacterStart(text, 0); i <= text.size(); i = nextCharacterStart(text, i)) {
        if (widthOf(text.substr(0, i)) > maxWidth) break;
        fit = i;
        if (text[i - 1] == ' ') lastSpace = i;
        if (i == text.size()) break;
    }
    if (fit == 0) fit = nextCharacterStart(text, 0);
    size_t take = fit;
    if (betweenWords && fit < text.size() && text[fit] != ' ') {
        if (lastSpace != std::string_view::npos) {
            take = lastSpace;
        } else if (longWord == LongWord::WholeOrAtSlash) {
            take = wholeWordBreak(text, fit);
        } else if (longWord == LongWord::AtSlashOrBreak) {
            if (size_t within = slashBreakWithin(text, fit)) take = within;
        }
    }
    LineBreak cut{take, take};
    while (cut.end > 0 && text[cut.end - 1] == ' ') --cut.end;
    while (cut.next < text.size() && text[cut.next] == ' ') ++cut.next;
    return cut;
}

}  // namespace zuno::ui
