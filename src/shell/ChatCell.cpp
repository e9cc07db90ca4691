#include "shell/ChatCell.h"

#include "platform/ui/InterfaceLoader.h"
#include "platform/ui/ScreenFactory.h"

namespace zuno {

const ui::BindingTable& cellChat::bindings() {
    using B = ui::Bind<cellChat>;
    static const ui::BindingTable table(&ui::Responder::bindings(),
                                        {B::outlet("lblName", &cellChat::lblName),
                                         B::outlet("lblContent", &cellChat::lblContent)});
    return table;
}

cellChat::cellChat(std::optional<std::string> reuseIdentifier)
    : ui::TableViewCell(ui::TableViewCell::Style::Default, std::move(reuseIdentifier)) {}

std::shared_ptr<cellChat> cellChat::load(const std::string& reuseIdentifier) {
    auto cell = std::make_shared<cellChat>(reuseIdentifier);
    auto result = ui::InterfaceLoader::load("cellChat", *cell);
    ui::InterfaceLoader::check("cellChat", result);
    for (const auto& view : result.topLevelViews) cell->contentView()->addSubview(view);
    return cell;
}

ZUNO_REGISTER_VIEW(cellChat)

}  // namespace zuno
