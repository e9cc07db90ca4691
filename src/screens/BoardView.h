#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "lobby/LobbyScreenEvents.h"
#include "lobby/model/LobbyRecords.h"
#include "platform/ui/Button.h"
#include "platform/ui/ScrollView.h"
#include "screens/LobbyListScreen.h"

namespace zuno {

class PasswordIntoBoard;

// The table list of one room: a grid of tables, four to a row, each with its seats, a lock for a
// password and the stake. A tap checks on the client whether the table is full, whether the money
// covers the stake and whether a password is needed, then joins.
//
// Its class-level state is set by the games when they are chosen and read here: the kind of table
// list of the current game and the count of table buttons held down.
class BoardView : public LobbyListScreen, public TableListScreen, public ui::ScrollViewDelegate {
    ZUNO_BINDINGS
public:
    static constexpr int kColumns = 4;
    static constexpr double kTileWidth = 90, kTileHeight = 100, kColumnStep = 119, kLeftMargin = 10;
    static constexpr double kHeaderHeight = 290;
    static constexpr int kMarkers = 8;
    // Seat markers in the order they fill: their places within a tile.
    static constexpr std::array<ui::Point, kMarkers> kMarkerOrigins{
        ui::Point{40, 40}, ui::Point{40, 4}, ui::Point{70, 25}, ui::Point{8, 25},
        ui::Point{22, 34}, ui::Point{22, 10}, ui::Point{56, 10}, ui::Point{56, 34}};

    BoardView() : BoardView("BoardView") {}
    explicit BoardView(std::string nibName);

    // Table-list kinds, and the player count from which a table counts as full on the client:
    // 0 two-seat tables (more than 1), 1 card tables (more than 3), 2 (more than 4), 3 Poker (never).
    static int32_t type();
    static void setType(int32_t type);
    static bool isFull(int32_t listType, int8_t nPlayer);

    // Table buttons held down; guards against joining two tables at once.
    static int32_t numOfTouchUp();
    static void setnumOfTouchUp(int32_t count);
    void resetNumOfTouchUp() override { setnumOfTouchUp(0); }

    // The seat markers (1 to 8) a game shows, in the order they fill.
    static std::vector<int> visibleMarkers(int8_t gameType);
    // The picture of marker (1 to 8) for a table of nPlayer players in that game.
    static std::string markerImageName(int marker, int8_t nPlayer, int8_t gameType);
    static std::string tableImageName(int8_t roomLevel);
    // Rows of the grid and its height.
    int numberRowInView() const;
    double heightOfView() const;

    void setRoomId(int8_t room) { roomId_ = room; }
    int8_t roomId() const { return roomId_; }
    void setRoomInfo(std::shared_ptr<RoomInfo> room) { roomInfo_ = std::move(room); }
    const std::shared_ptr<RoomInfo>& roomInfo() const { return roomInfo_; }
    void setListBoard(std::vector<std::shared_ptr<Board>> boards) override { listBoard = std::move(boards); }
    // The table last tapped; nothing when the index is out of the list.
    std::shared_ptr<Board> selectedBoard() const;

    // Redraws the grid of tables.
    void reloadData() override;
    bool isReloading() const override { return LobbyListScreen::isReloading(); }
    void dataSourceDidFinishLoadingNewData() override { LobbyListScreen::dataSourceDidFinishLoadingNewData(); }
    // Shows the room's name and number in the top bar.
    void setTitle();

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;

    void doTouchDown(ui::Object* sender);
    void doTouchUpOutside(ui::Object* sender);
    void doJoinBoard(ui::Button* sender);

    void scrollViewDidScroll(ui::ScrollView& scrollView) override { pullDidScroll(scrollView); }
    void scrollViewDidEndDragging(ui::ScrollView& scrollView, bool) override { pullDidEndDragging(scrollView); }

    std::vector<std::shared_ptr<Board>> listBoard;
    // An index into listBoard; -1 before any tap.
    int selectedBoardIndex = -1;
    std::shared_ptr<ui::ScrollView> scrollView;
    std::shared_ptr<PasswordIntoBoard> passIntoBoard;

protected:
    ui::ScrollView* listView() const override { return scrollView.get(); }
    void requestList() override;

private:
    std::shared_ptr<ui::View> makeTile(size_t index, const Board& board) const;

    int8_t roomId_ = 0;
    std::shared_ptr<RoomInfo> roomInfo_;
};

}  // namespace zuno
