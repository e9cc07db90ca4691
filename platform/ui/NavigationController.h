#pragma once

#include <memory>
#include <vector>

#include "platform/ui/ViewController.h"

namespace zuno::ui {

class NavigationController;

class NavigationControllerDelegate {
public:
    virtual ~NavigationControllerDelegate() = default;
    virtual void willShowViewController(NavigationController& nav, ViewController& controller, bool animated) {}
    virtual void didShowViewController(NavigationController& nav, ViewController& controller, bool animated) {}
};

// A stack of screens; the top one fills the stack's view. No bar is drawn (the program draws its own).
//
// A change of the top screen, while the stack's view is in a window, calls in this order: the new
// screen's viewDidLoad (when its view is made), the delegate's willShow, the old screen's
// viewWillDisappear, the new screen's viewWillAppear; then, at once or after the 0.35 s slide, the old
// screen's viewDidDisappear, the new screen's viewDidAppear and the delegate's didShow. A change asked
// for while a slide runs first finishes that slide.
class NavigationController : public ViewController {
public:
    static constexpr double kTransitionSeconds = 0.35;

    explicit NavigationController(std::shared_ptr<ViewController> root = nullptr);
    ~NavigationController() override;

    const std::vector<std::shared_ptr<ViewController>>& viewControllers() const { return stack_; }
    void setViewControllers(std::vector<std::shared_ptr<ViewController>> controllers, bool animated);
    std::shared_ptr<ViewController> topViewController() const;
    std::shared_ptr<ViewController> visibleViewController() const;

    void pushViewController(const std::shared_ptr<ViewController>& controller, bool animated);
    std::shared_ptr<ViewController> popViewControllerAnimated(bool animated);
    std::vector<std::shared_ptr<ViewController>> popToRootViewControllerAnimated(bool animated);
    std::vector<std::shared_ptr<ViewController>> popToViewController(const ViewController* controller, bool animated);
    bool isTransitioning() const { return transition_ != nullptr; }

    void setDelegate(std::weak_ptr<NavigationControllerDelegate> delegate) { delegate_ = std::move(delegate); }
    std::shared_ptr<NavigationControllerDelegate> delegate() const { return delegate_.lock(); }
    bool isNavigationBarHidden() const { return barHidden_; }
    void setNavigationBarHidden(bool hidden) { barHidden_ = hidden; }

    void loadView() override;
    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    void viewDidDisappear(bool animated) override;

    // Called by the stack's own view when it enters or leaves a window.
    void containerMovedToWindow(bool inWindow);

private:
    struct Transition;
    void show(std::shared_ptr<ViewController> from, const std::shared_ptr<ViewController>& to, bool animated,
              bool forward, std::vector<std::shared_ptr<ViewController>> leaving);
    void finishTransition();
    bool inWindow() const;

    std::vector<std::shared_ptr<ViewController>> stack_;
    std::weak_ptr<NavigationControllerDelegate> delegate_;
    std::unique_ptr<Transition> transition_;
    bool barHidden_ = true;
    bool appeared_ = false;
};

}  // namespace zuno::ui
