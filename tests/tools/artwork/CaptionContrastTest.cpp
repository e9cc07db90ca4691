// Every caption reads on the picture under it: at least 4.5 : 1 between the title's colour and the mean
// colour of the picture's middle band (WCAG contrast of relative luminances), for the buttons and tabs
// of the interface files, the pictures the code puts under their titles, and captions drawn into
// pictures.

#include <gtest/gtest.h>

#include <pugixml.hpp>

#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "tools/artwork/PicturePixels.h"

namespace {

namespace fs = std::filesystem;
using zuno::ui::Color;
namespace pictures = zuno::testing::pictures;

constexpr double kLeast = 4.5;

struct Caption {
    std::string where;
    std::string picture;
    Color title;
    // The part of the picture the caption lies on, in fractions of its width and height.
    double top = 0.35, bottom = 0.65, left = 0.15, right = 0.85;
    // A caption drawn into the picture is left out of the colour measured under it.
    bool drawnIn = false;
};

Color colour(const char* text, Color otherwise) {
    if (!text || !*text) return otherwise;
    auto c = Color::parse(text);
    EXPECT_TRUE(c) << "unreadable colour " << text;
    return c.value_or(otherwise);
}

struct Frame {
    double x = 0, y = 0, w = 0, h = 0;
    bool holds(const Frame& inner) const {
        const double cx = inner.x + inner.w / 2, cy = inner.y + inner.h / 2;
        return cx >= x && cx <= x + w && cy >= y && cy <= y + h;
    }
};

Frame frameOf(const pugi::xml_node& node) {
    Frame f;
    std::istringstream(node.attribute("frame").as_string()) >> f.x >> f.y >> f.w >> f.h;
    return f;
}

std::string pictureName(std::string name) {
    if (name.find('.') == std::string::npos) name += ".png";
    return name;
}

// A start button's background blinks between its picture and this lit frame.
const std::map<std::string, std::string> kLitFrame = {{"button_chuc_nang.png", "button_chuc_nang2.png"},
                                                      {"caro-start.png", "caro-start2.png"},
                                                      {"blocks_batdau.png", "blocks_batdau1.png"}};

// Buttons with a background picture and a title (given in the file, or later by the code, which the
// file's title colour shows), and labels laid over such a button.
std::vector<Caption> captionsOfInterfaceFiles() {
    std::vector<Caption> found;
    for (const auto& entry : fs::directory_iterator(fs::path(ZUNO_BUNDLE_DIR) / "ui")) {
        if (entry.path().extension() != ".xml") continue;
        pugi::xml_document doc;
        EXPECT_TRUE(doc.load_file(entry.path().c_str())) << entry.path();
        const std::string file = entry.path().stem().string();
        for (auto match : doc.select_nodes("//button[@backgroundImage]")) {
            const pugi::xml_node button = match.node();
            const std::string picture = pictureName(button.attribute("backgroundImage").as_string());
            const std::string name = button.attribute("outlet") ? button.attribute("outlet").as_string()
                                                                : button.attribute("title").as_string();
            std::vector<std::pair<std::string, Color>> titles;
            if (button.attribute("title") || button.attribute("titleColor"))
                titles.emplace_back(name, colour(button.attribute("titleColor").as_string(), Color::white()));
            for (auto label : button.parent().children("label")) {
                if (frameOf(button).holds(frameOf(label)))
                    titles.emplace_back(label.attribute("outlet").as_string(), colour(label.attribute("color").as_string(), Color::black()));
            }
            for (const auto& [title, ink] : titles) {
                if (ink.a == 0) continue;  // a title kept only to carry a value
                found.push_back({file + " " + title, picture, ink});
                auto lit = kLitFrame.find(picture);
                if (name == "btnStart" && lit != kLitFrame.end()) found.push_back({file + " " + title + " lit", lit->second, ink});
            }
        }
    }
    return found;
}

// The image of an image view named by its outlet in an interface file.
std::string imageOfOutlet(const std::string& file, const std::string& outlet) {
    pugi::xml_document doc;
    EXPECT_TRUE(doc.load_file((fs::path(ZUNO_BUNDLE_DIR) / "ui" / (file + ".xml")).c_str())) << file;
    auto node = doc.select_node(("//imageView[@outlet='" + outlet + "']").c_str()).node();
    EXPECT_TRUE(node) << file << " has no image view " << outlet;
    return pictureName(node.attribute("image").as_string());
}

// Titles the code sets on pictures of its own choosing.
std::vector<Caption> captionsSetByCode() {
    const Color white = Color::white(), darkOnGold = Color::rgb255(0x3a, 0x24, 0x10);
    std::vector<Caption> found = {
        // The profile's tabs, the shop's and the wardrobe's category tabs and the gift sheet's tabs (white
        // titles): selected, and the gift sheet's others.
        {"selected first tab", "cua-hang1.png", white},
        {"selected middle tab", "cua-hang2.png", white},
        {"selected last tab", "cua-hang3.png", white},
        {"gift sheet first tab", "shop_menu_dau.png", white},
        {"gift sheet middle tab", "shop_menu_giua.png", white},
        {"gift sheet last tab", "shop_menu_cuoi.png", white},
        // The friends screen's tabs: the friend tab behind a conversation, and the conversations' tabs.
        {"friend tab behind a conversation", "buttonFriend_nen.png", white},
        {"conversation tab", "tabFriend_nen.png", white},
        {"selected conversation tab", "tabFriend.png", white},
        {"conversation tab with an unread line", "button_chuc_nang.png", darkOnGold},
        // The Caro table's player menu and seat sheets put their buttons on Caro's own picture.
        {"Caro player menu", "caro-menu-item.png", white},
    };
    // Unselected tabs have no picture of their own: they lie on the strip.
    found.push_back({"profile tab on the strip", imageOfOutlet("ProfileView", "profile_menu"), white});
    found.push_back({"shop category tab on the strip", imageOfOutlet("AvatarShopView", "imgShopMenu"), white});
    return found;
}

// Captions drawn into the pictures themselves, where the picture holds them.
std::vector<Caption> captionsInPictures() {
    const Color white = Color::white(), darkOnGold = Color::rgb255(0x3a, 0x24, 0x10),
                darkOnJade = Color::rgb255(0x0a, 0x2a, 0x1a);
    std::vector<Caption> found;
    for (const char* name : {"button_dang_nhap", "button_login"}) {
        for (const char* frame : {"", "1"}) found.push_back({name, std::string(name) + frame + ".png", darkOnGold});
    }
    for (const char* name : {"button_dang_ky", "button_register"}) {
        for (const char* frame : {"", "1"}) found.push_back({name, std::string(name) + frame + ".png", darkOnJade});
    }
    // The play tile's caption lies along its bottom; a switch's beside its knob.
    for (const char* name : {"icon-trochoi.png", "icon-games.png"}) found.push_back({name, name, white, 0.68, 0.9, 0.1, 0.9});
    for (const char* name : {"on.png", "on1.png"}) found.push_back({name, name, white, 0.3, 0.7, 0.08, 0.55});
    for (const char* name : {"off.png", "off1.png"}) found.push_back({name, name, white, 0.3, 0.7, 0.45, 0.92});
    for (auto& c : found) c.drawnIn = true;
    return found;
}

void expectReadable(const std::vector<Caption>& captions) {
    for (const auto& c : captions) {
        auto image = pictures::drawn(c.picture);
        ASSERT_TRUE(image) << c.where << ": no picture " << c.picture;
        // The letters' own pixels (near the title's colour) are no part of what lies under them.
        auto under = pictures::meanColour(*image, c.left, c.top, c.right, c.bottom, [&](uint32_t p) {
            return !c.drawnIn || pictures::contrast(pictures::pixelColour(p), c.title) >= 1.5;
        });
        ASSERT_TRUE(under) << c.where << ": " << c.picture << " is see-through under its caption";
        const double ratio = pictures::contrast(c.title, *under);
        EXPECT_GE(ratio, kLeast) << c.where << ": its title on " << c.picture << " is " << ratio << " : 1";
    }
}

TEST(CaptionContrast, TitlesOfTheInterfaceFilesReadOnTheirButtons) {
    auto captions = captionsOfInterfaceFiles();
    ASSERT_GT(captions.size(), 80u);  // the files were read
    expectReadable(captions);
}

TEST(CaptionContrast, TitlesTheCodeSetsReadOnTheirPictures) { expectReadable(captionsSetByCode()); }

TEST(CaptionContrast, CaptionsDrawnIntoPicturesRead) {
    const auto captions = captionsInPictures();
    expectReadable(captions);
    // The caption is there, in the colour measured: a share of the band's pixels is of that colour.
    for (const auto& c : captions) {
        auto image = pictures::drawn(c.picture);
        ASSERT_TRUE(image);
        const int w = image->pixelWidth(), h = image->pixelHeight();
        int inked = 0, all = 0;
        for (int y = int(c.top * h); y < int(c.bottom * h); ++y) {
            for (int x = int(c.left * w); x < int(c.right * w); ++x, ++all) {
                Color p = pictures::pixelColour(image->pixels()[size_t(y) * size_t(w) + size_t(x)]);
                if (p.a > 0.9 && pictures::contrast(p, c.title) < 1.2) ++inked;
            }
        }
        EXPECT_GT(inked, all / 50) << c.where << ": no caption in that colour on " << c.picture;
    }
}

}  // namespace
