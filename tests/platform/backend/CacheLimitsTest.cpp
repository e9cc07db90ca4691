// The caches of a long run stay within their bytes: decoded bundle pictures, pictures resized for
// the device, shaped text lines. The least recently used go first, and what is still in use stays good.
#include <cairo.h>
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "platform/backend/CairoImageForms.h"
#include "platform/backend/TextLayout.h"
#include "platform/ui/Image.h"
#include "support/UiTest.h"

namespace zuno::ui::test {
namespace {

class CacheLimitsTest : public UiTest {
protected:
    // Each cache starts empty, whatever the tests before left in it.
    void SetUp() override {
        UiTest::SetUp();
        Image::clearCache();
        setResizedFormLimit(0);
        setResizedFormLimit(kDefaultResizedFormLimit);
        setTextLayoutLimit(0);
        setTextLayoutLimit(kDefaultTextLayoutLimit);
    }

    // A 10 x 10 picture in the test's image folder.
    void writePicture(const std::string& name) {
        auto png = encodePng(*Image::fromPixels(10, 10, std::vector<uint32_t>(100, 0xFF336699u)));
        std::ofstream(tempDir() / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(png.data()), std::streamsize(png.size()));
    }
};

TEST_F(CacheLimitsTest, NamedPicturesKeepTheMostRecentlyAskedForWithinTheLimit) {
    for (const char* name : {"a.png", "b.png", "c.png", "d.png", "big.png"}) writePicture(name);
    Image::setImageRoot(tempDir().string());
    const size_t one = Image::imageNamed("a.png", 1)->byteCount();
    Image::clearCache();
    Image::setCacheLimit(3 * one);

    std::weak_ptr<Image> a = Image::imageNamed("a.png", 1), b = Image::imageNamed("b.png", 1);
    Image::imageNamed("c.png", 1);
    EXPECT_EQ(Image::cachedBytes(), 3 * one);
    Image::imageNamed("a.png", 1);  // now b is the least recently asked for
    Image::imageNamed("d.png", 1);
    EXPECT_EQ(Image::cachedBytes(), 3 * one);
    EXPECT_FALSE(a.expired());
    EXPECT_TRUE(b.expired());

    // A picture larger than the whole limit is handed out, not kept.
    Image::setCacheLimit(one - 1);
    EXPECT_EQ(Image::cachedBytes(), 0u);
    std::weak_ptr<Image> big = Image::imageNamed("big.png", 1);
    EXPECT_TRUE(big.expired());
    EXPECT_EQ(Image::cachedBytes(), 0u);
}

TEST_F(CacheLimitsTest, APictureInUseStaysGoodAndIsTheOneTheNameGives) {
    // Names of one length: pictures of as many bytes.
    for (const char* name : {"held.png", "next.png"}) writePicture(name);
    Image::setImageRoot(tempDir().string());
    ImagePtr held = Image::imageNamed("held.png", 1);
    Image::setCacheLimit(held->byteCount());
    std::weak_ptr<Image> next = Image::imageNamed("next.png", 1);  // pushes the held one out of the cache
    ASSERT_FALSE(next.expired());
    EXPECT_EQ(Image::cachedBytes(), held->byteCount());
    EXPECT_EQ(held->pixels()[99], 0xFF336699u);
    // No second copy of its pixels while it is held.
    EXPECT_EQ(Image::imageNamed("held.png", 1), held);
}

TEST_F(CacheLimitsTest, ResizedPicturesKeepTheMostRecentlyDrawnWithinTheLimit) {
    auto picture = Image::fromPixels(10, 10, std::vector<uint32_t>(100, 0xFF336699u));
    resizedFormOf(*picture, 20, 20);
    const size_t one = resizedFormBytes();
    setResizedFormLimit(3 * one);
    // Sizes of as many pixels each.
    auto first = resizedFormOf(*picture, 20, 20);
    resizedFormOf(*picture, 40, 10);
    resizedFormOf(*picture, 10, 40);
    EXPECT_EQ(resizedFormBytes(), 3 * one);
    EXPECT_EQ(resizedFormOf(*picture, 20, 20), first);  // kept, and now the most recently drawn
    resizedFormOf(*picture, 25, 16);
    EXPECT_EQ(resizedFormBytes(), 3 * one);
    EXPECT_EQ(scaledImageFormCount(*picture), 3u);
    EXPECT_EQ(resizedFormOf(*picture, 20, 20), first);

    // A form held while the cache lets it go stays good.
    setResizedFormLimit(0);
    EXPECT_EQ(resizedFormBytes(), 0u);
    EXPECT_EQ(scaledImageFormCount(*picture), 0u);
    EXPECT_EQ(cairo_image_surface_get_width(first->surface), 20);
    EXPECT_NEAR(int(*cairo_image_surface_get_data(first->surface)), 0x99, 2);  // the blue of the picture

    // An image keeps at most eight sizes; an image that goes takes its sizes with it.
    setResizedFormLimit(kDefaultResizedFormLimit);
    for (int width = 30; width < 40; ++width) resizedFormOf(*picture, width, 20);
    EXPECT_EQ(scaledImageFormCount(*picture), 8u);
    picture.reset();
    EXPECT_EQ(resizedFormBytes(), 0u);
}

TEST_F(CacheLimitsTest, ShapedLinesKeepTheMostRecentlyDrawnWithinTheLimit) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 400, 100);
    cairo_t* cr = cairo_create(surface);
    cairo_scale(cr, 2, 2);
    const Font font = Font::systemFontOfSize(12);
    auto draw = [&](const std::string& text) { showTextLine(cr, text, font, {0, 0}); };

    draw("Bàn 0");
    const size_t one = cachedTextLayoutBytes();
    ASSERT_GT(one, 0u);
    setTextLayoutLimit(3 * one + one / 2);
    EXPECT_EQ(cachedTextLayoutCount(), 1u);
    draw("Bàn 1");
    draw("Bàn 2");
    draw("Bàn 0");  // now "Bàn 1" is the least recently drawn
    draw("Bàn 3");
    EXPECT_LE(cachedTextLayoutBytes(), 3 * one + one / 2);
    EXPECT_EQ(cachedTextLayoutCount(), 3u);
    size_t shaped = textShapingCount();
    draw("Bàn 0");
    EXPECT_EQ(textShapingCount(), shaped);
    draw("Bàn 1");
    EXPECT_EQ(textShapingCount(), shaped + 1);

    // A line too large for the whole limit is drawn, then let go.
    setTextLayoutLimit(one);
    EXPECT_LE(cachedTextLayoutBytes(), one);
    const std::string longLine(200, 'W');
    draw(longLine);
    EXPECT_LE(cachedTextLayoutBytes(), one);
    cairo_surface_flush(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    bool inked = false;
    for (int x = 300; x < 400 && !inked; ++x) inked = data[size_t(10) * size_t(stride) + size_t(x) * 4 + 3] != 0;
    EXPECT_TRUE(inked) << "the long line was not drawn";
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
}

}  // namespace
}  // namespace zuno::ui::test
