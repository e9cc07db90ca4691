#pragma once

#include <functional>
#include <string>

#include "Program.h"

namespace zuno::app {

// What the headless run does in place of a person: type the user name and password, log in, pick
// the first server, open the game list from the main menu (and, taking pictures, wait a moment for a
// dialog over it, the robot's invitation). Watched twice a second; ends with a verdict.
class HeadlessWalk {
public:
    static constexpr double kTimeLimitSeconds = 30;

    HeadlessWalk(Program& program, std::string user, std::string password);

    // Runs the main loop until the game list is shown (true) or the walk fails (false, with why()).
    bool run();
    const std::string& why() const { return why_; }

private:
    void step();
    bool settled() const;

    Program& program_;
    std::string user_, password_;
    bool typed_ = false, picked_ = false, opened_ = false;
    bool done_ = false, ok_ = false;
    int dialogsPictured_ = 0;
    double waitedForDialog_ = 0;
    std::string why_;
};

}  // namespace zuno::app
