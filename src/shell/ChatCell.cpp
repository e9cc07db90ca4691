#include "shell/ChatCell.h"

#include <algorithm>
#include <cmath>

#include "platform/ui/InterfaceLoader.h"
#include "platform/ui/ScreenFactory.h"

namespace zuno {

namespace {
constexpr double kNameColumn = 100;  // the widest a name runs before it is cut
// Between a speaker's name and the line, and between the line and the row's right end.
constexpr double kNameGap = 6;
constexpr double kRightMargin = 4;
}  // namespace

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

double cellChat::showChat(const Chat& chat, double rowWidth, double oneRowHeight) {
    if (!lblName || !lblContent) return oneRowHeight;
    const std::string name = chat.name().value_or(std::string());
    lblName->setText(name);
    lblContent->setText(chat.content().value_or(std::string()));
    lblContent->setNumberOfLines(0);
    // The line follows its speaker's name, not a column far away from a short name.
    ui::Rect nameFrame = lblName->frame();
    nameFrame.size.width = std::min(kNameColumn, std::ceil(lblName->font().widthOfText(name)));
    lblName->setFrame(nameFrame);
    ui::Rect line = lblContent->frame();
    line.origin.x = nameFrame.maxX() + kNameGap;
    line.size.width = std::max(1.0, rowWidth - kRightMargin - line.origin.x);
    const size_t rows = std::max<size_t>(1, lblContent->wrappedLines(line.width()).size());
    const double more = std::ceil(lblContent->font().lineHeight() * double(rows - 1));
    line.size.height = nameFrame.height() + more;
    lblContent->setFrame(line);
    return oneRowHeight + more;
}

ZUNO_REGISTER_VIEW(cellChat)

}  // namespace zuno
