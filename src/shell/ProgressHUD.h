#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "platform/core/RunLoop.h"
#include "platform/ui/Font.h"
#include "platform/ui/Label.h"
#include "platform/ui/ProgressView.h"
#include "platform/ui/View.h"

namespace zuno {

class ProgressHUD;

// Told once the overlay has been hidden.
class ProgressHUDDelegate {
public:
    virtual ~ProgressHUDDelegate() = default;
    virtual void hudWasHidden() {}
};

// The determinate indicator: a ring with a pie filling clockwise from twelve o'clock.
class RoundProgressView : public ui::ProgressView {
public:
    // 37 by 37 points.
    RoundProgressView();
    void drawRect(ui::Canvas& canvas, const ui::Rect& rect) override;
};

// A translucent rounded box with an indicator and up to two lines of text, drawn over a view while
// something is under way. It may show after a grace time, stays at least a minimum time once shown,
// and can run a task on a thread of its own and hide when the task ends. Its mode, texts and progress
// may be set from any thread; everything else belongs to the main thread.
class ProgressHUD : public ui::View {
public:
    enum Mode { kIndeterminate = 0, kDeterminate = 1, kCustomView = 2 };
    enum AnimationType { kFade = 0, kZoom = 1 };

    // Covers the view's bounds. A missing view raises "ProgressHUDViewIsNillException".
    static std::shared_ptr<ProgressHUD> initWithView(const std::shared_ptr<ui::View>& view);
    static std::shared_ptr<ProgressHUD> initWithWindow(const std::shared_ptr<ui::Window>& window);
    static std::shared_ptr<ProgressHUD> initWithFrame(const ui::Rect& frame);
    ~ProgressHUD() override;

    // Makes an overlay over the view, adds it there and shows it; the view owns it.
    static std::shared_ptr<ProgressHUD> showHUDAddedTo(const std::shared_ptr<ui::View>& view, bool animated);
    // Hides (and then removes) the overlay added last to the view; NO when it has none.
    static bool hideHUDForView(const std::shared_ptr<ui::View>& view, bool animated);

    void show(bool animated);
    void hide(bool animated);
    // Runs the task on a thread of its own with the box shown, then hides on the main thread.
    void showWhileExecuting(std::function<void()> task, bool animated);

    // Any thread.
    int mode() const;
    void setMode(int mode);
    std::optional<std::string> labelText() const;
    void setLabelText(std::optional<std::string> text);
    std::optional<std::string> detailsLabelText() const;
    void setDetailsLabelText(std::optional<std::string> text);
    float progress() const;
    void setProgress(float progress);

    int animationType() const { return animationType_; }
    void setAnimationType(int type) { animationType_ = type; }
    bool useAnimation() const { return useAnimation_; }
    float xOffset() const { return xOffset_; }
    void setXOffset(float x) { xOffset_ = x; setNeedsLayout(); }
    float yOffset() const { return yOffset_; }
    void setYOffset(float y) { yOffset_ = y; setNeedsLayout(); }
    float width() const { return width_; }
    float height() const { return height_; }
    float margin() const { return margin_; }
    void setMargin(float m) { margin_ = m; setNeedsLayout(); }
    bool taskInProgress() const { return taskInProgress_; }
    void setTaskInProgress(bool on) { taskInProgress_ = on; }
    float graceTime() const { return graceTime_; }
    void setGraceTime(float seconds) { graceTime_ = seconds; }
    float minShowTime() const { return minShowTime_; }
    void setMinShowTime(float seconds) { minShowTime_ = seconds; }
    // When the box was last shown, on the main run loop's clock.
    std::optional<double> showStarted() const { return showStarted_; }
    std::shared_ptr<ui::View> indicator() const { return indicator_; }
    const std::shared_ptr<ui::Label>& label() const { return label_; }
    const std::shared_ptr<ui::Label>& detailsLabel() const { return detailsLabel_; }
    std::shared_ptr<ProgressHUDDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(std::weak_ptr<ProgressHUDDelegate> d) { delegate_ = std::move(d); }
    float opacity() const { return opacity_; }
    void setOpacity(float o) { opacity_ = o; setNeedsDisplay(); }
    const ui::Font& labelFont() const { return labelFont_; }
    void setLabelFont(const ui::Font& f) { labelFont_ = f; setNeedsLayout(); }
    const ui::Font& detailsLabelFont() const { return detailsLabelFont_; }
    void setDetailsLabelFont(const ui::Font& f) { detailsLabelFont_ = f; setNeedsLayout(); }
    bool isFinished() const { return isFinished_; }
    bool removeFromSuperViewOnHide() const { return removeFromSuperViewOnHide_; }
    void setRemoveFromSuperViewOnHide(bool on) { removeFromSuperViewOnHide_ = on; }
    std::shared_ptr<ui::View> customView() const { return customView_; }
    void setCustomView(std::shared_ptr<ui::View> view);
    ui::AffineTransform rotationTransform() const { return rotationTransform_; }

    void layoutSubviews() override;
    void drawRect(ui::Canvas& canvas, const ui::Rect& rect) override;

    // The notification the device posts when it turns.
    static constexpr const char* kOrientationDidChange = "ZunoDeviceOrientationDidChange";

private:
    explicit ProgressHUD(const ui::Rect& frame);
    void finishCreation(bool inWindow);
    std::weak_ptr<ProgressHUD> weakSelf();

    // Runs on the main thread now, or is handed to it.
    void onMain(std::function<void(ProgressHUD&)> work);
    void updateIndicators();
    void showUsingAnimation(bool animated);
    void hideUsingAnimation(bool animated);
    void done();
    void cleanUpAfterTask();
    void cancelTimers();
    void deviceOrientationDidChange();
    void setTransformForCurrentOrientation(bool animated);

    mutable std::mutex mutex_;  // the fields that other threads may set
    int mode_ = kIndeterminate;
    std::optional<std::string> labelText_;
    std::optional<std::string> detailsLabelText_;
    float progress_ = 0;

    int animationType_ = kFade;
    std::shared_ptr<std::function<void()>> methodForExecution_;
    bool useAnimation_ = false;
    float yOffset_ = 0, xOffset_ = 0;
    float width_ = 0, height_ = 0;
    float margin_ = 20;
    bool taskInProgress_ = false;
    float graceTime_ = 0;
    float minShowTime_ = 0;
    sys::RunLoop::TimerId graceTimer_ = 0;
    sys::RunLoop::TimerId minShowTimer_ = 0;
    std::optional<double> showStarted_;
    std::shared_ptr<ui::View> indicator_;
    std::shared_ptr<ui::Label> label_;
    std::shared_ptr<ui::Label> detailsLabel_;
    std::weak_ptr<ProgressHUDDelegate> delegate_;
    float opacity_ = 0.8f;
    ui::Font labelFont_ = ui::Font::boldSystemFontOfSize(16);
    ui::Font detailsLabelFont_ = ui::Font::boldSystemFontOfSize(12);
    bool isFinished_ = false;
    bool removeFromSuperViewOnHide_ = false;
    std::shared_ptr<ui::View> customView_;
    ui::AffineTransform rotationTransform_;
};

}  // namespace zuno
