#include "platform/ui/Animation.h"

#include <cmath>
#include <limits>

#include "platform/ui/Display.h"

namespace zuno::ui {

struct Animator::Group {
    std::optional<std::string> id;
    void* context = nullptr;
    std::weak_ptr<AnimationDelegate> delegate;
    bool hasDelegate = false;
    std::function<void(const std::string&, bool)> didStop;
    std::function<void(bool)> completion;
    double start = 0;
    double delay = 0;
    double duration = 0;
    AnimationCurve curve = AnimationCurve::EaseInOut;
    double legs = 1;  // how many times the value travels (there and back counts twice)
    bool autoreverses = false;
    bool allowInteraction = true;
    int live = 0;
    bool started = false;
    bool finalized = false;
    sys::RunLoop::TimerId timer = 0;

    bool repeatsForEver() const { return std::isinf(legs); }
};

Animatable::~Animatable() { Animator::shared().removeAnimations(this); }

void Animatable::addPresentedArea(ScreenRegion& region) const { region.addAll(); }

Animator& Animator::shared() {
    static Animator* animator = new Animator;  // lives for the whole run
    return *animator;
}

void Animator::beginAnimations(std::optional<std::string> animationId, void* context) {
    Params p;
    if (!blocks_.empty()) {
        // A nested block starts with the settings of the one around it.
        const Params& outer = blocks_.back();
        p.duration = outer.duration;
        p.delay = outer.delay;
        p.curve = outer.curve;
        p.repeatCount = outer.repeatCount;
        p.autoreverses = outer.autoreverses;
        p.fromCurrentState = outer.fromCurrentState;
    }
    p.id = std::move(animationId);
    p.context = context;
    blocks_.push_back(std::move(p));
}

void Animator::setAnimationDuration(double seconds) {
    if (!blocks_.empty()) blocks_.back().duration = std::max(0.0, seconds);
}
void Animator::setAnimationDelay(double seconds) {
    if (!blocks_.empty()) blocks_.back().delay = std::max(0.0, seconds);
}
void Animator::setAnimationCurve(AnimationCurve curve) {
    if (!blocks_.empty()) blocks_.back().curve = curve;
}
void Animator::setAnimationRepeatCount(double count) {
    if (!blocks_.empty()) blocks_.back().repeatCount = std::max(0.0, count);
}
void Animator::setAnimationRepeatAutoreverses(bool on) {
    if (!blocks_.empty()) blocks_.back().autoreverses = on;
}
void Animator::setAnimationBeginsFromCurrentState(bool on) {
    if (!blocks_.empty()) blocks_.back().fromCurrentState = on;
}
void Animator::setAnimationDelegate(std::weak_ptr<AnimationDelegate> delegate) {
    if (blocks_.empty()) return;
    blocks_.back().delegate = std::move(delegate);
    blocks_.back().hasDelegate = true;
}
void Animator::setAnimationDidStop(std::function<void(const std::string&, bool)> callback) {
    if (!blocks_.empty()) blocks_.back().didStop = std::move(callback);
}

std::shared_ptr<Animator::Group> Animator::makeGroup(const Params& p) {
    auto g = std::make_shared<Group>();
    g->id = p.id;
    g->context = p.context;
    g->delegate = p.delegate;
    g->hasDelegate = p.hasDelegate;
    g->didStop = p.didStop;
    g->completion = p.completion;
    g->delay = p.delay;
    g->duration = p.duration;
    g->curve = p.curve;
    g->autoreverses = p.autoreverses;
    g->allowInteraction = p.allowInteraction;
    double repeats = p.repeatCount > 0 ? p.repeatCount : 1;
    g->legs = repeats * (p.autoreverses ? 2 : 1);
    g->start = sys::RunLoop::main().now();
    return g;
}

void Animator::commitAnimations() {
    if (blocks_.empty()) return;
    Params p = std::move(blocks_.back());
    blocks_.pop_back();
    auto g = p.group ? p.group : makeGroup(p);
    startGroup(g);
}

void Animator::animate(double duration, double delay, unsigned options, const std::function<void()>& changes,
                       std::function<void(bool)> completion) {
    Params p;
    p.duration = std::max(0.0, duration);
    p.delay = std::max(0.0, delay);
    p.fromCurrentState = (options & AnimationOption::BeginFromCurrentState) != 0;
    p.allowInteraction = (options & AnimationOption::AllowUserInteraction) != 0;
    p.autoreverses = (options & AnimationOption::Autoreverse) != 0;
    if (options & AnimationOption::Repeat) p.repeatCount = std::numeric_limits<double>::infinity();
    switch ((options >> 16) & 3) {
        case 1: p.curve = AnimationCurve::EaseIn; break;
        case 2: p.curve = AnimationCurve::EaseOut; break;
        case 3: p.curve = AnimationCurve::Linear; break;
        default: p.curve = AnimationCurve::EaseInOut; break;
    }
    p.completion = std::move(completion);
    blocks_.push_back(std::move(p));
    if (changes) changes();
    commitAnimations();
}

void Animator::beginTransaction() { transactions_.push_back(transactions_.empty() ? Transaction{} : transactions_.back()); }
void Animator::commitTransaction() {
    if (!transactions_.empty()) transactions_.pop_back();
}
void Animator::setTransactionDuration(double seconds) {
    if (!transactions_.empty()) transactions_.back().duration = std::max(0.0, seconds);
}
void Animator::setDisableActions(bool on) {
    if (!transactions_.empty()) transactions_.back().disableActions = on;
}

void Animator::startGroup(const std::shared_ptr<Group>& g) {
    if (g->started) return;
    g->started = true;
    auto& loop = sys::RunLoop::main();
    if (g->hasDelegate || g->id) {
        std::weak_ptr<Group> weak = g;
        loop.post([weak] {
            auto group = weak.lock();
            if (!group || !group->hasDelegate) return;
            if (auto d = group->delegate.lock()) d->animationWillStart(group->id.value_or(""), group->context);
        });
    }
    if (g->live == 0) {
        // Nothing was animated: the block ends on the next turn of the loop.
        loop.post([this, g] { finishGroup(g, true); });
        return;
    }
    if (g->repeatsForEver()) return;  // until removed
    double total = g->delay + g->duration * g->legs;
    g->timer = loop.postDelayed(total, [this, g] {
        g->timer = 0;
        finishGroup(g, true);
    });
}

void Animator::detach(const std::shared_ptr<Group>& g) {
    for (auto it = running_.begin(); it != running_.end();) {
        if (it->second.group == g) {
            auto* target = const_cast<Animatable*>(it->first.first);
            it = running_.erase(it);
            target->presentationChanged();
        } else {
            ++it;
        }
    }
    hasAnimations_ = !running_.empty();
}

void Animator::finishGroup(const std::shared_ptr<Group>& g, bool finished) {
    if (g->finalized) return;
    g->finalized = true;
    if (g->timer) sys::RunLoop::main().cancel(g->timer);
    detach(g);
    std::string name = g->id.value_or("");
    // Each party is told even when an earlier one fails.
    if (g->hasDelegate) {
        if (auto d = g->delegate.lock())
            sys::RunLoop::runGuarded([&] { d->animationDidStop(name, finished, g->context); });
    }
    if (g->didStop) sys::RunLoop::runGuarded([&] { g->didStop(name, finished); });
    if (g->completion) sys::RunLoop::runGuarded([&] { g->completion(finished); });
}

bool Animator::propertyWillChange(Animatable* target, int property, const AnimatedValue& from,
                                  const AnimatedValue& to, bool implicit) {
    Key key{target, property};
    std::shared_ptr<Group> group;
    bool fromCurrent = false;
    if (enabled_ && !blocks_.empty()) {
        Params& p = blocks_.back();
        if (!p.group) p.group = makeGroup(p);
        group = p.group;
        fromCurrent = p.fromCurrentState;
    } else if (implicit && enabled_ && (transactions_.empty() || !transactions_.back().disableActions)) {
        Params p;
        p.duration = transactions_.empty() ? 0.25 : transactions_.back().duration;
        p.fromCurrentState = true;
        group = makeGroup(p);
        fromCurrent = true;
        if (p.duration <= 0) group.reset();
    }
    AnimatedValue start = fromCurrent ? presentation(target, property, from) : from;
    auto it = running_.find(key);
    if (it != running_.end()) {
        auto old = it->second.group;
        running_.erase(it);
        if (old != group && --old->live == 0 && old->started) {
            // Replaced before its end: the old block stops unfinished.
            sys::RunLoop::main().post([this, old] { finishGroup(old, false); });
        }
    }
    if (!group) {
        hasAnimations_ = !running_.empty();
        target->presentationChanged();
        return false;
    }
    running_[key] = Running{start, to, group};
    ++group->live;
    hasAnimations_ = true;
    if (implicit && (blocks_.empty() || !enabled_)) startGroup(group);
    target->presentationChanged();
    return true;
}

double Animator::progress(const Group& g, double now) const {
    double local = now - g.start - g.delay;
    if (local <= 0) return 0;
    double d = g.duration > 0 ? g.duration : 1e-9;
    double legs = local / d;
    if (legs >= g.legs) return 1;
    double leg = std::floor(legs);
    double t = legs - leg;
    if (g.autoreverses && (static_cast<long long>(leg) % 2) == 1) t = 1 - t;
    switch (g.curve) {
        case AnimationCurve::Linear: return t;
        case AnimationCurve::EaseIn: return t * t;
        case AnimationCurve::EaseOut: return t * (2 - t);
        case AnimationCurve::EaseInOut: return t < 0.5 ? 2 * t * t : -1 + (4 - 2 * t) * t;
    }
    return t;
}

namespace {

double mix(double a, double b, double t) { return a + (b - a) * t; }

AffineTransform mixTransforms(const AffineTransform& x, const AffineTransform& y, double t) {
    auto decompose = [](const AffineTransform& m, double& sx, double& sy, double& angle) {
        sx = std::sqrt(m.a * m.a + m.b * m.b);
        angle = std::atan2(m.b, m.a);
        sy = sx > 0 ? m.determinant() / sx : std::sqrt(m.c * m.c + m.d * m.d);
    };
    double sx1, sy1, a1, sx2, sy2, a2;
    decompose(x, sx1, sy1, a1);
    decompose(y, sx2, sy2, a2);
    double da = a2 - a1;
    while (da > M_PI) da -= 2 * M_PI;
    while (da < -M_PI) da += 2 * M_PI;
    double sx = mix(sx1, sx2, t), sy = mix(sy1, sy2, t), angle = a1 + da * t;
    double co = std::cos(angle), s = std::sin(angle);
    return {sx * co, sx * s, -sy * s, sy * co, mix(x.tx, y.tx, t), mix(x.ty, y.ty, t)};
}

struct Mixer {
    double t;
    AnimatedValue operator()(double a, double b) const { return mix(a, b, t); }
    AnimatedValue operator()(Point a, Point b) const { return Point{mix(a.x, b.x, t), mix(a.y, b.y, t)}; }
    AnimatedValue operator()(Rect a, Rect b) const {
        return Rect(mix(a.x(), b.x(), t), mix(a.y(), b.y(), t), mix(a.width(), b.width(), t),
                    mix(a.height(), b.height(), t));
    }
    AnimatedValue operator()(AffineTransform a, AffineTransform b) const { return mixTransforms(a, b, t); }
    AnimatedValue operator()(Color a, Color b) const {
        return Color{mix(a.r, b.r, t), mix(a.g, b.g, t), mix(a.b, b.b, t), mix(a.a, b.a, t)};
    }
    template <class A, class B>
    AnimatedValue operator()(A, B b) const {
        return b;
    }
};

}  // namespace

AnimatedValue Animator::presentation(const Animatable* target, int property, const AnimatedValue& model) const {
    auto it = running_.find(Key{target, property});
    if (it == running_.end()) return model;
    const Running& r = it->second;
    double t = progress(*r.group, sys::RunLoop::main().now());
    if (t >= 1 && !r.group->autoreverses) return model;
    return std::visit(Mixer{t}, r.from, r.to);
}

bool Animator::isAnimating(const Animatable* target) const {
    auto it = running_.lower_bound(Key{target, std::numeric_limits<int>::min()});
    return it != running_.end() && it->first.first == target;
}

void Animator::addPresentedAreas(ScreenRegion& region) const {
    const Animatable* last = nullptr;
    for (const auto& [key, running] : running_) {
        if (key.first == last) continue;  // one target's properties lie next to each other
        last = key.first;
        key.first->addPresentedArea(region);
    }
}

std::vector<std::pair<const Animatable*, std::string>> Animator::endingAnimations() const {
    std::vector<std::pair<const Animatable*, std::string>> ending;
    for (const auto& [key, running] : running_) {
        if (running.group->repeatsForEver()) continue;
        // One target's properties lie next to each other: it is named once.
        if (!ending.empty() && ending.back().first == key.first) continue;
        ending.emplace_back(key.first, running.group->id.value_or(""));
    }
    return ending;
}

bool Animator::blocksInteraction(const Animatable* target) const {
    for (auto it = running_.lower_bound(Key{target, std::numeric_limits<int>::min()});
         it != running_.end() && it->first.first == target; ++it) {
        if (!it->second.group->allowInteraction) return true;
    }
    return false;
}

void Animator::removeAnimations(Animatable* target) {
    if (running_.empty()) return;
    auto it = running_.lower_bound(Key{target, std::numeric_limits<int>::min()});
    while (it != running_.end() && it->first.first == target) {
        auto group = it->second.group;
        it = running_.erase(it);
        if (--group->live == 0 && group->started) {
            sys::RunLoop::main().post([this, group] { finishGroup(group, false); });
        }
    }
    hasAnimations_ = !running_.empty();
}

void Animator::reset() {
    blocks_.clear();
    transactions_.clear();
    running_.clear();
    hasAnimations_ = false;
    enabled_ = true;
}

}  // namespace zuno::ui
