#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/core/Value.h"
#include "social/json/JsonBase.h"
#include "social/json/JsonParser.h"
#include "social/json/JsonWriter.h"

namespace zuno {

// One reader and one writer behind one object. After a failure its own trace is a copy of the
// failing component's, and an error out-parameter (when given) receives the last record.
class JsonCoder : public JsonBase {
public:
    using ErrorOut = std::shared_ptr<const JsonError>*;

    JsonCoder();

    std::optional<sys::Value> objectWithString(std::optional<std::string_view> text);
    std::optional<sys::Value> objectWithString(std::optional<std::string_view> text, ErrorOut error);
    // allowScalar accepts any value at the top level.
    std::optional<sys::Value> objectWithString(std::optional<std::string_view> text, bool allowScalar, ErrorOut error);
    std::optional<sys::Value> fragmentWithString(std::optional<std::string_view> text, ErrorOut error);

    std::optional<std::string> stringWithObject(const sys::Value& value);
    std::optional<std::string> stringWithObject(const sys::Value& value, ErrorOut error);
    std::optional<std::string> stringWithObject(const sys::Value& value, bool allowScalar, ErrorOut error);
    std::optional<std::string> stringWithFragment(const sys::Value& value, ErrorOut error);

    bool sortKeys() const { return writer_.sortKeys(); }
    void setSortKeys(bool sortKeys) { writer_.setSortKeys(sortKeys); }
    bool humanReadable() const { return writer_.humanReadable(); }
    void setHumanReadable(bool humanReadable) { writer_.setHumanReadable(humanReadable); }

    // Both components take the limit; the reader's is the one reported.
    unsigned maxDepth() const override;
    void setMaxDepth(unsigned maxDepth) override;

private:
    template <typename Result>
    Result takeFailure(Result result, const JsonBase& component, ErrorOut error);

    JsonParser parser_;
    JsonWriter writer_;
};

}  // namespace zuno
