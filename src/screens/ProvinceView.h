#pragma once

#include "lobby/LobbyScreenEvents.h"
#include "lobby/model/Province.h"
#include "platform/ui/TableView.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// The province picker of the personal data.
class ProvinceView : public ZunoViewController, public ProvincePicker {
public:
    using ZunoViewController::ZunoViewController;

    void setListProvinces(Province::List provinces) override {}
    std::shared_ptr<ui::TableView> tableView() const override { return nullptr; }
};

}  // namespace zuno
