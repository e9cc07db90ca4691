#include "shell/RefreshTableHeaderView.h"

#include <cmath>

#include "platform/core/Clock.h"
#include "platform/core/Format.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Image.h"
#include "shell/Resources.h"

namespace zuno {

namespace {
std::shared_ptr<ui::Label> makeLabel(const ui::Rect& frame, const ui::Font& font) {
    auto label = std::make_shared<ui::Label>(frame);
    label->setFont(font);
    label->setAutoresizingMask(ui::Autoresizing::FlexibleWidth);
    label->setTextColor(ui::Color::white());
    label->setShadowColor(ui::Color::white(0.9, 1));
    label->setShadowOffset({0, 1});
    label->setBackgroundColor(ui::Color::clear());
    label->setTextAlignment(ui::TextAlignment::Center);
    return label;
}

// Changes made inside run without an animation.
template <class F>
void withoutAnimation(F&& changes) {
    ui::Transaction::begin();
    ui::Transaction::setDisableActions(true);
    changes();
    ui::Transaction::commit();
}

template <class F>
void animatedArrow(F&& changes) {
    ui::Transaction::begin();
    ui::Transaction::setAnimationDuration(RefreshTableHeaderView::kArrowSeconds);
    changes();
    ui::Transaction::commit();
}

std::string text(const char* key) { return Resources::getInstance().textForKey(key); }
}  // namespace

RefreshTableHeaderView::RefreshTableHeaderView(const ui::Rect& frame) : ui::View(frame) {
    const double h = frame.size.height;
    const double w = frame.size.width;
    setAutoresizingMask(ui::Autoresizing::FlexibleWidth);
    lastUpdatedLabel = makeLabel(ui::Rect(0, h - 30, w, 20), ui::Font::systemFontOfSize(12));
    addSubview(lastUpdatedLabel);
    statusLabel = makeLabel(ui::Rect(0, h - 48, w, 20), ui::Font::boldSystemFontOfSize(13));
    addSubview(statusLabel);
    setState(kNormal);

    arrowImage = std::make_shared<ui::Layer>();
    withoutAnimation([&] {
        arrowImage->setFrame(ui::Rect(25, h - 65, 30, 55));
        arrowImage->setContentsGravity(ui::ContentsGravity::ResizeAspect);
        arrowImage->setContents(ui::Image::imageNamed("blueArrow.png"));
    });
    layer().addSublayer(arrowImage);

    activityView = std::make_shared<ui::ActivityIndicatorView>(ui::ActivityIndicatorView::Style::White);
    activityView->setFrame(ui::Rect(25, h - 38, 20, 20));
    activityView->setHidesWhenStopped(true);
    addSubview(activityView);
}

std::shared_ptr<RefreshTableHeaderView> RefreshTableHeaderView::initWithFrameRelativeToFrame(const ui::Rect& frame) {
    auto header = std::make_shared<RefreshTableHeaderView>(
        ui::Rect(0, -frame.size.height, frame.size.width, frame.size.height));
    header->setBottomBorderThickness(1);
    return header;
}

void RefreshTableHeaderView::setState(int state) {
    switch (state) {
        case kPulling:
            statusLabel->setText(text("ZUNO_releaseToRefresh"));
            if (arrowImage) animatedArrow([&] { arrowImage->setTransform(ui::AffineTransform::rotation(M_PI)); });
            break;
        case kNormal:
            statusLabel->setText(text("ZUNO_pullDownToRefresh"));
            if (activityView) activityView->stopAnimating();
            if (!arrowImage) break;
            if (state_ == kPulling) {
                // The turn back runs; the arrow only needs to be shown.
                animatedArrow([&] { arrowImage->setTransform(ui::AffineTransform()); });
                withoutAnimation([&] { arrowImage->setHidden(false); });
            } else {
                withoutAnimation([&] {
                    arrowImage->setHidden(false);
                    arrowImage->setTransform(ui::AffineTransform());
                });
            }
            break;
        case kLoading:
            statusLabel->setText(text("ZUNO_load"));
            if (arrowImage) withoutAnimation([&] { arrowImage->setHidden(true); });
            if (activityView) activityView->startAnimating();
            break;
        default:
            break;
    }
    state_ = state;
}

void RefreshTableHeaderView::setCurrentDate() { setLastRefreshDate(sys::currentTimeSeconds()); }

void RefreshTableHeaderView::setLastRefreshDate(std::optional<double> date) {
    if (date) {
        lastUpdatedLabel->setText(text("ZUNO_lastUpdate") + ": " + sys::formatShortDateTime(*date));
    } else {
        lastUpdatedLabel->setText(text("ZUNO_neverUpdate"));
    }
}

void RefreshTableHeaderView::setBottomBorderColor(std::optional<ui::Color> color) {
    bottomBorderColor_ = color;
    setNeedsDisplay();
}

void RefreshTableHeaderView::setBottomBorderThickness(double thickness) {
    bottomBorderThickness_ = thickness;
    setNeedsDisplay();
}

void RefreshTableHeaderView::drawRect(ui::Canvas& canvas, const ui::Rect&) {
    if (bottomBorderThickness_ == 0) return;
    const ui::Size size = bounds().size;
    const double y = size.height - bottomBorderThickness_ / 2;
    canvas.setStrokeColor(bottomBorderColor_.value_or(ui::Color::rgb255(160, 173, 182)));
    canvas.setLineWidth(bottomBorderThickness_);
    canvas.beginPath();
    canvas.moveTo({0, y});
    canvas.lineTo({size.width, y});
    canvas.strokePath();
}

}  // namespace zuno
