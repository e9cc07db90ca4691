#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/Animation.h"
#include "platform/ui/Color.h"
#include "platform/ui/Display.h"
#include "platform/ui/Geometry.h"
#include "platform/ui/Responder.h"

namespace zuno::ui {

class Canvas;
class GestureRecognizer;
class Layer;
class ViewController;
class Window;

// How a view resizes with its superview (bit flags).
namespace Autoresizing {
constexpr unsigned None = 0;
constexpr unsigned FlexibleLeftMargin = 1 << 0;
constexpr unsigned FlexibleWidth = 1 << 1;
constexpr unsigned FlexibleRightMargin = 1 << 2;
constexpr unsigned FlexibleTopMargin = 1 << 3;
constexpr unsigned FlexibleHeight = 1 << 4;
constexpr unsigned FlexibleBottomMargin = 1 << 5;
}  // namespace Autoresizing

// Numbered as the phone toolkit numbers them: screens set modes by number (1, aspect fit; 4, centre).
enum class ContentMode {
    ScaleToFill = 0,
    ScaleAspectFit = 1,
    ScaleAspectFill = 2,
    Redraw = 3,
    Center = 4,
    Top = 5,
    Bottom = 6,
    Left = 7,
    Right = 8,
    TopLeft = 9,
    TopRight = 10,
    BottomLeft = 11,
    BottomRight = 12,
};

// Where content of a size goes inside a rectangle under a content mode.
Rect placeContent(Size content, const Rect& box, ContentMode mode);

// A rectangle of the screen with its subviews. Geometry follows the toolkit: `center` and `bounds`
// are the model, `frame` is the bounding box of the bounds under `transform`, placed at `center` in
// the superview; a scroll offset is the bounds' origin.
class View : public Responder, public Animatable {
public:
    View();
    explicit View(const Rect& frame);
    ~View() override;

    enum Property { kCenter = 1, kBounds, kAlpha, kTransform, kBackgroundColor };

    // Geometry.
    Rect frame() const;
    virtual void setFrame(const Rect& frame);
    Rect bounds() const { return bounds_; }
    virtual void setBounds(const Rect& bounds);
    Point center() const { return center_; }
    void setCenter(Point center);
    AffineTransform transform() const { return transform_; }
    void setTransform(const AffineTransform& t);

    // Appearance.
    double alpha() const { return alpha_; }
    void setAlpha(double alpha);
    bool isHidden() const { return hidden_; }
    void setHidden(bool hidden);
    // Whether the view is drawn now: on a window's tree, nothing on the way hidden or faded out.
    bool isShown() const;
    std::optional<Color> backgroundColor() const { return backgroundColor_; }
    void setBackgroundColor(std::optional<Color> color);
    bool clipsToBounds() const { return clipsToBounds_; }
    void setClipsToBounds(bool on);
    bool isOpaque() const { return opaque_; }
    void setOpaque(bool on) { opaque_ = on; }
    ContentMode contentMode() const { return contentMode_; }
    virtual void setContentMode(ContentMode mode);
    int tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }
    // A name for tools and diagnostics: the outlet an interface file bound the view to, if any.
    const std::string& identifier() const { return identifier_; }
    void setIdentifier(std::string identifier) { identifier_ = std::move(identifier); }
    bool isUserInteractionEnabled() const { return userInteractionEnabled_; }
    void setUserInteractionEnabled(bool on) { userInteractionEnabled_ = on; }
    bool isMultipleTouchEnabled() const { return multipleTouchEnabled_; }
    void setMultipleTouchEnabled(bool on) { multipleTouchEnabled_ = on; }
    unsigned autoresizingMask() const { return autoresizingMask_; }
    void setAutoresizingMask(unsigned mask) { autoresizingMask_ = mask; }
    bool autoresizesSubviews() const { return autoresizesSubviews_; }
    void setAutoresizesSubviews(bool on) { autoresizesSubviews_ = on; }
    // The view's own layer (border, corner radius, free-standing sublayers).
    Layer& layer();
    const Layer* layerIfAny() const { return layer_.get(); }

