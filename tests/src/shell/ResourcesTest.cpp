#include <gtest/gtest.h>

#include <algorithm>

#include "platform/core/Log.h"
#include "platform/core/UserDefaults.h"
#include "shell/Resources.h"

using namespace zuno;

TEST(Resources, LooksUpKeysOfTheChosenLanguage) {
    auto& r = Resources::getInstance();
    EXPECT_EQ(Resources::getNameWithKey("ZUNO_OK"), "OK");
    EXPECT_EQ(Resources::getNameWithKey("ZUNO_no_such_key"), std::nullopt);
    EXPECT_EQ(r.textForKey("ZUNO_no_such_key"), "");
    r.setCurrentLanguage("vi");
    r.loadLanguage();
    EXPECT_EQ(Resources::getNameWithKey("ZUNO_OK"), "Đồng ý");
    // A language without a table leaves every key missing.
    r.loadLanguageWithPath("xx");
    EXPECT_EQ(Resources::getNameWithKey("ZUNO_OK"), std::nullopt);
    EXPECT_EQ(r.currentLanguage(), "vi");
}

TEST(Resources, LanguageChoiceStoredThenSystemThenEnglish) {
    auto& defaults = sys::UserDefaults::standard();
    defaults.setObject(sys::Array{sys::Value("vi"), sys::Value("en")}, "AppleLanguages");
    EXPECT_EQ(Resources::chooseLanguage(), "vi");
    defaults.setObject(sys::Array{sys::Value("fr")}, "AppleLanguages");
    EXPECT_EQ(Resources::chooseLanguage(), "en");
    defaults.setObject(sys::Value("vi"), "language");
    EXPECT_EQ(Resources::chooseLanguage(), "vi");
    defaults.setObject(sys::Value("de"), "language");
    EXPECT_EQ(Resources::chooseLanguage(), "en");
}

TEST(Resources, StartsWithItsLogLineThenConfigurationAndTimerFrames) {
    auto& r = Resources::getInstance();
    // The start-up line comes before anything the caches load (the built-in avatar's picture is
    // reported missing once per run when the bundle has none).
    const auto lines = sys::Log::captured();
    const auto started = std::find(lines.begin(), lines.end(), "da khoi tao resources...");
    ASSERT_NE(started, lines.end());
    EXPECT_EQ(std::find(lines.begin(), started, "missing image av0.png"), started);
    EXPECT_EQ(r.configValue("Server").asText(), "127.0.0.1");
    EXPECT_EQ(r.configValue("Port").asInteger(), 20105);
    EXPECT_TRUE(r.configValue("Missing").isNull());
    ASSERT_EQ(r.arrayImgTimer().size(), 20u);
    EXPECT_EQ(r.arrayImgTimer().front(), "t1.png");
    EXPECT_EQ(r.arrayImgCTTimer().front(), "ct20.png");
    EXPECT_EQ(r.arrayImgCTTimer().back(), "ct1.png");
    ASSERT_EQ(r.arrayImgCRTimer().size(), 30u);
    EXPECT_EQ(r.arrayImgCRTimer().back(), "caro-29.png");
}
