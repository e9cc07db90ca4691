#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/Property.h"

namespace zuno {

// A province of the personal data, with the one shared list of all provinces. The list is replaced
// from the connection's reader thread and read by screens, so it is guarded.
class Province {
public:
    Province() = default;
    Province(int8_t pId, std::string name) : pId_(pId), name_(std::move(name)) {}

    using List = std::vector<std::shared_ptr<Province>>;

    // A copy of the shared list (empty until the server sent it).
    static List list();
    static void setList(List provinces);
    // The name of the last province in the list with that id, or the id in decimal when none has it.
    static std::string getProviceNameWithId(int8_t pId);

    ZUNO_PROPERTY(int8_t, pId, setPId) = 0;
    ZUNO_PROPERTY(std::string, name, setName);
};

}  // namespace zuno
