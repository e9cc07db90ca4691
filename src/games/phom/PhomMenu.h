#pragma once

namespace zuno {

// The bottom menu of a Phom table (main and second button), numbered as the screen's
// createBottomMenu takes it. Any code not listed hides both buttons, as Wait does.
enum class PhomMenu : int {
    Wait = 0,
    OwnerIdle = 1,  // after a deal, for the owner: start, options
    Idle = 2,       // after a deal, for the others: ready
    Fire = 3,
    Continue = 4,
    EatOrDraw = 6,
    LayDown = 7,
    SendCards = 8,  // new Phom: send cards onto laid melds, or stop sending
    Cleared = 10,
};

}  // namespace zuno
