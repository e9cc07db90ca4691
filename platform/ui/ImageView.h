#pragma once

#include <vector>

#include "platform/core/RunLoop.h"
#include "platform/ui/Image.h"
#include "platform/ui/View.h"

namespace zuno::ui {

// Shows an image placed by the content mode, or cycles through animation frames. It lets touches
// through to the views behind it unless user interaction is switched on.
class ImageView : public View {
public:
    ImageView();
    explicit ImageView(const Rect& frame);
    // Sized to the image.
    explicit ImageView(ImagePtr image);
    ~ImageView() override;

    ImagePtr image() const { return image_; }
    void setImage(ImagePtr image);
    ImagePtr highlightedImage() const { return highlightedImage_; }
    void setHighlightedImage(ImagePtr image);
    bool isHighlighted() const { return highlighted_; }
    void setHighlighted(bool on);

    const std::vector<ImagePtr>& animationImages() const { return frames_; }
    void setAnimationImages(std::vector<ImagePtr> images);
    // 0 means one thirtieth of a second per frame.
    double animationDuration() const { return duration_; }
    void setAnimationDuration(double seconds) { duration_ = seconds; }
    // 0 means for ever.
    int animationRepeatCount() const { return repeatCount_; }
    void setAnimationRepeatCount(int n) { repeatCount_ = n; }
    void startAnimating();
    void stopAnimating();
    bool isAnimating() const { return timer_ != 0; }
    size_t currentFrame() const { return frame_; }

    void drawRect(Canvas& canvas, const Rect& rect) override;
    // A picture larger than the view, placed by its content mode, reaches past the bounds unless
    // they clip it.
    Rect contentExtent() const override;
    bool paintsOpaqueBounds() const override;
    Size sizeThatFits(Size size) const override;

private:
    void step();
    ImagePtr shownImage() const;

    ImagePtr image_;
    ImagePtr highlightedImage_;
    bool highlighted_ = false;
    std::vector<ImagePtr> frames_;
    double duration_ = 0;
    int repeatCount_ = 0;
    sys::RunLoop::TimerId timer_ = 0;
    size_t frame_ = 0;
    int cycles_ = 0;
};

using ImageViewPtr = std::shared_ptr<ImageView>;

}  // namespace zuno::ui
