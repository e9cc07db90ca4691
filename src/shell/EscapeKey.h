#pragma once

namespace zuno::escape {

// The desktop's Escape key reaches, from the top down, what lies over the screen. Each answers
// whether it took the key; a taken key goes no further.

// The dialog on top: its cancel button is pressed; one without a cancel button closes without its
// action; one without any button (a progress note) stays, and still takes the key.
bool closeTopDialog();

// The sheet on top slides out as its cancel button would (a sheet that must be answered stays, and
// still takes the key).
bool closeTopSheet();

// The open side menu of the screen on top closes, as the menu button's second press would.
bool closeSideMenu();

// At a table, the Leave button: the screen leaves, or asks first while a game runs.
bool leaveTable();

}  // namespace zuno::escape
