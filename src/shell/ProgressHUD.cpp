#include "shell/ProgressHUD.h"

#include <cmath>
#include <thread>

#include "platform/core/Exception.h"
#include "platform/core/NotificationCenter.h"
#include "platform/ui/ActivityIndicatorView.h"
#include "platform/ui/Application.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Window.h"

namespace zuno {

namespace {
constexpr double kPadding = 4;
constexpr double kAnimationSeconds = 0.3;
}  // namespace

RoundProgressView::RoundProgressView() : ui::ProgressView(Style::Default, ui::Rect(0, 0, 37, 37)) {
    setBackgroundColor(std::nullopt);
    setOpaque(false);
}

void RoundProgressView::drawRect(ui::Canvas& canvas, const ui::Rect&) {
    ui::Rect all = bounds();
    ui::Rect circle = all.insetBy(2, 2);
    canvas.setFillColor(ui::Color::white(1, 0.1));
    canvas.setStrokeColor(ui::Color::white());
    canvas.setLineWidth(2);
    canvas.beginPath();
    canvas.addEllipse(circle);
    canvas.fillPath();
    canvas.beginPath();
    canvas.addEllipse(circle);
    canvas.strokePath();
    ui::Point center{all.width() / 2, all.height() / 2};
    double radius = (all.width() - 4) / 2;
    double start = -M_PI / 2;
    double end = progress() * 2 * M_PI + start;
    canvas.setFillColor(ui::Color::white());
    canvas.beginPath();
    canvas.moveTo(center);
    canvas.addArc(center, radius, start, end, true);
    canvas.closePath();
    canvas.fillPath();
}

ProgressHUD::ProgressHUD(const ui::Rect& frame) : ui::View(frame) {
    setBackgroundColor(std::nullopt);
    setOpaque(false);
    setAlpha(0);
    setAutoresizingMask(ui::Autoresizing::FlexibleLeftMargin | ui::Autoresizing::FlexibleRightMargin |
                        ui::Autoresizing::FlexibleTopMargin | ui::Autoresizing::FlexibleBottomMargin);
    label_ = std::make_shared<ui::Label>(bounds());
    detailsLabel_ = std::make_shared<ui::Label>(bounds());
}

std::shared_ptr<ProgressHUD> ProgressHUD::initWithFrame(const ui::Rect& frame) {
    std::shared_ptr<ProgressHUD> hud(new ProgressHUD(frame));
    hud->updateIndicators();
    return hud;
}

std::shared_ptr<ProgressHUD> ProgressHUD::initWithView(const std::shared_ptr<ui::View>& view) {
    if (!view) {
        throw sys::Exception("ProgressHUDViewIsNillException", "The view used in the ProgressHUD initializer is nil.");
    }
    auto hud = initWithFrame(view->bounds());
    hud->finishCreation(dynamic_cast<ui::Window*>(view.get()) != nullptr);
    return hud;
}

std::shared_ptr<ProgressHUD> ProgressHUD::initWithWindow(const std::shared_ptr<ui::Window>& window) {
    return initWithView(window);
}

void ProgressHUD::finishCreation(bool inWindow) {
    if (inWindow) setTransformForCurrentOrientation(false);
    std::weak_ptr<ProgressHUD> weak = weakSelf();
    // Observed for as long as the overlay lives.
    sys::NotificationCenter::defaultCenter().addObserver(shared_from_this(), kOrientationDidChange,
                                                         [weak](const sys::Notification&) {
                                                             if (auto self = weak.lock())
                                                                 self->onMain([](ProgressHUD& h) {
                                                                     h.deviceOrientationDidChange();
                                                                 });
                                                         });
}

ProgressHUD::~ProgressHUD() { cancelTimers(); }

std::weak_ptr<ProgressHUD> ProgressHUD::weakSelf() {
    return std::static_pointer_cast<ProgressHUD>(shared_from_this());
}

std::shared_ptr<ProgressHUD> ProgressHUD::showHUDAddedTo(const std::shared_ptr<ui::View>& view, bool animated) {
    auto hud = initWithView(view);
    view->addSubview(hud);
    hud->show(animated);
    return hud;
}

bool ProgressHUD::hideHUDForView(const std::shared_ptr<ui::View>& view, bool animated) {
    if (!view) return false;
    const auto& subviews = view->subviews();
    for (auto it = subviews.rbegin(); it != subviews.rend(); ++it) {
        if (auto hud = std::dynamic_pointer_cast<ProgressHUD>(*it)) {
            hud->setRemoveFromSuperViewOnHide(true);
            hud->hide(animated);
            return true;
        }
    }
    return false;
}

// Thread hand-over of the settable fields.

void ProgressHUD::onMain(std::function<void(ProgressHUD&)> work) {
    if (sys::RunLoop::isMainThread()) {
        work(*this);
        return;
    }
    // The overlay may be gone by the time the main thread gets to it.
    std::weak_ptr<ProgressHUD> weak = weakSelf();
    sys::RunLoop::main().post([weak, work = std::move(work)] {
        if (auto self = weak.lock()) work(*self);
    });
}

int ProgressHUD::mode() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return mode_;
}

