#include "social/json/JsonError.h"

namespace zuno {

std::string JsonError::debugDescription() const {
    return std::string("Error Domain=") + kDomain + " Code=" + std::to_string(static_cast<int32_t>(code)) +
           " \"" + description + "\"";
}

std::string describeErrorTrace(const JsonErrorTrace& trace) {
    std::string out = "(";
    for (size_t i = 0; i < trace.size(); ++i) {
        out += i == 0 ? "\n    " : ",\n    ";
        out += trace[i]->debugDescription();
    }
    out += trace.empty() ? ")" : "\n)";
    return out;
}

}  // namespace zuno
