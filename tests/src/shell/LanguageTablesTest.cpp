#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "platform/core/PropertyList.h"

namespace {

// "ZUNO_" keys that name saved user defaults, not texts.
const std::set<std::string> kUserDefaultKeys = {
    "ZUNO_LOGIN_USERNAME",    "ZUNO_LOGIN_OLDPASS",           "ZUNO_LOGIN_NEWPASS",
    "ZUNO_REGISTER_PASSWORD", "ZUNO_FORGET_PASSWORD_USERNAME", "ZUNO_DATA_TRANSACTION_LIST_",
};

// Every quoted "ZUNO_..." key in the client's sources.
std::set<std::string> keysUsedInSources() {
    std::set<std::string> keys;
    const std::regex quotedKey("\"(ZUNO_[A-Za-z0-9_]+)\"");
    for (const auto& entry : std::filesystem::recursive_directory_iterator(std::string(ZUNO_SOURCE_DIR) + "/src")) {
        const auto extension = entry.path().extension();
        if (!entry.is_regular_file() || (extension != ".cpp" && extension != ".h")) continue;
        std::ifstream file(entry.path());
        std::stringstream text;
        text << file.rdbuf();
        const std::string source = text.str();
        for (std::sregex_iterator it(source.begin(), source.end(), quotedKey), end; it != end; ++it) {
            if (!kUserDefaultKeys.count((*it)[1])) keys.insert((*it)[1]);
        }
    }
    return keys;
}

zuno::sys::Dictionary table(const std::string& language) {
    auto root = zuno::sys::PropertyList::readFile(std::string(ZUNO_BUNDLE_DIR) + "/" + language + ".plist");
    return root.dictionary() ? *root.dictionary() : zuno::sys::Dictionary();
}

std::string joined(const std::vector<std::string>& keys) {
    std::string out;
    for (const auto& k : keys) out += "\n  " + k;
    return out;
}

// The conversions of a text used as a format ("%@", "%d", ...), so both languages take the same arguments.
std::string conversions(const std::string& text) {
    std::string out;
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '%') out += text[++i];
    }
    return out;
}

}  // namespace

TEST(LanguageTables, EveryKeyUsedInTheSourcesHasATextInBothLanguages) {
    const std::set<std::string> used = keysUsedInSources();
    ASSERT_FALSE(used.empty());
    for (const std::string language : {"en", "vi"}) {
        const auto texts = table(language);
        std::vector<std::string> missing;
        for (const auto& key : used) {
            const auto* value = texts.find(key);
            if (!value || !value->text() || value->text()->empty()) missing.push_back(key);
        }
        EXPECT_TRUE(missing.empty()) << "bundle/" << language << ".plist has no text for:" << joined(missing);
    }
}

TEST(LanguageTables, BothLanguagesHaveTheSameKeysAndFormats) {
    const auto en = table("en");
    const auto vi = table("vi");
    std::vector<std::string> onlyEnglish, onlyVietnamese, formatsDiffer;
    for (const auto& [key, value] : en) {
        const auto* other = vi.find(key);
        if (!other) onlyEnglish.push_back(key);
        else if (conversions(value.asText()) != conversions(other->asText())) formatsDiffer.push_back(key);
    }
    for (const auto& [key, value] : vi) {
        if (!en.contains(key)) onlyVietnamese.push_back(key);
    }
    EXPECT_TRUE(onlyEnglish.empty()) << "missing in vi.plist:" << joined(onlyEnglish);
    EXPECT_TRUE(onlyVietnamese.empty()) << "missing in en.plist:" << joined(onlyVietnamese);
    EXPECT_TRUE(formatsDiffer.empty()) << "different format arguments:" << joined(formatsDiffer);
}

TEST(LanguageTables, EmoticonTokensMapToImagesAndNoneHidesAnother) {
    auto root = zuno::sys::PropertyList::readFile(std::string(ZUNO_BUNDLE_DIR) + "/emotions.plist");
    ASSERT_NE(root.dictionary(), nullptr);
    EXPECT_GE(root.dictionary()->size(), 12u);
    for (const auto& [token, image] : *root.dictionary()) {
        EXPECT_TRUE(image.asText().ends_with(".png")) << token;
        for (const auto& [other, unused] : *root.dictionary()) {
            EXPECT_TRUE(token == other || other.find(token) == std::string::npos) << token << " is inside " << other;
        }
    }
}
