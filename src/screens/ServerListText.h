#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "lobby/model/LobbyRecords.h"

namespace zuno {

// The server-list text of the configured "LinkServer" address: entries "name|host:port" separated by
// ";". The name ends at the first "|", the host at the first ":" after it, the port is the rest.
// Empty pieces (a trailing ";"), pieces not of that form and entries without a host are skipped; the
// others keep their order.
std::vector<std::shared_ptr<Server>> parseServerList(std::string_view text);

// The port of an entry: its leading decimal digits, 0 when there are none (or too many to be a port).
int32_t serverPortValue(const std::string& portText);

// Points the connection at the server picked last (kept in the user defaults), else at the configured
// one.
void useLastOrConfiguredServer();

// Servers move: when a list names servers but not the one the next connection would go to, that
// address is forgotten and the configured server is used again (tell a friend and the hotline pick no
// server of their own).
void forgetServerNotIn(const std::vector<std::shared_ptr<Server>>& servers);

}  // namespace zuno
