#include <gtest/gtest.h>

#include <fstream>

#include "platform/backend/RasterScreen.h"
#include "platform/core/Log.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/Layer.h"
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

TEST_F(SnapshotTest, LabelTextStaysInsideItsMeasuredWidth) {
    auto label = std::make_shared<Label>(Rect(0, 0, 300, 40));
    label->setBackgroundColor(Color::white());
    label->setTextColor(Color::black());
    label->setFont(Font::boldSystemFontOfSize(20));
    label->setText("Tiến lên miền Nam");
    RasterScreen screen(300, 40);
    screen.renderView(*label);
    double measured = label->font().widthOfText("Tiến lên miền Nam");
    EXPECT_GT(measured, 100);
    int rightmostInk = -1, leftmostInk = 300;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 300; ++x) {
            if (screen.rgba(x, y).r < 128) {
                rightmostInk = std::max(rightmostInk, x);
                leftmostInk = std::min(leftmostInk, x);
            }
        }
    }
    EXPECT_LE(leftmostInk, 3);
    EXPECT_LE(rightmostInk, int(measured) + 1);
    EXPECT_GE(rightmostInk, int(measured) - 15);
    // Centred text: as much room on both sides, within a pixel or two of the glyphs' own margins.
    label->setTextAlignment(TextAlignment::Center);
    screen.renderView(*label);
    int left = 300;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 300; ++x) {
            if (screen.rgba(x, y).r < 128) left = std::min(left, x);
        }
    }
    EXPECT_NEAR(left, (300 - measured) / 2, 3);
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

}  // namespace
}  // namespace zuno::ui::test
