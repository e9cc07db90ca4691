#pragma once

#include <functional>
#include <mutex>
#include <string>
#include <string_view>

#include "social/json/JsonError.h"

namespace zuno {

// What the JSON reader and writer share: the nesting limit and the trace of errors of the last read
// or write.
class JsonBase {
public:
    static constexpr unsigned kDefaultMaxDepth = 512;
    // Nesting beyond this is refused even when maxDepth is 0 (no limit) or larger: reading, writing
    // and freeing values recurse once per level, and no input may exhaust the stack (with room to
    // spare for a sanitizer build or a thread with a smaller stack).
    static constexpr unsigned kDepthCeiling = 1024;

    using TraceObserver = std::function<void(std::string_view key)>;

    JsonBase();
    virtual ~JsonBase();
    JsonBase(const JsonBase&) = delete;
    JsonBase& operator=(const JsonBase&) = delete;

    // Any thread may read the trace; it is a copy.
    JsonErrorTrace errorTrace() const;
    void clearErrorTrace();
    void addErrorWithCode(JsonErrorCode code, std::string description);

    // 0 means no limit of the caller's own (kDepthCeiling still holds).
    virtual unsigned maxDepth() const;
    virtual void setMaxDepth(unsigned maxDepth);

    // Called with the key "errorTrace" after every change of the trace, on the thread that made it.
    void setErrorTraceObserver(TraceObserver observer);

protected:
    // One level deeper into an array or object; false (with "Nested too deep") beyond the limit.
    bool enterNesting();
    void leaveNesting() { --depth_; }
    void replaceErrorTrace(JsonErrorTrace trace);

    unsigned depth_ = 0;

private:
    void announceTraceChange();

    mutable std::mutex traceMutex_;
    JsonErrorTrace errorTrace_;
    TraceObserver observer_;
    unsigned maxDepth_ = kDefaultMaxDepth;
};

}  // namespace zuno
