#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "platform/core/RunLoop.h"
#include "platform/ui/Color.h"
#include "platform/ui/Geometry.h"

namespace zuno::ui {

class ScreenRegion;

enum class AnimationCurve { EaseInOut, EaseIn, EaseOut, Linear };

// Options of block animations (bit flags).
namespace AnimationOption {
constexpr unsigned LayoutSubviews = 1 << 0;
constexpr unsigned AllowUserInteraction = 1 << 1;
constexpr unsigned BeginFromCurrentState = 1 << 2;
constexpr unsigned Repeat = 1 << 3;
constexpr unsigned Autoreverse = 1 << 4;
constexpr unsigned CurveEaseInOut = 0 << 16;
constexpr unsigned CurveEaseIn = 1 << 16;
constexpr unsigned CurveEaseOut = 2 << 16;
constexpr unsigned CurveLinear = 3 << 16;
}  // namespace AnimationOption

// Told when a named animation block starts and stops.
class AnimationDelegate {
public:
    virtual ~AnimationDelegate() = default;
    virtual void animationWillStart(const std::string& animationId, void* context) {}
    virtual void animationDidStop(const std::string& animationId, bool finished, void* context) {}
};

using AnimatedValue = std::variant<double, Point, Rect, AffineTransform, Color>;

// Something whose properties can be animated (views and layers). It is told when a value it shows
// changes, so that the screen is drawn again.
class Animatable {
public:
    virtual ~Animatable();
    virtual void presentationChanged() {}
    // Adds the part of the screen it shows on now; all of the screen unless it can tell.
    virtual void addPresentedArea(ScreenRegion& region) const;
};

// Animations run on the main run loop's clock. Setting a property inside an animation block changes
// the model value at once and lets the shown (presentation) value travel from the old value to the new
// one; completions and did-stop calls come from run loop timers at each block's end, in order of their
// end times.
class Animator {
public:
    static Animator& shared();

    // Named begin/commit blocks.
    void beginAnimations(std::optional<std::string> animationId, void* context);
    void commitAnimations();
    void setAnimationDuration(double seconds);
    void setAnimationDelay(double seconds);
    void setAnimationCurve(AnimationCurve curve);
    void setAnimationRepeatCount(double count);
    void setAnimationRepeatAutoreverses(bool on);
    void setAnimationBeginsFromCurrentState(bool on);
    void setAnimationDelegate(std::weak_ptr<AnimationDelegate> delegate);
    void setAnimationDidStop(std::function<void(const std::string& animationId, bool finished)> callback);
    void setAnimationsEnabled(bool on) { enabled_ = on; }
    bool areAnimationsEnabled() const { return enabled_; }

    // Block animations.
    void animate(double duration, double delay, unsigned options, const std::function<void()>& changes,
                 std::function<void(bool finished)> completion);

    // Implicit animations of free-standing layers (0.25 s unless turned off).
    void beginTransaction();
    void commitTransaction();
    void setTransactionDuration(double seconds);
    void setDisableActions(bool on);

    // Called by a property setter before it stores the new value. `implicit` marks a free-standing
    // layer's property. Answers whether an animation now runs for the property.
    bool propertyWillChange(Animatable* target, int property, const AnimatedValue& from, const AnimatedValue& to,
                            bool implicit = false);
    // The value on screen now, or the model value when nothing animates the property.
    AnimatedValue presentation(const Animatable* target, int property, const AnimatedValue& model) const;
    template <class T>
    T presented(const Animatable* target, int property, const T& model) const {
        if (!hasAnimations_) return model;
        return std::get<T>(presentation(target, property, AnimatedValue(model)));
    }
    bool isAnimating(const Animatable* target) const;
    // True while an animation of the target was started without allowing user interaction.
    bool blocksInteraction(const Animatable* target) const;
    bool hasRunningAnimations() const { return !running_.empty(); }
    // An animation that repeats until it is removed runs for ever (a glow, a pulse); every other one
    // ends by itself. The targets of the running ones that end, each with its block's name (empty when
    // it has none).
    std::vector<std::pair<const Animatable*, std::string>> endingAnimations() const;
    // Adds where every target with a running animation shows now.
    void addPresentedAreas(ScreenRegion& region) const;
    // Stops every animation of the target (it keeps its model values); their blocks end unfinished.
    void removeAnimations(Animatable* target);
    // Drops everything without calling anyone (between tests).
    void reset();

private:
    struct Group;
    struct Running {
        AnimatedValue from, to;
        std::shared_ptr<Group> group;
    };
    struct Params {
        std::optional<std::string> id;
        void* context = nullptr;
        double duration = 0.2;
        double delay = 0;
        AnimationCurve curve = AnimationCurve::EaseInOut;
        double repeatCount = 0;
        bool autoreverses = false;
        bool fromCurrentState = false;
        bool allowInteraction = true;
        std::weak_ptr<AnimationDelegate> delegate;
        bool hasDelegate = false;
        std::function<void(const std::string&, bool)> didStop;
        std::function<void(bool)> completion;
        std::shared_ptr<Group> group;
    };
    struct Transaction {
        double duration = 0.25;
        bool disableActions = false;
    };
    using Key = std::pair<const Animatable*, int>;

    std::shared_ptr<Group> makeGroup(const Params& p);
    void startGroup(const std::shared_ptr<Group>& g);
    void finishGroup(const std::shared_ptr<Group>& g, bool finished);
    void detach(const std::shared_ptr<Group>& g);
    double progress(const Group& g, double now) const;

    std::vector<Params> blocks_;
    std::vector<Transaction> transactions_;
    std::map<Key, Running> running_;
    bool enabled_ = true;
    bool hasAnimations_ = false;
};

}  // namespace zuno::ui
