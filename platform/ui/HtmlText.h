#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zuno::ui {

// The readable content of an HTML page: words in order, each with its style, the link it belongs to,
// and paragraph breaks. A form's submit buttons (<button>, <input type=submit>) become links to the
// form's action with its hidden fields and the button's own name and value as the query. Scripts, styles and the head are dropped; entities are decoded.
struct HtmlWord {
    std::string text;
    bool bold = false;
    int heading = 0;  // 1 to 6, or 0
    std::optional<std::string> link;
    bool submits = false;          // the link is a form's submit button: its action with the fields
    bool breakBefore = false;      // starts a new line
    bool paragraphBefore = false;  // leaves an empty line before
};

struct HtmlDocument {
    std::string title;
    std::vector<HtmlWord> words;
};

HtmlDocument parseHtml(std::string_view html);
std::string decodeHtmlEntities(std::string_view text);

}  // namespace zuno::ui
