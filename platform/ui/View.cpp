#include "platform/ui/View.h"

#include <algorithm>
#include <cmath>

#include "platform/core/MainThread.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/GestureRecognizer.h"
#include "platform/ui/Layer.h"
#include "platform/ui/ViewController.h"
#include "platform/ui/Window.h"

namespace zuno::ui {

Rect placeContent(Size s, const Rect& box, ContentMode mode) {
    double w = s.width, h = s.height;
    switch (mode) {
        case ContentMode::ScaleToFill:
        case ContentMode::Redraw:
            return box;
        case ContentMode::ScaleAspectFit:
        case ContentMode::ScaleAspectFill: {
            if (w <= 0 || h <= 0) return box;
            double sx = box.width() / w, sy = box.height() / h;
            double k = mode == ContentMode::ScaleAspectFit ? std::min(sx, sy) : std::max(sx, sy);
            return Rect(box.midX() - w * k / 2, box.midY() - h * k / 2, w * k, h * k);
        }
        case ContentMode::Center: return Rect(box.midX() - w / 2, box.midY() - h / 2, w, h);
        case ContentMode::Top: return Rect(box.midX() - w / 2, box.minY(), w, h);
        case ContentMode::Bottom: return Rect(box.midX() - w / 2, box.maxY() - h, w, h);
        case ContentMode::Left: return Rect(box.minX(), box.midY() - h / 2, w, h);
        case ContentMode::Right: return Rect(box.maxX() - w, box.midY() - h / 2, w, h);
        case ContentMode::TopLeft: return Rect(box.minX(), box.minY(), w, h);
        case ContentMode::TopRight: return Rect(box.maxX() - w, box.minY(), w, h);
        case ContentMode::BottomLeft: return Rect(box.minX(), box.maxY() - h, w, h);
        case ContentMode::BottomRight: return Rect(box.maxX() - w, box.maxY() - h, w, h);
    }
    return box;
}

View::View() = default;

View::View(const Rect& frame) { setFrame(frame); }

View::~View() {
    for (auto& v : subviews_) v->superview_ = nullptr;
}

// ---- Geometry ----

Rect View::frame() const {
    Rect local(-bounds_.width() / 2, -bounds_.height() / 2, bounds_.width(), bounds_.height());
    Rect r = transform_.isIdentity() ? local : transform_.apply(local);
    return r.offsetBy(center_.x, center_.y);
}

void View::setFrame(const Rect& frame) {
    ZUNO_MAIN_THREAD_ONLY("a view's frame");
    Rect r(frame.origin, Size{std::max(0.0, frame.width()), std::max(0.0, frame.height())});
    if (transform_.isIdentity()) {
        setBounds(Rect(bounds_.origin, r.size));
    } else {
        // Under a transform the frame's size is the transformed size; keep the bounds' own size in step.
        Rect current = this->frame();
        double sx = current.width() > 0 ? r.width() / current.width() : 1;
        double sy = current.height() > 0 ? r.height() / current.height() : 1;
        setBounds(Rect(bounds_.origin, Size{bounds_.width() * sx, bounds_.height() * sy}));
    }
    setCenter(r.center());
}

void View::setBounds(const Rect& bounds) {
    if (bounds == bounds_) return;
    Animator::shared().propertyWillChange(this, kBounds, bounds_, bounds);
    Size old = bounds_.size;
    bounds_ = bounds;
    if (old != bounds_.size) {
        resizeSubviews(old);
        setNeedsLayout();
    }
    setNeedsDisplay();
}

void View::setCenter(Point center) {
    Animator::shared().propertyWillChange(this, kCenter, center_, center);
    center_ = center;
    setNeedsDisplay();
}

void View::setTransform(const AffineTransform& t) {
    Animator::shared().propertyWillChange(this, kTransform, transform_, t);
    transform_ = t;
    setNeedsDisplay();
}

void View::resizeSubviews(Size oldSize) {
    if (!autoresizesSubviews_) return;
    double dw = bounds_.width() - oldSize.width, dh = bounds_.height() - oldSize.height;
    for (auto& v : subviews_) {
        unsigned m = v->autoresizingMask_;
        if (m == Autoresizing::None) continue;
        Rect f = v->frame();
        // Share the change among the flexible parts in proportion to their sizes (equally when all are 0).
        auto share = [](double delta, double total, bool flexA, double a, bool flexB, double b, bool flexC,
                        double c, double& outA, double& outB) {
            double sum = (flexA ? a : 0) + (flexB ? b : 0) + (flexC ? c : 0);
            int count = int(flexA) + int(flexB) + int(flexC);
            outA = outB = 0;
            if (count == 0) return;
            if (sum > 0) {
                outA = flexA ? delta * a / sum : 0;
                outB = flexB ? delta * b / sum : 0;
            } else {
                outA = flexA ? delta / count : 0;
                outB = flexB ? delta / count : 0;
            }
            (void)total;
        };
        double dx, dwidth, dy, dheight;
        share(dw, oldSize.width, m & Autoresizing::FlexibleLeftMargin, f.x(), m & Autoresizing::FlexibleWidth,
              f.width(), m & Autoresizing::FlexibleRightMargin, oldSize.width - f.maxX(), dx, dwidth);
        share(dh, oldSize.height, m & Autoresizing::FlexibleTopMargin, f.y(), m & Autoresizing::FlexibleHeight,
              f.height(), m & Autoresizing::FlexibleBottomMargin, oldSize.height - f.maxY(), dy, dheight);
        if (dx != 0 || dy != 0 || dwidth != 0 || dheight != 0) {
            v->setFrame(Rect(f.x() + dx, f.y() + dy, f.width() + dwidth, f.height() + dheight));
        }
    }
}

// ---- Appearance ----

void View::setAlpha(double alpha) {
    alpha = std::clamp(alpha, 0.0, 1.0);
    Animator::shared().propertyWillChange(this, kAlpha, alpha_, alpha);
    alpha_ = alpha;
    setNeedsDisplay();
}

void View::setHidden(bool hidden) {
    if (hidden_ == hidden) return;
    markPresentedArea();
    hidden_ = hidden;
    markPresentedArea();
}

void View::setBackgroundColor(std::optional<Color> color) {
    if (color && backgroundColor_) {
        Animator::shared().propertyWillChange(this, kBackgroundColor, *backgroundColor_, *color);
    }
    backgroundColor_ = color;
    setNeedsDisplay();
}

void View::setClipsToBounds(bool on) {
    markPresentedArea();  // clipping hides what subviews drew outside
    clipsToBounds_ = on;
    markPresentedArea();
}

void View::setContentMode(ContentMode mode) {
    setNeedsDisplay();  // the content may lie elsewhere
    contentMode_ = mode;
    setNeedsDisplay();
}

Layer& View::layer() {
    if (!layer_) {
        layer_ = std::make_unique<Layer>();
        layer_->view_ = this;
    }
    return *layer_;
}

// ---- The tree ----

std::shared_ptr<View> View::superview() const {
    if (!superview_) return nullptr;
    return std::static_pointer_cast<View>(superview_->weak_from_this().lock());
}

Window* View::window() const {
    const View* v = this;
    while (v) {
        if (auto* w = dynamic_cast<const Window*>(v)) return const_cast<Window*>(w);
        v = v->superview_;
    }
    return nullptr;
}

void View::attach(const std::shared_ptr<View>& view, size_t index) {
    ZUNO_MAIN_THREAD_ONLY("a view tree");
    if (!view || view.get() == this || isDescendantOf(view.get())) return;
    if (!view->keptInFront_) index = std::min(index, firstKeptInFront(view.get()));
    auto keep = view;  // removing it from its old superview must not destroy it
    Window* oldWindow = view->window();
    if (View* old = view->superview_) {
        if (old == this) {
            auto it = std::find(subviews_.begin(), subviews_.end(), view);
            size_t pos = size_t(it - subviews_.begin());
            subviews_.erase(it);
            if (index > pos) --index;
            subviews_.insert(subviews_.begin() + std::min(index, subviews_.size()), keep);
            view->markPresentedArea();
            return;
        }
        view->removeFromSuperview();
    }
    view->willMoveToSuperview(this);
    view->superview_ = this;
    subviews_.insert(subviews_.begin() + std::min(index, subviews_.size()), keep);
    view->didMoveToSuperview();
    didAddSubview(view.get());
    if (view->window() != oldWindow) view->notifyWindowChange();
    view->markPresentedArea();
}

void View::notifyWindowChange() {
    didMoveToWindow();
    for (auto& v : std::vector<std::shared_ptr<View>>(subviews_)) v->notifyWindowChange();
}

void View::addSubview(const std::shared_ptr<View>& view) { attach(view, subviews_.size()); }

void View::insertSubview(const std::shared_ptr<View>& view, size_t index) { attach(view, index); }

void View::insertSubviewBelow(const std::shared_ptr<View>& view, const View* sibling) {
    auto it = std::find_if(subviews_.begin(), subviews_.end(), [&](const auto& v) { return v.get() == sibling; });
    attach(view, it == subviews_.end() ? subviews_.size() : size_t(it - subviews_.begin()));
}

void View::insertSubviewAbove(const std::shared_ptr<View>& view, const View* sibling) {
    auto it = std::find_if(subviews_.begin(), subviews_.end(), [&](const auto& v) { return v.get() == sibling; });
    attach(view, it == subviews_.end() ? subviews_.size() : size_t(it - subviews_.begin()) + 1);
}

void View::removeFromSuperview() {
    ZUNO_MAIN_THREAD_ONLY("a view tree");
    View* parent = superview_;
    if (!parent) return;
    auto keep = sharedFromThis();
    Window* oldWindow = window();
    if (Responder::firstResponder()) {
        auto* fr = dynamic_cast<View*>(Responder::firstResponder());
        if (fr && (fr == this || fr->isDescendantOf(this))) fr->resignFirstResponder();
    }
    parent->willRemoveSubview(this);
    willMoveToSuperview(nullptr);
    markPresentedArea();
    auto& list = parent->subviews_;
    list.erase(std::remove(list.begin(), list.end(), keep), list.end());
    superview_ = nullptr;
    didMoveToSuperview();
    if (oldWindow) notifyWindowChange();
}

size_t View::firstKeptInFront(const View* besides) const {
    auto it = std::find_if(subviews_.begin(), subviews_.end(),
                           [&](const auto& v) { return v->keptInFront_ && v.get() != besides; });
    return size_t(it - subviews_.begin());
}

void View::bringSubviewToFront(const View* view) {
    auto it = std::find_if(subviews_.begin(), subviews_.end(), [&](const auto& v) { return v.get() == view; });
    if (it == subviews_.end()) return;
    auto keep = *it;
    subviews_.erase(it);
    const size_t front = keep->keptInFront_ ? subviews_.size() : firstKeptInFront(keep.get());
    subviews_.insert(subviews_.begin() + front, keep);
    keep->markPresentedArea();
}

void View::sendSubviewToBack(const View* view) {
    auto it = std::find_if(subviews_.begin(), subviews_.end(), [&](const auto& v) { return v.get() == view; });
    if (it == subviews_.end()) return;
    auto keep = *it;
    subviews_.erase(it);
    subviews_.insert(subviews_.begin(), keep);
    keep->markPresentedArea();
}

void View::exchangeSubviews(size_t a, size_t b) {
    if (a >= subviews_.size() || b >= subviews_.size()) return;
    std::swap(subviews_[a], subviews_[b]);
    subviews_[a]->markPresentedArea();
    subviews_[b]->markPresentedArea();
}

bool View::isDescendantOf(const View* view) const {
    for (const View* v = this; v;) {
        if (v == view) return true;
        v = v->superview_;
    }
    return false;
}

std::shared_ptr<View> View::viewWithTag(int tag) {
    if (tag_ == tag) return sharedFromThis();
    for (auto& v : subviews_) {
        if (auto found = v->viewWithTag(tag)) return found;
    }
    return nullptr;
}

// ---- Drawing and layout ----

void View::setNeedsDisplay() {
    needsDisplay_ = true;
    markPresentedArea();
}

void View::setNeedsDisplayInRect(const Rect& rect) {
    needsDisplay_ = true;
    if (Display::dirtyRegion().isAll() || !isShown()) return;
    if (outermostTranslucentSuperview()) {
        markPresentedArea();
        return;
    }
    // Pictures land on whole device pixels, which may take them a pixel past their place.
    if (std::optional<Rect> area = presentedScreenRect(rect.insetBy(-1, -1))) Display::invalidate(*area);
}

void View::setNeedsLayout() {
    needsLayout_ = true;
    // Laying out may change what the view draws, and it happens before the next frame is drawn.
    markPresentedArea();
}

void View::layoutIfNeeded() {
    if (needsLayout_) {
        needsLayout_ = false;
        layoutSubviews();
    }
    for (auto& v : std::vector<std::shared_ptr<View>>(subviews_)) v->layoutIfNeeded();
}

void View::sizeToFit() {
    Size s = sizeThatFits(bounds_.size);
    Rect f = frame();
    setFrame(Rect(f.origin, s));
}

// ---- Coordinates ----

Point View::pointToSuperview(Point p) const {
    Point local{p.x - bounds_.x() - bounds_.width() / 2, p.y - bounds_.y() - bounds_.height() / 2};
    Point t = transform_.isIdentity() ? local : transform_.apply(local);
    return {t.x + center_.x, t.y + center_.y};
}

Point View::pointFromSuperview(Point p) const {
    Point rel{p.x - center_.x, p.y - center_.y};
    Point t = transform_.isIdentity() ? rel : transform_.inverted().apply(rel);
    return {t.x + bounds_.x() + bounds_.width() / 2, t.y + bounds_.y() + bounds_.height() / 2};
}

Point View::convertPointToView(Point p, const View* view) const {
    // Up to the root (window coordinates), then down to the other view.
    const View* v = this;
    while (v) {
        if (v == view) return p;
        View* s = v->superview_;
        if (!s) break;
        p = v->pointToSuperview(p);
        v = s;
    }
    if (!view) return p;
    return view->convertPointFromView(p, nullptr);
}

Point View::convertPointFromView(Point p, const View* view) const {
    if (view == this) return p;
    if (view) p = view->convertPointToView(p, nullptr);
    std::vector<const View*> chain;
    for (const View* v = this; v;) {
        chain.push_back(v);
        v = v->superview_;
    }
    // chain.back() is the root, whose coordinates are the window's.
    for (size_t i = chain.size() - 1; i-- > 0;) p = chain[i]->pointFromSuperview(p);
    return p;
}

Rect View::convertRectToView(const Rect& r, const View* view) const {
    Point a = convertPointToView(r.origin, view);
    Point b = convertPointToView({r.maxX(), r.maxY()}, view);
    Point c = convertPointToView({r.maxX(), r.minY()}, view);
    Point d = convertPointToView({r.minX(), r.maxY()}, view);
    double x0 = std::min({a.x, b.x, c.x, d.x}), x1 = std::max({a.x, b.x, c.x, d.x});
    double y0 = std::min({a.y, b.y, c.y, d.y}), y1 = std::max({a.y, b.y, c.y, d.y});
    return Rect(x0, y0, x1 - x0, y1 - y0);
}

Rect View::convertRectFromView(const Rect& r, const View* view) const {
    Point a = convertPointFromView(r.origin, view);
    Point b = convertPointFromView({r.maxX(), r.maxY()}, view);
    Point c = convertPointFromView({r.maxX(), r.minY()}, view);
    Point d = convertPointFromView({r.minX(), r.maxY()}, view);
    double x0 = std::min({a.x, b.x, c.x, d.x}), x1 = std::max({a.x, b.x, c.x, d.x});
    double y0 = std::min({a.y, b.y, c.y, d.y}), y1 = std::max({a.y, b.y, c.y, d.y});
    return Rect(x0, y0, x1 - x0, y1 - y0);
}

bool View::pointInside(Point p, const Event*) const { return bounds_.contains(p); }

std::shared_ptr<View> View::hitTest(Point p, const Event* event) {
    if (hidden_ || !userInteractionEnabled_ || alpha_ < 0.01) return nullptr;
    if (Animator::shared().blocksInteraction(this)) return nullptr;
    if (!pointInside(p, event)) return nullptr;
    for (auto it = subviews_.rbegin(); it != subviews_.rend(); ++it) {
        auto child = *it;
        if (auto hit = child->hitTest(child->pointFromSuperview(p), event)) return hit;
    }
    return sharedFromThis();
}

// ---- Responder chain ----

Responder* View::nextResponder() const {
    if (controller_) return controller_;
    return superview_;
}

void View::addGestureRecognizer(const std::shared_ptr<GestureRecognizer>& recognizer) {
    if (!recognizer) return;
    if (std::find(recognizers_.begin(), recognizers_.end(), recognizer) != recognizers_.end()) return;
    recognizer->view_ = this;
    recognizers_.push_back(recognizer);
}

void View::removeGestureRecognizer(const GestureRecognizer* recognizer) {
    recognizers_.erase(std::remove_if(recognizers_.begin(), recognizers_.end(),
                                      [&](const auto& r) {
                                          if (r.get() != recognizer) return false;
                                          r->view_ = nullptr;
                                          return true;
                                      }),
                       recognizers_.end());
}

// ---- Presentation ----

Point View::presentedCenter() const { return Animator::shared().presented(this, kCenter, center_); }
Rect View::presentedBounds() const { return Animator::shared().presented(this, kBounds, bounds_); }
AffineTransform View::presentedTransform() const { return Animator::shared().presented(this, kTransform, transform_); }
double View::presentedAlpha() const { return Animator::shared().presented(this, kAlpha, alpha_); }
std::optional<Color> View::presentedBackgroundColor() const {
    if (!backgroundColor_) return std::nullopt;
    return Animator::shared().presented(this, kBackgroundColor, *backgroundColor_);
}

void View::presentationChanged() { markPresentedArea(); }

void View::beginAnimations(std::optional<std::string> id, void* context) {
    Animator::shared().beginAnimations(std::move(id), context);
}
void View::commitAnimations() { Animator::shared().commitAnimations(); }
void View::setAnimationDuration(double s) { Animator::shared().setAnimationDuration(s); }
void View::setAnimationDelay(double s) { Animator::shared().setAnimationDelay(s); }
void View::setAnimationCurve(AnimationCurve c) { Animator::shared().setAnimationCurve(c); }
void View::setAnimationRepeatCount(double n) { Animator::shared().setAnimationRepeatCount(n); }
void View::setAnimationRepeatAutoreverses(bool on) { Animator::shared().setAnimationRepeatAutoreverses(on); }
void View::setAnimationBeginsFromCurrentState(bool on) { Animator::shared().setAnimationBeginsFromCurrentState(on); }
void View::setAnimationDelegate(std::weak_ptr<AnimationDelegate> d) { Animator::shared().setAnimationDelegate(std::move(d)); }
void View::setAnimationDidStop(std::function<void(const std::string&, bool)> cb) {
    Animator::shared().setAnimationDidStop(std::move(cb));
}
void View::setAnimationsEnabled(bool on) { Animator::shared().setAnimationsEnabled(on); }
void View::animate(double duration, const std::function<void()>& changes, std::function<void(bool)> completion) {
    Animator::shared().animate(duration, 0, 0, changes, std::move(completion));
}
void View::animate(double duration, double delay, unsigned options, const std::function<void()>& changes,
                   std::function<void(bool)> completion) {
    Animator::shared().animate(duration, delay, options, changes, std::move(completion));
}

// ---- Rendering ----

namespace {
// How far a view's drawing may reach past its bounds and its subviews' frames (text shadows).
constexpr double kDrawnMargin = 4;

bool clipsContent(const View& view) {
    const Layer* layer = view.layerIfAny();
    return view.clipsToBounds() || (layer && layer->masksToBounds());
}

// A view's bounds coordinates into its superview's, as render() places them now.
AffineTransform presentedToSuperview(const View& view) {
    const Point c = view.presentedCenter();
    const Rect b = view.presentedBounds();
    const AffineTransform t = view.presentedTransform();
    const AffineTransform toCentre = AffineTransform::translation(-b.width() / 2 - b.x(), -b.height() / 2 - b.y());
    return (t.isIdentity() ? toCentre : toCentre.concat(t)).concat(AffineTransform::translation(c.x, c.y));
}

}  // namespace

Rect View::contentReach() const {
    const Rect content = contentExtent();
    return drawnInk_.isEmpty() ? content : content.united(drawnInk_);
}

std::optional<Rect> View::ownExtent(bool sure) const {
    if (layer_ && !layer_->sublayers().empty()) return std::nullopt;
    if (sure && needsDisplay_) return std::nullopt;
    return contentReach();
}

std::optional<Rect> View::drawnExtent(bool sure) const {
    if (clipsContent(*this)) return presentedBounds();
    std::optional<Rect> box = ownExtent(sure);
    if (!box) return std::nullopt;
    for (const auto& sub : subviews_) {
        if (sub->isHidden() || sub->presentedAlpha() <= 0) continue;  // not drawn
        std::optional<Rect> inner = sub->drawnExtent(sure);
        if (!inner) return std::nullopt;
        box = box->united(presentedToSuperview(*sub).apply(*inner));
    }
    return box;
}

bool View::isShown() const {
    for (const View* v = this; v; v = v->superview_) {
        if (v->hidden_ || v->presentedAlpha() <= 0) return false;
        if (!v->superview_ && !dynamic_cast<const Window*>(v)) return false;
    }
    return true;
}

std::optional<Rect> View::presentedScreenRect(const Rect& rect) const {
    Rect area = rect;
    for (const View* v = this; v; v = v->superview_) {
        area = presentedToSuperview(*v).apply(area);
        const View* s = v->superview_;
        if (s && clipsContent(*s)) area = area.intersection(s->presentedBounds());
        if (area.isEmpty()) return std::nullopt;
    }
    return area;
}

const View* View::outermostTranslucentSuperview() const {
    const View* group = nullptr;
    for (const View* v = superview_; v; v = v->superview_)
        if (v->presentedAlpha() < 1) group = v;
    return group;
}

void View::addPresentedArea(ScreenRegion& region) const {
    if (region.isAll() || !isShown()) return;
    if (const View* group = outermostTranslucentSuperview()) {
        group->addPresentedArea(region);
        return;
    }
    std::optional<Rect> extent = drawnExtent(false);
    if (!extent) {
        region.addAll();
        return;
    }
    if (std::optional<Rect> area = presentedScreenRect(extent->insetBy(-kDrawnMargin, -kDrawnMargin))) region.add(*area);
}

void View::markPresentedArea() const {
    if (Display::dirtyRegion().isAll()) return;
    ScreenRegion area;
    addPresentedArea(area);
    Display::invalidate(area);
}

// Views draw their content in their model bounds, also while the presented ones travel.
Rect View::contentExtent() const { return presentedBounds().united(bounds_); }

std::optional<Rect> View::paintContent(Canvas& canvas, const Rect& rect) {
    const Rect box = presentedBounds();
    const bool rounded = layer_ && layer_->cornerRadius() > 0;
    if (auto bg = presentedBackgroundColor(); bg && !bg->isClear()) {
        canvas.setFillColor(*bg);
        if (rounded) {
            canvas.beginPath();
            canvas.addRoundedRect(box, layer_->cornerRadius());
            canvas.fillPath();
        } else {
            canvas.fillRect(box);
        }
    }
    if (layer_) layer_->renderDecoration(canvas, box, box.width(), box.height());
    canvas.beginViewContent();
    drawRect(canvas, rect);
    return canvas.endViewContent();
}

void View::renderContent(Canvas& canvas) {
    const Rect box = presentedBounds();
    // Where the content may paint: what it says, and where it reached past that last time (a text longer
    // than its line).
    const Rect expected = contentReach().insetBy(-kDrawnMargin, -kDrawnMargin);
    // A view whose content cannot show (outside the clip, or the part a partial frame draws) is
    // skipped, unless that content changed: drawn, it tells whether it now reaches further.
    if (!canvas.mayShow(expected) && !needsDisplay_) return;
    needsDisplay_ = false;
    const Rect drawn = box.intersection(canvas.shownPartOf(box.insetBy(-kDrawnMargin, -kDrawnMargin)));
    if (std::optional<Rect> ink = paintContent(canvas, drawn)) {
        // A view drawn in part may have left out what lies outside that part: what it reached before
        // stays counted.
        if (drawn != box && !drawnInk_.isEmpty()) {
            if (!ink->isEmpty()) drawnInk_ = drawnInk_.united(*ink);
        } else {
            drawnInk_ = *ink;
        }
        // Painted past where it was thought to paint: that part needs drawing too.
        if (!ink->isEmpty() && !expected.contains(*ink)) markPresentedArea();
    }
}

void View::enterBounds(Canvas& canvas) const {
    const Point c = presentedCenter();
    const Rect b = presentedBounds();
    const AffineTransform t = presentedTransform();
    canvas.translate(c.x, c.y);
    if (!t.isIdentity()) canvas.concat(t);
    canvas.translate(-b.width() / 2 - b.x(), -b.height() / 2 - b.y());
}

void View::clipToBoundsIfClipping(Canvas& canvas) const {
    if (!clipsContent(*this)) return;
    const Rect b = presentedBounds();
    if (layer_ && layer_->cornerRadius() > 0) {
        canvas.beginPath();
        canvas.addRoundedRect(b, layer_->cornerRadius());
        canvas.clipToPath();
    } else {
        canvas.clipToRect(b);
    }
}

void View::render(Canvas& canvas) {
    if (hidden_) return;
    const double alpha = presentedAlpha();
    if (alpha <= 0) return;
    canvas.save();
    enterBounds(canvas);
    const bool group = alpha < 1;
    if (group) {
        // The group's surface as large as what the view draws, not the whole screen. Content changed
        // since it was last drawn may reach anywhere: the group is then as large as the canvas, and the
        // drawing tells how far it reaches.
        if (std::optional<Rect> extent = drawnExtent(true)) {
            canvas.beginGroupWithin(extent->insetBy(-kDrawnMargin, -kDrawnMargin));
        } else {
            canvas.beginGroup();
        }
    }
    clipToBoundsIfClipping(canvas);
    renderTree(canvas);
    if (group) canvas.endGroup(alpha);
    canvas.restore();
}

void View::renderPlainly(Canvas& canvas) {
    if (hidden_) return;
    const double alpha = presentedAlpha();
    if (alpha <= 0) return;
    canvas.save();
    enterBounds(canvas);
    if (alpha < 1) canvas.beginGroup();
    clipToBoundsIfClipping(canvas);
    paintContent(canvas, presentedBounds());
    if (layer_) layer_->renderSublayers(canvas);
    for (size_t i = 0; i < subviews_.size(); ++i) subviews_[i]->renderPlainly(canvas);
    drawOverSubviews(canvas);
    if (alpha < 1) canvas.endGroup(alpha);
    canvas.restore();
}

namespace {

bool isWhole(double v) { return v == std::floor(v); }

// The subview's frame as it is drawn now, when nothing turns or scales it; empty otherwise.
std::optional<Rect> plainFrame(const View& v) {
    if (v.isHidden() || v.presentedAlpha() < 1 || !v.presentedTransform().isIdentity()) return std::nullopt;
    Point c = v.presentedCenter();
    Size size = v.presentedBounds().size;
    return Rect(c.x - size.width / 2, c.y - size.height / 2, size.width, size.height);
}

// The subview hides all of its superview's bounds (b) when drawn on whole units.
bool hidesBounds(const View& subview, const Rect& b) {
    if (subview.isHidden() || !subview.frame().contains(b)) return false;  // the cheap test first
    auto frame = plainFrame(subview);
    if (!frame || !frame->contains(b)) return false;
    Rect inner = subview.presentedBounds();
    return isWhole(frame->x()) && isWhole(frame->y()) && isWhole(frame->width()) && isWhole(frame->height()) &&
           isWhole(inner.x()) && isWhole(inner.y()) && subview.paintsOpaqueBounds();
}

}  // namespace

bool View::paintsOpaqueBounds() const {
    if (layer_ && layer_->cornerRadius() > 0) return false;
    if (auto bg = presentedBackgroundColor(); bg && bg->a >= 1) return true;
    Rect b = presentedBounds();
    for (const auto& v : subviews_)
        if (hidesBounds(*v, b)) return true;
    return false;
}

void View::renderTree(Canvas& canvas) {
    // The last subview that paints all of this view's bounds opaquely hides whatever lies wholly under
    // its frame: that is left out (all of this view's own drawing and the subviews before it, when this
    // view clips). What reaches past it still shows, and so does what may reach elsewhere now.
    const Rect b = presentedBounds();
    size_t cover = subviews_.size();
    std::optional<Rect> covered;
    while (cover > 0 && !covered) {
        const View& v = *subviews_[--cover];
        if (hidesBounds(v, b) && canvas.mapsRectToWholePixels(*plainFrame(v))) covered = plainFrame(v);
    }
    const bool clips = clipsContent(*this);
    // Extents known for sure hold all of the drawing, the ink measured as it was drawn included: no
    // margin is needed.
    auto under = [&](const std::optional<Rect>& extent) { return extent && covered->contains(*extent); };
    auto placedExtent = [](const View& v) -> std::optional<Rect> {
        std::optional<Rect> extent = v.drawnExtent(true);
        if (extent) extent = presentedToSuperview(v).apply(*extent);
        return extent;
    };
    if (!covered || !(clips || under(ownExtent(true)))) {
        renderContent(canvas);
        if (layer_) layer_->renderSublayers(canvas);
    }
    for (size_t i = 0; i < subviews_.size(); ++i) {
        View& v = *subviews_[i];
        if (covered && i < cover && (clips || v.isHidden() || under(placedExtent(v)))) continue;
        v.render(canvas);
    }
    drawOverSubviews(canvas);
}

}  // namespace zuno::ui
