#include "money/AssetsView.h"

#include <algorithm>

#include "lobby/GlobalService.h"
#include "platform/core/Log.h"
#include "platform/ui/InterfaceLoader.h"
#include "platform/ui/ScreenFactory.h"
#include "shell/Resources.h"

namespace zuno {

// ---- cellAssetsView

const ui::BindingTable& cellAssetsView::bindings() {
    using B = ui::Bind<cellAssetsView>;
    static const ui::BindingTable table(&ui::Responder::bindings(),
                                        {B::outlet("imgIcon", &cellAssetsView::imgIcon),
                                         B::outlet("lblName", &cellAssetsView::lblName),
                                         B::outlet("lblDescription", &cellAssetsView::lblDescription),
                                         B::outlet("lblAmount", &cellAssetsView::lblAmount)});
    return table;
}

cellAssetsView::cellAssetsView(std::optional<std::string> reuseIdentifier)
    : ui::TableViewCell(ui::TableViewCell::Style::Default, std::move(reuseIdentifier)) {}

std::shared_ptr<cellAssetsView> cellAssetsView::load() {
    auto cell = std::make_shared<cellAssetsView>(std::string(kReuseIdentifier));
    auto result = ui::InterfaceLoader::load("cellAssetsView", *cell);
    ui::InterfaceLoader::check("cellAssetsView", result);
    for (const auto& view : result.topLevelViews) cell->contentView()->addSubview(view);
    cell->setBackgroundColor(std::nullopt);
    return cell;
}

ZUNO_REGISTER_VIEW(cellAssetsView)

// ---- AssetsView

const ui::BindingTable& AssetsView::bindings() {
    using B = ui::Bind<AssetsView>;
    static const ui::BindingTable table(&ZunoViewController::bindings(),
                                        {B::outlet("myTableView", &AssetsView::myTableView)});
    return table;
}

AssetsView::AssetsView(std::string nibName) : ZunoViewController(std::move(nibName)) {}

void AssetsView::viewDidLoad() {
    ZunoViewController::viewDidLoad();
    forcingReload = false;
    auto self = std::static_pointer_cast<AssetsView>(shared_from_this());
    myTableView->setDataSource(std::static_pointer_cast<ui::TableViewDataSource>(self));
    myTableView->setTableDelegate(std::static_pointer_cast<ui::TableViewDelegate>(self));
}

void AssetsView::updateViewWithAssets(std::vector<std::shared_ptr<Asset>> assets) {
    myAssets = std::move(assets);
    forceReloadTableView();
}

void AssetsView::forceReloadTableView() {
    sys::Log::debugFormat("------%zu", myAssets.size());
    for (const auto& asset : myAssets)
        if (asset) sys::Log::debug("----------" + asset->name());
    forcingReload = true;
    if (myTableView) myTableView->reloadData();
}

void AssetsView::deleteAsset() {
    // By id: the list may have been replaced since the tap.
    auto opened = std::find_if(myAssets.begin(), myAssets.end(),
                               [this](const auto& a) { return a && a->assetId() == openedAssetId; });
    if (opened == myAssets.end()) return;
    myAssets.erase(opened);
    forceReloadTableView();
}

int AssetsView::numberOfRowsInSection(ui::TableView&, int) { return static_cast<int>(myAssets.size()); }

std::shared_ptr<ui::TableViewCell> AssetsView::cellForRowAtIndexPath(ui::TableView& table, ui::IndexPath path) {
    std::shared_ptr<cellAssetsView> cell;
    if (forcingReload) {
        sys::Log::debug("AssetsView: assign nil");
    } else {
        sys::Log::debug("AssetsView: not force reload");
        cell = std::dynamic_pointer_cast<cellAssetsView>(table.dequeueReusableCellWithIdentifier(cellAssetsView::kReuseIdentifier));
    }
    if (!cell) cell = cellAssetsView::load();
    cell->setSelectionStyle(ui::TableViewCell::SelectionStyle::None);
    const auto& asset = myAssets.at(static_cast<size_t>(path.row));
    sys::Log::debugFormat("imgAssetId %d", asset->imgAssetId());
    Resources::getInstance().assignAssetId(asset->imgAssetId(), cell->imgIcon, 4);
    cell->lblName->setText(asset->name());
    cell->lblDescription->setText(asset->description());
    if (path.row == static_cast<int>(myAssets.size()) - 1) forcingReload = false;
    return cell;
}

void AssetsView::didSelectRowAtIndexPath(ui::TableView&, ui::IndexPath path) {
    if (path.row < 0 || path.row >= static_cast<int>(myAssets.size())) return;
    rowIndex = path.row;
    openedAssetId = myAssets[static_cast<size_t>(path.row)]->assetId();
    GlobalService::getInstance().requestOpenGift(openedAssetId);
}

ZUNO_REGISTER_SCREEN(AssetsView)

}  // namespace zuno
