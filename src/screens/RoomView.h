#pragma once

#include <map>
#include <memory>
#include <vector>

#include "lobby/model/LobbyRecords.h"
#include "platform/ui/TableView.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// The room list.
class RoomView : public ZunoViewController {
public:
    using ZunoViewController::ZunoViewController;
    using Rooms = std::vector<std::shared_ptr<RoomInfo>>;

    virtual void setRoomList(Rooms rooms) {}
    // The rooms of each level 0, 1 and 2, one table section per level.
    virtual void setNames(std::map<int, Rooms> names) {}
    virtual void setKeys(std::vector<int> keys) {}
    virtual std::shared_ptr<ui::TableView> tableView() const { return nullptr; }
    // A pull-to-refresh is running.
    virtual bool isReloading() const { return false; }
    virtual void dataSourceDidFinishLoadingNewData() {}
};

}  // namespace zuno
