#include <gtest/gtest.h>

#include <fstream>

#include "platform/backend/CairoCanvas.h"
#include "platform/backend/RasterScreen.h"
#include "platform/backend/TextLayout.h"
#include "platform/core/Log.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/Layer.h"
#include "support/SnapshotCompare.h"
#include "support/UiTest.h"

namespace zuno::ui::test {
namespace {

class SnapshotTest : public UiTest {};

bool near(const RasterScreen::Rgba& p, int r, int g, int b, int tolerance = 3) {
    return std::abs(p.r - r) <= tolerance && std::abs(p.g - g) <= tolerance && std::abs(p.b - b) <= tolerance;
}

TEST_F(SnapshotTest, PixelsOfASmallTreeWithAlphaAndTransforms) {
    window->setBackgroundColor(Color::rgb255(0, 0, 255));
    auto red = std::make_shared<View>(Rect(10, 10, 100, 50));
    red->setBackgroundColor(Color::rgb255(255, 0, 0));
    window->addSubview(red);
    auto half = std::make_shared<View>(Rect(200, 10, 50, 50));
    half->setBackgroundColor(Color::white());
    half->setAlpha(0.5);
    window->addSubview(half);
    auto turned = std::make_shared<View>(Rect(300, 100, 100, 20));  // centre (350, 110)
    turned->setBackgroundColor(Color::rgb255(0, 255, 0));
    turned->setTransform(AffineTransform::rotation(M_PI / 2));
    window->addSubview(turned);
    auto clipped = std::make_shared<View>(Rect(10, 200, 40, 40));
    clipped->setClipsToBounds(true);
    auto inner = std::make_shared<View>(Rect(20, 20, 100, 100));
    inner->setBackgroundColor(Color::rgb255(255, 255, 0));
    clipped->addSubview(inner);
    window->addSubview(clipped);

    RasterScreen screen;
    screen.renderApplication();
    EXPECT_TRUE(near(screen.rgba(50, 30), 255, 0, 0));
    EXPECT_TRUE(near(screen.rgba(5, 5), 0, 0, 255));
    EXPECT_TRUE(near(screen.rgba(225, 35), 128, 128, 255, 4));  // white at half over blue
    EXPECT_TRUE(near(screen.rgba(350, 150), 0, 255, 0));         // the turned bar stands upright
    EXPECT_TRUE(near(screen.rgba(380, 110), 0, 0, 255));
    EXPECT_TRUE(near(screen.rgba(45, 235), 255, 255, 0));
    EXPECT_TRUE(near(screen.rgba(60, 250), 0, 0, 255));  // cut off by the clip

    // The PNG holds the same picture.
    auto png = screen.pngData();
    auto back = Image::imageWithData(png);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->size(), (Size{480, 320}));
    EXPECT_EQ(back->pixels()[30 * 480 + 50], screen.pixel(50, 30));
    auto path = tempDir() / "screen.png";
    EXPECT_TRUE(screen.writePng(path.string()));
    EXPECT_GT(std::filesystem::file_size(path), 100u);
}

TEST_F(SnapshotTest, OneViewAloneAndAMissingImageAsAPlaceholder) {
    auto panel = std::make_shared<View>(Rect(100, 100, 60, 40));
    panel->setBackgroundColor(Color::rgb255(10, 20, 30));
    auto icon = std::make_shared<ImageView>(Rect(0, 0, 30, 40));
    icon->setImage(Image::imageNamed("no-such-picture.png"));
    panel->addSubview(icon);
    window->addSubview(panel);
    RasterScreen screen(60, 40);
    screen.renderView(*panel);
    EXPECT_TRUE(near(screen.rgba(50, 20), 10, 20, 30));
    auto placeholder = screen.rgba(20, 5);
    EXPECT_FALSE(near(placeholder, 10, 20, 30, 20));  // something is drawn where the image would be
    EXPECT_TRUE(sys::Log::contains("missing image no-such-picture.png"));
    auto data = snapshotViewPng(*panel);
    auto back = Image::imageWithData(data);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->size(), (Size{60, 40}));
}

