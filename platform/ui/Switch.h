#pragma once

#include "platform/ui/Control.h"
#include "platform/ui/Label.h"

namespace zuno::ui {

// An on/off switch of 94 x 27 points. A tap flips it and sends "value changed". Its two captions are
// labels inside a sliding strip: switch > track > strip > (on caption, off caption).
class Switch : public Control {
public:
    Switch();
    explicit Switch(const Rect& frame);

    bool isOn() const { return on_; }
    void setOn(bool on);
    void setOn(bool on, bool animated);
    const std::shared_ptr<Label>& onLabel() const { return onLabel_; }
    const std::shared_ptr<Label>& offLabel() const { return offLabel_; }
    void setOnTintColor(const Color& c) { onTint_ = c; setNeedsDisplay(); }

    void setFrame(const Rect& frame) override;
    void layoutSubviews() override;
    void drawRect(Canvas& canvas, const Rect& rect) override;
    void endTracking(const Touch& touch, const Event& event) override;
    bool canBeCancelledByScrollView() const override { return false; }

private:
    void placeStrip();

    bool on_ = false;
    Color onTint_ = Color::rgb255(0, 127, 234);
    std::shared_ptr<View> track_, strip_, thumb_;
    std::shared_ptr<Label> onLabel_, offLabel_;
};

}  // namespace zuno::ui
