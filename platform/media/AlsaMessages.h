#pragma once

namespace zuno::sys {

// ALSA, which SDL loads for sound, writes its own lines to standard error when there is no sound card
// ("ALSA lib confmisc.c:855:(parse_card) cannot find card '0'", eight or more of them). Once called,
// they become the program's own log lines, printed only in a verbose run, so a plain run shows just
// the program's warning that sounds are silent. Nothing happens where ALSA is not installed.
void routeAlsaMessagesToLog();

}  // namespace zuno::sys
