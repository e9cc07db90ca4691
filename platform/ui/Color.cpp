#include "platform/ui/Color.h"

#include <string>

namespace zuno::ui {

namespace {
int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}
}  // namespace

std::optional<Color> Color::parse(std::string_view text) {
    if (!text.empty() && text[0] == '#') {
        std::string_view h = text.substr(1);
        int v[8];
        for (size_t i = 0; i < h.size() && i < 8; ++i) {
            v[i] = hexDigit(h[i]);
            if (v[i] < 0) return std::nullopt;
        }
        if (h.size() == 3) return Color::rgb255(v[0] * 17, v[1] * 17, v[2] * 17);
        if (h.size() == 6 || h.size() == 8) {
            double alpha = h.size() == 8 ? (v[6] * 16 + v[7]) / 255.0 : 1.0;
            return Color::rgb255(v[0] * 16 + v[1], v[2] * 16 + v[3], v[4] * 16 + v[5], alpha);
        }
        return std::nullopt;
    }
    struct Named { const char* name; Color color; };
    static const Named names[] = {
        {"white", white()}, {"black", black()}, {"clear", clear()}, {"red", red()}, {"green", green()},
        {"blue", blue()}, {"yellow", yellow()}, {"orange", orange()}, {"gray", gray()},
        {"darkGray", darkGray()}, {"lightGray", lightGray()},
    };
    for (const auto& n : names) {
        if (text == n.name) return n.color;
    }
    return std::nullopt;
}

}  // namespace zuno::ui
