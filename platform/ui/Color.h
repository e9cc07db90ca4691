#pragma once

#include <optional>
#include <string_view>

namespace zuno::ui {

// A colour with components from 0 to 1.
struct Color {
    double r = 0, g = 0, b = 0, a = 0;

    static Color rgb255(int r, int g, int b, double alpha = 1.0) { return {r / 255.0, g / 255.0, b / 255.0, alpha}; }
    static Color white(double w = 1.0, double alpha = 1.0) { return {w, w, w, alpha}; }
    static Color black() { return {0, 0, 0, 1}; }
    static Color clear() { return {0, 0, 0, 0}; }
    static Color red() { return {1, 0, 0, 1}; }
    static Color green() { return {0, 1, 0, 1}; }
    static Color blue() { return {0, 0, 1, 1}; }
    static Color yellow() { return {1, 1, 0, 1}; }
    static Color orange() { return {1, 0.5, 0, 1}; }
    static Color gray() { return {0.5, 0.5, 0.5, 1}; }
    static Color darkGray() { return {1.0 / 3, 1.0 / 3, 1.0 / 3, 1}; }
    static Color lightGray() { return {2.0 / 3, 2.0 / 3, 2.0 / 3, 1}; }

    Color withAlpha(double alpha) const { return {r, g, b, alpha}; }
    bool isClear() const { return a <= 0; }
    bool operator==(const Color& o) const { return r == o.r && g == o.g && b == o.b && a == o.a; }
    bool operator!=(const Color& o) const { return !(*this == o); }

    // "#rgb", "#rrggbb", "#rrggbbaa", or a name (white, black, clear, red, green, blue, yellow, orange,
    // gray, darkGray, lightGray); nothing for anything else.
    static std::optional<Color> parse(std::string_view text);
};

}  // namespace zuno::ui
