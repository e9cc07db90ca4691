#pragma once

#include <cairo.h>

#include <cstddef>
#include <memory>

#include "platform/ui/Image.h"

namespace zuno::ui {

// Cairo's forms of an image for drawing: its own pixels, kept with the image, and copies resized to
// the device sizes it is drawn at, each scaled once with a good filter (so a frame paints them 1:1
// instead of filtering again).
//
// A translucent form keeps the largest opaque rectangle found inside it (a panel with rounded or
// shaded edges, say): that part is copied, only the rest is blended.
struct CairoForm {
    cairo_surface_t* surface = nullptr;
    cairo_surface_t* opaqueAlias = nullptr;  // the same pixels read as opaque
    int coreX = 0, coreY = 0, coreWidth = 0, coreHeight = 0;

    CairoForm() = default;
    ~CairoForm();
    CairoForm(const CairoForm&) = delete;
    CairoForm& operator=(const CairoForm&) = delete;
};

// The form of the image's own pixels (it reads them in place), and its surface.
const CairoForm& ownFormOf(const Image& image);
cairo_surface_t* cairoSurfaceOf(const Image& image);

// The image resized to a device size. The resized copies of all images share one cache, bounded by
// bytes: the least recently drawn go first, and an image keeps at most a few sizes. The form stays
// good while it is held, also once the cache has let it go.
std::shared_ptr<const CairoForm> resizedFormOf(const Image& image, int width, int height);

// The cache of resized copies: its limit in bytes (the default: kDefaultResizedFormLimit) and the bytes
// it holds now.
constexpr size_t kDefaultResizedFormLimit = 8u << 20;
void setResizedFormLimit(size_t bytes);
size_t resizedFormBytes();
// How many resized copies of the image are kept now.
size_t scaledImageFormCount(const Image& image);

}  // namespace zuno::ui
