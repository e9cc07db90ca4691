#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "lobby/model/ShopRecords.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/TableView.h"
#include "platform/ui/TableViewCell.h"
#include "screens/ProfileTabs.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// A row of the owned assets, from the interface file "cellAssetsView".
class cellAssetsView : public ui::TableViewCell {
    ZUNO_BINDINGS
public:
    static constexpr const char* kReuseIdentifier = "cellAssetsView ";  // with its trailing blank

    explicit cellAssetsView(std::optional<std::string> reuseIdentifier = std::nullopt);
    static std::shared_ptr<cellAssetsView> load();

    std::shared_ptr<ui::ImageView> imgIcon;
    std::shared_ptr<ui::Label> lblName, lblDescription, lblAmount;
};

// The player's presents and event items (a tab of the own profile): a tap opens one on the server,
// and an opening the server accepts removes it.
class AssetsView : public ZunoViewController, public OwnedItemsTab, public ui::TableViewDataSource, public ui::TableViewDelegate {
    ZUNO_BINDINGS
public:
    static constexpr double kRowHeight = 50;

    AssetsView() : AssetsView("AssetsView") {}
    explicit AssetsView(std::string nibName);

    void viewDidLoad() override;

    void updateViewWithAssets(std::vector<std::shared_ptr<Asset>> assets) override;
    // Every row drawn on a fresh cell until the last one.
    void forceReloadTableView();
    // Removes the asset just opened.
    void deleteAsset() override;

    int numberOfRowsInSection(ui::TableView& table, int section) override;
    std::shared_ptr<ui::TableViewCell> cellForRowAtIndexPath(ui::TableView& table, ui::IndexPath path) override;
    std::optional<double> heightForRowAtIndexPath(ui::TableView&, ui::IndexPath) override { return kRowHeight; }
    void didSelectRowAtIndexPath(ui::TableView& table, ui::IndexPath path) override;

    std::shared_ptr<ui::TableView> myTableView;
    std::vector<std::shared_ptr<Asset>> myAssets;
    bool forcingReload = false;  // the flag `forceReloadTableView` of the rows
    int32_t rowIndex = -1;
    // The id of the asset last tapped: the one the server's opening answers.
    int32_t openedAssetId = 0;
};

}  // namespace zuno
