// How long my turn's clock runs on the screen: the roads note, at every frame the window draws, what
// the table on top shows of my turn's clock, so that a turn left to run out is measured from the first
// frame that showed it to the frame that shows it empty, on the program's clock.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace zuno::ui {
class ViewController;
}

namespace zuno::testing {

// A frame was drawn: notes my turn's clock on the program's table on top (a new turn from its first frame).
void noteMyTurnClock();
// Between roads.
void forgetMyTurnClock();

// Runs the program's clock, a frame at a time, until my turn's clock on the table shows empty (the bar
// drained or gone, the count at 00:00), and expects it to have run `seconds` from my turn's first
// frame: a bar from full to empty, a count from the turn's whole seconds less the one it ticks at once
// to 00:00 a second before the turn's end. `endedElsewhere`, asked at every frame, names what ended my
// turn (empty while nothing did): an end before the turn's seconds fails too. Answers the program's
// time of my turn's first frame, and when my turn is over by my clock.
struct MyTurnClockRun {
    double firstFrame = 0;
    double over = 0;
};
std::optional<MyTurnClockRun> expectMyTurnClockRunsFor(const ui::ViewController& top, double seconds,
                                                       const std::function<std::string()>& endedElsewhere);

}  // namespace zuno::testing
