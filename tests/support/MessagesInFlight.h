// What the program and the stand-in have said to each other and the other has not handled yet, by the
// counts both keep of one connection: the bytes the stand-in's session sent and handled
// (StandinSession::sentBodyBytes, handledFrameBytes) against the program's connection's received and
// sent counts. A road waits for these events, not for a time.
#pragma once

#include <cstdint>

namespace zuno::standin {
class StandinSession;
}

namespace zuno::testing {

// The program's main thread has handled every message in the first `sentBodyBytes` the stand-in sent
// (each message's work run, none waiting on the loop) and has received none after them: the screen
// answers to what the stand-in had said by then. On the main thread.
bool programHeardExactly(uint64_t sentBodyBytes);

// The program's connection has received every message in the first `sentBodyBytes` the stand-in sent,
// and none after them: each message's work is posted to the main loop, if not yet run.
bool programReceivedExactly(uint64_t sentBodyBytes);

// The stand-in has read and handled every request the program has sent on the session (none waits in
// the program's queue or on the wire).
bool standinHandledAllSent(const standin::StandinSession& session);

}  // namespace zuno::testing
