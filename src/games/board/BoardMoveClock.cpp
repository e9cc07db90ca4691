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
    keepTicking();
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
    if (!running_) return;
    if (dieTime_ > 0) {
        keepTicking();
        return;
    }
    sys::RunLoop::main().cancel(timer_);
    timer_ = 0;
}

void BoardMoveClock::keepTicking() {
    if (timer_ == 0) timer_ = sys::RunLoop::main().scheduleRepeating(1.0, [this] { step(); });
}

}  // namespace zuno
