#include "platform/backend/RasterScreen.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>

#include "platform/backend/CairoCanvas.h"
#include "platform/ui/Application.h"
#include "platform/ui/Display.h"
#include "platform/ui/View.h"
#include "platform/ui/Window.h"

namespace zuno::ui {

RasterScreen::RasterScreen(int width, int height, int scale)
    : width_(std::max(1, width)),
      height_(std::max(1, height)),
      scale_(scale >= 2 ? 2 : 1),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width_ * scale_, height_ * scale_)),
      cr_(cairo_create(surface_)) {
    // Views draw in points; the context turns them into pixels.
    cairo_scale(cr_, scale_, scale_);
}

RasterScreen::~RasterScreen() {
    if (partCr_) cairo_destroy(partCr_);
    if (partSurface_) cairo_surface_destroy(partSurface_);
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

namespace {
constexpr uint32_t kBlack = 0xFF000000u;  // opaque, premultiplied ARGB

void paintBlack(cairo_t* cr) {
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_rgba(cr, 0, 0, 0, 1);
    cairo_paint(cr);
    cairo_restore(cr);
}
}  // namespace

void RasterScreen::clear() { paintBlack(cr_); }

void RasterScreen::renderWhole(const std::function<void(Canvas&)>& draw) {
    clear();
    drawn_.assign(1, PixelRect{0, 0, pixelWidth(), pixelHeight()});
    CairoCanvas canvas(cr_);
    draw(canvas);
    cairo_surface_flush(surface_);
}

void RasterScreen::renderApplication() {
    renderWhole([](Canvas& canvas) { Application::shared().render(canvas); });
}

void RasterScreen::renderApplicationPlainly() {
    renderWhole([](Canvas& canvas) {
        for (const WindowPtr& window : Application::shared().windows()) window->renderPlainly(canvas);
    });
}

bool RasterScreen::renderIfNeeded() {
    // Laid out first: moving views marks where they were and where they go.
    Application::shared().layoutIfNeeded();
    Display::markAnimationFrame();
    if (!Display::isDirty()) {
        Display::animationFrameDrawn();
        return false;
    }
    const ScreenRegion region = Display::dirtyRegion();
    Display::clearDirty();
    renderRegion(region);
    Display::animationFrameDrawn();
    return !drawn_.empty();
}

std::vector<PixelRect> RasterScreen::pixelRects(const ScreenRegion& region) const {
    if (region.isAll()) return {PixelRect{0, 0, pixelWidth(), pixelHeight()}};
    std::vector<PixelRect> rects;
    for (const Rect& r : region.rects()) {
        // Every pixel the rectangle touches.
        const int x0 = std::max(0, int(std::floor(r.minX() * scale_)));
        const int y0 = std::max(0, int(std::floor(r.minY() * scale_)));
        const int x1 = std::min(pixelWidth(), int(std::ceil(r.maxX() * scale_)));
        const int y1 = std::min(pixelHeight(), int(std::ceil(r.maxY() * scale_)));
        if (x1 > x0 && y1 > y0) rects.push_back({x0, y0, x1 - x0, y1 - y0});
    }
    return rects;
}

void RasterScreen::renderRegion(const ScreenRegion& region) {
    ScreenRegion part = region;
    drawn_.clear();
    for (int pass = 1;; ++pass) {
        if (part.isAll()) {
            renderApplication();
            return;
        }
        // A part off the screen draws nothing, but its views whose content changed learn their reach.
        const std::vector<PixelRect> changed = drawPart(pixelRects(part));
        drawn_.insert(drawn_.end(), changed.begin(), changed.end());
        // A view that painted past where it was thought to paint (a longer text) marked that part:
        // drawn in this frame too.
        if (!Display::isDirty() || pass == 3) return;
        part.add(Display::dirtyRegion());
        Display::clearDirty();
    }
}

std::vector<PixelRect> RasterScreen::drawPart(const std::vector<PixelRect>& rects) {
    if (!partSurface_) {
        partSurface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, pixelWidth(), pixelHeight());
        partCr_ = cairo_create(partSurface_);
        cairo_scale(partCr_, scale_, scale_);
    }
    // Drawn on the second raster, where the views that reach the part draw what cannot be drawn in part
    // exactly (antialiased paths, turned pictures, groups) whole, around the part onto stale pixels;
    // then the part alone is copied over.
    cairo_surface_flush(partSurface_);
    auto* part = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(partSurface_));
    const size_t rowPixels = size_t(cairo_image_surface_get_stride(partSurface_)) / 4;
    std::vector<Rect> deviceRects;
    for (const PixelRect& r : rects) {
        for (int y = r.y; y < r.y + r.height; ++y) std::fill_n(part + size_t(y) * rowPixels + size_t(r.x), r.width, kBlack);
        deviceRects.emplace_back(r.x, r.y, r.width, r.height);
    }
    cairo_surface_mark_dirty(partSurface_);
    {
        CairoCanvas canvas(partCr_);
        canvas.setShownPart(std::move(deviceRects));
        Application::shared().render(canvas);
    }
    cairo_surface_flush(partSurface_);
    cairo_surface_flush(surface_);
    // Only the rows that came out differently are copied and count as drawn: a frame in which nothing
    // visible changed (a view moved by less than a pixel) is no frame.
    const unsigned char* from = cairo_image_surface_get_data(partSurface_);
    unsigned char* to = cairo_image_surface_get_data(surface_);
    const size_t stride = size_t(cairo_image_surface_get_stride(surface_));
    std::vector<PixelRect> changed;
    for (const PixelRect& r : rects) {
        int first = -1, last = -1;
        for (int y = r.y; y < r.y + r.height; ++y) {
            const size_t at = size_t(y) * stride + size_t(r.x) * 4;
            if (std::memcmp(to + at, from + at, size_t(r.width) * 4) == 0) continue;
            std::memcpy(to + at, from + at, size_t(r.width) * 4);
            if (first < 0) first = y;
            last = y;
        }
        if (first >= 0) changed.push_back({r.x, first, r.width, last + 1 - first});
    }
    cairo_surface_mark_dirty(surface_);
    return changed;
}

