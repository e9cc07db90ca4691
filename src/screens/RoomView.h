#pragma once

#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "lobby/LobbyScreenEvents.h"
#include "lobby/model/LobbyRecords.h"
#include "platform/ui/TableView.h"
#include "screens/LobbyListScreen.h"

namespace zuno {

// The room list of the chosen game: one section per room level (0, 1, 2), each room with its
// occupancy bar; a room opens its table list.
class RoomView : public LobbyListScreen, public RoomListScreen, public ui::TableViewDataSource, public ui::TableViewDelegate {
    ZUNO_BINDINGS
public:
    using Rooms = std::vector<std::shared_ptr<RoomInfo>>;

    static constexpr double kRowHeight = 40;
    static constexpr double kHeaderHeight = 20;
    // A room holds this many places; the bar shows how many are taken.
    static constexpr int kRoomPlaces = 120;
    // A bar cell is full when the fullness is strictly above its threshold. The thresholds are
    // exact decimals, not rounded to single precision: a fifth taken (0.2 in single precision is a
    // hair above 0.2) fills the second cell.
    static constexpr std::array<double, 5> kCellThresholds{0, 0.2, 0.5, 0.7, 0.95};

    RoomView() : RoomView("RoomView") {}
    explicit RoomView(std::string nibName);

    // The taken share of a room's places, in single precision as the bar compares it.
    static float fullness(int8_t roomFree);
    // The picture of a room level; empty for a level other than 0, 1 and 2.
    static std::string levelImageName(int level);
    static std::string levelTitleKey(int level);

    // The class-level room name.
    static std::string gameRoomName();
    static void setGameRoomName(std::string name);

    void setRoomList(Rooms rooms) override { roomList = std::move(rooms); }
    // The rooms of each level 0, 1 and 2, one table section per level.
    void setNames(std::map<int, Rooms> groups) override { names = std::move(groups); }
    void setKeys(std::vector<int> sorted) override { keys = std::move(sorted); }
    std::shared_ptr<ui::TableView> tableView() const override { return tableView_; }
    bool isReloading() const override { return LobbyListScreen::isReloading(); }
    void dataSourceDidFinishLoadingNewData() override { LobbyListScreen::dataSourceDidFinishLoadingNewData(); }

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;
    void refreshTableView(ui::TableView& table) { table.reloadData(); }

    int numberOfSectionsInTableView(ui::TableView& table) override;
    int numberOfRowsInSection(ui::TableView& table, int section) override;
    std::shared_ptr<ui::TableViewCell> cellForRowAtIndexPath(ui::TableView& table, ui::IndexPath path) override;
    std::optional<double> heightForRowAtIndexPath(ui::TableView& table, ui::IndexPath path) override;
    std::shared_ptr<ui::View> viewForHeaderInSection(ui::TableView& table, int section) override;
    std::optional<double> heightForHeaderInSection(ui::TableView& table, int section) override;
    void didSelectRowAtIndexPath(ui::TableView& table, ui::IndexPath path) override;
    void scrollViewDidScroll(ui::ScrollView& scrollView) override { pullDidScroll(scrollView); }
    void scrollViewDidEndDragging(ui::ScrollView& scrollView, bool) override { pullDidEndDragging(scrollView); }

    Rooms roomList;
    std::map<int, Rooms> names;
    std::vector<int> keys;

protected:
    ui::ScrollView* listView() const override { return tableView_.get(); }
    void requestList() override;

private:
    // The rooms of a section; empty for a section out of range.
    const Rooms& roomsOfSection(int section) const;

    std::shared_ptr<ui::TableView> tableView_;
};

}  // namespace zuno
