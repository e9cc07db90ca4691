#include "platform/ui/Switch.h"

#include "platform/ui/Canvas.h"
#include "platform/ui/Layer.h"

namespace zuno::ui {

namespace {
constexpr double kWidth = 94, kHeight = 27;

class SwitchThumb : public View {
public:
    using View::View;
    void drawRect(Canvas& canvas, const Rect&) override {
        Rect b = bounds().insetBy(1, 1);
        canvas.setFillColor(Color::white(0.97));
        canvas.beginPath();
        canvas.addRoundedRect(b, b.height() / 2);
        canvas.fillPath();
        canvas.setStrokeColor(Color::white(0.6));
        canvas.setLineWidth(1);
        canvas.beginPath();
        canvas.addRoundedRect(b, b.height() / 2);
        canvas.strokePath();
    }
};
}  // namespace

Switch::Switch() : Switch(Rect(0, 0, kWidth, kHeight)) {}

Switch::Switch(const Rect& frame) : Control(Rect(frame.origin, Size{kWidth, kHeight})) {
    setOpaque(false);
    track_ = std::make_shared<View>(Rect(0, 0, kWidth, kHeight));
    track_->setClipsToBounds(true);
    track_->setUserInteractionEnabled(false);
    track_->layer().setCornerRadius(kHeight / 2);
    strip_ = std::make_shared<View>(Rect(0, 0, 2 * kWidth - kHeight, kHeight));
    strip_->setUserInteractionEnabled(false);
    onLabel_ = std::make_shared<Label>(Rect(0, 0, kWidth - kHeight, kHeight));
    offLabel_ = std::make_shared<Label>(Rect(kWidth, 0, kWidth - kHeight, kHeight));
    for (auto* l : {&onLabel_, &offLabel_}) {
        (*l)->setBackgroundColor(std::nullopt);
        (*l)->setTextAlignment(TextAlignment::Center);
        (*l)->setFont(Font::boldSystemFontOfSize(15));
    }
    onLabel_->setText("ON");
    onLabel_->setTextColor(Color::white());
    offLabel_->setText("OFF");
    offLabel_->setTextColor(Color::gray());
    strip_->addSubview(onLabel_);
    strip_->addSubview(offLabel_);
    track_->addSubview(strip_);
    addSubview(track_);
    thumb_ = std::make_shared<SwitchThumb>(Rect(0, 0, kHeight, kHeight));
    thumb_->setUserInteractionEnabled(false);
    addSubview(thumb_);
    placeStrip();
}

void Switch::setFrame(const Rect& frame) { Control::setFrame(Rect(frame.origin, Size{kWidth, kHeight})); }

void Switch::setOn(bool on) { setOn(on, false); }

void Switch::setOn(bool on, bool animated) {
    if (on_ == on) return;
    on_ = on;
    if (animated) {
        View::animate(0.2, [this] { placeStrip(); });
    } else {
        placeStrip();
    }
    setNeedsDisplay();
}

void Switch::placeStrip() {
    double travel = kWidth - kHeight;
    strip_->setFrame(Rect(on_ ? 0 : -travel, 0, 2 * kWidth - kHeight, kHeight));
    thumb_->setFrame(Rect(on_ ? travel : 0, 0, kHeight, kHeight));
}

void Switch::layoutSubviews() {
    // Captions: the on caption fills the part left of the thumb when on, the off caption the part right
    // of it when off.
    onLabel_->setFrame(Rect(0, 0, kWidth - kHeight, kHeight));
    offLabel_->setFrame(Rect(kWidth, 0, kWidth - kHeight, kHeight));
}

void Switch::drawRect(Canvas& canvas, const Rect&) {
    Rect b = bounds();
    double travel = kWidth - kHeight;
    double split = strip_->presentedCenter().x - strip_->bounds().width() / 2 + travel + kHeight / 2;
    canvas.save();
    canvas.beginPath();
    canvas.addRoundedRect(b, kHeight / 2);
    canvas.clipToPath();
    canvas.setFillColor(Color::white(0.93));
    canvas.fillRect(b);
    canvas.setFillColor(onTint_);
    canvas.fillRect(Rect(0, 0, split, kHeight));
    canvas.restore();
    canvas.setStrokeColor(Color::white(0.6));
    canvas.setLineWidth(1);
    canvas.beginPath();
    canvas.addRoundedRect(b.insetBy(0.5, 0.5), kHeight / 2);
    canvas.strokePath();
}

void Switch::endTracking(const Touch& touch, const Event&) {
    if (!bounds().insetBy(-20, -20).contains(touch.locationInView(this))) return;
    setOn(!on_, true);
    sendActionsForControlEvents(ControlEvent::ValueChanged);
}

}  // namespace zuno::ui
