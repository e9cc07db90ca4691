#pragma once

#include <cstdint>
#include <functional>

#include "platform/core/RunLoop.h"

namespace zuno {

// The per-move clock of a board table: one repeating one-second tick per screen. A start replaces any
// running tick (a quick new game never runs two) and ticks at once, so 30 s show 29 s at the start;
// each tick counts down by one second until 0, where the clock rests (the server judges the time-out)
// until a move gives the full interval again. The owner stops it at a game's end and when its screen
// disappears (the destructor does too).
class BoardMoveClock {
public:
    // Seconds left after this tick; `beep` for the last five seconds and 0.
    using Tick = std::function<void(int64_t secondsLeft, bool beep)>;

    BoardMoveClock() = default;
    BoardMoveClock(const BoardMoveClock&) = delete;
    BoardMoveClock& operator=(const BoardMoveClock&) = delete;
    ~BoardMoveClock() { stop(); }

    void start(int32_t intervalSeconds, Tick tick);
    // A move: the full interval again, the next tick a second less (a resting clock starts again).
    void restartCount();
    void stop();

    bool isRunning() const { return running_; }
    int64_t dieTime() const { return dieTime_; }

private:
    void step();
    // Starts the repeating tick unless it runs.
    void keepTicking();

    Tick tick_;
    int32_t interval_ = 0;
    int64_t dieTime_ = 0;
    bool running_ = false;
    sys::RunLoop::TimerId timer_ = 0;
};

}  // namespace zuno