void ProgressHUD::setMode(int mode) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        // Mode 0 again rebuilds the spinner; any other mode again changes nothing.
        if (mode_ == mode && mode != kIndeterminate) return;
        mode_ = mode;
    }
    onMain([](ProgressHUD& h) {
        h.updateIndicators();
        h.setNeedsLayout();
        h.setNeedsDisplay();
    });
}

std::optional<std::string> ProgressHUD::labelText() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return labelText_;
}

void ProgressHUD::setLabelText(std::optional<std::string> text) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        labelText_ = std::move(text);
    }
    onMain([](ProgressHUD& h) {
        h.setNeedsLayout();
        h.setNeedsDisplay();
    });
}

std::optional<std::string> ProgressHUD::detailsLabelText() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return detailsLabelText_;
}

void ProgressHUD::setDetailsLabelText(std::optional<std::string> text) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        detailsLabelText_ = std::move(text);
    }
    onMain([](ProgressHUD& h) {
        h.setNeedsLayout();
        h.setNeedsDisplay();
    });
}

float ProgressHUD::progress() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return progress_;
}

void ProgressHUD::setProgress(float progress) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        progress_ = progress;
        if (mode_ != kDeterminate) return;
    }
    onMain([](ProgressHUD& h) {
        if (auto round = std::dynamic_pointer_cast<RoundProgressView>(h.indicator_)) round->setProgress(h.progress());
        h.setNeedsDisplay();
    });
}

void ProgressHUD::setCustomView(std::shared_ptr<ui::View> view) {
    customView_ = std::move(view);
    if (mode() == kCustomView) updateIndicators();
}

void ProgressHUD::updateIndicators() {
    if (indicator_) indicator_->removeFromSuperview();
    int mode = this->mode();
    if (mode == kDeterminate) {
        auto round = std::make_shared<RoundProgressView>();
        round->setProgress(progress());
        indicator_ = round;
    } else if (mode == kCustomView && customView_) {
        indicator_ = customView_;
    } else {
        auto spinner = std::make_shared<ui::ActivityIndicatorView>(ui::ActivityIndicatorView::Style::WhiteLarge);
        spinner->startAnimating();
        indicator_ = spinner;
    }
    addSubview(indicator_);
}

// Layout and drawing.

