#include "platform/ui/HtmlText.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

#include "platform/core/Text.h"
#include "platform/core/Utf8.h"
#include "platform/net/UrlEncoding.h"

namespace zuno::ui {

namespace {

// A character reference that names no character shows as the replacement character.
void appendUtf8(std::string& out, uint32_t cp) {
    if (cp == 0 || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
    sys::appendUtf8(out, cp);
}

// The value of an attribute inside a tag's text, or nothing.
std::optional<std::string> attribute(std::string_view tag, std::string_view name) {
    std::string low = sys::asciiLowercase(tag);
    size_t pos = 0;
    while ((pos = low.find(name, pos)) != std::string::npos) {
        bool startOk = pos > 0 && std::isspace(static_cast<unsigned char>(low[pos - 1]));
        size_t p = pos + name.size();
        while (p < low.size() && std::isspace(static_cast<unsigned char>(low[p]))) ++p;
        if (!startOk || p >= low.size() || low[p] != '=') {
            pos += name.size();
            continue;
        }
        ++p;
        while (p < low.size() && std::isspace(static_cast<unsigned char>(low[p]))) ++p;
        if (p >= tag.size()) return std::string();
        char quote = tag[p];
        if (quote == '"' || quote == '\'') {
            size_t end = tag.find(quote, p + 1);
            if (end == std::string_view::npos) end = tag.size();
            return decodeHtmlEntities(tag.substr(p + 1, end - p - 1));
        }
        size_t end = p;
        while (end < tag.size() && !std::isspace(static_cast<unsigned char>(tag[end])) && tag[end] != '>') ++end;
        return decodeHtmlEntities(tag.substr(p, end - p));
    }
    return std::nullopt;
}

bool isBlock(const std::string& name) {
    static const char* blocks[] = {"p", "div", "li", "ul", "ol", "tr", "table", "h1", "h2", "h3", "h4", "h5",
                                   "h6", "blockquote", "pre", "hr", "dl", "dt", "dd", "center", "form", "section"};
    return std::find_if(std::begin(blocks), std::end(blocks), [&](const char* b) { return name == b; }) !=
           std::end(blocks);
}

}  // namespace

std::string decodeHtmlEntities(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&') {
            out += text[i];
            continue;
        }
        size_t end = text.find(';', i);
        if (end == std::string_view::npos || end - i > 10) {
            out += '&';
            continue;
        }
        std::string_view name = text.substr(i + 1, end - i - 1);
        if (!name.empty() && name[0] == '#') {
            uint32_t cp = 0;
            bool hex = name.size() > 1 && (name[1] == 'x' || name[1] == 'X');
            bool ok = name.size() > (hex ? 2u : 1u);
            for (size_t k = hex ? 2 : 1; k < name.size() && ok; ++k) {
                char c = name[k];
                int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                            : hex && std::isxdigit(static_cast<unsigned char>(c)) ? std::tolower(c) - 'a' + 10
                                                                                 : -1;
                if (digit < 0) ok = false;
                else cp = std::min<uint32_t>(cp * (hex ? 16 : 10) + uint32_t(digit), 0x110000);
            }
            if (!ok) {
                out += '&';
                continue;
            }
            appendUtf8(out, cp);
        } else if (name == "amp") {
            out += '&';
        } else if (name == "lt") {
            out += '<';
        } else if (name == "gt") {
            out += '>';
        } else if (name == "quot") {
            out += '"';
        } else if (name == "apos") {
            out += '\'';
        } else if (name == "nbsp") {
            out += ' ';
        } else if (name == "copy") {
            appendUtf8(out, 0xA9);
        } else {
            out += '&';
            continue;
        }
        i = end;
    }
    return out;
}

