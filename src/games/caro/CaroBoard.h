#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "games/caro/CaroBoardModel.h"
#include "platform/core/RunLoop.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/View.h"
#include "table/ShowsPlay.h"

namespace zuno {

class CaroBoard;

// The drawn grid of a Caro board, twice as wide as the board's frame: the grid picture, the winning
// line over it and the stones as its subviews (tagged x * 100 + y), with the frame around the last
// stone (tag -1). It is what the board's scroll view zooms. Its stones are play, the grid between
// them room for a bubble.
class CaroBorder : public ui::View, public ShowsPlay {
public:
    explicit CaroBorder(const ui::Rect& frame);

    // The ends of the winning line in grid coordinates, or none.
    void setWinLine(std::optional<std::pair<CaroPoint, CaroPoint>> line);
    // Adds a stone, dropping in from three times its size.
    void insertViewWithView(const std::shared_ptr<ui::ImageView>& stone);
    // Shows the frame around a stone.
    void moveBorder(const ui::View& stone);
    // Removes every stone and hides the frame.
    void removeAllSubviews();
    const std::shared_ptr<ui::ImageView>& borderCurrentCell() const { return borderCurrentCell_; }

    void drawRect(ui::Canvas& canvas, const ui::Rect& rect) override;
    std::vector<ui::Rect> playFrames() const override;
    std::optional<ui::Rect> boardFrame() const override { return bounds(); }

private:
    std::shared_ptr<ui::ImageView> borderCurrentCell_;
    std::optional<std::pair<CaroPoint, CaroPoint>> winLine_;
};

// The Caro board of a table: a scroll view the size of the frame over the grid, zoomable from 0.5 to
// 2.0 (the last zoom chosen carries over to the next board). The stones follow the model; a tap on a
// free cell on the player's turn is handed to `onMove` (nothing is placed until the server answers).
// A double tap zooms in 1.5 times, a two-finger tap (the right button) zooms out.
class CaroBoard : public ui::View, private CaroBoardObserver {
    ZUNO_BINDINGS
public:
    static constexpr double kMinimumZoom = 0.5;
    static constexpr double kMaximumZoom = 2.0;
    static constexpr double kZoomStep = 1.5;

    static std::shared_ptr<CaroBoard> create(const ui::Rect& frame);
    ~CaroBoard() override;

    // The zoom the next board starts at.
    static double rememberedZoomScale();

    CaroBoardModel& model() { return model_; }
    const CaroBoardModel& model() const { return model_; }
    const std::shared_ptr<ui::ScrollView>& scrollCaroBoard() const { return scrollCaroBoard_; }
    const std::shared_ptr<CaroBorder>& viewCaroBoard() const { return viewCaroBoard_; }

    // Whether the viewer is to move (asked at every tap) and where a requested move goes.
    std::function<bool()> isMyTurn;
    std::function<void(int8_t x, int8_t y)> onMove;
    // The part of the grid in sight has come to rest elsewhere (scrolled or zoomed), its stones with it.
    std::function<void()> onShownPartMoved;

    void reset() { model_.reset(); }
    void initXO(const std::function<uint32_t()>& random) { model_.initXO(random); }
    // A stone the server announced; `bringIntoView` scrolls to it (the opponent's move).
    void moveWithX(int32_t x, int32_t y, bool bringIntoView);
    void moveAndWinWithX(int8_t x, int8_t y, int8_t winX, int8_t winY, int8_t winDx, int8_t winDy);

    // A tap at a point of the grid view.
    void tapAt(ui::Point gridPoint);
    // A single tap waits until it cannot be the first of a double tap.
    bool hasPendingTap() const { return pendingTap_ != 0; }
    ui::Rect zoomRectForScale(double scale, ui::Point center) const;
    void zoomInAt(ui::Point gridPoint);
    void zoomOutAt(ui::Point gridPoint);
    // The scroll view's zoom came to rest.
    void didEndZooming(double scale);
    // The scroll view's content came to rest elsewhere.
    void shownPartMoved();

    void handleDoubleTap(ui::Object* sender);
    void handleTwoFingerTap(ui::Object* sender);
    void touchesEnded(const ui::TouchSet& touches, const ui::Event& event) override;

private:
    explicit CaroBoard(const ui::Rect& frame);
    void caroBoardDidReset() override;
    void caroBoardDidPlaceStone(const CaroCell& cell) override;
    void caroBoardDidSetWinLine() override;
    ui::Point gestureLocation(ui::Object* sender) const;
    void cancelPendingTap();

    class ZoomDelegate;
    CaroBoardModel model_;
    std::shared_ptr<ui::ScrollView> scrollCaroBoard_;
    std::shared_ptr<CaroBorder> viewCaroBoard_;
    std::shared_ptr<ZoomDelegate> zoomDelegate_;
    bool bringNextIntoView_ = false;
    sys::RunLoop::TimerId pendingTap_ = 0;
};

}  // namespace zuno
