#include "platform/core/Log.h"

#include <atomic>
#include <cstdarg>
#include <cstdlib>
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

namespace {
std::string formatted(const char* fmt, va_list args) {
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
    return text;
}

std::atomic<bool>& debugSwitch() {
    static std::atomic<bool> on{[] {
        const char* env = std::getenv("ZUNO_DEBUG_LOG");
        return env && std::string_view(env) == "1";
    }()};
    return on;
}
}  // namespace

void Log::debug(std::string_view text) {
    if (debugSwitch().load(std::memory_order_relaxed)) line(text);
}

void Log::debugFormat(const char* fmt, ...) {
    if (!debugSwitch().load(std::memory_order_relaxed)) return;
    va_list args;
    va_start(args, fmt);
    std::string text = formatted(fmt, args);
    va_end(args);
    line(text);
}

void Log::setDebugEnabled(bool on) { debugSwitch().store(on); }

bool Log::isDebugEnabled() { return debugSwitch().load(); }

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
