#include "screens/ProvinceView.h"

#include "platform/ui/ScreenFactory.h"
#include "screens/ProfileView.h"

namespace zuno {

const ui::BindingTable& ProvinceView::bindings() {
    using B = ui::Bind<ProvinceView>;
    static const ui::BindingTable table(&CustomUIActionSheetViewController::bindings(),
                                        {B::outlet("tableView", &ProvinceView::tableView_)});
    return table;
}

ProvinceView::ProvinceView(std::string nibName) : CustomUIActionSheetViewController(std::move(nibName)) {}

void ProvinceView::viewDidLoad() {
    CustomUIActionSheetViewController::viewDidLoad();
    tableView_->reloadData();
}

int ProvinceView::numberOfRowsInSection(ui::TableView&, int) { return int(listProvinces.size()); }

std::shared_ptr<ui::TableViewCell> ProvinceView::cellForRowAtIndexPath(ui::TableView& table, ui::IndexPath path) {
    static const std::string kIdentifier = "ProvinceCellIdentifier";
    auto cell = table.dequeueReusableCellWithIdentifier(kIdentifier);
    if (!cell) cell = std::make_shared<ui::TableViewCell>(ui::TableViewCell::Style::Subtitle, kIdentifier);
    cell->setSelectionStyle(ui::TableViewCell::SelectionStyle::None);
    cell->setBackgroundColor(ui::Color::clear());
    const auto& label = cell->textLabel();
    label->setTextColor(ui::Color::white());
    label->setBackgroundColor(ui::Color::clear());
    const bool inList = path.row >= 0 && path.row < int(listProvinces.size()) && listProvinces[size_t(path.row)];
    label->setText(inList ? listProvinces[size_t(path.row)]->name() : std::string());
    return cell;
}

void ProvinceView::didSelectRowAtIndexPath(ui::TableView&, ui::IndexPath path) {
    if (path.row < 0 || path.row >= int(listProvinces.size()) || !listProvinces[size_t(path.row)]) return;
    if (auto profile = profileView.lock())
        if (auto tab = profile->personalDataTab()) tab->updateProvince(*listProvinces[size_t(path.row)]);
    slideOut();
}

ZUNO_REGISTER_SCREEN(ProvinceView)

}  // namespace zuno
