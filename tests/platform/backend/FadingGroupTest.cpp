// A fading group limited to what it holds lays down the same pixels as one begun plainly, whatever
// transform it is drawn under and whatever clip lies around it.
#include <gtest/gtest.h>

#include <cairo.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "platform/backend/CairoCanvas.h"
#include "platform/ui/Image.h"

namespace zuno::ui::test {
namespace {

constexpr int kWidth = 400, kHeight = 160;

using Drawing = std::function<void(Canvas&)>;

// Draws `place` (transforms and clips, as the view tree sets them up step by step), then `content` in a
// fading group, limited to `extent` or not; answers the pixels.
std::vector<uint32_t> drawFaded(const Drawing& place, const Drawing& content, const Rect* extent) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kWidth, kHeight);
    cairo_t* cr = cairo_create(surface);
    {
        CairoCanvas canvas(cr);
        canvas.setFillColor(Color::rgb255(30, 60, 90));
        canvas.fillRect(Rect(0, 0, kWidth, kHeight));
        canvas.save();
        place(canvas);
        if (extent) {
            canvas.beginGroupWithin(*extent);
        } else {
            canvas.beginGroup();
        }
        content(canvas);
        canvas.endGroup(0.45);
        canvas.restore();
    }
    cairo_surface_flush(surface);
    std::vector<uint32_t> pixels(size_t(kWidth) * kHeight);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    for (int y = 0; y < kHeight; ++y)
        std::memcpy(&pixels[size_t(y) * kWidth], data + size_t(y) * size_t(cairo_image_surface_get_stride(surface)), kWidth * 4);
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    return pixels;
}

int differingPixels(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b) {
    int n = 0;
    for (size_t i = 0; i < a.size(); ++i) n += a[i] != b[i];
    return n;
}

// The same drawing at many places a fraction of a pixel apart, limited and not.
void expectLimitChangesNothing(int places, const std::function<Drawing(int)>& placeAt, const Drawing& content,
                               const Rect& extent) {
    for (int i = 0; i < places; ++i) {
        const Drawing place = placeAt(i);
        const int differing = differingPixels(drawFaded(place, content, &extent), drawFaded(place, content, nullptr));
        EXPECT_EQ(differing, 0) << "at place " << i;
        if (differing) return;
    }
}

// A label's text under a transform that scales it unevenly (drawn by Cairo glyph by glyph, from the
// current point): the limit's clip leaves the transform as it was built.
TEST(FadingGroupTest, TextUnderAnUnevenScaleComesOutAsInAPlainGroup) {
    auto placeAt = [](int i) -> Drawing {
        return [i](Canvas& canvas) {
            canvas.scale(2, 2);
            canvas.translate(2.553 + (i % 97) * 0.0173, 1.905 + (i % 89) * 0.0117);
            canvas.concat(AffineTransform::scale(0.9728, 1.1472));
            canvas.translate(4.036, 2.593);
            canvas.concat(AffineTransform::scale(1.4606 + (i % 7) * 0.0131, 1.44 + (i % 5) * 0.0173));
        };
    };
    const Rect label(0, 0, 54.98, 9.68);
    auto content = [&](Canvas& canvas) {
        canvas.setFillColor(Color::rgb255(220, 200, 60));
        canvas.fillRect(label);
        canvas.clipToRect(label);
        canvas.setFillColor(Color::black());
        canvas.drawText("Zuno...", {1, -3}, Font::systemFontOfSize(13.5));
        canvas.setFillColor(Color::rgb255(60, 220, 160));
        canvas.drawText("Zuno...", {0, -4}, Font::systemFontOfSize(13.5));
    };
    // A glyph lands a pixel off only where its place rounds by a hair: many places.
    expectLimitChangesNothing(900, placeAt, content, label.insetBy(-4, -4));
}

// Inside a clip through pixels (a turned view that clips): a turned fill and text.
TEST(FadingGroupTest, DrawingInsideATurnedClipComesOutAsInAPlainGroup) {
    auto placeAt = [](int i) -> Drawing {
        return [i](Canvas& canvas) {
            canvas.scale(2, 2);
            canvas.translate(40.3 + (i % 97) * 0.0173, 20.7 + (i % 89) * 0.0117);
            canvas.rotate(0.2 + (i % 13) * 0.05);
            canvas.clipToRect(Rect(0, 0, 60, 30));
            canvas.translate(23.25, 12.5);
            canvas.rotate(-1.1 - (i % 11) * 0.07);
        };
    };
    const Rect panel(-20, -8, 40, 20);
    auto content = [&](Canvas& canvas) {
        canvas.setFillColor(Color::rgb255(220, 200, 60));
        canvas.fillRect(panel);
        canvas.setFillColor(Color::black());
        canvas.drawText("Zuno", {2, 1}, Font::systemFontOfSize(12));
    };
    expectLimitChangesNothing(60, placeAt, content, panel.insetBy(-4, -4));
}

// A view clipping to bounds through pixels that run past the group's top, with a fill and a picture
// larger than the group but not than the screen: Cairo paints what covers all of a surface instead of
// filling it, and the limited group's surface is smaller.
TEST(FadingGroupTest, FillsAndPicturesPastAClipThroughPixelsComeOutAsInAPlainGroup) {
    auto placeAt = [](int i) -> Drawing {
        return [i](Canvas& canvas) {
            canvas.scale(2, 2);
            canvas.translate(-10 + (i % 5) * 0.25, -12.75 + (i / 5 % 8) * 0.25);
        };
    };
    const Rect bounds(0, 0, 100, 21);
    std::vector<uint32_t> pixels(130 * 40);
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = 0xFF000000u | uint32_t(i % 130 * 2) << 16 | uint32_t(i / 130 * 6);
    const ImagePtr picture = Image::fromPixels(130, 40, std::move(pixels));
    auto clipped = [&](const Drawing& drawing) -> Drawing {
        return [&, drawing](Canvas& canvas) {
            canvas.clipToRect(bounds);
            canvas.setFillColor(Color{0.3, 0.6, 0.5, 0.6});
            canvas.fillRect(bounds);
            drawing(canvas);
        };
    };
    auto fill = [](Canvas& canvas) {
        canvas.setFillColor(Color::rgb255(160, 168, 148));
        canvas.fillRect(Rect(-1, -5, 140, 40));
    };
    auto paint = [&](Canvas& canvas) { canvas.drawImage(*picture, Point{-2, -6}); };
    expectLimitChangesNothing(40, placeAt, clipped(fill), bounds.insetBy(-4, -4));
    expectLimitChangesNothing(40, placeAt, clipped(paint), bounds.insetBy(-4, -4));
}

}  // namespace
}  // namespace zuno::ui::test
