// Where the gifts the players of a table hold lie: each inside the window, over no other gift and over
// nothing a player reads or taps (a button that shows itself, a text, a card, an avatar or a mark).
// The chat bubbles, which come and go over everything, and the table's ground are left out.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "lobby/model/Player.h"

namespace zuno::ui {
class View;
}

namespace zuno::testing {

struct GiftPlacesOptions {
    bool giftsMayOverlap = false;  // a row laid on purpose as a fan
};

// Items kFirstGiftItem and the five after it have the bundle's gift pictures, as the server's
// pictures are stored.
constexpr int32_t kFirstGiftItem = 9001;
void storeGiftPictures();
// Every gift the players hold.
std::vector<std::shared_ptr<ui::View>> giftsOf(const std::vector<PlayerPtr>& players);

// One line per gift and what it covers, empty when every gift lies clear.
std::vector<std::string> giftsCovering(ui::View& screen, const std::vector<std::shared_ptr<ui::View>>& gifts,
                                       GiftPlacesOptions options = {});

}  // namespace zuno::testing
