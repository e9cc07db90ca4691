#include "lobby/model/Player.h"

#include "platform/core/Format.h"

namespace zuno {

Player::Player() : level_(std::make_shared<LevelDetail>()), userProfile_(std::make_shared<User>()) {}

void Player::setExp(int32_t exp) {
    exp_ = exp;
    // Going from level n to n + 1 costs 100 x n points. Wider arithmetic keeps huge values from
    // overflowing while the loop walks up the levels.
    int64_t remaining = exp;
    int64_t level = 1;
    int64_t cost = 100;
    while (remaining - cost >= 0) {
        remaining -= cost;
        ++level;
        cost += 100;
    }
    level_->setLv(static_cast<int32_t>(level));
    level_->setExpRemain(static_cast<int32_t>(remaining));
    level_->setExpRequire(static_cast<int32_t>(cost));
    level_->setPercent(static_cast<int32_t>(remaining * 100 / cost));
}

std::string Player::getMoneyString() const { return sys::formatNumber(money_); }

}  // namespace zuno
