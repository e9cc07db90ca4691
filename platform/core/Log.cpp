#include "platform/core/Log.h"

#include <cstdarg>
#include <cstdio>
#include <mutex>

namespace zuno::sys {

namespace {
struct LogState {
    std::mutex mutex;
    bool capturing = false;
    std::vector<std::string> lines;
};

LogState& state() {
    static LogState s;
    return s;
}
}  // namespace

void Log::line(std::string_view text) {
    LogState& s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    if (s.capturing) {
        s.lines.emplace_back(text);
        return;
    }
    std::string out(text);
    out.push_back('\n');
    std::fwrite(out.data(), 1, out.size(), stderr);
}

void Log::format(const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(nullptr, 0, fmt, copy);
    va_end(copy);
    std::string text;
    if (n > 0) {
        text.resize(static_cast<size_t>(n) + 1);
        std::vsnprintf(text.data(), text.size(), fmt, args);
        text.resize(static_cast<size_t>(n));
    }
    va_end(args);
    line(text);
}

void Log::startCapture() {
    LogState& s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.capturing = true;
    s.lines.clear();
}

void Log::stopCapture() {
    LogState& s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.capturing = false;
}

std::vector<std::string> Log::captured() {
    LogState& s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    return s.lines;
}

void Log::clearCaptured() {
    LogState& s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.lines.clear();
}

bool Log::contains(std::string_view text) {
    LogState& s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    for (const auto& l : s.lines)
        if (l.find(text) != std::string::npos) return true;
    return false;
}

}  // namespace zuno::sys
