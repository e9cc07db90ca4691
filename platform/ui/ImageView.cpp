#include "platform/ui/ImageView.h"

#include "platform/ui/Canvas.h"
#include "platform/ui/Layer.h"

namespace zuno::ui {

ImageView::ImageView() : ImageView(Rect()) {}

ImageView::ImageView(const Rect& frame) : View(frame) { setUserInteractionEnabled(false); }

ImageView::ImageView(ImagePtr image) : ImageView(image ? Rect(Point{}, image->size()) : Rect()) {
    image_ = std::move(image);
}

ImageView::~ImageView() {
    if (timer_) sys::RunLoop::main().cancel(timer_);
}

// A picture of another size may cover another place: the old one is marked too.
void ImageView::setImage(ImagePtr image) {
    setNeedsDisplay();
    image_ = std::move(image);
    setNeedsDisplay();
}

void ImageView::setHighlightedImage(ImagePtr image) {
    setNeedsDisplay();
    highlightedImage_ = std::move(image);
    setNeedsDisplay();
}

void ImageView::setHighlighted(bool on) {
    setNeedsDisplay();
    highlighted_ = on;
    setNeedsDisplay();
}

void ImageView::setAnimationImages(std::vector<ImagePtr> images) {
    stopAnimating();
    frames_ = std::move(images);
}

void ImageView::startAnimating() {
    if (frames_.empty() || timer_) return;
    double perFrame = duration_ > 0 ? duration_ / double(frames_.size()) : 1.0 / 30;
    frame_ = 0;
    cycles_ = 0;
    setNeedsDisplay();
    timer_ = sys::RunLoop::main().scheduleRepeating(perFrame, [this] { step(); });
    setNeedsDisplay();
}

void ImageView::stopAnimating() {
    if (!timer_) return;
    setNeedsDisplay();
    sys::RunLoop::main().cancel(timer_);
    timer_ = 0;
    frame_ = 0;
    setNeedsDisplay();
}

void ImageView::step() {
    if (frames_.empty()) return stopAnimating();
    if (window()) setNeedsDisplay();
    ++frame_;
    if (frame_ >= frames_.size()) {
        frame_ = 0;
        ++cycles_;
        if (repeatCount_ > 0 && cycles_ >= repeatCount_) return stopAnimating();
    }
    // Off the screen (a screen covered by another) the frames go on without drawing anything.
    if (window()) setNeedsDisplay();
}

ImagePtr ImageView::shownImage() const {
    if (timer_ && frame_ < frames_.size()) return frames_[frame_];
    if (highlighted_ && highlightedImage_) return highlightedImage_;
    return image_;
}

bool ImageView::paintsOpaqueBounds() const {
    if (View::paintsOpaqueBounds()) return true;
    if (layerIfAny() && layerIfAny()->cornerRadius() > 0) return false;
    ImagePtr shown = shownImage();
    return shown && contentMode() == ContentMode::ScaleToFill && shown->isOpaque();
}

Rect ImageView::contentExtent() const {
    const Rect box = View::contentExtent();
    ImagePtr shown = shownImage();
    if (!shown) return box;
    return box.united(placeContent(shown->size(), bounds(), contentMode()));
}

void ImageView::drawRect(Canvas& canvas, const Rect& rect) {
    ImagePtr shown = shownImage();
    if (!shown) return;
    Rect box = bounds();
    bool clip = contentMode() != ContentMode::ScaleToFill && contentMode() != ContentMode::ScaleAspectFit &&
                contentMode() != ContentMode::Redraw && clipsToBounds();
    if (clip) {
        canvas.save();
        canvas.clipToRect(box);
    }
    canvas.drawImage(*shown, placeContent(shown->size(), box, contentMode()));
    if (clip) canvas.restore();
}

Size ImageView::sizeThatFits(Size) const { return image_ ? image_->size() : Size{}; }

}  // namespace zuno::ui
