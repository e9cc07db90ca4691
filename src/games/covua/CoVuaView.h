#pragma once

#include <memory>
#include <string>

#include "games/board/BoardTableView.h"
#include "games/covua/CoVuaBoardView.h"
#include "games/covua/CoVuaTableScreen.h"
#include "games/covua/PhongCapView.h"

namespace zuno {

// The Co Vua table: the two-seat board table with the chess board, the local player's pieces at the
// bottom, and the promotion chooser.
class CoVuaView : public BoardTableView, public CoVuaTableScreen {
    ZUNO_BINDINGS
public:
    CoVuaView() : CoVuaView("CoVuaView") {}
    explicit CoVuaView(std::string nibName);

    // CoVuaTableScreen.
    void startWithMoveFirst(int32_t whoFirst, int32_t interval) override;
    void moveWithWho(int32_t whoMove, int8_t x, int8_t y, int32_t nextMove, int32_t quotaTime) override;
    void intoPalaceWithWhoMove(int32_t whoMove, int type) override;
    void setElevateIndex(int8_t type) override;
    void fElevate(int32_t who) override;
    void setFindKing(int8_t side) override;

    void closeBoardWithInfo(const std::string& info) override;

    // The local player's promotion choice (5 queen, 4 rook, 3 bishop, 2 knight), sent to the server.
    void sendElevateIndex(int8_t type);
    // The local player plays White.
    bool isWhite() const { return board->game().getColoCurentPlay(); }
    // The promotion chooser is over the screen.
    bool isChooserShown() const;

    std::shared_ptr<CoVuaBoardView> board = std::make_shared<CoVuaBoardView>();
    std::shared_ptr<PhongCapView> pcView;

protected:
    void viewDidLoad() override;
    void viewWillDisappear(bool animated) override;
    void clearBoard() override;
    void requestDraw() override;
    int32_t quotaMilliseconds(int32_t quotaTime) const override;

private:
    void closeChooser();
};

}  // namespace zuno
