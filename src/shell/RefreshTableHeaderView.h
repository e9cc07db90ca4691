#pragma once

#include <memory>
#include <optional>

#include "platform/ui/ActivityIndicatorView.h"
#include "platform/ui/Label.h"
#include "platform/ui/Layer.h"
#include "platform/ui/View.h"

namespace zuno {

// The pull-to-refresh header a list places just above its first row: an arrow and a status text while
// pulling, a spinner while loading, and the time of the last refresh. It only shows states; the owning
// screen watches the scroll offset and sets them.
class RefreshTableHeaderView : public ui::View {
public:
    enum State { kPulling = 0, kNormal = 1, kLoading = 2 };
    static constexpr double kArrowSeconds = 0.18;

    explicit RefreshTableHeaderView(const ui::Rect& frame);
    // Just above the content of a list of the given frame, with a border of 1 point.
    static std::shared_ptr<RefreshTableHeaderView> initWithFrameRelativeToFrame(const ui::Rect& frame);

    int state() const { return state_; }
    void setState(int state);
    void setCurrentDate();
    // Without a date (seconds since 1970): the never-updated text.
    void setLastRefreshDate(std::optional<double> date);

    std::optional<ui::Color> bottomBorderColor() const { return bottomBorderColor_; }
    void setBottomBorderColor(std::optional<ui::Color> color);
    double bottomBorderThickness() const { return bottomBorderThickness_; }
    void setBottomBorderThickness(double thickness);

    void drawRect(ui::Canvas& canvas, const ui::Rect& rect) override;

    std::shared_ptr<ui::Label> lastUpdatedLabel;
    std::shared_ptr<ui::Label> statusLabel;
    std::shared_ptr<ui::Layer> arrowImage;
    std::shared_ptr<ui::ActivityIndicatorView> activityView;

private:
    int state_ = kNormal;
    std::optional<ui::Color> bottomBorderColor_;
    double bottomBorderThickness_ = 0;
};

}  // namespace zuno
