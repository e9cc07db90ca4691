#pragma once

#include <map>

#include "platform/ui/Control.h"
#include "platform/ui/Image.h"

namespace zuno::ui {

// A value between a minimum and a maximum, chosen by dragging the thumb; the value always stays
// inside the bounds.
class Slider : public Control {
public:
    Slider();
    explicit Slider(const Rect& frame);

    double value() const { return value_; }
    void setValue(double v);
    void setValue(double v, bool animated) { setValue(v); }
    double minimumValue() const { return min_; }
    void setMinimumValue(double v);
    double maximumValue() const { return max_; }
    void setMaximumValue(double v);
    bool isContinuous() const { return continuous_; }
    void setContinuous(bool on) { continuous_ = on; }
    void setThumbImage(ImagePtr image, unsigned state = ControlState::Normal);
    ImagePtr thumbImageForState(unsigned state) const;
    void setMinimumTrackImage(ImagePtr image, unsigned state = ControlState::Normal);
    void setMaximumTrackImage(ImagePtr image, unsigned state = ControlState::Normal);

    Rect thumbRect() const;
    void drawRect(Canvas& canvas, const Rect& rect) override;
    // A thumb taller than the track's view reaches past it.
    Rect contentExtent() const override;
    bool beginTracking(const Touch& touch, const Event& event) override;
    bool continueTracking(const Touch& touch, const Event& event) override;
    void endTracking(const Touch& touch, const Event& event) override;
    bool canBeCancelledByScrollView() const override { return false; }

private:
    void trackTo(Point p);
    Size thumbSize() const;

    double value_ = 0, min_ = 0, max_ = 1;
    bool continuous_ = true;
    bool changed_ = false;
    std::map<unsigned, ImagePtr> thumbs_, minTracks_, maxTracks_;
};

}  // namespace zuno::ui
