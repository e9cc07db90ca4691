#include "support/LanguageWords.h"

#include <iterator>
#include <set>
#include <string_view>
#include <vector>

#include "platform/core/PropertyList.h"
#include "platform/core/Utf8.h"
#include "shell/Resources.h"

namespace zuno::testing {

namespace {

// The letters with Vietnamese marks, each group folding to the letter that leads it.
const char* const kMarkedLetters[] = {
    "aàáảãạăằắẳẵặâầấẩẫậ", "AÀÁẢÃẠĂẰẮẲẴẶÂẦẤẨẪẬ", "eèéẻẽẹêềếểễệ", "EÈÉẺẼẸÊỀẾỂỄỆ",
    "iìíỉĩị",             "IÌÍỈĨỊ",             "oòóỏõọôồốổỗộơờớởỡợ", "OÒÓỎÕỌÔỒỐỔỖỘƠỜỚỞỠỢ",
    "uùúủũụưừứửữự",       "UÙÚỦŨỤƯỪỨỬỮỰ",       "yỳýỷỹỵ",             "YỲÝỶỸỴ",
    "dđ",                 "DĐ",
};

// Words that read as Vietnamese whatever the language: names of players and places that the stand-in
// and the tests use, the games' names, the greetings robots chat and the keyword of the top-up SMS.
const char* const kNames[] = {
    "an",   "anh",  "bac",  "binh", "chi",  "da",   "dung", "ha",   "hai",  "hang", "hoa",  "lan",
    "long", "minh", "nam",  "nang", "noi",  "phong", "trang", "tien", "len",  "mien", "phom", "tuong",
    "vua",  "bai",  "cao",  "xi",   "zach", "caro", "xin",  "chao", "ban",  "nap",  "thu",
};

// Texts the tables show the same in either language: Poker's action words and the hand names the
// server sends, which the table matches letter for letter.
const char* const kEveryLanguageTexts[] = {
    "BET", "RAISE", "CALL", "CHECK", "FOLD", "ALL IN", "HIGH CARD", "PAIR", "TWO PAIRS", "THREE OF A KIND",
    "STRAIGHT", "FLUS", "FULL HOUSE", "FOUR OF A KIND", "STRAIGHT FLUS", "ROYAL FLUS",
};

// Words of the games' results that a server may send, beyond those of the tables.
const char* const kResultWords[] = {"diem", "nut", "quac"};

std::vector<char32_t> codePoints(std::string_view text) {
    std::vector<char32_t> out;
    for (size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        int length = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 1;
        char32_t c = length == 1 ? b : b & (0x3F >> (length - 1));
        for (int k = 1; k < length && i + size_t(k) < text.size(); ++k) {
            c = (c << 6) | (static_cast<unsigned char>(text[i + size_t(k)]) & 0x3F);
        }
        out.push_back(c);
        i += size_t(length);
    }
    return out;
}

struct Folding {
    std::vector<std::pair<char32_t, char>> marked;  // a marked letter and its plain lower-case letter

    Folding() {
        for (const char* group : kMarkedLetters) {
            auto letters = codePoints(group);
            const char plain = char(letters.front() | 0x20);
            for (size_t k = 1; k < letters.size(); ++k) marked.push_back({letters[k], plain});
        }
    }
    // 0 for a character that is not a letter of either language.
    char fold(char32_t c, bool& wasMarked) const {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) return char(c | 0x20);
        for (const auto& [letter, plain] : marked) {
            if (letter == c) {
                wasMarked = true;
                return plain;
            }
        }
        return 0;
    }
};

const Folding& folding() {
    static const Folding f;
    return f;
}

struct Word {
    std::string folded;
    std::string shown;
    bool marked = false;
};

std::vector<Word> wordsOf(std::string_view text) {
    std::vector<Word> words;
    Word current;
    auto flush = [&] {
        if (!current.folded.empty()) words.push_back(current);
        current = {};
    };
    for (char32_t c : codePoints(text)) {
        bool marked = false;
        const char plain = folding().fold(c, marked);
        if (!plain) {
            flush();
            continue;
        }
        current.folded += plain;
        sys::appendUtf8(current.shown, c);
        current.marked = current.marked || marked;
    }
    flush();
    return words;
}

std::set<std::string> tableWords(const std::string& language) {
    std::set<std::string> out;
    const auto table = sys::PropertyList::readFile(std::string(ZUNO_BUNDLE_DIR) + "/" + language + ".plist");
    if (const auto* entries = table.dictionary()) {
        for (const auto& [key, value] : entries->entries()) {
            if (const auto* text = value.text()) {
                for (const auto& w : wordsOf(*text)) out.insert(w.folded);
            }
        }
    }
    return out;
}

// Words of one table that the other table does not have.
struct OnlyWords {
    std::set<std::string> english, vietnamese;
    OnlyWords() {
        const auto en = tableWords("en");
        const auto vi = tableWords("vi");
        for (const auto& w : en) {
            if (w.size() >= 4 && !vi.count(w)) english.insert(w);
        }
        for (const auto& w : vi) {
            if (w.size() >= 3 && !en.count(w)) vietnamese.insert(w);
        }
        vietnamese.insert(std::begin(kResultWords), std::end(kResultWords));
    }
};

const OnlyWords& onlyWords() {
    static const OnlyWords words;
    return words;
}

// The text without its web addresses, which are nobody's words.
std::string withoutAddresses(const std::string& text) {
    std::string out;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of(" \n", start);
        if (end == std::string::npos) end = text.size();
        const std::string_view token(text.data() + start, end - start);
        if (token.find("://") == std::string_view::npos) out.append(token);
        if (end < text.size()) out += text[end];
        start = end + 1;
    }
    return out;
}

}  // namespace

std::optional<std::string> otherLanguageWord(const std::string& text) {
    for (const char* same : kEveryLanguageTexts) {
        if (text == same) return std::nullopt;
    }
    const bool english = Resources::getInstance().currentLanguage() != "vi";
    static const std::set<std::string> names(std::begin(kNames), std::end(kNames));
    for (const auto& word : wordsOf(withoutAddresses(text))) {
        if (names.count(word.folded)) continue;
        if (english && (word.marked || onlyWords().vietnamese.count(word.folded))) return word.shown;
        if (!english && !word.marked && onlyWords().english.count(word.folded)) return word.shown;
    }
    return std::nullopt;
}

}  // namespace zuno::testing
