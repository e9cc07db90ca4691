#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zuno {

// Where a line too long for one turn of its bubble breaks off, and where its next turn takes it up.
inline constexpr std::string_view kBubbleGoesOn = "\u2026";

// What one turn of a chat bubble shows. The lines waiting for the bubble, oldest first, are joined with
// ", " and broken into rows no wider than the text may run; a turn shows as many whole lines as its
// rows hold, the first always. A first line longer than all the rows shows the words that fit, its last
// row ending with the mark, and keeps the rest, starting with the mark, for the next turn, so that no
// line is lost and a player sees that it goes on.
struct BubbleTurn {
    std::vector<std::string> rows;
    size_t linesShown = 0;    // whole lines, from the oldest
    std::string restOfFirst;  // the mark and the end of a first line too long for one turn; empty when it shows whole
};

BubbleTurn layBubbleTurn(const std::vector<std::string>& waiting, double width, size_t mostRows,
                         const std::function<double(std::string_view)>& widthOf);

}  // namespace zuno
