#include "platform/ui/NavigationController.h"

#include <algorithm>

#include "platform/core/MainThread.h"
#include "platform/ui/Application.h"

namespace zuno::ui {

namespace {

// The stack's view: tells the stack when it enters or leaves a window, as the toolkit's does.
class NavigationContainerView : public View {
public:
    NavigationContainerView(const Rect& frame, NavigationController* nav) : View(frame), nav_(nav) {}
    void didMoveToWindow() override {
        bool now = window() != nullptr;
        if (now != inWindow_) {
            inWindow_ = now;
            if (nav_) nav_->containerMovedToWindow(now);
        }
    }
    void forget() { nav_ = nullptr; }

private:
    NavigationController* nav_;
    bool inWindow_ = false;
};

}  // namespace

struct NavigationController::Transition {
    std::shared_ptr<ViewController> from, to;
    std::vector<std::shared_ptr<ViewController>> leaving;
    bool animated = false;
    bool callbacks = false;
};

NavigationController::NavigationController(std::shared_ptr<ViewController> root) {
    if (root) stack_.push_back(std::move(root));
}

NavigationController::~NavigationController() {
    if (auto v = viewIfLoaded()) {
        if (auto* c = dynamic_cast<NavigationContainerView*>(v.get())) c->forget();
    }
}

void NavigationController::loadView() {
    auto container = std::make_shared<NavigationContainerView>(Rect(0, 0, Screen::kWidth, Screen::kHeight), this);
    container->setAutoresizingMask(Autoresizing::FlexibleWidth | Autoresizing::FlexibleHeight);
    container->setClipsToBounds(true);
    setView(container);
    auto self = std::static_pointer_cast<NavigationController>(shared_from_this());
    for (auto& c : stack_) {
        c->navigation_ = self;
        c->parent_ = self;
    }
    if (auto top = topViewController()) {
        auto v = top->view();
        v->setFrame(container->bounds());
        container->addSubview(v);
    }
}

std::shared_ptr<ViewController> NavigationController::topViewController() const {
    return stack_.empty() ? nullptr : stack_.back();
}

std::shared_ptr<ViewController> NavigationController::visibleViewController() const {
    auto top = topViewController();
    if (top && top->modalViewController()) return top->modalViewController();
    return top;
}

bool NavigationController::inWindow() const {
    auto v = viewIfLoaded();
    return v && v->window() != nullptr;
}

void NavigationController::containerMovedToWindow(bool nowInWindow) {
    if (nowInWindow) {
        viewWillAppear(false);
        viewDidAppear(false);
    } else {
        viewWillDisappear(false);
        viewDidDisappear(false);
    }
}

void NavigationController::viewWillAppear(bool animated) {
    if (appeared_) return;
    if (auto top = topViewController()) {
        if (auto d = delegate_.lock()) d->willShowViewController(*this, *top, animated);
        top->viewWillAppear(animated);
    }
}

void NavigationController::viewDidAppear(bool animated) {
    if (appeared_) return;
    appeared_ = true;
    if (auto top = topViewController()) {
        top->viewDidAppear(animated);
        if (auto d = delegate_.lock()) d->didShowViewController(*this, *top, animated);
    }
}

void NavigationController::viewWillDisappear(bool animated) {
    if (!appeared_) return;
    if (auto top = topViewController()) top->viewWillDisappear(animated);
}

void NavigationController::viewDidDisappear(bool animated) {
    if (!appeared_) return;
    appeared_ = false;
    if (auto top = topViewController()) top->viewDidDisappear(animated);
}

void NavigationController::show(std::shared_ptr<ViewController> from, const std::shared_ptr<ViewController>& to,
                                bool animated, bool forward, std::vector<std::shared_ptr<ViewController>> leaving) {
    auto container = view();
    auto t = std::make_unique<Transition>();
    t->from = from == to ? nullptr : std::move(from);
    t->to = to;
    t->leaving = std::move(leaving);
    t->callbacks = inWindow() && appeared_;
    t->animated = animated && t->callbacks && t->from;
    auto toView = to->view();  // viewDidLoad on first use
    if (t->callbacks) {
        if (auto d = delegate_.lock()) d->willShowViewController(*this, *to, animated);
        if (t->from) t->from->viewWillDisappear(animated);
        to->viewWillAppear(animated);
    }
    // Taken after the screens' callbacks: a screen may turn the window as it appears or leaves.
    Rect area = container->bounds();
    transition_ = std::move(t);
    if (toView->superview().get() != container.get()) toView->setFrame(area);
    container->addSubview(toView);
    Display::invalidate();
    if (!transition_->animated) {
        finishTransition();
        return;
    }
    auto fromView = transition_->from->view();
    double w = area.width();
    toView->setFrame(area.offsetBy(forward ? w : -w, 0));
    container->setUserInteractionEnabled(false);
    Transition* pending = transition_.get();
    std::weak_ptr<NavigationController> self = std::static_pointer_cast<NavigationController>(shared_from_this());
    View::animate(kTransitionSeconds, 0, AnimationOption::CurveEaseInOut,
                  [&] {
                      toView->setFrame(area);
                      fromView->setFrame(area.offsetBy(forward ? -w : w, 0));
                  },
                  [self, pending](bool) {
                      auto nav = self.lock();
                      if (nav && nav->transition_.get() == pending) nav->finishTransition();
                  });
}

void NavigationController::finishTransition() {
    auto t = std::move(transition_);
    if (!t) return;
    auto container = view();
    container->setUserInteractionEnabled(true);
    Rect area = container->bounds();
    t->to->view()->setFrame(area);
    if (t->from && t->from != topViewController()) {
        auto fromView = t->from->view();
        fromView->removeFromSuperview();
        fromView->setFrame(area);
    } else if (t->from) {
        t->from->view()->setFrame(area);
    }
    if (t->callbacks) {
        if (t->from) t->from->viewDidDisappear(t->animated);
        t->to->viewDidAppear(t->animated);
        if (auto d = delegate_.lock()) d->didShowViewController(*this, *t->to, t->animated);
    }
    for (auto& c : t->leaving) {
        if (std::find(stack_.begin(), stack_.end(), c) != stack_.end()) continue;
        c->navigation_.reset();
        c->parent_.reset();
    }
}

void NavigationController::pushViewController(const std::shared_ptr<ViewController>& controller, bool animated) {
    ZUNO_MAIN_THREAD_ONLY("a navigation stack");
    if (!controller || std::find(stack_.begin(), stack_.end(), controller) != stack_.end()) return;
    finishTransition();
    auto from = topViewController();
    stack_.push_back(controller);
    auto self = std::static_pointer_cast<NavigationController>(shared_from_this());
    controller->navigation_ = self;
    controller->parent_ = self;
    if (!isViewLoaded()) return;
    if (controller->refusedForItsInterface()) {
        stack_.pop_back();
        controller->leaveStack(false);
        return;
    }
    show(from, controller, animated, true, {});
}

std::shared_ptr<ViewController> NavigationController::popViewControllerAnimated(bool animated) {
    ZUNO_MAIN_THREAD_ONLY("a navigation stack");
    if (stack_.size() < 2) return nullptr;
    finishTransition();
    auto from = stack_.back();
    stack_.pop_back();
    if (from->modalViewController()) from->dismissModalViewControllerAnimated(animated);  // its sheet leaves with it
    if (isViewLoaded()) {
        show(from, stack_.back(), animated, false, {from});
    } else {
        from->leaveStack(animated);
    }
    return from;
}

std::vector<std::shared_ptr<ViewController>> NavigationController::popToViewController(const ViewController* target,
                                                                                       bool animated) {
    ZUNO_MAIN_THREAD_ONLY("a navigation stack");
    auto it = std::find_if(stack_.begin(), stack_.end(), [&](const auto& c) { return c.get() == target; });
    if (it == stack_.end() || it + 1 == stack_.end()) return {};
    finishTransition();
    std::vector<std::shared_ptr<ViewController>> popped(it + 1, stack_.end());
    auto from = stack_.back();
    stack_.erase(it + 1, stack_.end());
    for (auto& c : popped) {
        if (c->modalViewController()) c->dismissModalViewControllerAnimated(animated);
    }
    if (isViewLoaded()) {
        // Screens between the top and the target leave without appearance calls.
        for (auto& c : popped) {
            if (c != from) {
                if (auto v = c->viewIfLoaded()) v->removeFromSuperview();
            }
        }
        show(from, stack_.back(), animated, false, popped);
    } else {
        for (auto& c : popped) c->leaveStack(animated);
    }
    return popped;
}

std::vector<std::shared_ptr<ViewController>> NavigationController::popToRootViewControllerAnimated(bool animated) {
    if (stack_.empty()) return {};
    return popToViewController(stack_.front().get(), animated);
}

void NavigationController::setViewControllers(std::vector<std::shared_ptr<ViewController>> controllers,
                                              bool animated) {
    ZUNO_MAIN_THREAD_ONLY("a navigation stack");
    finishTransition();
    auto from = topViewController();
    auto old = stack_;
    stack_.clear();
    for (auto& c : controllers) {
        if (c && std::find(stack_.begin(), stack_.end(), c) == stack_.end()) stack_.push_back(c);
    }
    auto self = std::static_pointer_cast<NavigationController>(shared_from_this());
    for (auto& c : stack_) {
        c->navigation_ = self;
        c->parent_ = self;
    }
    std::vector<std::shared_ptr<ViewController>> leaving;
    for (auto& c : old) {
        if (std::find(stack_.begin(), stack_.end(), c) == stack_.end()) leaving.push_back(c);
    }
    for (auto& c : leaving) {
        if (c->modalViewController()) c->dismissModalViewControllerAnimated(animated);
    }
    auto to = topViewController();
    if (!isViewLoaded()) {
        for (auto& c : leaving) c->leaveStack(animated);
        return;
    }
    for (auto& c : leaving) {
        if (c != from) {
            if (auto v = c->viewIfLoaded()) v->removeFromSuperview();
        }
    }
    if (to && to != from) {
        bool forward = from && std::find(stack_.begin(), stack_.end(), from) != stack_.end();
        show(from, to, animated, forward || !from, leaving);
    } else {
        for (auto& c : leaving) c->leaveStack(animated);
    }
}

}  // namespace zuno::ui
