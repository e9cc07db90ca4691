#pragma once

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/core/Value.h"
#include "platform/ui/Application.h"
#include "platform/ui/Color.h"
#include "platform/ui/Image.h"

namespace zuno::ui {

class Application;
class Canvas;
class ScreenRegion;
class View;
class Window;

// A rectangle of a raster, in pixels.
struct PixelRect {
    int x = 0, y = 0, width = 0, height = 0;
};

// A Cairo raster of the screen (the windows' size by default: 480 x 320 points, or 320 x 480 while
// upright) that the application's windows are drawn into, at a device scale of 1 or 2 pixels per point
// (the screen's scale unless told).
class RasterScreen {
public:
    RasterScreen() : RasterScreen(int(Screen::windowSize().width), int(Screen::windowSize().height)) {}
    RasterScreen(int width, int height, int scale = Screen::scale());
    ~RasterScreen();
    RasterScreen(const RasterScreen&) = delete;
    RasterScreen& operator=(const RasterScreen&) = delete;

    // Draws every window of the application (what the screen shows). What changed stays marked: a
    // picture taken of the screen leaves the window's next frame as it was.
    void renderApplication();
    // Draws every window as it stands with no shortcut at all (View::renderPlainly): what the other two
    // must show. Lays nothing out and leaves the window's next frame as it was.
    void renderApplicationPlainly();
    // Draws the part of the screen that changed since its last frame (with the running animations'
    // frame), when any did; answers whether any pixel came out differently. One raster does this: the
    // window's.
    bool renderIfNeeded();
    // Draws the windows inside the region only: there the same pixels as renderApplication().
    void renderRegion(const ScreenRegion& region);
    // Where the last frame changed pixels (all of the raster for a full one).
    const std::vector<PixelRect>& drawnPixels() const { return drawn_; }
    void renderWindow(Window& window);
    // One view alone, its bounds filling the raster's top-left corner.
    void renderView(View& view);

    // In points.
    int width() const { return width_; }
    int height() const { return height_; }
    int scale() const { return scale_; }
    int pixelWidth() const { return width_ * scale_; }
    int pixelHeight() const { return height_ * scale_; }
    int stride() const;
    const uint32_t* pixels() const;
    // Premultiplied ARGB of a pixel (in pixels, not points); 0 outside.
    uint32_t pixel(int x, int y) const;
    // The pixel's colour with its alpha taken out of the components, 0 to 255 each.
    struct Rgba {
        int r, g, b, a;
    };
    Rgba rgba(int x, int y) const;

    // The pixels (pixelWidth x pixelHeight) as a picture.
    sys::Data pngData() const;
    bool writePng(const std::string& path) const;
    ImagePtr toImage() const;

private:
    void clear();
    // Paints the raster black and has all of it drawn.
    void renderWhole(const std::function<void(Canvas&)>& draw);
    std::vector<PixelRect> pixelRects(const ScreenRegion& region) const;
    // Draws the rectangles (a partial frame); answers where pixels changed.
    std::vector<PixelRect> drawPart(const std::vector<PixelRect>& rects);
    int width_, height_, scale_;
    std::vector<PixelRect> drawn_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
    // Where partial frames are drawn before their region is copied over (made at the first one).
    cairo_surface_t* partSurface_ = nullptr;
    cairo_t* partCr_ = nullptr;
};

// Snapshots as PNG files: the whole screen, or one view, at the given scale (the screen's by default).
sys::Data snapshotScreenPng(int scale = Screen::scale());
sys::Data snapshotViewPng(View& view, int scale = Screen::scale());

}  // namespace zuno::ui
