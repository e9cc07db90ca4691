#pragma once

#include "lobby/LobbyScreenEvents.h"
#include "lobby/model/Province.h"
#include "platform/ui/TableView.h"
#include "shell/CustomUIActionSheetViewController.h"

namespace zuno {

class ProfileView;

// The province picker of the personal data: a slide-in sheet listing the provinces; a pick goes to the
// personal-data tab of the profile on top and the sheet slides out.
class ProvinceView : public CustomUIActionSheetViewController,
                     public ProvincePicker,
                     public ui::TableViewDataSource,
                     public ui::TableViewDelegate {
    ZUNO_BINDINGS
public:
    ProvinceView() : ProvinceView("ProvinceView") {}
    explicit ProvinceView(std::string nibName);

    void viewDidLoad() override;
    void setListProvinces(Province::List provinces) override { listProvinces = std::move(provinces); }
    std::shared_ptr<ui::TableView> tableView() const override { return tableView_; }

    int numberOfRowsInSection(ui::TableView& table, int section) override;
    std::shared_ptr<ui::TableViewCell> cellForRowAtIndexPath(ui::TableView& table, ui::IndexPath path) override;
    void didSelectRowAtIndexPath(ui::TableView& table, ui::IndexPath path) override;

    Province::List listProvinces;
    // The profile screen whose personal data get the pick.
    std::weak_ptr<ProfileView> profileView;

private:
    std::shared_ptr<ui::TableView> tableView_;
};

}  // namespace zuno
