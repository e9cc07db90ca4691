#pragma once

namespace zuno::app {

class Program;

// Runs the program in its window until the window is closed, and answers the exit status. Without a
// display it says so on standard error, names --headless, and answers 2 before anything starts.
int runInWindow(Program& program);

}  // namespace zuno::app
