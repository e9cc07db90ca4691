#include "games/board/BoardMoveClock.h"

namespace zuno {

void BoardMoveClock::start(int32_t intervalSeconds, Tick tick) {
    stop();
    tick_ = std::move(tick);
    interval_ = intervalSeconds;
    dieTime_ = intervalSeconds;
    running_ = true;
    step();
}

void BoardMoveClock::restartCount() {
    if (!running_) return;
    dieTime_ = interval_;
    if (timer_ == 0) timer_ = sys::RunLoop::main().postDelayed(1.0, [this] {
        timer_ = 0;
        step();
    });
}

void BoardMoveClock::stop() {
    if (timer_ != 0) sys::RunLoop::main().cancel(timer_);
    timer_ = 0;
    running_ = false;
}

void BoardMoveClock::step() {
    if (dieTime_ > 0) --dieTime_;
    if (tick_) tick_(dieTime_, dieTime_ <= 5);
    // The tick may have stopped or restarted the clock.
    if (!running_ || timer_ != 0 || dieTime_ <= 0) return;
    timer_ = sys::RunLoop::main().postDelayed(1.0, [this] {
        timer_ = 0;
        step();
    });
}

}  // namespace zuno
