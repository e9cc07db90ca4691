#include "shell/EmoticonText.h"

#include <algorithm>
#include <cmath>

#include "platform/ui/Image.h"

namespace zuno::emoticon {

std::vector<std::string> tokenOrder(const sys::Dictionary& table) {
    std::vector<std::string> tokens;
    for (const auto& [token, image] : table) {
        if (!token.empty() && image.isText() && !image.text()->empty()) tokens.push_back(token);
    }
    std::sort(tokens.begin(), tokens.end(), [](const std::string& a, const std::string& b) {
        return a.size() != b.size() ? a.size() > b.size() : a < b;
    });
    return tokens;
}

namespace {
// Tokens before `first` in the order occur nowhere in `text`, so the part before a match needs only
// the tokens after it: the recursion is no deeper than the number of tokens.
void splitInto(std::string_view text, const sys::Dictionary& table, const std::vector<std::string>& tokens,
               size_t first, std::vector<Run>& out) {
    while (!text.empty()) {
        size_t chosen = tokens.size();
        size_t at = std::string_view::npos;
        for (size_t i = first; i < tokens.size(); ++i) {
            at = text.find(tokens[i]);
            if (at != std::string_view::npos) {
                chosen = i;
                break;
            }
        }
        if (chosen == tokens.size()) {
            out.push_back({false, std::string(text)});
            return;
        }
        splitInto(text.substr(0, at), table, tokens, chosen + 1, out);
        out.push_back({true, *table.find(tokens[chosen])->text()});
        text.remove_prefix(at + tokens[chosen].size());
        first = chosen;  // the tokens before it still occur nowhere in the rest
    }
}
}  // namespace

std::vector<Run> split(std::string_view text, const sys::Dictionary* table) {
    std::vector<Run> out;
    if (text.empty()) return out;
    if (!table) {
        out.push_back({false, std::string(text)});
        return out;
    }
    splitInto(text, *table, tokenOrder(*table), 0, out);
    return out;
}

double advance(std::string_view text, const sys::Dictionary* table, const ui::Font& font, double imageGap) {
    double x = 0;
    for (const auto& run : split(text, table)) {
        x += run.isImage ? ui::Image::imageNamed(run.value)->size().width + imageGap : font.widthOfText(run.value);
    }
    return x;
}

double penY(double frameHeight, const ui::Font& measureFont) {
    const double h = std::trunc(measureFont.sizeOfText("a").height);
    return std::trunc((frameHeight - h) * 0.5);
}

}  // namespace zuno::emoticon
