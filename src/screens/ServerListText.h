#pragma once

#include <memory>
#include <string>
#include <vector>

#include "lobby/model/LobbyRecords.h"

namespace zuno {

// The text the service publishes at the configuration's "LinkServer": entries separated by ";", each
// a display name, "|", a host, ":" and a decimal port ("Zuno 1|10.0.0.1:5000;"). The name runs to the
// first "|", the host from there to the first ":", the port is the rest. Pieces that are empty (the
// usual trailing ";") or not of that form are skipped, so one bad piece never hides the others.
std::vector<std::shared_ptr<Server>> parseServerList(const std::string& text);

// The port of an entry: its leading decimal digits, 0 when there are none (or too many to be a port).
int32_t serverPortValue(const std::string& portText);

}  // namespace zuno
