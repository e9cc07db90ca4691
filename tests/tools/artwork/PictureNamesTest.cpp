// Every picture the client names is in the bundle at scale 1 and 2, the larger exactly twice the size.

#include <gtest/gtest.h>

#include <pugixml.hpp>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/core/PropertyList.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImageView.h"
#include "support/SnapshotCompare.h"
#include "support/UiTest.h"

namespace {

namespace fs = std::filesystem;

const fs::path kImages = fs::path(ZUNO_BUNDLE_DIR) / "images";

std::string atScale2(const std::string& name) {
    size_t dot = name.rfind('.');
    return name.substr(0, dot) + "@2x" + name.substr(dot);
}

// Expands "p%d.png 0..3" and "%d.png 1..52 100" into their names; other lines stand for themselves.
std::vector<std::string> expand(const std::string& line) {
    std::istringstream in(line);
    std::string pattern, numbers;
    in >> pattern;
    size_t at = pattern.find("%d");
    if (at == std::string::npos) return {pattern};
    std::vector<std::string> names;
    while (in >> numbers) {
        size_t dots = numbers.find("..");
        int first = std::stoi(numbers.substr(0, dots));
        int last = dots == std::string::npos ? first : std::stoi(numbers.substr(dots + 2));
        for (int n = first; n <= last; ++n) names.push_back(pattern.substr(0, at) + std::to_string(n) + pattern.substr(at + 2));
    }
    return names;
}

std::set<std::string> listedNames() {
    std::ifstream in(fs::path(ZUNO_SOURCE_DIR) / "tests/tools/artwork/picture-names.txt");
    std::set<std::string> names;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        for (auto& name : expand(line)) names.insert(name);
    }
    return names;
}

// Picture names written out whole in the client's code ("name.png" string literals).
std::set<std::string> namesInCode() {
    std::set<std::string> names;
    const std::regex literal(R"re("([A-Za-z0-9_@./-]+\.png)")re");
    for (const char* folder : {"src", "platform", "app"}) {
        fs::path root = fs::path(ZUNO_SOURCE_DIR) / folder;
        if (!fs::exists(root)) continue;
        for (const auto& entry : fs::recursive_directory_iterator(root)) {
            auto ext = entry.path().extension();
            if (ext != ".cpp" && ext != ".h") continue;
            std::ifstream in(entry.path());
            std::string code((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            for (std::sregex_iterator m(code.begin(), code.end(), literal), end; m != end; ++m) {
                std::string name = (*m)[1];
                if (name.rfind("images/", 0) == 0) name.erase(0, 7);  // a path inside the bundle
                names.insert(name);
            }
        }
    }
    return names;
}

// Pictures named by the interface files and the emoticon table.
std::set<std::string> namesInBundleFiles() {
    std::set<std::string> names;
    auto add = [&](std::string name) {
        if (name.empty()) return;
        if (name.find('.') == std::string::npos) name += ".png";
        names.insert(name);
    };
    fs::path ui = fs::path(ZUNO_BUNDLE_DIR) / "ui";
    if (fs::exists(ui)) {
        for (const auto& entry : fs::directory_iterator(ui)) {
            if (entry.path().extension() != ".xml") continue;
            pugi::xml_document doc;
            EXPECT_TRUE(doc.load_file(entry.path().c_str())) << entry.path();
            for (auto node : doc.select_nodes("//*")) {
                for (auto a : node.node().attributes()) {
                    std::string n = a.name();
                    if (n == "image" || n == "highlightedImage" || n == "backgroundImage") add(a.value());
                    if (n == "animationImages") {
                        std::string list = a.value();
                        for (char& c : list) if (c == ',') c = ' ';
                        std::istringstream words(list);
                        for (std::string w; words >> w;) add(w);
                    }
                }
            }
        }
    }
    auto emotions = zuno::sys::PropertyList::readFile(std::string(ZUNO_BUNDLE_DIR) + "/emotions.plist");
    if (auto* table = emotions.dictionary()) {
        for (const auto& [token, image] : *table) add(image.asText());
    }
    return names;
}

// Width and height from a PNG's header, or 0 x 0 when the file is not a PNG.
std::pair<uint32_t, uint32_t> pngSize(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    unsigned char head[24] = {};
    in.read(reinterpret_cast<char*>(head), sizeof head);
    if (in.gcount() != 24 || head[1] != 'P' || head[2] != 'N' || head[3] != 'G') return {0, 0};
    auto be32 = [&](int at) { return uint32_t(head[at]) << 24 | uint32_t(head[at + 1]) << 16 | uint32_t(head[at + 2]) << 8 | head[at + 3]; };
    return {be32(16), be32(20)};
}

void expectAtBothScales(const std::set<std::string>& names, const char* source) {
    for (const auto& name : names) {
        auto one = pngSize(kImages / name), two = pngSize(kImages / atScale2(name));
        EXPECT_GT(one.first, 0u) << name << " (named by " << source << ") is missing at scale 1";
        EXPECT_TRUE(two.first == 2 * one.first && two.second == 2 * one.second)
            << name << " (named by " << source << "): scale 2 is " << two.first << "x" << two.second
            << ", scale 1 is " << one.first << "x" << one.second;
    }
}

TEST(PictureNames, EveryNamedPictureExistsAtBothScales) {
    struct Source {
        const char* name;
        std::set<std::string> pictures;
        std::vector<std::string> sample;  // names that show the source was read at all
    };
    const Source sources[] = {
        {"the picture list", listedNames(), {"100.png", "52.png", "qc_26.png", "caro-29.png"}},
        {"the code", namesInCode(), {"av0.png"}},
        {"an interface file or the emoticon table", namesInBundleFiles(), {"emo_smile.png"}},
    };
    ASSERT_GT(sources[0].pictures.size(), 300u);  // the list itself was read
    for (const auto& s : sources) {
        for (const auto& name : s.sample) EXPECT_TRUE(s.pictures.count(name)) << s.name << " lacks " << name;
        expectAtBothScales(s.pictures, s.name);
    }
}

class BundlePictures : public zuno::ui::test::UiTest {};

TEST_F(BundlePictures, LoaderFindsTheDrawnPicturesInTheBundle) {
    struct Case {
        const char* name;
        double width, height;
    } cases[] = {{"bgmain.png", 480, 320}, {"100.png", 60, 80}, {"r_jiang", 34, 34}, {"SNDialog.bundle/images/close.png", 24, 24}};
    for (const auto& c : cases) {
        auto image = zuno::ui::Image::imageNamed(c.name);
        ASSERT_TRUE(image) << c.name;
        EXPECT_FALSE(image->isPlaceholder()) << c.name;
        EXPECT_EQ(image->size().width, c.width) << c.name;
        EXPECT_EQ(image->size().height, c.height) << c.name;
    }
}

// A pictogram says what its use means, whatever its name: "clock.png" marks a table with a password,
// so it is a padlock.
TEST_F(BundlePictures, TheLockedTableMarkIsAPadlock) {
    auto view = std::make_shared<zuno::ui::ImageView>(zuno::ui::Rect(0, 0, 32, 32));
    view->setImage(zuno::ui::Image::imageNamed("clock.png"));
    view->setContentMode(zuno::ui::ContentMode::ScaleToFill);
    EXPECT_TRUE(zuno::testing::matchesReference(*view, "artwork_clock"));
}

}  // namespace
