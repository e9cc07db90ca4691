#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

namespace zuno::standin {

// Whose table a robot invites the player to: a robot owns it and starts the deals, or it is empty and
// the player owns it (a robot sits down a moment after the player, and the player starts).
enum class StandinTableKind { Robots, Empty };

// The next invitation a robot sends to the signed-in player in the lobby. Tests set it; the demo
// rotates through the games a player reaches only by invitation (some also at an empty table of the
// player's own), one step after each leave. Each account has its own place in the rotation: a new
// account starts at its first table, wherever another's tour stands.
class StandinInvitation {
public:
    // A game type alone is a robots' table of that game.
    struct Choice {
        Choice(int8_t gameType, StandinTableKind kind = StandinTableKind::Robots) : gameType(gameType), kind(kind) {}
        int8_t gameType;
        StandinTableKind kind;
    };

    // The next invitation only (until the next leave); it goes before the rotation.
    void setNext(int8_t gameType, StandinTableKind kind = StandinTableKind::Robots) { next_ = Choice{gameType, kind}; }
    // The tables invited to in turn, each with its kind.
    void setRotation(std::vector<Choice> choices) {
        rotation_ = std::move(choices);
        steps_.clear();
    }

    // What to invite the account to now; none when nothing is set.
    std::optional<Choice> current(int32_t accountId) const {
        if (next_) return next_;
        if (rotation_.empty()) return std::nullopt;
        auto step = steps_.find(accountId);
        return rotation_[(step == steps_.end() ? 0 : step->second) % rotation_.size()];
    }
    // After the account's leave: a one-off choice is used up, else the account's rotation moves on.
    void advance(int32_t accountId) {
        if (next_) next_.reset();
        else if (!rotation_.empty()) ++steps_[accountId];
    }

private:
    std::optional<Choice> next_;
    std::vector<Choice> rotation_;
    std::map<int32_t, size_t> steps_;  // by account
};

}  // namespace zuno::standin
