#pragma once

#include "lobby/model/Province.h"
#include "platform/ui/TableView.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// The province picker of the personal data.
class ProvinceView : public ZunoViewController {
public:
    using ZunoViewController::ZunoViewController;

    virtual void setListProvinces(Province::List provinces) {}
    virtual std::shared_ptr<ui::TableView> tableView() const { return nullptr; }
};

}  // namespace zuno
