#include "RandomScene.h"

#include <algorithm>
#include <cmath>

#include "platform/ui/Animation.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/Layer.h"
#include "platform/ui/ScrollView.h"

namespace zuno::ui::test {

ImagePtr gradientPicture(int width, int height, bool translucent) {
    std::vector<uint32_t> pixels(size_t(width) * size_t(height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint32_t a = translucent ? uint32_t(255 - x * 200 / width) : 255;
            const uint32_t r = uint32_t(x * 255 / width) * a / 255, g = uint32_t(y * 255 / height) * a / 255;
            pixels[size_t(y * width + x)] = (a << 24) | (r << 16) | (g << 8) | (a / 2);
        }
    }
    return Image::fromPixels(width, height, std::move(pixels));
}

void Overflowing::drawRect(Canvas& canvas, const Rect&) {
    const Rect b = bounds();
    canvas.setFillColor(Color{0.9, 0.8, 0.1, 0.8});
    canvas.fillRect(Rect(b.x() - reach / 2, b.midY() - 3, b.width() + reach, 6));
    canvas.setFillColor(Color::white());
    canvas.drawText("running on past the edge", {b.maxX() - reach / 2, b.y()}, Font::systemFontOfSize(12));
}

namespace {
const char* const kLongText = "Zuno partial frames: a text much longer than its label, running on past its frame";
}  // namespace

RandomScene::RandomScene(Window& window, unsigned seed) : window_(window), random_(seed) {}

double RandomScene::place(double from, double to) {
    const double steps = below(2) ? 1 : 4;
    return std::round(uniform(from, to) * steps) / steps;
}

Color RandomScene::colour() {
    const double alpha = below(3) == 0 ? uniform(0.3, 0.9) : 1.0;
    return Color{uniform(0, 1), uniform(0, 1), uniform(0, 1), alpha};
}

Rect RandomScene::frame() { return Rect(place(-40, 460), place(-40, 300), place(4, 140), place(4, 90)); }

std::shared_ptr<View> RandomScene::makeView() {
    std::shared_ptr<View> v;
    switch (below(5)) {
        case 0: {
            auto label = std::make_shared<Label>(frame());
            label->setText(below(2) ? "Zuno partial frames" : "Xin chào, bạn!");
            label->setFont(Font::systemFontOfSize(place(9, 22)));
            label->setTextColor(colour());
            if (below(2)) {
                label->setShadowColor(Color::black());
                label->setShadowOffset({1, 1});
            }
            v = label;
            break;
        }
        case 1: {
            auto image = std::make_shared<ImageView>(frame());
            image->setImage(gradientPicture(20 + below(60), 20 + below(40), below(2) == 0));
            image->setContentMode(below(2) ? ContentMode::ScaleToFill : ContentMode::Center);
            v = image;
            break;
        }
        case 2:
            v = std::make_shared<Overflowing>(frame());
            break;
        case 3: {
            auto scrollView = std::make_shared<ScrollView>(frame());
            scrollView->setContentSize({place(100, 600), place(100, 400)});
            v = scrollView;
            break;
        }
        default:
            v = std::make_shared<View>(frame());
            break;
    }
    if (below(2)) v->setBackgroundColor(colour());
    return v;
}

void RandomScene::build() {
    window_.setBackgroundColor(Color::rgb255(30, 60, 90));
    // First a large scroll view with opaque content that only scrolls: where nothing lies over it, its
    // scrolling shows.
    largeScrollView_ = std::make_shared<ScrollView>(Rect(place(0, 200), place(0, 120), place(160, 280), place(100, 200)));
    largeScrollView_->setContentSize({place(300, 600), place(200, 400)});
    auto content = makeView();
    content->setFrame(Rect(place(-10, 40), place(-10, 30), place(60, 200), place(40, 120)));
    content->setBackgroundColor(Color{uniform(0, 1), uniform(0, 1), uniform(0, 1), 1});
    largeScrollView_->addSubview(content);
    window_.addSubview(largeScrollView_);
    for (int i = 0; i < 18; ++i) {
        auto v = makeView();
        View* parent = &window_;
        if (!views_.empty() && below(2)) parent = views_[size_t(below(int(views_.size())))].get();
        parent->addSubview(v);
        views_.push_back(v);
        // A scroll view's content, which scrolling moves, where the scroll view shows it.
        if (dynamic_cast<ScrollView*>(v.get())) {
            auto content = makeView();
            content->setFrame(Rect(place(-10, 40), place(-10, 30), place(20, 160), place(10, 100)));
            v->addSubview(content);
            views_.push_back(content);
        }
    }
}

std::string RandomScene::change() {
    const size_t index = size_t(below(int(views_.size())));
    return changeView(views_[index]) + " of view " + std::to_string(index);
}

std::string RandomScene::changeView(const std::shared_ptr<View>& v) {
    switch (below(20)) {
        case 0: v->setCenter({place(-20, 500), place(-20, 340)}); return "move";
        case 1: v->setFrame(frame()); return "new frame";
        case 2: v->setAlpha(below(3) == 0 ? 0 : uniform(0.2, 1)); return "alpha";
        case 3: v->setHidden(!v->isHidden()); return "hidden";
        case 4: {
            if (!v->superview()) {
                window_.addSubview(v);
                return "added";
            }
            v->removeFromSuperview();
            return "removed";
        }
        case 5: {
            const double angle = below(2) ? uniform(-M_PI, M_PI) : 0;
            v->setTransform(AffineTransform::rotation(angle).scaled(uniform(0.5, 1.5), uniform(0.5, 1.5)));
            return "transform";
        }
        case 6: {
            if (View* parent = v->superviewPointer()) {
                if (below(2)) {
                    parent->bringSubviewToFront(v.get());
                } else {
                    parent->sendSubviewToBack(v.get());
                }
            }
            return "order";
        }
        case 7: v->setBackgroundColor(colour()); return "background";
        case 8: {
            if (auto label = std::dynamic_pointer_cast<Label>(v)) label->setText("changed " + std::to_string(below(1000)));
            if (auto image = std::dynamic_pointer_cast<ImageView>(v))
                image->setImage(gradientPicture(10 + below(50), 10 + below(50), below(2) == 0));
            if (auto overflowing = std::dynamic_pointer_cast<Overflowing>(v)) {
                overflowing->reach = uniform(0, 80);
                overflowing->setNeedsDisplay();
            }
            return "content";
        }
        case 9: v->setClipsToBounds(!v->clipsToBounds()); return "clipping";
        case 10: {
            v->layer().setCornerRadius(below(2) ? place(0, 12) : 0);
            v->layer().setBorderWidth(below(2) ? place(0, 3) : 0);
            v->layer().setBorderColor(colour());
            return "corners and border";
        }
        case 11: {
            // Moved to another superview (never into its own subtree).
            auto& to = views_[size_t(below(int(views_.size())))];
            if (to != v && !to->isDescendantOf(v.get())) to->addSubview(v);
            return "new superview";
        }
        case 12: return scroll(*v);
        case 13: {
            View* parent = v->superviewPointer();
            if (!parent || parent == &window_) return "no superview to change";
            parent->setAlpha(below(3) == 0 ? 1 : uniform(0.2, 1));
            const double angle = below(2) ? uniform(-0.5, 0.5) : 0;
            parent->setTransform(below(3) == 0 ? AffineTransform()
                                               : AffineTransform::rotation(angle).scaled(uniform(0.7, 1.3), uniform(0.7, 1.3)));
            return "superview's alpha and transform";
        }
        case 14: {
            auto label = std::dynamic_pointer_cast<Label>(v);
            if (!label) return "no label to lengthen";
            label->setText(kLongText);
            return "text past the frame";
        }
        case 15:
        case 16: return cover(*v);
        default: {
            const unsigned options = below(3) == 0 ? AnimationOption::Repeat | AnimationOption::Autoreverse : 0;
            View::animate(uniform(0.05, 0.5), 0, options, [&] {
                v->setCenter({place(-20, 500), place(-20, 340)});
                if (below(2)) v->setAlpha(uniform(0, 1));
                if (below(2)) v->setTransform(AffineTransform::rotation(uniform(-1, 1)));
                if (below(2)) v->setBounds(Rect(0, 0, place(4, 120), place(4, 80)));
            });
            return "animation";
        }
    }
}

std::string RandomScene::scroll(View& v) {
    // The scroll view the view is, or the one it lies in, if any; else, half the time, the large one.
    ScrollView* scrollView = nullptr;
    for (View* view = &v; view && !scrollView; view = view->superviewPointer()) scrollView = dynamic_cast<ScrollView*>(view);
    if (!scrollView && below(2)) return "the large " + scroll(*largeScrollView_);
    if (scrollView && (scrollView == &v || below(2))) {
        const bool animated = below(2);
        scrollView->setContentOffset({place(-30, 200), place(-30, 150)}, animated);
        return std::string(scrollView == &v ? "scroll view" : "the scroll view it lies in") + (animated ? " glides" : " scrolls");
    }
    const Rect b = v.bounds();
    v.setBounds(Rect(place(-30, 30), place(-30, 30), b.width(), b.height()));
    return "scroll";
}

void RandomScene::alignOnWholePoints(View& v) {
    for (View* view = &v; view && view != &window_; view = view->superviewPointer()) {
        view->setTransform(AffineTransform());
        const Rect f = view->frame(), b = view->bounds();
        const double width = std::max(1.0, std::round(f.width())), height = std::max(1.0, std::round(f.height()));
        view->setBounds(Rect(std::round(b.x()), std::round(b.y()), width, height));
        view->setCenter({std::round(f.x()) + width / 2, std::round(f.y()) + height / 2});
    }
}

std::string RandomScene::cover(View& v) {
    View* parent = v.superviewPointer();
    if (!parent) return "no superview to cover";
    std::string what = "covers its superview";
    if (below(2)) {
        alignOnWholePoints(*parent);
        what += " (on whole points)";
    }
    const Rect b = parent->bounds();
    const double x0 = std::floor(b.minX()) - below(3), y0 = std::floor(b.minY()) - below(3);
    const double x1 = std::ceil(b.maxX()) + below(3), y1 = std::ceil(b.maxY()) + below(3);
    v.setTransform(AffineTransform());
    v.setBounds(Rect(0, 0, x1 - x0, y1 - y0));
    v.setCenter({(x0 + x1) / 2, (y0 + y1) / 2});
    v.setAlpha(1);
    v.setHidden(false);
    v.layer().setCornerRadius(0);
    parent->bringSubviewToFront(&v);
    auto* image = dynamic_cast<ImageView*>(&v);
    if (image && below(2)) {
        image->setImage(gradientPicture(20 + below(60), 20 + below(40), false));
        image->setContentMode(ContentMode::ScaleToFill);
        v.setBackgroundColor(std::nullopt);
        what += " with an opaque picture";
    } else {
        v.setBackgroundColor(Color{uniform(0, 1), uniform(0, 1), uniform(0, 1), 1});
    }
    if (below(2)) what += ", " + reachPast(v);
    if (below(2)) what += ", " + spoilCover(v);
    return what;
}

std::string RandomScene::reachPast(View& cover) {
    std::vector<View*> under;
    for (const auto& sibling : cover.superviewPointer()->subviews()) {
        const bool ours = std::find(views_.begin(), views_.end(), sibling) != views_.end();
        if (sibling.get() != &cover && ours) under.push_back(sibling.get());
    }
    if (under.empty()) return "nothing under it";
    View& view = *under[size_t(below(int(under.size())))];
    if (auto* label = dynamic_cast<Label*>(&view)) {
        label->setText(kLongText);
        return "a text under it runs past it";
    }
    if (auto* overflowing = dynamic_cast<Overflowing*>(&view)) {
        overflowing->reach = uniform(60, 200);
        overflowing->setNeedsDisplay();
        return "a drawing under it reaches past it";
    }
    view.setFrame(Rect(place(-60, 0), place(-60, 0), place(200, 560), place(10, 60)));
    return "a view under it sticks out";
}

std::string RandomScene::spoilCover(View& v) {
    switch (below(6)) {
        case 0: v.setTransform(AffineTransform::rotation(uniform(-0.3, 0.3))); return "turned";
        case 1: v.setTransform(AffineTransform::scale(uniform(0.8, 1.2), uniform(0.8, 1.2))); return "scaled";
        case 2: v.setAlpha(uniform(0.3, 0.95)); return "translucent";
        case 3: {
            if (auto* image = dynamic_cast<ImageView*>(&v); image && !v.backgroundColor())
                image->setImage(gradientPicture(20 + below(60), 20 + below(40), true));
            else
                v.setBackgroundColor(Color{uniform(0, 1), uniform(0, 1), uniform(0, 1), uniform(0.3, 0.9)});
            return "see-through";
        }
        case 4: v.layer().setCornerRadius(place(2, 12)); return "rounded";
        default: v.setHidden(true); return "hidden";
    }
}

}  // namespace zuno::ui::test