void ProgressHUD::layoutSubviews() {
    if (!indicator_) return;
    const ui::Rect frame = bounds();
    ui::Rect indicatorFrame = indicator_->bounds();
    width_ = float(indicatorFrame.width() + 2 * margin_);
    height_ = float(indicatorFrame.height() + 2 * margin_);
    indicatorFrame.origin.x = std::floor((frame.width() - indicatorFrame.width()) / 2) + xOffset_;
    indicatorFrame.origin.y = std::floor((frame.height() - indicatorFrame.height()) / 2) + yOffset_;
    indicator_->setFrame(indicatorFrame);

    // A text's width: as measured, unless wider than the overlay allows.
    auto fit = [&](const std::string& text, const ui::Font& font) {
        ui::Size size = font.sizeOfText(text);
        if (size.width > frame.width() - 2 * margin_) size.width = frame.width() - 4 * margin_;
        return size;
    };
    auto style = [](ui::Label& label, const ui::Font& font, const std::string& text) {
        label.setFont(font);
        label.setAdjustsFontSizeToFitWidth(false);
        label.setTextAlignment(ui::TextAlignment::Center);
        label.setOpaque(false);
        label.setBackgroundColor(std::nullopt);
        label.setTextColor(ui::Color::white());
        label.setNumberOfLines(1);
        label.setText(text);
    };

    const auto text = labelText();
    const auto details = detailsLabelText();
    if (!text) {
        label_->removeFromSuperview();
        detailsLabel_->removeFromSuperview();
        return;
    }
    ui::Size labelSize = fit(*text, labelFont_);
    style(*label_, labelFont_, *text);
    if (width_ < labelSize.width + 2 * margin_) width_ = float(labelSize.width + 2 * margin_);
    height_ += float(labelSize.height + kPadding);
    indicatorFrame.origin.y -= std::floor(labelSize.height / 2 + kPadding / 2);
    indicator_->setFrame(indicatorFrame);
    ui::Rect labelFrame(std::floor((frame.width() - labelSize.width) / 2) + xOffset_,
                        std::floor(indicatorFrame.maxY() + kPadding), labelSize.width, labelSize.height);
    label_->setFrame(labelFrame);
    addSubview(label_);

    if (!details) {
        detailsLabel_->removeFromSuperview();
        return;
    }
    ui::Size detailsSize = fit(*details, detailsLabelFont_);
    style(*detailsLabel_, detailsLabelFont_, *details);
    if (width_ < detailsSize.width) width_ = float(detailsSize.width + 2 * margin_);
    height_ += float(detailsSize.height + kPadding);
    double up = std::floor(detailsSize.height / 2 + kPadding / 2);
    indicatorFrame.origin.y -= up;
    indicator_->setFrame(indicatorFrame);
    labelFrame.origin.y -= up;
    label_->setFrame(labelFrame);
    detailsLabel_->setFrame(ui::Rect(std::floor((frame.width() - detailsSize.width) / 2) + xOffset_,
                                     labelFrame.maxY() + kPadding, detailsSize.width, detailsSize.height));
    addSubview(detailsLabel_);
}

void ProgressHUD::drawRect(ui::Canvas& canvas, const ui::Rect&) {
    const ui::Rect all = bounds();
    ui::Rect box(std::round((all.width() - width_) / 2) + xOffset_, std::round((all.height() - height_) / 2) + yOffset_,
                 width_, height_);
    const double radius = 10;
    canvas.setFillColor(ui::Color{0, 0, 0, opacity_});
    canvas.beginPath();
    canvas.moveTo({box.minX() + radius, box.minY()});
    canvas.addArc({box.maxX() - radius, box.minY() + radius}, radius, 3 * M_PI / 2, 0, true);
    canvas.addArc({box.maxX() - radius, box.maxY() - radius}, radius, 0, M_PI / 2, true);
    canvas.addArc({box.minX() + radius, box.maxY() - radius}, radius, M_PI / 2, M_PI, true);
    canvas.addArc({box.minX() + radius, box.minY() + radius}, radius, M_PI, 3 * M_PI / 2, true);
    canvas.closePath();
    canvas.fillPath();
}

// Showing and hiding.

void ProgressHUD::show(bool animated) {
    useAnimation_ = animated;
    if (graceTime_ > 0) {
        sys::RunLoop::main().cancel(graceTimer_);
        std::weak_ptr<ProgressHUD> weak = weakSelf();
        graceTimer_ = sys::RunLoop::main().postDelayed(graceTime_, [weak] {
            auto self = weak.lock();
            if (!self) return;
            self->graceTimer_ = 0;
            // Only a task still under way is worth showing.
            if (self->taskInProgress_) {
                self->setNeedsDisplay();
                self->showUsingAnimation(self->useAnimation_);
            }
        });
        return;
    }
    setNeedsDisplay();
    showUsingAnimation(useAnimation_);
}

void ProgressHUD::hide(bool animated) {
    useAnimation_ = animated;
    if (minShowTime_ > 0 && showStarted_) {
        double shown = sys::RunLoop::main().now() - *showStarted_;
        if (shown < minShowTime_) {
            sys::RunLoop::main().cancel(minShowTimer_);
            std::weak_ptr<ProgressHUD> weak = weakSelf();
            minShowTimer_ = sys::RunLoop::main().postDelayed(minShowTime_ - shown, [weak] {
                if (auto self = weak.lock()) {
                    self->minShowTimer_ = 0;
                    self->hideUsingAnimation(self->useAnimation_);
                }
            });
            return;
        }
    }
    hideUsingAnimation(useAnimation_);
}

