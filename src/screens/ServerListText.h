#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "lobby/model/LobbyRecords.h"

namespace zuno {

// The server-list text of the configured "LinkServer" address: entries "name|host:port" separated by
// ";". The name ends at the first "|", the host at the first ":" after it, the port is the rest.
// Empty pieces (a trailing ";") and pieces not of that form are skipped; the others keep their order.
std::vector<std::shared_ptr<Server>> parseServerList(std::string_view text);

}  // namespace zuno
