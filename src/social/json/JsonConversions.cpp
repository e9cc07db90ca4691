#include "social/json/JsonConversions.h"

#include "platform/core/Log.h"
#include "social/json/JsonParser.h"
#include "social/json/JsonWriter.h"

namespace zuno {

namespace {

template <typename Result>
Result logged(Result result, const JsonBase& component, const char* operation) {
    if (!result) {
        std::string trace = describeErrorTrace(component.errorTrace());
        sys::Log::warning(std::string(operation) + " failed. Error trace is: " + trace);
    }
    return result;
}

}  // namespace

std::optional<std::string> JSONRepresentation(const sys::Value& value) {
    JsonWriter writer;
    return logged(writer.stringWithObject(value), writer, "-JSONRepresentation");
}

std::optional<std::string> JSONFragment(const sys::Value& value) {
    JsonWriter writer;
    return logged(writer.stringWithFragment(value), writer, "-JSONFragment");
}

std::optional<sys::Value> JSONValue(std::string_view text) {
    JsonParser parser;
    return logged(parser.objectWithString(text), parser, "-JSONValue");
}

std::optional<sys::Value> JSONFragmentValue(std::string_view text) {
    JsonParser parser;
    return logged(parser.fragmentWithString(text), parser, "-JSONFragmentValue");
}

}  // namespace zuno
