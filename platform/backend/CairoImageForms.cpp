#include "platform/backend/CairoImageForms.h"

#include <algorithm>
#include <list>
#include <mutex>
#include <vector>

namespace zuno::ui {

namespace {

// A button picture is often drawn at several sizes on one screen: fewer kept sizes than that would
// scale it afresh at every draw. More than this are sizes on the way somewhere (a picture growing in
// an animation), not worth keeping.
constexpr size_t kSizesKeptPerImage = 8;
// Cairo's own record of a surface, beside its pixels.
constexpr size_t kSurfaceOverhead = 512;

struct ImageForms;

struct ResizedEntry {
    ImageForms* owner;
    int width, height;
    std::shared_ptr<const CairoForm> form;
    size_t bytes;
};
using ResizedList = std::list<ResizedEntry>;

// What an image keeps of Cairo's: its own form, and where its resized copies lie in the cache.
struct ImageForms {
    CairoForm own;
    std::vector<ResizedList::iterator> resized;  // the least recently drawn first; under the cache's lock
    ~ImageForms();
};

// An image may go on any thread (the last view holding it may be dropped anywhere), so the cache has
// a lock of its own.
struct ResizedCache {
    std::mutex mutex;
    ResizedList recent;  // the most recently drawn first
    size_t bytes = 0;
    size_t limit = kDefaultResizedFormLimit;

    void drop(ResizedList::iterator entry) {
        auto& ofOwner = entry->owner->resized;
        ofOwner.erase(std::find(ofOwner.begin(), ofOwner.end(), entry));
        bytes -= entry->bytes;
        recent.erase(entry);
    }

    void dropUntilWithin(size_t allowed) {
        while (bytes > allowed && !recent.empty()) drop(std::prev(recent.end()));
    }
};

ResizedCache& resizedCache() {
    static ResizedCache* cache = new ResizedCache;  // lives for the whole run
    return *cache;
}

ImageForms::~ImageForms() {
    auto& cache = resizedCache();
    std::lock_guard<std::mutex> lock(cache.mutex);
    while (!resized.empty()) cache.drop(resized.back());
}

bool opaqueRows(const unsigned char* data, int stride, int x0, int x1, int y0, int y1) {
    for (int y = y0; y < y1; ++y) {
        auto row = reinterpret_cast<const uint32_t*>(data + size_t(y) * size_t(stride));
        for (int x = x0; x < x1; ++x)
            if ((row[x] >> 24) != 0xFF) return false;
    }
    return true;
}

// Looks for an opaque rectangle around the middle of a translucent form: the opaque run through the
// middle row and column, shrunk until every pixel inside is opaque. Small finds are not worth a second
// drawing call and are dropped.
void findOpaqueCore(CairoForm& form) {
    constexpr int kSmallestCore = 64 * 64;
    cairo_surface_t* s = form.surface;
    if (cairo_image_surface_get_format(s) != CAIRO_FORMAT_ARGB32) return;
    cairo_surface_flush(s);
    const unsigned char* data = cairo_image_surface_get_data(s);
    const int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    const int stride = cairo_image_surface_get_stride(s);
    if (!data || w * h < kSmallestCore) return;
    auto opaque = [&](int x, int y) {
        return (reinterpret_cast<const uint32_t*>(data + size_t(y) * size_t(stride))[x] >> 24) == 0xFF;
    };
    const int midY = h / 2, midX = w / 2;
    if (!opaque(midX, midY)) return;
    int x0 = midX, x1 = midX + 1, y0 = midY, y1 = midY + 1;
    while (x0 > 0 && opaque(x0 - 1, midY)) --x0;
    while (x1 < w && opaque(x1, midY)) ++x1;
    while (y0 > 0 && opaque(midX, y0 - 1)) --y0;
    while (y1 < h && opaque(midX, y1)) ++y1;
    for (int inset = 0; x1 - x0 - 2 * inset > 0 && y1 - y0 - 2 * inset > 0; inset = inset ? inset * 2 : 1) {
        int cx0 = x0 + inset, cx1 = x1 - inset, cy0 = y0 + inset, cy1 = y1 - inset;
        if ((cx1 - cx0) * (cy1 - cy0) < kSmallestCore) return;
        if (opaqueRows(data, stride, cx0, cx1, cy0, cy1)) {
            form.coreX = cx0, form.coreY = cy0, form.coreWidth = cx1 - cx0, form.coreHeight = cy1 - cy0;
            form.opaqueAlias = cairo_image_surface_create_for_data(const_cast<unsigned char*>(data), CAIRO_FORMAT_RGB24,
                                                                   w, h, stride);
            return;
        }
    }
}

ImageForms& formsOf(const Image& image) {
    auto& cached = image.backendCache();
    if (!cached) {
        int w = image.pixelWidth(), h = image.pixelHeight();
        auto forms = std::make_shared<ImageForms>();
        // The surface reads the image's own pixels; the image outlives its cache entry. An image without
        // transparency is handed over as such: copying it is much faster than blending.
        forms->own.surface = cairo_image_surface_create_for_data(
            reinterpret_cast<unsigned char*>(const_cast<uint32_t*>(image.pixels())),
            image.isOpaque() ? CAIRO_FORMAT_RGB24 : CAIRO_FORMAT_ARGB32, w, h, w * 4);
        findOpaqueCore(forms->own);
        cached = forms;
    }
    return *static_cast<ImageForms*>(cached.get());
}

std::shared_ptr<const CairoForm> resize(const CairoForm& own, int fromWidth, int fromHeight, int width, int height) {
    cairo_surface_t* surface = cairo_image_surface_create(cairo_image_surface_get_format(own.surface), width, height);
    cairo_t* cr = cairo_create(surface);
    cairo_scale(cr, double(width) / fromWidth, double(height) / fromHeight);
    cairo_set_source_surface(cr, own.surface, 0, 0);
    cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr);
    cairo_destroy(cr);
    auto form = std::make_shared<CairoForm>();
    form->surface = surface;
    findOpaqueCore(*form);
    return form;
}

}  // namespace

