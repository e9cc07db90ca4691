#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
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
    // A name of a folder (the image folder itself, or one inside it) is no picture, and no failure.
    std::filesystem::create_directory(tempDir() / "sub");
    for (const char* folder : {".", "sub"}) EXPECT_TRUE(Image::imageNamed(folder)->isPlaceholder()) << folder;
    EXPECT_EQ(Image::imageWithContentsOfFile(tempDir().string()), nullptr);
}

TEST_F(ImageTest, AtScaleTwoTheSharperFileIsTakenWhenTheFolderHasIt) {
    auto write = [&](const std::string& file, int w, int h, uint32_t colour) {
        auto png = encodePng(*Image::fromPixels(w, h, std::vector<uint32_t>(size_t(w * h), colour)));
        std::ofstream(tempDir() / file, std::ios::binary)
            .write(reinterpret_cast<const char*>(png.data()), std::streamsize(png.size()));
    };
    write("card.png", 30, 40, 0xFF0000FFu);
    write("card@2x.png", 60, 80, 0xFF00FF00u);
    write("plain.png", 8, 8, 0xFFFF0000u);
    write("broken.png", 5, 5, 0xFFFF0000u);
    std::ofstream(tempDir() / "broken@2x.png") << "not a picture";
    write("only@2x.png", 4, 4, 0xFFFF0000u);
    Image::setImageRoot(tempDir().string());
    struct Case {
        const char* name;
        int scale;
        int pixelWidth;  // 0: a placeholder
        double pointWidth;
    } cases[] = {
        {"card.png", 2, 60, 30}, {"card", 2, 60, 30},       {"card.png", 1, 30, 30},
        {"plain.png", 2, 8, 8},  {"broken.png", 2, 5, 5},   {"only.png", 1, 0, 32},
        {"only.png", 2, 4, 2},   {"card@2x.png", 1, 60, 30},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " at " + std::to_string(c.scale));
        auto image = Image::imageNamed(c.name, c.scale);
        EXPECT_EQ(image->isPlaceholder(), c.pixelWidth == 0);
        if (c.pixelWidth) {
            EXPECT_EQ(image->pixelWidth(), c.pixelWidth);
        }
        EXPECT_EQ(image->size().width, c.pointWidth);
        EXPECT_EQ(image->name(), c.name);
    }
    // Both scales are kept apart in the cache; the screen's scale is the default.
    EXPECT_NE(Image::imageNamed("card", 1), Image::imageNamed("card", 2));
    Screen::setScale(2);
    EXPECT_EQ(Image::imageNamed("card"), Image::imageNamed("card", 2));
}

}  // namespace
}  // namespace zuno::ui::test
