#include "platform/backend/RasterScreen.h"

#include <cmath>
#include <cstring>
#include <fstream>

#include "platform/backend/CairoCanvas.h"
#include "platform/ui/Animation.h"
#include "platform/ui/Application.h"
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
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

void RasterScreen::clear() {
    cairo_save(cr_);
    cairo_set_operator(cr_, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_rgba(cr_, 0, 0, 0, 1);
    cairo_paint(cr_);
    cairo_restore(cr_);
}

void RasterScreen::renderApplication() {
    clear();
    Display::clearDirty();
    CairoCanvas canvas(cr_);
    Application::shared().render(canvas);
    cairo_surface_flush(surface_);
}

bool RasterScreen::renderIfNeeded() {
    if (!Display::isDirty() && !Animator::shared().hasRunningAnimations()) return false;
    renderApplication();
    return true;
}

void RasterScreen::renderWindow(Window& window) {
    clear();
    CairoCanvas canvas(cr_);
    window.layoutIfNeeded();
    window.render(canvas);
    cairo_surface_flush(surface_);
}

void RasterScreen::renderView(View& view) {
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
