#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace zuno::standin {

// Whose table a robot invites the player to: a robot owns it and starts the deals, or it is empty and
// the player owns it (a robot sits down a moment after the player, and the player starts).
enum class StandinTableKind { Robots, Empty };

// The next invitation a robot sends to the signed-in player in the lobby. Tests set it; the demo
// rotates through the games a player reaches only by invitation (some also at an empty table of the
// player's own), one step after each leave.
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
        step_ = 0;
    }

    // What to invite to now; none when nothing is set.
    std::optional<Choice> current() const {
        if (next_) return next_;
        if (rotation_.empty()) return std::nullopt;
        return rotation_[step_ % rotation_.size()];
    }
    // After a leave: a one-off choice is used up, the rotation moves on.
    void advance() {
        if (next_) next_.reset();
        else if (!rotation_.empty()) ++step_;
    }

private:
    std::optional<Choice> next_;
    std::vector<Choice> rotation_;
    size_t step_ = 0;
};

}  // namespace zuno::standin