CairoForm::~CairoForm() {
    if (opaqueAlias) cairo_surface_destroy(opaqueAlias);
    if (surface) cairo_surface_destroy(surface);
}

const CairoForm& ownFormOf(const Image& image) { return formsOf(image).own; }

cairo_surface_t* cairoSurfaceOf(const Image& image) { return formsOf(image).own.surface; }

std::shared_ptr<const CairoForm> resizedFormOf(const Image& image, int width, int height) {
    ImageForms& forms = formsOf(image);
    auto& cache = resizedCache();
    {
        std::lock_guard<std::mutex> lock(cache.mutex);
        for (auto it = forms.resized.begin(); it != forms.resized.end(); ++it) {
            const ResizedList::iterator entry = *it;
            if (entry->width != width || entry->height != height) continue;
            cache.recent.splice(cache.recent.begin(), cache.recent, entry);
            std::rotate(it, it + 1, forms.resized.end());
            return entry->form;
        }
    }
    // Scaled without the lock: it takes a while, and only this thread draws this image now.
    auto form = resize(forms.own, image.pixelWidth(), image.pixelHeight(), width, height);
    const size_t bytes = size_t(cairo_image_surface_get_stride(form->surface)) * size_t(height) + kSurfaceOverhead;
    std::lock_guard<std::mutex> lock(cache.mutex);
    if (bytes > cache.limit) return form;  // drawn this once, not kept
    if (forms.resized.size() >= kSizesKeptPerImage) cache.drop(forms.resized.front());
    cache.dropUntilWithin(cache.limit - bytes);
    cache.recent.push_front(ResizedEntry{&forms, width, height, form, bytes});
    forms.resized.push_back(cache.recent.begin());
    cache.bytes += bytes;
    return form;
}

size_t scaledImageFormCount(const Image& image) {
    if (!image.backendCache()) return 0;
    auto& cache = resizedCache();
    std::lock_guard<std::mutex> lock(cache.mutex);
    return formsOf(image).resized.size();
}

void setResizedFormLimit(size_t bytes) {
    auto& cache = resizedCache();
    std::lock_guard<std::mutex> lock(cache.mutex);
    cache.limit = bytes;
    cache.dropUntilWithin(bytes);
}

size_t resizedFormBytes() {
    auto& cache = resizedCache();
    std::lock_guard<std::mutex> lock(cache.mutex);
    return cache.bytes;
}

}  // namespace zuno::ui
