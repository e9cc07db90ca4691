#include "table/BubbleTurn.h"

#include "platform/ui/LineBreak.h"

namespace zuno {

namespace {
// At most `mostRows` rows of the text; `restAt` is where the text they leave out starts. The last row
// of a text that goes on ends with the mark, which it leaves room for.
std::vector<std::string> rowsOf(std::string_view text, double width, size_t mostRows,
                                const std::function<double(std::string_view)>& widthOf, size_t& restAt) {
    std::vector<std::string> rows;
    restAt = 0;
    while (restAt < text.size() && rows.size() < mostRows) {
        const std::string_view rest = text.substr(restAt);
        if (widthOf(rest) <= width) {
            rows.emplace_back(rest);
            restAt = text.size();
            break;
        }
        const bool lastRow = rows.size() + 1 == mostRows;
        const double room = lastRow ? width - widthOf(kBubbleGoesOn) : width;
        const ui::LineBreak cut = ui::breakLine(rest, room, true, widthOf);
        rows.emplace_back(rest.substr(0, cut.end));
        if (lastRow) rows.back() += kBubbleGoesOn;
        restAt += cut.next;
    }
    return rows;
}
}  // namespace

BubbleTurn layBubbleTurn(const std::vector<std::string>& waiting, double width, size_t mostRows,
                         const std::function<double(std::string_view)>& widthOf) {
    BubbleTurn turn;
    std::string joined;
    for (size_t i = 0; i < waiting.size(); ++i) {
        const std::string candidate = i == 0 ? waiting[0] : joined + ", " + waiting[i];
        size_t restAt = 0;
        std::vector<std::string> rows = rowsOf(candidate, width, mostRows, widthOf, restAt);
        if (restAt < candidate.size()) {
            if (i == 0) {
                turn.rows = std::move(rows);
                turn.restOfFirst = std::string(kBubbleGoesOn) + candidate.substr(restAt);
            }
            break;
        }
        joined = candidate;
        turn.rows = std::move(rows);
        turn.linesShown = i + 1;
    }
    return turn;
}

}  // namespace zuno
