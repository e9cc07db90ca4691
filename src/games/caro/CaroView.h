#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "games/board/BoardTableView.h"
#include "games/caro/CaroBoard.h"
#include "games/caro/CaroTableScreen.h"
#include "games/caro/menuSpeed.h"

namespace zuno {

// The Caro table: the two-seat board table with the zoomable 20 x 20 grid in the middle, the speed
// sheet for the owner, and the stone of each player shown at the seats during a game.
class CaroView : public BoardTableView, public CaroTableScreen {
    ZUNO_BINDINGS
public:
    static constexpr double kBoardSide = 280;

    CaroView() : CaroView("CaroView") {}
    explicit CaroView(std::string nibName);

    void startWithMoveFirst(int32_t whoMoveFirst, int32_t interval) override;
    void moveWithWho(int32_t who, int8_t x, int8_t y, int32_t nextMove) override;
    void moveAndWinWithWhoWin(int32_t whoWin, int8_t x, int8_t y, int8_t winX, int8_t winY, int8_t winDx,
                              int8_t winDy) override;

    void clickSetSpeed();
    // The speed the next start request carries: 0 faster, 1 normal, 2 slower.
    int8_t customInterval = menuSpeed::kNormal;

    // The board of the table; a new one each time the screen appears between games.
    std::shared_ptr<CaroBoard> board;
    std::shared_ptr<menuSpeed> optionSpeed;
    // The source of chance for the stone pictures (tests fix it).
    std::function<uint32_t()> random;

protected:
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void clearBoard() override;
    void sendStart() override;
    void requestDraw() override;
    std::vector<BoardRightEntry> rightEntries(int kind) const override;

private:
    void placeBoard();
};

}  // namespace zuno
