#include "platform/ui/Layer.h"

#include <algorithm>

#include "platform/ui/Canvas.h"
#include "platform/ui/View.h"

namespace zuno::ui {

Layer::Layer() = default;

Layer::~Layer() {
    for (auto& l : sublayers_) l->superlayer_ = nullptr;
}

void Layer::changed() {
    if (view_) {
        view_->setNeedsDisplay();
    } else {
        Display::invalidate();
    }
}

void Layer::presentationChanged() { changed(); }

void Layer::addPresentedArea(ScreenRegion& region) const {
    if (view_) {
        view_->addPresentedArea(region);
    } else {
        region.addAll();
    }
}

void Layer::setMasksToBounds(bool on) {
    changed();  // masking hides what the view's subviews drew outside it
    masksToBounds_ = on;
    changed();
}

Rect Layer::frame() const {
    Rect local(-anchor_.x * bounds_.width(), -anchor_.y * bounds_.height(), bounds_.width(), bounds_.height());
    Rect r = transform_.apply(local);
    return r.offsetBy(position_.x, position_.y);
}

void Layer::setFrame(const Rect& frame) {
    setBounds(Rect(bounds_.origin, frame.size));
    setPosition({frame.x() + anchor_.x * frame.width(), frame.y() + anchor_.y * frame.height()});
}

void Layer::setPosition(Point p) {
    Animator::shared().propertyWillChange(this, kPosition, position_, p, !view_);
    position_ = p;
    changed();
}

void Layer::setBounds(const Rect& bounds) {
    Animator::shared().propertyWillChange(this, kBounds, bounds_, bounds, !view_);
    bounds_ = bounds;
    changed();
}

void Layer::setTransform(const AffineTransform& t) {
    Animator::shared().propertyWillChange(this, kTransform, transform_, t, !view_);
    transform_ = t;
    changed();
}

void Layer::setOpacity(double opacity) {
    opacity = std::clamp(opacity, 0.0, 1.0);
    Animator::shared().propertyWillChange(this, kOpacity, opacity_, opacity, !view_);
    opacity_ = opacity;
    changed();
}

void Layer::addSublayer(const std::shared_ptr<Layer>& layer) {
    if (!layer || layer.get() == this) return;
    auto keep = layer;
    layer->removeFromSuperlayer();
    layer->superlayer_ = this;
    sublayers_.push_back(keep);
    changed();
}

void Layer::removeFromSuperlayer() {
    if (!superlayer_) return;
    auto& list = superlayer_->sublayers_;
    Layer* self = this;
    superlayer_ = nullptr;
    list.erase(std::remove_if(list.begin(), list.end(), [self](const auto& l) { return l.get() == self; }),
               list.end());
    changed();
}

void Layer::renderDecoration(Canvas& canvas, const Rect& box, double, double) const {
    bool rounded = cornerRadius_ > 0;
    if (background_ && !background_->isClear()) {
        canvas.setFillColor(*background_);
        canvas.beginPath();
        canvas.addRoundedRect(box, cornerRadius_);
        canvas.fillPath();
    }
    if (contents_) {
        canvas.save();
        if (rounded) {
            canvas.beginPath();
            canvas.addRoundedRect(box, cornerRadius_);
            canvas.clipToPath();
        }
        Rect place = box;
        Size s = contents_->size();
        switch (gravity_) {
            case ContentsGravity::Resize: break;
            case ContentsGravity::ResizeAspect: place = placeContent(s, box, ContentMode::ScaleAspectFit); break;
            case ContentsGravity::ResizeAspectFill: place = placeContent(s, box, ContentMode::ScaleAspectFill); break;
            case ContentsGravity::Center: place = placeContent(s, box, ContentMode::Center); break;
            case ContentsGravity::Top: place = placeContent(s, box, ContentMode::Top); break;
            case ContentsGravity::Bottom: place = placeContent(s, box, ContentMode::Bottom); break;
            case ContentsGravity::Left: place = placeContent(s, box, ContentMode::Left); break;
            case ContentsGravity::Right: place = placeContent(s, box, ContentMode::Right); break;
        }
        canvas.drawImage(*contents_, place);
        canvas.restore();
    }
    if (borderWidth_ > 0) {
        canvas.setStrokeColor(borderColor_);
        canvas.setLineWidth(borderWidth_);
        canvas.beginPath();
        canvas.addRoundedRect(box.insetBy(borderWidth_ / 2, borderWidth_ / 2), std::max(0.0, cornerRadius_ - borderWidth_ / 2));
        canvas.strokePath();
    }
}

void Layer::renderSublayers(Canvas& canvas) const {
    for (const auto& l : sublayers_) l->render(canvas);
}

void Layer::render(Canvas& canvas) const {
    if (hidden_) return;
    auto& anim = Animator::shared();
    double opacity = anim.presented(this, kOpacity, opacity_);
    if (opacity <= 0) return;
    Point pos = anim.presented(this, kPosition, position_);
    Rect b = anim.presented(this, kBounds, bounds_);
    AffineTransform t = anim.presented(this, kTransform, transform_);
    canvas.save();
    canvas.translate(pos.x, pos.y);
    canvas.concat(t);
    canvas.translate(-anchor_.x * b.width(), -anchor_.y * b.height());
    bool group = opacity < 1;
    if (group) canvas.beginGroup();
    Rect box(0, 0, b.width(), b.height());
    if (masksToBounds_) canvas.clipToRect(box);
    renderDecoration(canvas, box, b.width(), b.height());
    canvas.translate(-b.x(), -b.y());
    renderSublayers(canvas);
    if (group) canvas.endGroup(opacity);
    canvas.restore();
}

}  // namespace zuno::ui
