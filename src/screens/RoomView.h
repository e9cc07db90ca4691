#pragma once

#include <map>
#include <memory>
#include <vector>

#include "lobby/LobbyScreenEvents.h"
#include "lobby/model/LobbyRecords.h"
#include "platform/ui/TableView.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// The room list.
class RoomView : public ZunoViewController, public RoomListScreen {
public:
    using ZunoViewController::ZunoViewController;
    using Rooms = std::vector<std::shared_ptr<RoomInfo>>;

    void setRoomList(Rooms rooms) override {}
    // The rooms of each level 0, 1 and 2, one table section per level.
    void setNames(std::map<int, Rooms> names) override {}
    void setKeys(std::vector<int> keys) override {}
    std::shared_ptr<ui::TableView> tableView() const override { return nullptr; }
    // A pull-to-refresh is running.
    bool isReloading() const override { return false; }
    void dataSourceDidFinishLoadingNewData() override {}
};

}  // namespace zuno