    // The tree.
    std::shared_ptr<View> superview() const;
    // The superview without taking a share of it (also while it is being built).
    View* superviewPointer() const { return superview_; }
    const std::vector<std::shared_ptr<View>>& subviews() const { return subviews_; }
    Window* window() const;
    void addSubview(const std::shared_ptr<View>& view);
    void insertSubview(const std::shared_ptr<View>& view, size_t index);
    void insertSubviewBelow(const std::shared_ptr<View>& view, const View* sibling);
    void insertSubviewAbove(const std::shared_ptr<View>& view, const View* sibling);
    void removeFromSuperview();
    void bringSubviewToFront(const View* view);
    void sendSubviewToBack(const View* view);
    void exchangeSubviews(size_t a, size_t b);
    // A view kept in front stays above its siblings that are not: one of those added or brought to the
    // front goes in under it (a sheet over a screen that goes on adding cards and bubbles).
    bool isKeptInFront() const { return keptInFront_; }
    void setKeptInFront(bool on) { keptInFront_ = on; }
    bool isDescendantOf(const View* view) const;
    // This view or the first descendant (depth first) with the tag.
    std::shared_ptr<View> viewWithTag(int tag);
    std::shared_ptr<View> sharedFromThis() { return std::static_pointer_cast<View>(shared_from_this()); }

    // Hooks of the tree.
    virtual void willMoveToSuperview(View* newSuperview) {}
    virtual void didMoveToSuperview() {}
    virtual void didMoveToWindow() {}
    virtual void didAddSubview(View* subview) {}
    virtual void willRemoveSubview(View* subview) {}
    // Called once a view made from an interface file has all its properties.
    virtual void awakeFromNib() {}

    // Drawing and layout. A change marks the part of the screen it touches (the view with whatever its
    // subviews draw outside it), before and after, as needing drawing.
    void setNeedsDisplay();
    // Only a part of the view's bounds drew differently.
    void setNeedsDisplayInRect(const Rect& rect);
    void setNeedsLayout();
    bool needsLayout() const { return needsLayout_; }
    // Lays out this view, if it asked, and then its subviews.
    void layoutIfNeeded();
    virtual void layoutSubviews() {}
    // Draws the view's own content into its bounds (the background is already filled); `rect` is the
    // part of the bounds that is drawn this time (with a few points to spare), the rest may be skipped.
    virtual void drawRect(Canvas& canvas, const Rect& rect) {}
    // Drawn over the subviews, in the bounds' coordinates (a scroll view's indicators).
    virtual void drawOverSubviews(Canvas& canvas) {}
    // Where the view's own drawing paints, in its bounds' coordinates (and up to a few points around,
    // for text shadows): its bounds, unless it knows better. Drawing that reaches further (a text
    // longer than its line) is noticed when drawn.
    virtual Rect contentExtent() const;
    // Whether the view, as it would be drawn now, paints every point of its bounds with opaque colour,
    // so that whatever lies behind it need not be drawn. Answering no is always safe.
    virtual bool paintsOpaqueBounds() const;
    virtual Size sizeThatFits(Size size) const { return bounds_.size; }
    void sizeToFit();

    // Coordinates.
    Point convertPointToView(Point p, const View* view) const;    // nullptr: the window
    Point convertPointFromView(Point p, const View* view) const;  // nullptr: the window
    Rect convertRectToView(const Rect& r, const View* view) const;
    Rect convertRectFromView(const Rect& r, const View* view) const;
    // Maps a point of this view's coordinates into its superview's, and back.
    Point pointToSuperview(Point p) const;
    Point pointFromSuperview(Point p) const;
    virtual bool pointInside(Point p, const Event* event) const;
    // The deepest visible, interactive view under the point (in this view's coordinates).
    virtual std::shared_ptr<View> hitTest(Point p, const Event* event);

    // Touch handling (the responder chain runs view, its controller, its superview).
    Responder* nextResponder() const override;
    void setViewController(ViewController* controller) { controller_ = controller; }
    ViewController* viewController() const { return controller_; }
    void addGestureRecognizer(const std::shared_ptr<GestureRecognizer>& recognizer);
    void removeGestureRecognizer(const GestureRecognizer* recognizer);
    const std::vector<std::shared_ptr<GestureRecognizer>>& gestureRecognizers() const { return recognizers_; }

    // The values on screen now (differ from the model while an animation runs).
    Point presentedCenter() const;
    Rect presentedBounds() const;
    AffineTransform presentedTransform() const;
    double presentedAlpha() const;
    std::optional<Color> presentedBackgroundColor() const;

