#pragma once

#include <string>
#include <string_view>

#include "platform/core/Value.h"

namespace zuno::sys {

// XML property lists (the bundle's configuration and language tables, the user defaults).
//
// Reading maps dict, array, string, integer, real, true/false and data to the matching Value kinds.
// A date has no Value kind of its own: it is read as its text ("2011-05-03T10:00:00Z"). Anything else
// (an unknown element, a key without a value, a number that does not parse, broken base64, broken XML)
// raises a sys::Exception named "PropertyListException" whose reason names the file and the line, and
// so do arrays and dictionaries nested more than kMaxDepth deep (reading recurses once per level).
//
// Writing gives the same XML form, tab-indented. A property list has no null, so null values are
// left out of dictionaries and arrays.
class PropertyList {
public:
    static constexpr const char* kExceptionName = "PropertyListException";
    static constexpr int kMaxDepth = 256;

    // sourceName is what errors call the text (usually its file path).
    static Value parse(std::string_view xml, std::string_view sourceName = "property list");
    // A missing or unreadable file raises as well.
    static Value readFile(const std::string& path);

    static std::string write(const Value& root);
};

}  // namespace zuno::sys
