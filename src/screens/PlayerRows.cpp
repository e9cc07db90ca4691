#include "screens/PlayerRows.h"

#include "platform/core/Format.h"
#include "platform/ui/Color.h"
#include "platform/ui/Font.h"
#include "platform/ui/Image.h"
#include "shell/Resources.h"
#include "shell/Util.h"

namespace zuno::playerrow {

namespace {
std::shared_ptr<ui::Label> boldLabel(const ui::Rect& frame, const std::string& text, const ui::Color& color) {
    auto label = std::make_shared<ui::Label>(frame);
    label->setTextColor(color);
    label->setFont(ui::Font::boldSystemFontOfSize(16));
    label->setBackgroundColor(ui::Color::clear());
    label->setTextAlignment(ui::TextAlignment::Left);
    label->setText(text);
    return label;
}
}  // namespace

std::shared_ptr<ui::Label> nameLabel(const std::string& name) {
    return boldLabel(ui::Rect(55, 0, 350, 21), name, ui::Color::white());
}

std::shared_ptr<ui::Label> infoLabel(const std::string& text) {
    return boldLabel(ui::Rect(55, 19, 184, 21), text, ui::Color::yellow());
}

std::shared_ptr<CustomLabel> statusLabel(const std::optional<std::string>& status) {
    // Beside the avatar, under the money: a line under the 50-point avatar would run over its foot.
    auto label = std::make_shared<CustomLabel>(ui::Rect(55, 40, 382, 20));
    label->setTextColor(ui::Color::white());
    label->setFont(ui::Font::systemFontOfSize(12));
    label->setBackgroundColor(ui::Color::clear());
    label->setTextAlignment(ui::TextAlignment::Left);
    label->setTag(kStatusTag);
    // A status is whatever the player wrote: a long one is cut at the row's edge.
    label->setTruncatesOnPurpose(true);
    label->setClipsToBounds(true);
    label->setText(status);
    return label;
}

std::shared_ptr<ui::ImageView> avatarView(int16_t avatarId) {
    auto avatar = std::make_shared<ui::ImageView>(ui::Rect(0, 0, 50, 50));
    avatar->setContentMode(ui::ContentMode::Center);
    ui::ImagePtr image = Resources::getInstance().getAvatarWithKey(avatarId);
    avatar->setImage(image ? image : ui::Image::imageNamed("av0.png"));
    return avatar;
}

std::shared_ptr<ui::ImageView> imageAt(const ui::Rect& frame, const char* name) {
    auto image = std::make_shared<ui::ImageView>(frame);
    image->setImage(ui::Image::imageNamed(name));
    return image;
}

std::shared_ptr<ui::ImageView> onlineMark(bool online) {
    auto mark = std::make_shared<ui::ImageView>(ui::Image::imageNamed(online ? "online.png" : "upline.png"));
    return mark;
}

std::string moneyText(int64_t money) {
    return sys::format("%@ %@", {Util::formatNumber(money), Resources::getInstance().textForKey("ZUNO_win")});
}

std::string levelText(const LevelDetail* level) {
    return sys::format("%d + %d%%", {int64_t(level ? level->lv() : 0), int64_t(level ? level->percent() : 0)});
}

std::string levelText(int32_t exp) {
    Player player;
    // A player's card shows its fresh level record (0 + 0%) for no experience at all.
    if (exp != 0) player.setExp(exp);
    return levelText(player.level().get());
}

std::optional<std::string> statusOf(const Player& player) {
    return player.userProfile() ? player.userProfile()->status() : std::nullopt;
}

std::shared_ptr<ui::TableViewCell> newCell(ui::TableViewCell::Style style, const std::string& identifier) {
    auto cell = std::make_shared<ui::TableViewCell>(style, identifier);
    cell->setBackgroundColor(std::nullopt);
    return cell;
}

void clear(ui::TableViewCell& cell) {
    auto content = cell.contentView();
    std::vector<std::shared_ptr<ui::View>> old = content->subviews();
    for (const auto& sub : old) sub->removeFromSuperview();
}

}  // namespace zuno::playerrow
