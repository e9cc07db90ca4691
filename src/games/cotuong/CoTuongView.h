#pragma once

#include <memory>
#include <string>

#include "games/board/BoardTableView.h"
#include "games/cotuong/CCBoard.h"
#include "games/cotuong/CoTuongTableScreen.h"

namespace zuno {

// The Co Tuong table: the two-seat board table with the Co Tuong board, turned for the second mover.
class CoTuongView : public BoardTableView, public CoTuongTableScreen {
public:
    CoTuongView() : CoTuongView("CoTuongView") {}
    explicit CoTuongView(std::string nibName);

    void startWithMoveFirst(int32_t whoMoveFirst, int32_t interval) override;
    void moveWithWho(int32_t who, uint8_t from, uint8_t to, int32_t nextMove) override;

    // The names of the current game's sides and whether I am red (the second mover).
    const std::string& red() const { return board->model().red(); }
    const std::string& black() const { return board->model().black(); }
    bool isBottomRed() const { return board->model().isBottomRed(); }

    std::shared_ptr<CCBoard> board = std::make_shared<CCBoard>();

protected:
    void viewDidLoad() override;
    void viewWillDisappear(bool animated) override;
    void clearBoard() override { board->clear(); }
    void requestDraw() override;
};

}  // namespace zuno
