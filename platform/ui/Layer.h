#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "platform/ui/Animation.h"
#include "platform/ui/Color.h"
#include "platform/ui/Geometry.h"
#include "platform/ui/Image.h"
#include "platform/ui/Object.h"

namespace zuno::ui {

class Canvas;
class View;

// How a layer's image fills its bounds.
enum class ContentsGravity { Resize, ResizeAspect, ResizeAspectFill, Center, Top, Bottom, Left, Right };

// A drawn rectangle without touches. Every view has one for its border and corners; free-standing
// layers (an image with a rotation) are added to a view's layer and drawn over the view's content.
// Changes to a free-standing layer's position, bounds, transform and opacity animate by themselves
// (0.25 s) unless a transaction turns that off.
class Layer : public Object, public Animatable {
public:
    Layer();
    ~Layer() override;

    enum Property { kPosition = 101, kBounds, kTransform, kOpacity };

    // Geometry (free-standing layers).
    Rect frame() const;
    void setFrame(const Rect& frame);
    Point position() const { return position_; }
    void setPosition(Point p);
    Rect bounds() const { return bounds_; }
    void setBounds(const Rect& bounds);
    Point anchorPoint() const { return anchor_; }
    void setAnchorPoint(Point p) { anchor_ = p; changed(); }
    AffineTransform transform() const { return transform_; }
    void setTransform(const AffineTransform& t);
    double opacity() const { return opacity_; }
    void setOpacity(double opacity);
    bool isHidden() const { return hidden_; }
    void setHidden(bool hidden) { hidden_ = hidden; changed(); }

    ImagePtr contents() const { return contents_; }
    void setContents(ImagePtr image) { contents_ = std::move(image); changed(); }
    ContentsGravity contentsGravity() const { return gravity_; }
    void setContentsGravity(ContentsGravity g) { gravity_ = g; changed(); }

    // Decoration (any layer, the view's own included).
    std::optional<Color> backgroundColor() const { return background_; }
    void setBackgroundColor(std::optional<Color> c) { background_ = c; changed(); }
    double borderWidth() const { return borderWidth_; }
    void setBorderWidth(double w) { borderWidth_ = w; changed(); }
    Color borderColor() const { return borderColor_; }
    void setBorderColor(const Color& c) { borderColor_ = c; changed(); }
    double cornerRadius() const { return cornerRadius_; }
    void setCornerRadius(double r) { cornerRadius_ = r; changed(); }
    bool masksToBounds() const { return masksToBounds_; }
    void setMasksToBounds(bool on);

    void addSublayer(const std::shared_ptr<Layer>& layer);
    void removeFromSuperlayer();
    const std::vector<std::shared_ptr<Layer>>& sublayers() const { return sublayers_; }
    Layer* superlayer() const { return superlayer_; }

    // Draws a free-standing layer with the canvas in its superlayer's coordinates.
    void render(Canvas& canvas) const;
    // Background, contents and border of a rectangle (the layer's bounds, or its view's).
    void renderDecoration(Canvas& canvas, const Rect& box, double width, double height) const;
    void renderSublayers(Canvas& canvas) const;

    void presentationChanged() override;
    void addPresentedArea(ScreenRegion& region) const override;

private:
    friend class View;
    // Marks what the layer draws as needing drawing: its view, or (a free-standing layer) the screen.
    void changed();
    View* view_ = nullptr;  // the view whose own layer this is
    Layer* superlayer_ = nullptr;
    std::vector<std::shared_ptr<Layer>> sublayers_;
    Point position_;
    Rect bounds_;
    Point anchor_{0.5, 0.5};
    AffineTransform transform_;
    double opacity_ = 1.0;
    bool hidden_ = false;
    ImagePtr contents_;
    ContentsGravity gravity_ = ContentsGravity::Resize;
    std::optional<Color> background_;
    double borderWidth_ = 0;
    Color borderColor_ = Color::black();
    double cornerRadius_ = 0;
    bool masksToBounds_ = false;
};

// The transaction of the layers' implicit animations.
class Transaction {
public:
    static void begin() { Animator::shared().beginTransaction(); }
    static void commit() { Animator::shared().commitTransaction(); }
    static void setAnimationDuration(double seconds) { Animator::shared().setTransactionDuration(seconds); }
    static void setDisableActions(bool on) { Animator::shared().setDisableActions(on); }
};

}  // namespace zuno::ui
