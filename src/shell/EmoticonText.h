#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/Value.h"
#include "platform/ui/Font.h"

namespace zuno::emoticon {

// A chat text cut into plain runs and emoticon images, in reading order.
struct Run {
    bool isImage = false;
    std::string value;  // the plain text, or the image name
    bool operator==(const Run& o) const { return isImage == o.isImage && value == o.value; }
};

// The emoticon table's tokens in the order they are tried: longest first, then by bytes, so that a
// token that holds another wins and the result never depends on the table's own order. Empty tokens
// and tokens without an image name are left out.
std::vector<std::string> tokenOrder(const sys::Dictionary& table);

// Splits at the first occurrence of the first token (in trial order) that occurs, then handles the
// parts before and after the same way. Without a table the whole text is one plain run; an empty text
// gives no runs.
std::vector<Run> split(std::string_view text, const sys::Dictionary* table);

// The pen's advance over a text drawn in runs: each plain run in the font, each image its own width
// and the gap after it.
double advance(std::string_view text, const sys::Dictionary* table, const ui::Font& font, double imageGap);

// The pen's starting line: the height of "a" in the font, truncated, centred in the frame height and
// truncated again.
double penY(double frameHeight, const ui::Font& measureFont);

}  // namespace zuno::emoticon
