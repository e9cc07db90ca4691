#include "platform/ui/Application.h"

#include "platform/ui/ScrollView.h"

#include <algorithm>

#include "platform/core/Log.h"
#include "platform/core/PlatformOptions.h"
#include "platform/services/UrlOpener.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/Animation.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/TextInput.h"

namespace zuno::ui {

namespace {
int gScale = 0;  // 0 until set: the scale asked for, else 1
}  // namespace

int Screen::scale() {
    if (gScale) return gScale;
    int requested = sys::requestedDisplayScale();
    return requested ? requested : 1;
}

bool Screen::isUpright(InterfaceOrientation orientation) {
    return orientation == InterfaceOrientation::Portrait || orientation == InterfaceOrientation::PortraitUpsideDown;
}

Size Screen::windowSize() {
    if (isUpright(Application::shared().statusBarOrientation())) return {kHeight, kWidth};
    return {kWidth, kHeight};
}

void Application::setStatusBarOrientation(InterfaceOrientation o) {
    const bool turns = Screen::isUpright(o) != Screen::isUpright(orientation_);
    orientation_ = o;
    if (!turns) return;
    const Size size = Screen::windowSize();
    for (const auto& window : windows_) window->setFrame(Rect(0, 0, size.width, size.height));
    Display::invalidate();
}

void Screen::setScale(int scale) { gScale = scale >= 2 ? 2 : (scale == 1 ? 1 : 0); }

Application& Application::shared() {
    static Application* app = new Application;  // lives for the whole run
    return *app;
}

bool Application::launch() {
    if (!delegate_) return false;
    return delegate_->didFinishLaunching(*this);
}

void Application::terminate() {
    if (delegate_) delegate_->willTerminate(*this);
}

std::vector<WindowPtr> Application::windows() const { return windows_; }

WindowPtr Application::keyWindow() const {
    for (const auto& w : windows_) {
        if (w.get() == key_) return w;
    }
    return nullptr;
}

void Application::addWindow(const WindowPtr& window) {
    if (!window) return;
    removeWindow(window.get());
    auto it = std::upper_bound(windows_.begin(), windows_.end(), window->windowLevel(),
                               [](double level, const WindowPtr& w) { return level < w->windowLevel(); });
    windows_.insert(it, window);
    Display::invalidate();
}

void Application::removeWindow(const Window* window) {
    auto it = std::find_if(windows_.begin(), windows_.end(), [&](const auto& w) { return w.get() == window; });
    if (it == windows_.end()) return;
    auto keep = *it;
    windows_.erase(it);
    if (key_ == window) key_ = nullptr;
    if (touchWindow_.get() == window) touchWindow_.reset();
    Display::invalidate();
}

void Application::makeKey(const Window* window) { key_ = window; }

bool Application::openURL(const std::string& url) {
    sys::Log::format("open URL %s", url.c_str());
    return urlOpener_ ? urlOpener_(url) : sys::UrlOpener::openURL(url);
}

bool Application::canOpenURL(const std::string& url) const {
    return urlOpener_ ? !url.empty() : sys::UrlOpener::canOpenURL(url);
}

void Application::scrollWheel(Point p, double notchesX, double notchesY) {
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
        const auto& w = *it;
        if (w->isHidden()) continue;
        auto hit = w->hitTest(w->pointFromSuperview(p), nullptr);
        if (!hit) continue;
        for (View* v = hit.get(); v; v = v->superviewPointer())
            if (auto* scroll = dynamic_cast<ScrollView*>(v); scroll && scroll->scrollByWheel(notchesX, notchesY)) return;
        return;
    }
}

void Application::touchDown(Point p) {
    touchWindow_.reset();
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
        const auto& w = *it;
        if (w->isHidden()) continue;
        Point local = w->pointFromSuperview(p);
        if (w->hitTest(local, nullptr)) {
            touchWindow_ = w;
            break;
        }
    }
    if (touchWindow_) touchWindow_->touchDown(touchWindow_->pointFromSuperview(p));
}

void Application::twoFingerTap(Point p) {
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
        const auto w = *it;
        if (w->isHidden()) continue;
        Point local = w->pointFromSuperview(p);
        if (!w->hitTest(local, nullptr)) continue;
        w->twoFingerTap(local);
        return;
    }
}

void Application::touchMove(Point p) {
    if (touchWindow_) touchWindow_->touchMove(touchWindow_->pointFromSuperview(p));
}

void Application::touchUp(Point p) {
    if (auto w = touchWindow_) {
        touchWindow_.reset();
        w->touchUp(w->pointFromSuperview(p));
    }
}

void Application::sendText(const std::string& text) {
    if (auto alert = AlertView::topAlert()) return alert->typeText(text);
    if (auto* input = dynamic_cast<KeyInput*>(Responder::firstResponder())) input->insertText(text);
}

void Application::sendReturn() {
    if (auto alert = AlertView::topAlert()) return alert->pressReturnKey();
    Responder* responder = Responder::firstResponder();
    auto* input = dynamic_cast<KeyInput*>(responder);
    if (!input) return;
    auto keep = responder->weak_from_this().lock();
    Responder* outer = returning_;
    returning_ = responder;
    input->insertText("\n");
    returning_ = outer;
}

void Application::sendDeleteBackward() {
    if (auto alert = AlertView::topAlert()) return alert->deleteBackward();
    if (auto* input = dynamic_cast<KeyInput*>(Responder::firstResponder())) input->deleteBackward();
}

std::optional<std::string> Application::firstResponderText() const {
    if (auto* t = dynamic_cast<TextInput*>(Responder::firstResponder())) return t->currentText();
    return std::nullopt;
}

void Application::layoutIfNeeded() {
    for (auto& w : std::vector<WindowPtr>(windows_)) w->layoutIfNeeded();
}

void Application::render(Canvas& canvas) {
    layoutIfNeeded();
    for (auto& w : std::vector<WindowPtr>(windows_)) w->render(canvas);
}

void Application::reset() {
    windows_.clear();
    key_ = nullptr;
    touchWindow_.reset();
    delegate_.reset();
    badge_ = 0;
    orientation_ = InterfaceOrientation::LandscapeRight;
    urlOpener_ = nullptr;
    Responder::clearFirstResponder();
}

}  // namespace zuno::ui
