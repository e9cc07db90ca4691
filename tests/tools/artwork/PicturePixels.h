// Colours measured on the bundle's drawn pictures: mean colours of a part of a picture and the WCAG
// relative luminance and contrast ratio between two colours.
#pragma once

#include <cmath>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "platform/ui/Color.h"
#include "platform/ui/Image.h"

namespace zuno::testing::pictures {

// The picture as the build drew it, at scale 2 (the sharper of the two).
inline std::shared_ptr<ui::Image> drawn(const std::string& name) {
    const size_t dot = name.rfind('.');
    const std::string file = name.substr(0, dot) + "@2x" + name.substr(dot);
    return ui::Image::imageWithContentsOfFile((std::filesystem::path(ZUNO_BUNDLE_DIR) / "images" / file).string());
}

// One pixel's colour with its opacity taken out of the components (all 0 to 1).
inline ui::Color pixelColour(uint32_t argb) {
    const double a = ((argb >> 24) & 0xFF) / 255.0;
    if (a == 0) return {0, 0, 0, 0};
    return {((argb >> 16) & 0xFF) / 255.0 / a, ((argb >> 8) & 0xFF) / 255.0 / a, (argb & 0xFF) / 255.0 / a, a};
}

// The mean colour of the part of the picture between the fractions of its width and height, each pixel
// weighted by its opacity; none where that part is wholly see-through.
// Pixels the filter turns down are left out.
template <typename Filter>
std::optional<ui::Color> meanColour(const ui::Image& image, double left, double top, double right, double bottom, Filter keep) {
    const int w = image.pixelWidth(), h = image.pixelHeight();
    double r = 0, g = 0, b = 0, weight = 0;
    for (int y = int(top * h); y < int(std::ceil(bottom * h)) && y < h; ++y) {
        for (int x = int(left * w); x < int(std::ceil(right * w)) && x < w; ++x) {
            const uint32_t p = image.pixels()[size_t(y) * size_t(w) + size_t(x)];
            if (!keep(p)) continue;
            // Premultiplied components summed and divided by the summed opacity: an opacity-weighted mean.
            r += ((p >> 16) & 0xFF) / 255.0;
            g += ((p >> 8) & 0xFF) / 255.0;
            b += (p & 0xFF) / 255.0;
            weight += ((p >> 24) & 0xFF) / 255.0;
        }
    }
    if (weight == 0) return std::nullopt;
    return ui::Color{r / weight, g / weight, b / weight, 1};
}

inline std::optional<ui::Color> meanColour(const ui::Image& image, double left, double top, double right, double bottom) {
    return meanColour(image, left, top, right, bottom, [](uint32_t) { return true; });
}

inline double luminance(const ui::Color& c) {
    auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
}

inline double contrast(const ui::Color& a, const ui::Color& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace zuno::testing::pictures
