#pragma once

namespace zuno::testing {

// Puts the client's shared state back to its state at launch before each test: the session state of
// UIController and the loaded resources.
void resetClientState();

}  // namespace zuno::testing
