#include "platform/ui/Font.h"

#include <algorithm>
#include <cmath>

#include "platform/ui/LineBreak.h"

namespace zuno::ui {

Font Font::systemFontOfSize(double size) { return Font(size, false); }

Font Font::boldSystemFontOfSize(double size) { return Font(size, true); }

Font Font::fontWithName(std::string_view name, double size) {
    return Font(size, name.find("Bold") != std::string_view::npos || name.find("bold") != std::string_view::npos);
}

size_t previousCharacterStart(std::string_view text, size_t index) {
    if (index == 0) return 0;
    if (index > text.size()) index = text.size();
    size_t i = index - 1;
    while (i > 0 && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) --i;
    return i;
}

size_t nextCharacterStart(std::string_view text, size_t index) {
    if (index >= text.size()) return text.size();
    size_t i = index + 1;
    while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) ++i;
    return i;
}

std::string Font::truncate(std::string_view line, double maxWidth, LineBreakMode mode) const {
    if (widthOfText(line) <= maxWidth || mode == LineBreakMode::Clip || mode == LineBreakMode::WordWrap ||
        mode == LineBreakMode::CharacterWrap) {
        return std::string(line);
    }
    const std::string ellipsis = "...";
    if (mode == LineBreakMode::HeadTruncation) {
        size_t start = 0;
        while (start < line.size() && widthOfText(ellipsis + std::string(line.substr(start))) > maxWidth) {
            start = nextCharacterStart(line, start);
        }
        return ellipsis + std::string(line.substr(start));
    }
    if (mode == LineBreakMode::MiddleTruncation) {
        size_t head = line.size() / 2, tail = line.size() / 2;
        head = previousCharacterStart(line, nextCharacterStart(line, head));
        tail = head;
        for (;;) {
            std::string candidate = std::string(line.substr(0, head)) + ellipsis + std::string(line.substr(tail));
            if (widthOfText(candidate) <= maxWidth || (head == 0 && tail == line.size())) return candidate;
            if (head > 0) head = previousCharacterStart(line, head);
            if (tail < line.size()) tail = nextCharacterStart(line, tail);
        }
    }
    size_t end = line.size();
    while (end > 0 && widthOfText(std::string(line.substr(0, end)) + ellipsis) > maxWidth) {
        end = previousCharacterStart(line, end);
    }
    return std::string(line.substr(0, end)) + ellipsis;
}

std::vector<std::string> Font::wrap(std::string_view text, double maxWidth, int maxLines, LineBreakMode mode,
                                    bool breakLongWords) const {
    std::vector<std::string> lines;
    bool cut = false;
    size_t pos = 0;
    while (pos <= text.size()) {
        size_t nl = text.find('\n', pos);
        std::string_view para = text.substr(pos, nl == std::string_view::npos ? std::string_view::npos : nl - pos);
        // Break one paragraph into lines.
        size_t start = 0;
        do {
            if (maxLines > 0 && int(lines.size()) == maxLines) {
                cut = true;
                break;
            }
            std::string_view rest = para.substr(start);
            if (maxWidth <= 0 || widthOfText(rest) <= maxWidth) {
                lines.emplace_back(rest);
                start = para.size();
                break;
            }
            // The truncating modes only change the last line.
            const bool betweenWords = mode != LineBreakMode::CharacterWrap;
            const LineBreak lineEnd =
                breakLine(rest, maxWidth, betweenWords, [this](std::string_view part) { return widthOfText(part); },
                          breakLongWords ? LongWord::AtSlashOrBreak : LongWord::WholeOrAtSlash);
            lines.emplace_back(rest.substr(0, lineEnd.end));
            start += lineEnd.next;
        } while (start < para.size());
        if (cut || nl == std::string_view::npos) {
            if (nl != std::string_view::npos && maxLines > 0 && int(lines.size()) == maxLines) cut = true;
            break;
        }
        pos = nl + 1;
    }
    if (cut && !lines.empty()) {
        auto& last = lines.back();
        if (mode == LineBreakMode::TailTruncation) {
            std::string base = last;
            while (!base.empty() && widthOfText(base + "...") > maxWidth) {
                base.erase(previousCharacterStart(base, base.size()));
            }
            last = base + "...";
        }
    } else if (!lines.empty() && maxWidth > 0) {
        for (auto& l : lines) {
            if (widthOfText(l) > maxWidth) l = truncate(l, maxWidth, mode);
        }
    }
    return lines;
}

Size Font::sizeOfText(std::string_view text, double maxWidth, int maxLines, LineBreakMode mode,
                      bool breakLongWords) const {
    auto lines = wrap(text, maxWidth, maxLines, mode, breakLongWords);
    double w = 0;
    for (const auto& l : lines) w = std::max(w, widthOfText(l));
    return {std::ceil(w), std::ceil(lineHeight() * double(std::max<size_t>(lines.size(), text.empty() ? 0 : 1)))};
}

}  // namespace zuno::ui
