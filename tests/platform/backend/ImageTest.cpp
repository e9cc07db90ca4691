#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
// jpeglib.h needs FILE and size_t first.
#include <jpeglib.h>

#include "platform/ui/Image.h"
#include "support/UiTest.h"

namespace zuno::ui::test {
namespace {

class ImageTest : public UiTest {};

sys::Data makeJpeg(int w, int h, unsigned char r, unsigned char g, unsigned char b) {
    jpeg_compress_struct info;
    jpeg_error_mgr err;
    info.err = jpeg_std_error(&err);
    jpeg_create_compress(&info);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &out, &size);
    info.image_width = JDIMENSION(w);
    info.image_height = JDIMENSION(h);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(size_t(w) * 3);
    for (int x = 0; x < w; ++x) {
        row[size_t(x) * 3] = r;
        row[size_t(x) * 3 + 1] = g;
        row[size_t(x) * 3 + 2] = b;
    }
    while (info.next_scanline < info.image_height) {
        unsigned char* rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    sys::Data data(out, out + size);
    std::free(out);
    return data;
}

TEST_F(ImageTest, PngAndJpegFromBytes) {
    std::vector<uint32_t> px(4 * 3, 0xFF336699u);
    px[0] = 0x80800000u;  // half-transparent red, premultiplied
    auto png = encodePng(*Image::fromPixels(4, 3, px));
    auto fromPng = Image::imageWithData(png);
    ASSERT_TRUE(fromPng);
    EXPECT_EQ(fromPng->size(), (Size{4, 3}));
    EXPECT_EQ(fromPng->pixels()[1], 0xFF336699u);
    EXPECT_EQ(fromPng->pixels()[0] >> 24, 0x80u);

    auto jpeg = makeJpeg(16, 8, 200, 40, 20);
    auto fromJpeg = Image::imageWithData(jpeg);
    ASSERT_TRUE(fromJpeg);
    EXPECT_EQ(fromJpeg->size(), (Size{16, 8}));
    uint32_t p = fromJpeg->pixels()[8 * 4 + 3];
    EXPECT_EQ(p >> 24, 0xFFu);
    EXPECT_NEAR(int((p >> 16) & 0xFF), 200, 6);
    EXPECT_NEAR(int((p >> 8) & 0xFF), 40, 6);
}

TEST_F(ImageTest, DamagedBytesGiveNothing) {
    EXPECT_EQ(Image::imageWithData(sys::Data{}), nullptr);
    EXPECT_EQ(Image::imageWithData(sys::Data{1, 2, 3, 4, 5}), nullptr);
    auto png = encodePng(*Image::fromPixels(8, 8, std::vector<uint32_t>(64, 0xFFFFFFFFu)));
    png.resize(png.size() / 2);
    EXPECT_EQ(Image::imageWithData(png), nullptr);
    auto jpeg = makeJpeg(32, 32, 1, 2, 3);
    sys::Data cut(jpeg.begin(), jpeg.begin() + 40);
    EXPECT_EQ(Image::imageWithData(cut), nullptr);
}

TEST_F(ImageTest, NamedImagesComeFromTheRootAndAreCached) {
    auto png = encodePng(*Image::fromPixels(3, 5, std::vector<uint32_t>(15, 0xFF00FF00u)));
    std::ofstream(tempDir() / "back.png", std::ios::binary).write(reinterpret_cast<const char*>(png.data()), std::streamsize(png.size()));
    Image::setImageRoot(tempDir().string());
    auto a = Image::imageNamed("back.png");
    auto b = Image::imageNamed("back.png");
    EXPECT_EQ(a, b);
    EXPECT_FALSE(a->isPlaceholder());
    EXPECT_EQ(a->size(), (Size{3, 5}));
    EXPECT_EQ(Image::imageNamed("back")->size(), (Size{3, 5}));
    auto missing = Image::imageNamed("gone.png");
    EXPECT_TRUE(missing->isPlaceholder());
    EXPECT_EQ(missing->name(), "gone.png");
    // A name cannot leave the image folder.
    EXPECT_TRUE(Image::imageNamed("../back.png")->isPlaceholder());
}

}  // namespace
}  // namespace zuno::ui::test