HtmlDocument parseHtml(std::string_view html) {
    HtmlDocument doc;
    int bold = 0;
    int heading = 0;
    std::optional<std::string> link;
    bool pendingBreak = false, pendingParagraph = false;
    bool inTitle = false;
    std::optional<std::string> formAction;
    sys::QueryPairs formFields;
    auto submitLink = [&](std::string_view tag) {
        sys::QueryPairs fields = formFields;
        if (auto n = attribute(tag, "name"); n && !n->empty()) fields.emplace_back(*n, attribute(tag, "value").value_or(""));
        std::string query = sys::formUrlEncode(fields);
        return *formAction + (query.empty() ? "" : (formAction->find('?') == std::string::npos ? "?" : "&") + query);
    };
    bool submits = false;
    std::string skipUntil;  // the closing tag that ends a skipped part (script, style, head)
    auto addText = [&](std::string_view raw) {
        std::string text = decodeHtmlEntities(raw);
        if (inTitle) {
            doc.title += text;
            return;
        }
        size_t i = 0;
        while (i < text.size()) {
            while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
            size_t start = i;
            while (i < text.size() && !std::isspace(static_cast<unsigned char>(text[i]))) ++i;
            if (i == start) break;
            HtmlWord w;
            w.text = text.substr(start, i - start);
            w.bold = bold > 0 || heading > 0;
            w.heading = heading;
            w.link = link;
            w.submits = submits && link.has_value();
            w.breakBefore = pendingBreak && !doc.words.empty();
            w.paragraphBefore = pendingParagraph && !doc.words.empty();
            pendingBreak = pendingParagraph = false;
            doc.words.push_back(std::move(w));
        }
    };
    size_t i = 0;
    while (i < html.size()) {
        size_t lt = html.find('<', i);
        if (lt == std::string_view::npos) lt = html.size();
        if (skipUntil.empty() && lt > i) addText(html.substr(i, lt - i));
        if (lt >= html.size()) break;
        if (html.substr(lt, 4) == "<!--") {
            size_t end = html.find("-->", lt + 4);
            i = end == std::string_view::npos ? html.size() : end + 3;
            continue;
        }
        size_t gt = html.find('>', lt);
        if (gt == std::string_view::npos) break;
        std::string_view tag = html.substr(lt + 1, gt - lt - 1);
        i = gt + 1;
        bool closing = !tag.empty() && tag[0] == '/';
        size_t nameStart = closing ? 1 : 0, nameEnd = nameStart;
        while (nameEnd < tag.size() && (std::isalnum(static_cast<unsigned char>(tag[nameEnd])))) ++nameEnd;
        std::string name = sys::asciiLowercase(tag.substr(nameStart, nameEnd - nameStart));
        if (!skipUntil.empty()) {
            if (closing && name == skipUntil) skipUntil.clear();
            continue;
        }
        if (!closing && (name == "script" || name == "style")) {
            skipUntil = name;
            continue;
        }
        if (name == "title") {
            inTitle = !closing;
            continue;
        }
        if (name == "br") {
            pendingBreak = true;
        } else if (name == "b" || name == "strong") {
            bold = std::max(0, bold + (closing ? -1 : 1));
        } else if (name.size() == 2 && name[0] == 'h' && name[1] >= '1' && name[1] <= '6') {
            heading = closing ? 0 : name[1] - '0';
            pendingParagraph = true;
        } else if (name == "a") {
            link = closing ? std::nullopt : attribute(tag, "href");
        } else if (name == "form") {
            formAction = closing ? std::nullopt : std::optional<std::string>(attribute(tag, "action").value_or(""));
            formFields.clear();
        } else if (name == "button" && formAction) {
            link = closing ? std::nullopt : std::optional<std::string>(submitLink(tag));
            submits = !closing;
        } else if (name == "input" && formAction && !closing) {
            std::string type = sys::asciiLowercase(attribute(tag, "type").value_or("text"));
            if (type == "hidden") {
                if (auto n = attribute(tag, "name")) formFields.emplace_back(*n, attribute(tag, "value").value_or(""));
            } else if (type == "submit") {
                link = submitLink(tag);
                submits = true;
                addText(attribute(tag, "value").value_or("Submit"));
                link.reset();
                submits = false;
            }
        }
        if (isBlock(name)) {
            pendingBreak = true;
            if (name == "p" || name == "table" || name == "ul" || name == "ol") pendingParagraph = true;
        }
    }
    return doc;
}

}  // namespace zuno::ui
