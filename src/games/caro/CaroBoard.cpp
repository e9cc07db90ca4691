#include "games/caro/CaroBoard.h"

#include "platform/ui/Canvas.h"
#include "platform/ui/GestureRecognizer.h"
#include "platform/ui/Image.h"
#include "platform/ui/Window.h"
#include "shell/CustomUIScrollView.h"

namespace zuno {

namespace {
constexpr int kFrameTag = -1;
constexpr double kDropSeconds = 0.5;

double gRememberedZoom = 1.0;

int stoneTag(int32_t x, int32_t y) { return x * 100 + y; }

ui::Rect centredSquare(CaroPoint centre, double side) {
    return {centre.x - side / 2, centre.y - side / 2, side, side};
}
}  // namespace

// ---- CaroBorder

CaroBorder::CaroBorder(const ui::Rect& frame) : ui::View(frame) {
    setBackgroundColor(ui::Color::clear());
    setUserInteractionEnabled(true);
    const double side = CaroCell::realCellWidth() - 2;
    borderCurrentCell_ = std::make_shared<ui::ImageView>(ui::Image::imageNamed("border-moved.png"));
    borderCurrentCell_->setFrame({0, 0, side, side});
    borderCurrentCell_->setTag(kFrameTag);
    borderCurrentCell_->setHidden(true);
    addSubview(borderCurrentCell_);
}

void CaroBorder::setWinLine(std::optional<std::pair<CaroPoint, CaroPoint>> line) {
    winLine_ = line;
    setNeedsDisplay();
}

void CaroBorder::insertViewWithView(const std::shared_ptr<ui::ImageView>& stone) {
    insertSubview(stone, int(subviews().size()) - 1);  // under the frame of the last stone
    const ui::Rect full = stone->frame();
    const double side = full.width() / 3;
    std::weak_ptr<ui::View> weakStone = stone;
    std::weak_ptr<ui::Responder> weakSelf = weak_from_this();
    ui::View::animate(
        kDropSeconds, [&] { stone->setBounds({0, 0, side, side}); },
        [weakStone, weakSelf](bool) {
            auto self = std::static_pointer_cast<CaroBorder>(weakSelf.lock());
            auto dropped = weakStone.lock();
            if (self && dropped && dropped->superview().get() == self.get()) self->moveBorder(*dropped);
        });
}

void CaroBorder::moveBorder(const ui::View& stone) {
    borderCurrentCell_->setCenter(stone.center());
    borderCurrentCell_->setHidden(false);
    bringSubviewToFront(borderCurrentCell_.get());
}

void CaroBorder::removeAllSubviews() {
    for (const auto& sub : std::vector<std::shared_ptr<ui::View>>(subviews()))
        if (sub->tag() != kFrameTag) sub->removeFromSuperview();
    borderCurrentCell_->setHidden(true);
}

void CaroBorder::drawRect(ui::Canvas& canvas, const ui::Rect&) {
    const double side = CaroBoardModel::realBoardSize();
    if (auto grid = ui::Image::imageNamed("caro-grid.png")) canvas.drawImage(*grid, ui::Rect(0, 0, side, side));
    if (!winLine_) return;
    canvas.setStrokeColor(ui::Color::red());
    canvas.setLineWidth(1);
    canvas.beginPath();
    canvas.moveTo(winLine_->first);
    canvas.lineTo(winLine_->second);
    canvas.strokePath();
}

std::vector<ui::Rect> CaroBorder::playFrames() const {
    std::vector<ui::Rect> stones;
    for (const auto& sub : subviews())
        if (sub->tag() != kFrameTag && !sub->isHidden()) stones.push_back(sub->frame());
    return stones;
}

// ---- CaroBoard

class CaroBoard::ZoomDelegate : public ui::ScrollViewDelegate {
public:
    explicit ZoomDelegate(CaroBoard& board) : board_(board) {}
    std::shared_ptr<ui::View> viewForZoomingInScrollView(ui::ScrollView&) override { return board_.viewCaroBoard_; }
    void scrollViewDidEndZooming(ui::ScrollView&, ui::View*, double scale) override { board_.didEndZooming(scale); }
    // Content set at once (the wheel's notches too) rests where it is; a drag, a glide or an animation
    // rests when it ends.
    void scrollViewDidScroll(ui::ScrollView& scroll) override {
        if (!scroll.isDragging() && !scroll.isMovingByItself()) board_.shownPartMoved();
    }
    void scrollViewDidEndDragging(ui::ScrollView&, bool willDecelerate) override {
        if (!willDecelerate) board_.shownPartMoved();
    }
    void scrollViewDidEndDecelerating(ui::ScrollView&) override { board_.shownPartMoved(); }
    void scrollViewDidEndScrollingAnimation(ui::ScrollView&) override { board_.shownPartMoved(); }

private:
    CaroBoard& board_;
};

const ui::BindingTable& CaroBoard::bindings() {
    using B = ui::Bind<CaroBoard>;
    static const ui::BindingTable table(&ui::View::bindings(),
                                        {B::action("handleDoubleTap:", &CaroBoard::handleDoubleTap),
                                         B::action("handleTwoFingerTap:", &CaroBoard::handleTwoFingerTap)});
    return table;
}

std::shared_ptr<CaroBoard> CaroBoard::create(const ui::Rect& frame) {
    std::shared_ptr<CaroBoard> board(new CaroBoard(frame));
    auto doubleTap = std::make_shared<ui::TapGestureRecognizer>(board, "handleDoubleTap:");
    doubleTap->setNumberOfTapsRequired(2);
    auto twoFingerTap = std::make_shared<ui::TapGestureRecognizer>(board, "handleTwoFingerTap:");
    twoFingerTap->setNumberOfTouchesRequired(2);
    board->viewCaroBoard_->addGestureRecognizer(doubleTap);
    board->viewCaroBoard_->addGestureRecognizer(twoFingerTap);
    return board;
}

CaroBoard::CaroBoard(const ui::Rect& frame) : ui::View(frame) {
    const double w = frame.width();
    CaroBoardModel::setGeometryWithFrameWidth(w);
    setBackgroundColor(ui::Color::clear());
    viewCaroBoard_ = std::make_shared<CaroBorder>(ui::Rect(0, 0, 2 * w, 2 * w));
    zoomDelegate_ = std::make_shared<ZoomDelegate>(*this);
    scrollCaroBoard_ = std::make_shared<CustomUIScrollView>(ui::Rect(0, 0, w, frame.height()));
    scrollCaroBoard_->setBackgroundColor(ui::Color::clear());
    scrollCaroBoard_->setDelegate(zoomDelegate_);
    scrollCaroBoard_->setScrollEnabled(true);
    scrollCaroBoard_->setBounces(false);
    scrollCaroBoard_->addSubview(viewCaroBoard_);
    scrollCaroBoard_->setContentSize({2 * w, 2 * w});
    addSubview(scrollCaroBoard_);
    scrollCaroBoard_->setMinimumZoomScale(kMinimumZoom);
    scrollCaroBoard_->setMaximumZoomScale(kMaximumZoom);
    scrollCaroBoard_->setZoomScale(gRememberedZoom);
    model_.setObserver(this);
    model_.reset();
}

CaroBoard::~CaroBoard() {
    cancelPendingTap();
    model_.setObserver(nullptr);
}

double CaroBoard::rememberedZoomScale() { return gRememberedZoom; }

void CaroBoard::moveWithX(int32_t x, int32_t y, bool bringIntoView) {
    bringNextIntoView_ = bringIntoView;
    model_.moveWithX(x, y, CaroCell::kStone);
    bringNextIntoView_ = false;
}

void CaroBoard::moveAndWinWithX(int8_t x, int8_t y, int8_t winX, int8_t winY, int8_t winDx, int8_t winDy) {
    model_.moveAndWinWithX(x, y, winX, winY, winDx, winDy, CaroCell::kStone);
}

void CaroBoard::caroBoardDidReset() {
    viewCaroBoard_->removeAllSubviews();
    viewCaroBoard_->setWinLine(std::nullopt);
}

void CaroBoard::caroBoardDidPlaceStone(const CaroCell& cell) {
    const int w = CaroCell::realCellWidth();
    auto stone = std::make_shared<ui::ImageView>(
        ui::Image::imageNamed(cell.cellValue() == CaroCell::kValueX ? model_.imgX() : model_.imgO()));
    stone->setTag(stoneTag(cell.x(), cell.y()));
    const CaroPoint centre = CaroUtils::convertBoardPointToScreenPointWithX(cell.x(), cell.y());
    stone->setFrame(centredSquare(centre, 3 * w - 18));
    viewCaroBoard_->insertViewWithView(stone);
    if (!bringNextIntoView_) return;
    const ui::Rect target = zoomRectForScale(scrollCaroBoard_->zoomScale(), centre);
    scrollCaroBoard_->zoomToRect(target, true);
}

void CaroBoard::caroBoardDidSetWinLine() {
    viewCaroBoard_->setWinLine(std::make_pair(model_.winPoint1(), model_.winPoint2()));
}

void CaroBoard::tapAt(ui::Point gridPoint) {
    const CaroCell* cell = model_.cellForTap(gridPoint, isMyTurn && isMyTurn());
    if (cell && onMove) onMove(static_cast<int8_t>(cell->x()), static_cast<int8_t>(cell->y()));
}

void CaroBoard::touchesEnded(const ui::TouchSet& touches, const ui::Event&) {
    if (touches.empty() || touches.front()->tapCount() != 1) return;
    // The first click of a double click zooms; it must not also place a stone.
    cancelPendingTap();
    const ui::Point at = touches.front()->locationInView(viewCaroBoard_.get());
    std::weak_ptr<ui::Responder> weak = weak_from_this();
    pendingTap_ = sys::RunLoop::main().postDelayed(ui::Window::kMultiTapInterval, [weak, at] {
        auto self = std::static_pointer_cast<CaroBoard>(weak.lock());
        if (!self) return;
        self->pendingTap_ = 0;
        self->tapAt(at);
    });
}

void CaroBoard::cancelPendingTap() {
    if (pendingTap_) sys::RunLoop::main().cancel(pendingTap_);
    pendingTap_ = 0;
}

ui::Rect CaroBoard::zoomRectForScale(double scale, ui::Point center) const {
    const ui::Rect frame = scrollCaroBoard_->frame();
    const double width = frame.width() / scale;
    const double height = frame.height() / scale;
    return {center.x - width / 2, center.y - height / 2, width, height};
}

void CaroBoard::zoomInAt(ui::Point gridPoint) {
    scrollCaroBoard_->zoomToRect(zoomRectForScale(scrollCaroBoard_->zoomScale() * kZoomStep, gridPoint), true);
}

void CaroBoard::zoomOutAt(ui::Point gridPoint) {
    scrollCaroBoard_->zoomToRect(zoomRectForScale(scrollCaroBoard_->zoomScale() / kZoomStep, gridPoint), true);
}

void CaroBoard::didEndZooming(double scale) {
    gRememberedZoom = scale;
    viewCaroBoard_->setNeedsDisplay();
    shownPartMoved();
}

void CaroBoard::shownPartMoved() {
    if (onShownPartMoved) onShownPartMoved();
}

ui::Point CaroBoard::gestureLocation(ui::Object* sender) const {
    auto* gesture = dynamic_cast<ui::GestureRecognizer*>(sender);
    return gesture ? gesture->locationInView(viewCaroBoard_.get()) : ui::Point{};
}

void CaroBoard::handleDoubleTap(ui::Object* sender) {
    cancelPendingTap();
    zoomInAt(gestureLocation(sender));
}

void CaroBoard::handleTwoFingerTap(ui::Object* sender) { zoomOutAt(gestureLocation(sender)); }

}  // namespace zuno
