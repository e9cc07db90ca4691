#include "social/json/JsonCoder.h"

namespace zuno {

JsonCoder::JsonCoder() { setMaxDepth(kDefaultMaxDepth); }

unsigned JsonCoder::maxDepth() const { return parser_.maxDepth(); }

void JsonCoder::setMaxDepth(unsigned maxDepth) {
    parser_.setMaxDepth(maxDepth);
    writer_.setMaxDepth(maxDepth);
}

template <typename Result>
Result JsonCoder::takeFailure(Result result, const JsonBase& component, ErrorOut error) {
    if (result) return result;
    JsonErrorTrace trace = component.errorTrace();
    if (error) *error = trace.empty() ? nullptr : trace.back();
    replaceErrorTrace(std::move(trace));
    return result;
}

std::optional<sys::Value> JsonCoder::objectWithString(std::optional<std::string_view> text) {
    return objectWithString(text, false, nullptr);
}

std::optional<sys::Value> JsonCoder::objectWithString(std::optional<std::string_view> text, ErrorOut error) {
    return objectWithString(text, false, error);
}

std::optional<sys::Value> JsonCoder::objectWithString(std::optional<std::string_view> text, bool allowScalar,
                                                      ErrorOut error) {
    auto result = allowScalar ? parser_.fragmentWithString(text) : parser_.objectWithString(text);
    return takeFailure(std::move(result), parser_, error);
}

std::optional<sys::Value> JsonCoder::fragmentWithString(std::optional<std::string_view> text, ErrorOut error) {
    return objectWithString(text, true, error);
}

std::optional<std::string> JsonCoder::stringWithObject(const sys::Value& value) {
    return stringWithObject(value, false, nullptr);
}

std::optional<std::string> JsonCoder::stringWithObject(const sys::Value& value, ErrorOut error) {
    return stringWithObject(value, false, error);
}

std::optional<std::string> JsonCoder::stringWithObject(const sys::Value& value, bool allowScalar, ErrorOut error) {
    auto result = allowScalar ? writer_.stringWithFragment(value) : writer_.stringWithObject(value);
    return takeFailure(std::move(result), writer_, error);
}

std::optional<std::string> JsonCoder::stringWithFragment(const sys::Value& value, ErrorOut error) {
    return stringWithObject(value, true, error);
}

}  // namespace zuno