TEST_F(SnapshotTest, LabelTextStaysInsideItsMeasuredWidthAtBothScales) {
    auto label = std::make_shared<Label>(Rect(0, 0, 300, 40));
    label->setBackgroundColor(Color::white());
    label->setTextColor(Color::black());
    label->setFont(Font::boldSystemFontOfSize(20));
    label->setText("Tiến lên miền Nam");
    double measured = label->font().widthOfText("Tiến lên miền Nam");
    EXPECT_GT(measured, 100);
    for (int scale : {1, 2}) {
        SCOPED_TRACE(scale);
        label->setTextAlignment(TextAlignment::Left);
        RasterScreen screen(300, 40, scale);
        screen.renderView(*label);
        auto inkColumns = [&] {
            std::pair<int, int> ink{screen.pixelWidth(), -1};
            for (int y = 0; y < screen.pixelHeight(); ++y) {
                for (int x = 0; x < screen.pixelWidth(); ++x) {
                    if (screen.rgba(x, y).r < 128) ink = {std::min(ink.first, x), std::max(ink.second, x)};
                }
            }
            return ink;
        };
        auto [left, right] = inkColumns();
        EXPECT_LE(left, 3 * scale);
        EXPECT_LE(right, int(measured * scale) + scale);
        EXPECT_GE(right, int(measured * scale) - 15 * scale);
        // Centred text: as much room on both sides, within a pixel or two of the glyphs' own margins.
        label->setTextAlignment(TextAlignment::Center);
        screen.renderView(*label);
        EXPECT_NEAR(inkColumns().first, (300 - measured) / 2 * scale, 3 * scale);
    }
}

TEST_F(SnapshotTest, AtScaleTwoEveryPointIsTwoPixelsAndEdgesStaySharp) {
    window->setBackgroundColor(Color::white());
    auto line = std::make_shared<View>(Rect(10, 10, 1, 20));
    line->setBackgroundColor(Color::black());
    window->addSubview(line);
    RasterScreen screen(480, 320, 2);
    screen.renderApplication();
    EXPECT_EQ(screen.pixelWidth(), 960);
    EXPECT_EQ(screen.pixelHeight(), 640);
    // The one-point line covers exactly two pixel columns, with nothing smeared beside it.
    for (auto [x, shade] : std::vector<std::pair<int, int>>{{19, 255}, {20, 0}, {21, 0}, {22, 255}}) {
        EXPECT_TRUE(near(screen.rgba(x, 40), shade, shade, shade, 0)) << "column " << x;
    }
    auto png = Image::imageWithData(screen.pngData());
    ASSERT_TRUE(png);
    EXPECT_EQ(png->pixelWidth(), 960);
}

TEST_F(SnapshotTest, TextShapesWithFallbackFontsAndIsCrispAtBothScales) {
    window->setBackgroundColor(Color::rgb255(250, 240, 215));
    const char* texts[] = {"Cờ Tướng: 帥 仕 相 俥 傌 炮 兵", "將 士 象 車 馬 砲 卒 — Tiến lên", "Phỏm, Xì Zách, Bài Cào"};
    double y = 20;
    for (const char* text : texts) {
        auto label = std::make_shared<Label>(Rect(20, y, 440, 40));
        label->setBackgroundColor(std::nullopt);
        label->setFont(Font::boldSystemFontOfSize(22));
        label->setTextColor(Color::rgb255(150, 20, 20));
        label->setText(text);
        window->addSubview(label);
        y += 50;
    }
    for (int scale : {1, 2}) {
        RasterScreen screen(480, 180, scale);
        screen.renderApplication();
        EXPECT_TRUE(zuno::testing::matchesReference(screen, scale == 1 ? "text_fallback" : "text_fallback@2x"));
    }
}

TEST_F(SnapshotTest, ASecondFrameReshapesAndRescalesNothing) {
    std::vector<uint32_t> px(20 * 10, 0xFF2060A0u);
    auto picture = Image::fromPixels(20, 10, px);
    for (int i = 0; i < 10; ++i) {
        auto label = std::make_shared<Label>(Rect(10, 10 + 25.0 * i, 200, 20));
        label->setText("Bàn " + std::to_string(i + 1));
        window->addSubview(label);
        auto icon = std::make_shared<ImageView>(Rect(220, 10 + 25.0 * i, 30, 15));  // drawn scaled
        icon->setImage(picture);
        window->addSubview(icon);
    }
    // The same picture at five more sizes, as buttons of one screen use it.
    for (int i = 0; i < 5; ++i) {
        auto button = std::make_shared<ImageView>(Rect(300, 10 + 25.0 * i, 40 + 10.0 * i, 20));
        button->setImage(picture);
        window->addSubview(button);
    }
    RasterScreen screen(480, 320, 2);
    screen.renderApplication();
    size_t shaped = textShapingCount();
    EXPECT_EQ(scaledImageFormCount(*picture), 6u);
    for (int frame = 0; frame < 3; ++frame) screen.renderApplication();
    EXPECT_EQ(textShapingCount(), shaped);
    EXPECT_EQ(scaledImageFormCount(*picture), 6u);
    // A changed text is shaped again, once.
    std::static_pointer_cast<Label>(window->subviews()[0])->setText("Bàn 99");
    screen.renderApplication();
    screen.renderApplication();
    EXPECT_EQ(textShapingCount(), shaped + 1);
}

