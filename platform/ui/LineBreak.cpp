#include "platform/ui/LineBreak.h"

#include "platform/ui/Font.h"

namespace zuno::ui {

LineBreak breakLine(std::string_view text, double maxWidth, bool betweenWords,
                    const std::function<double(std::string_view)>& widthOf) {
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
    if (betweenWords && lastSpace != std::string_view::npos && fit < text.size() && text[fit] != ' ') take = lastSpace;
    LineBreak cut{take, take};
    while (cut.end > 0 && text[cut.end - 1] == ' ') --cut.end;
    while (cut.next < text.size() && text[cut.next] == ' ') ++cut.next;
    return cut;
}

}  // namespace zuno::ui
