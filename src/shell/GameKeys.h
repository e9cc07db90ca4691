#pragma once

namespace zuno {

// The desktop keys a game screen may play with; the program hands them to the screen on top.
enum class GameKey { Left, Right, Up, Down, Space };

class GameKeyTarget {
public:
    virtual ~GameKeyTarget() = default;
    // Answers whether the screen used the key.
    virtual bool gameKeyDown(GameKey key) = 0;
};

}  // namespace zuno