TEST_F(SnapshotTest, LayerImageTurnsWithItsRotation) {
    // A 10 x 30 image: red top half, green bottom half.
    std::vector<uint32_t> px(10 * 30);
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 10; ++x) px[size_t(y * 10 + x)] = y < 15 ? 0xFFFF0000u : 0xFF00FF00u;
    }
    auto arrow = std::make_shared<Layer>();
    auto host = std::make_shared<View>(Rect(0, 0, 60, 60));
    host->setBackgroundColor(Color::black());
    Transaction::begin();
    Transaction::setDisableActions(true);
    arrow->setContents(Image::fromPixels(10, 30, px));
    arrow->setFrame(Rect(25, 15, 10, 30));
    arrow->setTransform(AffineTransform::rotation(M_PI));
    Transaction::commit();
    host->layer().addSublayer(arrow);
    RasterScreen screen(60, 60);
    screen.renderView(*host);
    EXPECT_TRUE(near(screen.rgba(30, 20), 0, 255, 0));  // turned upside down
    EXPECT_TRUE(near(screen.rgba(30, 40), 255, 0, 0));
}
}  // namespace
}  // namespace zuno::ui::test

namespace zuno::ui::test {
namespace {

TEST_F(SnapshotTest, ClearingInDrawRectLeavesWhatLiesBeneath) {
    struct Bubble : View {
        using View::View;
        void drawRect(Canvas& canvas, const Rect& rect) override {
            canvas.clearRect(rect);  // as a chat-line label does before drawing
            canvas.setFillColor(Color::white());
            canvas.fillRect(Rect(0, 0, 10, 10));
        }
    };
    auto back = std::make_shared<View>(Rect(0, 0, 60, 60));
    back->setBackgroundColor(Color::rgb255(0, 0, 200));
    auto bubble = std::make_shared<Bubble>(Rect(10, 10, 40, 40));
    back->addSubview(bubble);
    RasterScreen screen(60, 60);
    screen.renderView(*back);
    EXPECT_TRUE(near(screen.rgba(40, 40), 0, 0, 200));
    EXPECT_TRUE(near(screen.rgba(15, 15), 255, 255, 255));
}

// Views wholly under an opaque sibling are skipped once drawn (the first drawing tells how far they
// reach); a translucent picture, a fractional frame or a turned cover leaves them drawn. A picture with
// an opaque middle and soft edges looks the same whether its middle is copied or blended.
TEST_F(SnapshotTest, OnlyWhatAnOpaqueCoverHidesIsLeftUndrawn) {
    struct Counting : View {
        using View::View;
        int drawn = 0;
        void drawRect(Canvas&, const Rect&) override { ++drawn; }
    };
    auto panel = [](uint32_t edgeAlpha) {
        std::vector<uint32_t> px(100 * 100, 0xFF204060u);
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x)
                if (x < 6 || y < 6 || x >= 94 || y >= 94) px[size_t(y * 100 + x)] = edgeAlpha << 24 | 0x00100000u;
        return Image::fromPixels(100, 100, std::move(px));
    };
    struct Case {
        const char* name;
        ImagePtr image;
        Rect frame;
        bool turned;
        bool behindDrawn;
    };
    const Case cases[] = {
        {"opaque cover", panel(0xFF), Rect(0, 0, 100, 100), false, false},
        {"soft edges", panel(0x40), Rect(0, 0, 100, 100), false, true},
        {"fractional frame", panel(0xFF), Rect(0.5, 0, 100, 100), false, true},
        {"turned", panel(0xFF), Rect(0, 0, 100, 100), true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto back = std::make_shared<View>(Rect(0, 0, 100, 100));
        back->setBackgroundColor(Color::rgb255(200, 0, 0));
        auto behind = std::make_shared<Counting>(Rect(0, 0, 100, 100));
        back->addSubview(behind);
        auto cover = std::make_shared<ImageView>(c.frame);
        cover->setImage(c.image);
        if (c.turned) cover->setTransform(AffineTransform::rotation(M_PI));
        back->addSubview(cover);
        RasterScreen screen(100, 100, 2);
        screen.renderView(*back);
        behind->drawn = 0;
        screen.renderView(*back);
        EXPECT_EQ(behind->drawn > 0, c.behindDrawn);
        if (std::string(c.name) == "soft edges") {
            EXPECT_TRUE(near(screen.rgba(50, 50), 0x20, 0x40, 0x60, 0));
            // The edge blends a quarter of its colour over the red behind.
            EXPECT_TRUE(near(screen.rgba(2, 50), 0x10 + 150, 0, 0, 2));
        }
    }
}

}  // namespace
}  // namespace zuno::ui::test