void RasterScreen::renderWindow(Window& window) {
    window.layoutIfNeeded();
    renderWhole([&](Canvas& canvas) { window.render(canvas); });
}

void RasterScreen::renderView(View& view) {
    drawn_.assign(1, PixelRect{0, 0, pixelWidth(), pixelHeight()});
    cairo_save(cr_);
    cairo_set_operator(cr_, CAIRO_OPERATOR_CLEAR);
    cairo_paint(cr_);
    cairo_restore(cr_);
    CairoCanvas canvas(cr_);
    view.layoutIfNeeded();
    Rect b = view.bounds();
    canvas.save();
    canvas.translate(-b.x(), -b.y());
    view.renderTree(canvas);
    canvas.restore();
    cairo_surface_flush(surface_);
}

int RasterScreen::stride() const { return cairo_image_surface_get_stride(surface_); }

const uint32_t* RasterScreen::pixels() const {
    return reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(surface_));
}

uint32_t RasterScreen::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= pixelWidth() || y >= pixelHeight()) return 0;
    const unsigned char* row = cairo_image_surface_get_data(surface_) + size_t(y) * stride();
    uint32_t p;
    std::memcpy(&p, row + x * 4, 4);
    return p;
}

RasterScreen::Rgba RasterScreen::rgba(int x, int y) const {
    uint32_t p = pixel(x, y);
    int a = int(p >> 24), r = int((p >> 16) & 0xFF), g = int((p >> 8) & 0xFF), b = int(p & 0xFF);
    if (a == 0) return {0, 0, 0, 0};
    auto un = [a](int c) { return std::min(255, int(std::lround(c * 255.0 / a))); };
    return {un(r), un(g), un(b), a};
}

ImagePtr RasterScreen::toImage() const {
    int w = pixelWidth(), h = pixelHeight();
    std::vector<uint32_t> px(size_t(w) * size_t(h));
    for (int y = 0; y < h; ++y) {
        std::memcpy(px.data() + size_t(y) * w, cairo_image_surface_get_data(surface_) + size_t(y) * stride(),
                    size_t(w) * 4);
    }
    return Image::fromPixels(w, h, std::move(px));
}

sys::Data RasterScreen::pngData() const { return encodePng(*toImage()); }

bool RasterScreen::writePng(const std::string& path) const {
    sys::Data data = pngData();
    std::ofstream out(path, std::ios::binary);
    if (!out) return false;
    out.write(reinterpret_cast<const char*>(data.data()), std::streamsize(data.size()));
    return bool(out);
}

sys::Data snapshotScreenPng(int scale) {
    RasterScreen screen(int(Screen::windowSize().width), int(Screen::windowSize().height), scale);
    screen.renderApplication();
    return screen.pngData();
}

sys::Data snapshotViewPng(View& view, int scale) {
    Rect b = view.bounds();
    RasterScreen screen(int(std::ceil(b.width())), int(std::ceil(b.height())), scale);
    screen.renderView(view);
    return screen.pngData();
}

}  // namespace zuno::ui
