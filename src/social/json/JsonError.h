#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace zuno {

// What went wrong while reading or writing JSON. The numbers are part of the reader's interface.
enum class JsonErrorCode : int32_t {
    UnsupportedValue = 1,   // a value the writer cannot write
    BadNumber = 2,
    Syntax = 3,
    NotContainer = 4,       // the top level is not an object or an array
    ControlCharacter = 5,   // a raw control character (or bytes that are not UTF-8) in a string
    BadUnicodeEscape = 6,
    TooDeep = 7,
    IllegalEscape = 8,
    TrailingComma = 9,
    TrailingGarbage = 10,
    EndOfInput = 11,
    NoInput = 12,
};

// One record of an error trace. When the trace already held an error, the record points at the one
// before it, so the last record alone tells the whole story.
struct JsonError {
    static constexpr const char* kDomain = "vn.zuno.json";

    JsonErrorCode code;
    std::string description;
    std::shared_ptr<const JsonError> underlyingError;

    // One line for logs: domain, code and description.
    std::string debugDescription() const;
};

using JsonErrorTrace = std::vector<std::shared_ptr<const JsonError>>;

// The whole trace for logs, innermost error first.
std::string describeErrorTrace(const JsonErrorTrace& trace);

}  // namespace zuno
