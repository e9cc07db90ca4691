#include "social/json/JsonBase.h"

#include <algorithm>

namespace zuno {

JsonBase::JsonBase() = default;
JsonBase::~JsonBase() = default;

JsonErrorTrace JsonBase::errorTrace() const {
    std::lock_guard<std::mutex> lock(traceMutex_);
    return errorTrace_;
}

void JsonBase::clearErrorTrace() {
    {
        std::lock_guard<std::mutex> lock(traceMutex_);
        if (errorTrace_.empty()) return;
        errorTrace_.clear();
    }
    announceTraceChange();
}

void JsonBase::addErrorWithCode(JsonErrorCode code, std::string description) {
    {
        std::lock_guard<std::mutex> lock(traceMutex_);
        auto error = std::make_shared<JsonError>();
        error->code = code;
        error->description = std::move(description);
        if (!errorTrace_.empty()) error->underlyingError = errorTrace_.back();
        errorTrace_.push_back(std::move(error));
    }
    announceTraceChange();
}

void JsonBase::replaceErrorTrace(JsonErrorTrace trace) {
    {
        std::lock_guard<std::mutex> lock(traceMutex_);
        errorTrace_ = std::move(trace);
    }
    announceTraceChange();
}

void JsonBase::announceTraceChange() {
    if (observer_) observer_("errorTrace");
}

void JsonBase::setErrorTraceObserver(TraceObserver observer) { observer_ = std::move(observer); }

unsigned JsonBase::maxDepth() const { return maxDepth_; }

void JsonBase::setMaxDepth(unsigned maxDepth) { maxDepth_ = maxDepth; }

bool JsonBase::enterNesting() {
    ++depth_;
    unsigned limit = maxDepth_ == 0 ? kDepthCeiling : std::min(maxDepth_, kDepthCeiling);
    if (depth_ > limit) {
        addErrorWithCode(JsonErrorCode::TooDeep, "Nested too deep");
        return false;
    }
    return true;
}

}  // namespace zuno
