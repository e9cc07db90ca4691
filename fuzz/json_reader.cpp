// Any bytes into the JSON reader. Whatever it accepts must write back, and the written text must read
// back to the same value; nothing may crash, leak or recurse without bound.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "social/json/JsonParser.h"
#include "social/json/JsonWriter.h"

using namespace zuno;

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    JsonParser parser;
    // Odd sizes also try the reader without a limit of its own.
    if (size % 2) parser.setMaxDepth(0);
    auto value = parser.fragmentWithString(text);
    auto object = parser.objectWithString(text);
    require(object.has_value() == (value && (value->isArray() || value->isDictionary())));
    if (!value) {
        require(!parser.errorTrace().empty());
        return 0;
    }

    JsonWriter writer;
    writer.setMaxDepth(0);
    auto written = writer.stringWithFragment(*value);
    require(written.has_value());
    auto reread = parser.fragmentWithString(*written);
    require(reread.has_value());
    // Whole reals come back as integers, so the text settles after one more trip.
    auto rewritten = writer.stringWithFragment(*reread);
    require(rewritten.has_value());
    auto settled = parser.fragmentWithString(*rewritten);
    require(settled.has_value() && *settled == *reread);
    require(writer.stringWithFragment(*settled) == rewritten);

    writer.setSortKeys(true);
    writer.setHumanReadable(true);
    auto readable = writer.stringWithFragment(*settled);
    require(readable.has_value());
    auto fromReadable = parser.fragmentWithString(*readable);
    require(fromReadable.has_value() && *fromReadable == *settled);
    return 0;
}