void ProgressHUD::showUsingAnimation(bool animated) {
    setAlpha(0);
    showStarted_ = sys::RunLoop::main().now();
    if (!animated) {
        setAlpha(1);
        return;
    }
    if (animationType_ == kZoom) setTransform(rotationTransform_.scaled(1.5, 1.5));
    ui::View::animate(kAnimationSeconds, [this] {
        setAlpha(1);
        if (animationType_ == kZoom) setTransform(rotationTransform_);
    });
}

void ProgressHUD::hideUsingAnimation(bool animated) {
    if (!animated) {
        setAlpha(0);
        done();
        return;
    }
    std::weak_ptr<ProgressHUD> weak = weakSelf();
    ui::View::animate(
        kAnimationSeconds,
        [this] {
            setAlpha(0.02);
            if (animationType_ == kZoom) setTransform(rotationTransform_.scaled(0.5, 0.5));
        },
        [weak](bool) {
            if (auto self = weak.lock()) self->done();
        });
}

void ProgressHUD::done() {
    isFinished_ = true;
    setAlpha(0);
    auto self = std::static_pointer_cast<ProgressHUD>(shared_from_this());  // alive through the removal
    if (auto d = delegate()) d->hudWasHidden();
    if (removeFromSuperViewOnHide_) removeFromSuperview();
}

void ProgressHUD::cancelTimers() {
    sys::RunLoop::main().cancel(graceTimer_);
    sys::RunLoop::main().cancel(minShowTimer_);
    graceTimer_ = minShowTimer_ = 0;
}

// The task on a thread of its own.

void ProgressHUD::showWhileExecuting(std::function<void()> task, bool animated) {
    methodForExecution_ = std::make_shared<std::function<void()>>(std::move(task));
    taskInProgress_ = true;
    std::weak_ptr<ProgressHUD> weak = weakSelf();
    std::thread([weak, method = methodForExecution_]() mutable {
        (*method)();
        // What the task holds is let go of on the main thread, with the overlay's clean-up.
        sys::RunLoop::main().post([weak, method = std::move(method)] {
            if (auto self = weak.lock()) self->cleanUpAfterTask();
        });
    }).detach();
    show(animated);
}

void ProgressHUD::cleanUpAfterTask() {
    taskInProgress_ = false;
    indicator_.reset();  // it stays on screen while the box fades out
    methodForExecution_.reset();
    hide(useAnimation_);
}

// Orientation.

void ProgressHUD::deviceOrientationDidChange() {
    ui::View* parent = superviewPointer();
    if (!parent) return;
    if (dynamic_cast<ui::Window*>(parent)) setTransformForCurrentOrientation(true);
    setFrame(parent->bounds());
    setNeedsDisplay();
}

void ProgressHUD::setTransformForCurrentOrientation(bool animated) {
    double degrees = 0;
    auto orientation = ui::Application::shared().statusBarOrientation();
    switch (orientation) {
        case ui::InterfaceOrientation::LandscapeRight: degrees = 90; break;
        case ui::InterfaceOrientation::LandscapeLeft: degrees = -90; break;
        case ui::InterfaceOrientation::PortraitUpsideDown: degrees = 180; break;
        default: break;
    }
    // The turn is what a window kept upright (portrait) needs. A window that is laid out in landscape
    // already (the 480 x 320 window) shows the overlay upright without it.
    ui::View* host = superviewPointer();
    ui::Size hostSize = host ? host->bounds().size : bounds().size;
    bool landscape = orientation == ui::InterfaceOrientation::LandscapeRight ||
                     orientation == ui::InterfaceOrientation::LandscapeLeft;
    if (landscape && hostSize.width > hostSize.height) degrees = 0;
    rotationTransform_ = ui::AffineTransform::rotation(degrees * M_PI / 180);
    if (animated) {
        ui::View::animate(kAnimationSeconds, [this] { setTransform(rotationTransform_); });
    } else {
        setTransform(rotationTransform_);
    }
}

}  // namespace zuno
