#include <cairo.h>
#include <gtest/gtest.h>

#include "platform/ui/Image.h"

namespace zuno::ui {
namespace {

// A real, small PNG of one-bit pixels: a few kilobytes that would decode to 4 bytes per pixel.
sys::Data onebitPng(int width, int height) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_A1, width, height);
    sys::Data out;
    cairo_surface_write_to_png_stream(
        s,
        [](void* closure, const unsigned char* data, unsigned int length) {
            auto* bytes = static_cast<sys::Data*>(closure);
            bytes->insert(bytes->end(), data, data + length);
            return CAIRO_STATUS_SUCCESS;
        },
        &out);
    cairo_surface_destroy(s);
    return out;
}

}  // namespace

TEST(ImageLimitTest, APngDeclaringMoreThan16MPixelsIsRefusedBeforeDecoding) {
    auto small = onebitPng(64, 32);
    auto image = decodePng(small.data(), small.size());
    ASSERT_TRUE(image);
    EXPECT_EQ(image->size(), (Size{64, 32}));

    auto huge = onebitPng(4097, 4097);  // one row and column past 4096 x 4096
    ASSERT_LT(huge.size(), 100000u);
    EXPECT_EQ(decodePng(huge.data(), huge.size()), nullptr);

    sys::Data headerless(small.begin(), small.begin() + 20);  // the signature, the size cut off
    EXPECT_EQ(decodePng(headerless.data(), headerless.size()), nullptr);
}

}  // namespace zuno::ui
