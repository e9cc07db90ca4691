#include "platform/ui/ViewController.h"

#include "platform/core/Log.h"
#include "platform/core/MainThread.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/Application.h"
#include "platform/ui/InterfaceLoader.h"
#include "platform/ui/NavigationController.h"

namespace zuno::ui {

const BindingTable& ViewController::bindings() {
    using B = Bind<ViewController>;
    static const BindingTable table(&Responder::bindings(), {B::outlet("view", &ViewController::view_)});
    return table;
}

ViewController::ViewController(std::optional<std::string> nibName) : nibName_(std::move(nibName)) {}

ViewController::~ViewController() {
    if (view_ && view_->viewController() == this) view_->setViewController(nullptr);
    // What this controller presented leaves with it: its view never stays on the window alone.
    if (modal_) {
        if (auto v = modal_->viewIfLoaded()) v->removeFromSuperview();
    }
}

std::shared_ptr<View> ViewController::view() {
    if (!view_) {
        loadView();
        if (!view_) setView(std::make_shared<View>(Rect(0, 0, Screen::kWidth, Screen::kHeight)));
        if (!interfaceFailed_) viewDidLoad();
    }
    return view_;
}

void ViewController::setView(std::shared_ptr<View> view) {
    if (view_ && view_->viewController() == this) view_->setViewController(nullptr);
    view_ = std::move(view);
    if (view_) view_->setViewController(this);
}

void ViewController::loadView() {
    if (!nibName_) return;
    auto result = InterfaceLoader::load(*nibName_, *this);
    if (result.loaded) {
        for (const auto& outlet : result.unconnectedOutlets) {
            result.problems.push_back("interface file " + *nibName_ + ": outlet '" + outlet + "' is not connected");
        }
    }
    interfaceProblems_ = result.problems;
    interfaceFailed_ = !result.loaded || !result.unconnectedOutlets.empty();
    if (view_) view_->setViewController(this);
    if (!interfaceProblems_.empty() && InterfaceLoader::isStrict()) {
        setView(nullptr);
        InterfaceLoader::check(*nibName_, result);
    }
}

bool ViewController::refusedForItsInterface() {
    view();
    if (!interfaceFailed_) return false;
    const std::string file = InterfaceLoader::interfaceRoot() + "/" + nibName_.value_or("") + ".xml";
    sys::Log::warning("screen not shown: its interface file " + file + " is missing or damaged");
    auto alert = std::make_shared<AlertView>(std::string("Zuno"),
                                             "This screen cannot be shown: its interface file " + file +
                                                 " is missing or damaged.",
                                             std::weak_ptr<AlertViewDelegate>{}, std::string("OK"),
                                             std::vector<std::string>{});
    alert->show();
    return true;
}

bool ViewController::shouldAutorotateToInterfaceOrientation(InterfaceOrientation orientation) const {
    return orientation == InterfaceOrientation::LandscapeRight;
}

std::shared_ptr<NavigationController> ViewController::navigationController() const {
    if (auto* self = dynamic_cast<const NavigationController*>(this)) {
        return std::static_pointer_cast<NavigationController>(const_cast<NavigationController*>(self)->shared_from_this());
    }
    if (auto nav = navigation_.lock()) return nav;
    auto parent = parent_.lock();
    return parent ? parent->navigationController() : nullptr;
}

void ViewController::leaveStack(bool animated) {
    navigation_.reset();
    parent_.reset();
    if (modal_) dismissModalViewControllerAnimated(animated);
}

void ViewController::presentModalViewController(const std::shared_ptr<ViewController>& controller, bool animated) {
    ZUNO_MAIN_THREAD_ONLY("a presented controller");
    if (!controller || modal_) return;
    auto host = view();
    auto* window = host->window();
    modal_ = controller;
    controller->parent_ = sharedController();
    if (controller->refusedForItsInterface()) {
        modal_.reset();
        controller->parent_.reset();
        return;
    }
    auto v = controller->view();
    Rect area = window ? window->bounds() : host->bounds();
    controller->viewWillAppear(animated);
    if (window) {
        window->addSubview(v);
    } else {
        host->addSubview(v);
    }
    if (animated) {
        v->setFrame(area.offsetBy(0, area.height()));
        View::animate(0.3, [&] { v->setFrame(area); }, [controller](bool) { controller->viewDidAppear(true); });
    } else {
        v->setFrame(area);
        controller->viewDidAppear(false);
    }
}

void ViewController::dismissModalViewControllerAnimated(bool animated) {
    ZUNO_MAIN_THREAD_ONLY("a presented controller");
    if (!modal_) {
        // Asked of the modal controller itself: its presenter dismisses it.
        auto parent = parent_.lock();
        if (parent && parent->modal_.get() == this) parent->dismissModalViewControllerAnimated(animated);
        return;
    }
    auto controller = modal_;
    modal_.reset();
    controller->viewWillDisappear(animated);
    auto v = controller->view();
    // The closure keeps the controller alive until its view has slid out.
    auto done = [controller, v](bool) {
        v->removeFromSuperview();
        controller->parent_.reset();
        controller->viewDidDisappear(false);
    };
    if (animated) {
        Rect f = v->frame();
        View::animate(0.3, [&] { v->setFrame(f.offsetBy(0, f.height())); }, done);
    } else {
        done(true);
    }
}

Responder* ViewController::nextResponder() const {
    if (view_) {
        if (auto s = view_->superview()) return s.get();
    }
    return nullptr;
}

}  // namespace zuno::ui
