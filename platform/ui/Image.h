#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/Value.h"
#include "platform/ui/Geometry.h"

namespace zuno::ui {

// A decoded picture: premultiplied 32-bit ARGB pixels in native byte order, at one pixel per point or
// (a "name@2x" file) two pixels per point.
// A named image that the bundle lacks is a placeholder that remembers its name; drawing shows it as a
// labelled box, so a missing file never stops a screen.
class Image {
public:
    // The folder that named images are read from (the bundle's image folder). Changing it empties the
    // cache.
    static void setImageRoot(std::string folder);
    static std::string imageRoot();
    // A named bundle image, cached by name and scale. "name" may omit ".png". At the screen's scale 2,
    // 'name@2x.png' is taken when the folder has it, else 'name.png'. Missing or undecodable files give
    // a placeholder (logged once per name). While anything holds the image, the name gives that same
    // image.
    static std::shared_ptr<Image> imageNamed(const std::string& name);
    static std::shared_ptr<Image> imageNamed(const std::string& name, int scale);
    static void clearCache();
    // The cache keeps the most recently asked-for images whose bytes (byteCount) add up to no more
    // than the limit; the least recently asked for go first. Setting the image folder puts the
    // default limit back.
    static constexpr size_t kDefaultCacheLimit = 16u << 20;
    static void setCacheLimit(size_t bytes);
    static size_t cachedBytes();
    // PNG or JPEG bytes; nullptr when they are neither or are damaged.
    static std::shared_ptr<Image> imageWithData(const sys::Data& data);
    static std::shared_ptr<Image> imageWithData(const uint8_t* bytes, size_t size);
    static std::shared_ptr<Image> imageWithContentsOfFile(const std::string& path);
    static std::shared_ptr<Image> fromPixels(int width, int height, std::vector<uint32_t> pixels);
    static std::shared_ptr<Image> placeholder(const std::string& name);

    // In points.
    Size size() const { return {double(width_) / scale_, double(height_) / scale_}; }
    // Pixels per point.
    double scale() const { return scale_; }
    int pixelWidth() const { return width_; }
    int pixelHeight() const { return height_; }
    const uint32_t* pixels() const { return pixels_.data(); }
    uint32_t* mutablePixels() {
        opaque_ = Opacity::Unknown;
        return pixels_.data();
    }
    const std::string& name() const { return name_; }
    bool isPlaceholder() const { return placeholder_; }
    // What the image holds in memory: its pixels and itself.
    size_t byteCount() const;
    // Every pixel fully opaque (a placeholder never is); worked out once.
    bool isOpaque() const;

    // A drawing backend may keep its own form of the pixels here.
    std::shared_ptr<void>& backendCache() const { return backendCache_; }

    Image(int width, int height, std::vector<uint32_t> pixels);

private:
    int width_ = 0, height_ = 0;
    std::vector<uint32_t> pixels_;
    std::string name_;
    double scale_ = 1;
    bool placeholder_ = false;
    enum class Opacity : uint8_t { Unknown, Opaque, Translucent };
    mutable Opacity opaque_ = Opacity::Unknown;
    mutable std::shared_ptr<void> backendCache_;
};

using ImagePtr = std::shared_ptr<Image>;

// Decoders (the Cairo backend reads PNG, libjpeg reads JPEG); nullptr on failure.
ImagePtr decodePng(const uint8_t* bytes, size_t size);
ImagePtr decodeJpeg(const uint8_t* bytes, size_t size);
// Encodes pixels as PNG bytes.
sys::Data encodePng(const Image& image);

}  // namespace zuno::ui