    // Animation blocks (the toolkit's class operations).
    static void beginAnimations(std::optional<std::string> animationId = std::nullopt, void* context = nullptr);
    static void commitAnimations();
    static void setAnimationDuration(double seconds);
    static void setAnimationDelay(double seconds);
    static void setAnimationCurve(AnimationCurve curve);
    static void setAnimationRepeatCount(double count);
    static void setAnimationRepeatAutoreverses(bool on);
    static void setAnimationBeginsFromCurrentState(bool on);
    static void setAnimationDelegate(std::weak_ptr<AnimationDelegate> delegate);
    static void setAnimationDidStop(std::function<void(const std::string& animationId, bool finished)> callback);
    static void setAnimationsEnabled(bool on);
    static void animate(double duration, const std::function<void()>& changes,
                        std::function<void(bool finished)> completion = nullptr);
    static void animate(double duration, double delay, unsigned options, const std::function<void()>& changes,
                        std::function<void(bool finished)> completion = nullptr);

    void presentationChanged() override;
    void addPresentedArea(ScreenRegion& region) const override;

    // Draws this view and its subviews (presented values) with the canvas's current transform as this
    // view's superview's coordinates.
    void render(Canvas& canvas);
    // Draws this view's own content only (background, drawRect, layer), in its bounds' coordinates.
    void renderContent(Canvas& canvas);
    // Draws the content, the layers and the subviews in this view's bounds' coordinates.
    void renderTree(Canvas& canvas);
    // Draws this view and its subviews as render() does, without any shortcut: every view whole and in
    // order, nothing left out for being covered or outside the part a frame draws, a fading view's group
    // as large as the canvas. A check of the window's frames; it changes nothing they rely on.
    void renderPlainly(Canvas& canvas);

protected:
    void notifyWindowChange();

private:
    // Where a rectangle of the bounds lands on the screen now, less what superviews clip away; none
    // when nothing of it is drawn.
    std::optional<Rect> presentedScreenRect(const Rect& rect) const;
    // A view inside a translucent superview is drawn in that superview's group (whose extent follows
    // its subviews): a change anywhere in it marks all of it.
    const View* outermostTranslucentSuperview() const;
    // The part of the bounds' coordinates that the view and its subviews draw on: their content extents
    // and where their drawing last reached past them. None when that is not known: free-standing
    // sublayers that are not clipped, or, when `sure`, content changed since it was last drawn (how far
    // it reaches now is learned by drawing it).
    std::optional<Rect> drawnExtent(bool sure) const;
    // The same for the view's own drawing alone (its content and sublayers).
    std::optional<Rect> ownExtent(bool sure) const;
    // Where the content paints: its extent, and where it reached past that when last drawn.
    Rect contentReach() const;
    // Moves the canvas from the superview's coordinates into the bounds' (presented values).
    void enterBounds(Canvas& canvas) const;
    // Clips the canvas to the bounds when the view clips what it and its subviews draw.
    void clipToBoundsIfClipping(Canvas& canvas) const;
    // Fills the background, draws the layer's decoration and drawRect (for `rect`); answers where
    // drawRect painted, when the canvas can tell.
    std::optional<Rect> paintContent(Canvas& canvas, const Rect& rect);
    void markPresentedArea() const;
    void resizeSubviews(Size oldSize);
    void attach(const std::shared_ptr<View>& view, size_t index);
    // The index of the first subview kept in front, other than `besides`; the count when none is.
    size_t firstKeptInFront(const View* besides) const;

    View* superview_ = nullptr;  // cleared by the superview when it goes
    std::vector<std::shared_ptr<View>> subviews_;
    ViewController* controller_ = nullptr;
    Point center_;
    Rect bounds_;
    AffineTransform transform_;
    double alpha_ = 1.0;
    bool hidden_ = false;
    std::optional<Color> backgroundColor_;
    bool clipsToBounds_ = false;
    bool opaque_ = true;
    ContentMode contentMode_ = ContentMode::ScaleToFill;
    int tag_ = 0;
    std::string identifier_;
    bool userInteractionEnabled_ = true;
    bool multipleTouchEnabled_ = false;
    unsigned autoresizingMask_ = Autoresizing::None;
    bool autoresizesSubviews_ = true;
    bool keptInFront_ = false;
    bool needsLayout_ = true;
    std::unique_ptr<Layer> layer_;
    std::vector<std::shared_ptr<GestureRecognizer>> recognizers_;
    Rect drawnInk_;             // where drawRect painted last, in the bounds' coordinates (empty: nowhere)
    bool needsDisplay_ = true;  // its content changed since drawRect last ran
};

using ViewPtr = std::shared_ptr<View>;

}  // namespace zuno::ui
