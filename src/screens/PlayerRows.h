#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "lobby/model/Player.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/TableViewCell.h"
#include "shell/CustomLabel.h"

namespace zuno::playerrow {

// The pieces of a player's row in the friend, invitation and ranking lists (60 points high): the
// avatar on the left, the name and a yellow line of money or level beside it, the status line with
// its emoticons under them, beside the avatar.

constexpr double kRowHeight = 60;
constexpr int kStatusTag = 123;

std::shared_ptr<ui::Label> nameLabel(const std::string& name);
std::shared_ptr<ui::Label> infoLabel(const std::string& text);
std::shared_ptr<CustomLabel> statusLabel(const std::optional<std::string>& status);
// The avatar from the cache, or "av0.png" while it is missing (the server is asked for it).
std::shared_ptr<ui::ImageView> avatarView(int16_t avatarId);
std::shared_ptr<ui::ImageView> imageAt(const ui::Rect& frame, const char* name);
// "online.png" or "upline.png".
std::shared_ptr<ui::ImageView> onlineMark(bool online);
// "1,500,000 Win": the grouped money and the currency's name.
std::string moneyText(int64_t money);
// "7 + 35%": a level and its percent.
std::string levelText(const LevelDetail* level);
// The level of an experience on a player's card; "0 + 0%" for none.
std::string levelText(int32_t exp);
std::optional<std::string> statusOf(const Player& player);
// A new row on the list's own background.
std::shared_ptr<ui::TableViewCell> newCell(ui::TableViewCell::Style style, const std::string& identifier);
// Takes every subview off the cell's content.
void clear(ui::TableViewCell& cell);

}  // namespace zuno::playerrow
