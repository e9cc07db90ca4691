#pragma once

#include <string>
#include <vector>

#include "platform/ui/Control.h"
#include "platform/ui/Font.h"
#include "platform/ui/Image.h"

namespace zuno::ui {

// A row of segments of which one (or none, -1) is selected; a tap on a segment selects it and sends
// "value changed". A momentary control does not keep the selection.
class SegmentedControl : public Control {
public:
    static constexpr int kNoSegment = -1;

    SegmentedControl();
    explicit SegmentedControl(const std::vector<std::string>& titles);

    int numberOfSegments() const { return int(segments_.size()); }
    void insertSegmentWithTitle(const std::string& title, int index, bool animated = false);
    void insertSegmentWithImage(ImagePtr image, int index, bool animated = false);
    void removeSegmentAtIndex(int index, bool animated = false);
    void removeAllSegments();
    void setTitle(const std::string& title, int segment);
    std::string titleForSegmentAtIndex(int segment) const;
    // The title as drawn: cut with "..." where it is wider than its segment.
    std::string shownTitleForSegment(int segment) const;
    void setImage(ImagePtr image, int segment);
    using Control::setEnabled;
    void setEnabled(bool on, int segment);
    bool isEnabledForSegmentAtIndex(int segment) const;

    int selectedSegmentIndex() const { return selected_; }
    void setSelectedSegmentIndex(int index);
    bool isMomentary() const { return momentary_; }
    void setMomentary(bool on) { momentary_ = on; }
    void setTintColor(const Color& c) { tint_ = c; setNeedsDisplay(); }

    int segmentAtPoint(Point p) const;
    void drawRect(Canvas& canvas, const Rect& rect) override;
    void endTracking(const Touch& touch, const Event& event) override;

private:
    Rect segmentRect(int segment) const;
    struct Segment {
        std::string title;
        ImagePtr image;
        bool enabled = true;
    };
    std::vector<Segment> segments_;
    int selected_ = kNoSegment;
    bool momentary_ = false;
    Color tint_ = Color::rgb255(70, 110, 200);
    Font font_ = Font::boldSystemFontOfSize(13);
};

}  // namespace zuno::ui
