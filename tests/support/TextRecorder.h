#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/Canvas.h"

namespace zuno::testing {

// A canvas that draws nothing and keeps every text drawn on it, with where it was drawn.
class TextRecorder : public ui::Canvas {
public:
    struct Text {
        std::string text;
        ui::Point at;
        double width;
    };
    std::vector<Text> texts;

    std::string joined() const {
        std::string all;
        for (const auto& t : texts) all += t.text;
        return all;
    }
    // The right edge of the text drawn furthest right.
    double rightEdge() const {
        double edge = 0;
        for (const auto& t : texts) edge = std::max(edge, t.at.x + t.width);
        return edge;
    }

    double drawText(std::string_view text, ui::Point topLeft, const ui::Font& font) override {
        const double width = font.widthOfText(text);
        texts.push_back({std::string(text), topLeft, width});
        return width;
    }
    void save() override {}
    void restore() override {}
    void translate(double, double) override {}
    void scale(double, double) override {}
    void rotate(double) override {}
    void concat(const ui::AffineTransform&) override {}
    void beginGroup() override {}
    void endGroup(double) override {}
    void setFillColor(const ui::Color&) override {}
    void setStrokeColor(const ui::Color&) override {}
    void setLineWidth(double) override {}
    void fillRect(const ui::Rect&) override {}
    void strokeRect(const ui::Rect&) override {}
    void clearRect(const ui::Rect&) override {}
    void beginPath() override {}
    void moveTo(ui::Point) override {}
    void lineTo(ui::Point) override {}
    void addArc(ui::Point, double, double, double, bool) override {}
    void addRect(const ui::Rect&) override {}
    void closePath() override {}
    void fillPath() override {}
    void strokePath() override {}
    void clipToPath() override {}
    void clipToRect(const ui::Rect&) override {}
    void drawLinearGradient(ui::Point, ui::Point, const ui::Color&, const ui::Color&) override {}
    void drawImage(const ui::Image&, ui::Point, double) override {}
    void drawImage(const ui::Image&, const ui::Rect&, double) override {}
};

}  // namespace zuno::testing
