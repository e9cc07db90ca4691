#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "lobby/model/User.h"
#include "platform/core/Property.h"

namespace zuno {
namespace ui {
class View;
}

// The level that follows from a player's experience.
class LevelDetail {
    ZUNO_PROPERTY(int32_t, expRemain, setExpRemain) = 0;
    ZUNO_PROPERTY(int32_t, expRequire, setExpRequire) = 0;
    ZUNO_PROPERTY(int32_t, lv, setLv) = 0;
    ZUNO_PROPERTY(int32_t, percent, setPercent) = 0;
};

// Anybody listed or seated: friends, rankings, waiting players, the players at a table, and the
// signed-in player. In the lobby's player lists `isReady` carries the online state.
class Player {
public:
    Player();
    virtual ~Player() = default;

    const int32_t& exp() const { return exp_; }
    // Stores the experience and recomputes the level.
    void setExp(int32_t exp);

    void addMoney(int64_t amount) { money_ += amount; }
    // The balance with digit grouping, as amounts are shown everywhere.
    std::string getMoneyString() const;
    bool equals(const Player& other) const { return IDDB_ == other.IDDB_; }
    const std::string& toString() const { return name_; }

    ZUNO_PROPERTY(int32_t, IDDB, setIDDB) = 0;
    ZUNO_PROPERTY(int16_t, avatar, setAvatar) = 0;
    ZUNO_PROPERTY(int8_t, finishPosition, setFinishPosition) = 0;
    ZUNO_PROPERTY(bool, isReady, setIsReady) = false;
    ZUNO_PROPERTY(std::shared_ptr<LevelDetail>, level, setLevel);
    ZUNO_PROPERTY(int64_t, money, setMoney) = 0;
    ZUNO_PROPERTY(std::string, name, setName);
    ZUNO_PROPERTY(std::string, showName, setShowName);
    ZUNO_PROPERTY(std::shared_ptr<User>, userProfile, setUserProfile);

public:
    // The gift icons shown at the player's seat.
    std::vector<std::shared_ptr<ui::View>>& gifts() { return gifts_; }
    const std::vector<std::shared_ptr<ui::View>>& gifts() const { return gifts_; }

private:
    int32_t exp_ = 0;
    std::vector<std::shared_ptr<ui::View>> gifts_;
};

using PlayerPtr = std::shared_ptr<Player>;

}  // namespace zuno
